// `pinxel filter FILTER INPUT OUTPUT [--region L T R B] [--from R,G,B --to R,G,B]`:
// runs the filter engine once on a picture file and writes the result, BMP or
// PNG by the output's name. Exit 0 on success, 2 for a wrong command line,
// 1 when the input cannot be read, the output cannot be written or the
// engine reports a failure. The output is written whole or not at all.

#include "Command.h"
#include "PictureCommand.h"

#include "imaging/FilterTable.h"
#include "imaging/mdlFilter.h"

#include <cstdio>
#include <optional>

namespace pinxel::cli {
namespace {

void printUsage(std::FILE *out)
{
    std::fprintf(out,
                 "usage: pinxel filter FILTER INPUT OUTPUT [--region L T R B] [--from R,G,B --to R,G,B]\n"
                 "\n"
                 "Runs one filter once on the picture INPUT (any format the library reads) and\n"
                 "writes OUTPUT, as PNG when its name ends in .png, else as BMP.\n"
                 "\n"
                 "FILTER is an engine number 0..%d or one of these names:\n",
                 FilterCount - 1);
    for (const FilterRow &row : FilterTable)
        if (row.commandName)
            std::fprintf(out, "  %2d  %s\n", row.number, row.commandName);
    for (const FilterRow &row : FilterTable)
        if (!row.commandName)
            std::fprintf(out, "  %2d  (no name: the engine does nothing for it)\n", row.number);
    std::fprintf(out, "\n"
                      "--region L T R B   the inclusive bounds in pixels; all four -1, or no --region,\n"
                      "                   filter the whole picture; any other region is clipped to it\n"
                      "--from R,G,B       the colour replace-colors looks for (default 0,0,0)\n"
                      "--to R,G,B         the colour it writes instead (default 255,255,255)\n");
}

std::optional<int> filterNumber(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return filterRow(number) ? std::optional<int>(number) : std::nullopt;
    if (const FilterRow *row = filterNamed(text))
        return row->number;
    return std::nullopt;
}

// "R,G,B" with components 0..255.
std::optional<Color> colorArgument(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int c[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        c[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || c[i] < 0 || c[i] > 255)
            return std::nullopt;
    }
    return composeColor(c[0], c[1], c[2]);
}

int usageError(const QString &message) { return cli::usageError("filter", message); }

int runFilter(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        printUsage(stdout);
        return 0;
    }
    QStringList positional;
    int region[4] = {-1, -1, -1, -1};
    std::optional<Color> from, to;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--region")) {
            if (i + 4 >= arguments.size())
                return usageError(QStringLiteral("--region needs four numbers: L T R B"));
            for (int k = 0; k < 4; ++k) {
                bool ok = false;
                region[k] = arguments[i + 1 + k].toInt(&ok);
                if (!ok)
                    return usageError(
                        QStringLiteral("--region bound '%1' is not a whole number").arg(arguments[i + 1 + k]));
            }
            i += 4;
        } else if (argument == QLatin1String("--from") || argument == QLatin1String("--to")) {
            if (i + 1 >= arguments.size())
                return usageError(QStringLiteral("%1 needs a colour R,G,B").arg(argument));
            const std::optional<Color> colour = colorArgument(arguments[++i]);
            if (!colour)
                return usageError(
                    QStringLiteral("'%1' is not a colour R,G,B with components 0..255").arg(arguments[i]));
            (argument == QLatin1String("--from") ? from : to) = colour;
        } else if (argument.startsWith(QLatin1String("--")) && argument.size() > 2) {
            return usageError(QStringLiteral("unknown option '%1'").arg(argument));
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 3)
        return usageError(QStringLiteral("expected FILTER INPUT OUTPUT"));
    const std::optional<int> filter = filterNumber(positional[0]);
    if (!filter)
        return usageError(QStringLiteral("unknown filter '%1'").arg(positional[0]));
    if ((from || to) && *filter != FilterReplaceColors)
        return usageError(QStringLiteral("--from and --to belong to replace-colors"));
    const QString input = positional[1], output = positional[2];

    // The engine reports its failures in a message box: here they become a message and exit 1.
    PictureCommand command("filter");
    if (const int failed = command.load(input))
        return failed;
    ReplaceColorFrom = from.value_or(composeColor(0, 0, 0));
    ReplaceColorTo = to.value_or(composeColor(255, 255, 255));
    FilterPicture(*filter, command.surface(), region[0], region[1], region[2], region[3]);
    if (const QString failures = command.reportedFailures(); !failures.isEmpty())
        return command.ioError(QStringLiteral("the filter failed: %1").arg(failures));
    return command.save(output);
}

const Command filterCommand("filter", runFilter);

}  // namespace
}  // namespace pinxel::cli
