// pinxel: the command line tool. `pinxel COMMAND ARGS...`; `pinxel --help` lists the commands.

#include "Command.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pinxel::cli {

namespace {
std::vector<const Command *> &registry()
{
    static std::vector<const Command *> commands;
    return commands;
}
}  // namespace

Command::Command(const char *name, const char *summary, Run run) : name(name), summary(summary), run(run)
{
    registry().push_back(this);
}

const std::vector<const Command *> &Command::all() { return registry(); }

}  // namespace pinxel::cli

namespace {

void printUsage(std::FILE *out)
{
    std::fprintf(out, "usage: pinxel COMMAND [ARGS...]\n\ncommands:\n");
    for (const pinxel::cli::Command *command : pinxel::cli::Command::all())
        std::fprintf(out, "  %-12s %s\n", command->name, command->summary);
    std::fprintf(out, "\n'pinxel COMMAND --help' tells more of one command.\n");
}

}  // namespace

int main(int argc, char **argv)
{
    // Headless unless a display is there; a script runs headless anyway
    // unless it asks to be shown with --show.
    bool show = false;
    for (int i = 1; i < argc; ++i)
        show = show || std::strcmp(argv[i], "--show") == 0;
    // Restoring a journal replays it in an editor nobody sees.
    if (argc > 1 && ((std::strcmp(argv[1], "script") == 0 && !show) || std::strcmp(argv[1], "recover") == 0))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.front() == QLatin1String("--help")
        || arguments.front() == QLatin1String("-h")) {
        printUsage(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString name = arguments.takeFirst();
    for (const pinxel::cli::Command *command : pinxel::cli::Command::all())
        if (name == QLatin1String(command->name))
            return command->run(arguments);
    std::fprintf(stderr, "pinxel: unknown command '%s'\n\n", qPrintable(name));
    printUsage(stderr);
    return 2;
}
