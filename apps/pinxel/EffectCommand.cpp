// `pinxel effect EFFECT [AMOUNT] INPUT OUTPUT [--width|--height] [--anticlockwise]`:
// runs one effect on a picture file as the editor runs it on a canvas with
// no selection, and writes the result, PNG or BMP by the output's name.
// Exit 0 on success, 2 for a wrong command line, 1 when a file cannot be
// read or written or the effect fails, 3 when the size guard refuses a
// resize. The output is written whole or not at all.

#include "Command.h"
#include "PictureCommand.h"

#include "imaging/mdlEffect.h"

#include <cstdio>
#include <optional>

namespace pinxel::cli {
namespace {

// The screen the size guard assumes: 15 twips per pixel, a standard desktop.
constexpr double TwipsPerPixel = 15.0;
constexpr int RefusedExitCode = 3;

void printUsage(std::FILE *out)
{
    std::fprintf(out, "usage: pinxel effect EFFECT [AMOUNT] INPUT OUTPUT [OPTION]\n"
                      "\n"
                      "Runs one effect on the picture INPUT (any format the library reads) and\n"
                      "writes OUTPUT, as PNG when its name ends in .png, else as BMP.\n"
                      "\n"
                      "  flip-horizontal          mirror left to right\n"
                      "  flip-vertical            mirror top to bottom\n"
                      "  invert                   invert the colours\n"
                      "  resize PERCENT           25, 50, 75, 125, 150, 175 or 200; with --width or\n"
                      "                           --height only that side changes. Refused (exit 3)\n"
                      "                           when a side times the percentage passes 50000 twips\n"
                      "                           at 15 twips per pixel (3333 pixels)\n"
                      "  rotate DEGREES           45 to 315 in steps of 45, clockwise unless\n"
                      "                           --anticlockwise; 90 and 270 exchange width and\n"
                      "                           height, the others keep the size and leave the\n"
                      "                           corners white\n");
}

struct Request {
    int kind = -1;
    float amount = 0.0f;
    bool width = false, height = false, anticlockwise = false;
    QString input, output;
};

// The effect, its amount and the files, or a usage message.
std::optional<Request> parse(const QStringList &arguments, QString &problem)
{
    Request request;
    QStringList positional;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--width"))
            request.width = true;
        else if (argument == QLatin1String("--height"))
            request.height = true;
        else if (argument == QLatin1String("--anticlockwise"))
            request.anticlockwise = true;
        else if (argument.startsWith(QLatin1String("--")) && argument.size() > 2)
            return problem = QStringLiteral("unknown option '%1'").arg(argument), std::nullopt;
        else
            positional << argument;
    }
    if (positional.isEmpty())
        return problem = QStringLiteral("expected EFFECT INPUT OUTPUT"), std::nullopt;
    const QString name = positional.takeFirst();
    if (name == QLatin1String("flip-horizontal"))
        request.kind = EffectFlipHorizontal;
    else if (name == QLatin1String("flip-vertical"))
        request.kind = EffectFlipVertical;
    else if (name == QLatin1String("invert"))
        request.kind = EffectInvertColors;
    else if (name == QLatin1String("resize"))
        request.kind = EffectResize;
    else if (name == QLatin1String("rotate"))
        request.kind = EffectRotate;
    else
        return problem = QStringLiteral("unknown effect '%1'").arg(name), std::nullopt;

    const bool amounted = request.kind == EffectResize || request.kind == EffectRotate;
    if (amounted) {
        if (positional.isEmpty())
            return problem = QStringLiteral("%1 needs an amount").arg(name), std::nullopt;
        bool ok = false;
        const int amount = positional.takeFirst().toInt(&ok);
        const bool valid = request.kind == EffectResize
                               ? ok
                                     && (amount == 25 || amount == 50 || amount == 75 || amount == 125 || amount == 150
                                         || amount == 175 || amount == 200)
                               : ok && amount >= 45 && amount <= 315 && amount % 45 == 0;
        if (!valid)
            return problem = request.kind == EffectResize
                                 ? QStringLiteral("resize takes 25, 50, 75, 125, 150, 175 or 200 per cent")
                                 : QStringLiteral("rotate takes 45 to 315 degrees in steps of 45"),
                   std::nullopt;
        request.amount = request.kind == EffectResize ? float(amount) / 100.0f : float(amount);
    }
    if ((request.width || request.height) && request.kind != EffectResize)
        return problem = QStringLiteral("--width and --height belong to resize"), std::nullopt;
    if (request.width && request.height)
        return problem = QStringLiteral("choose --width or --height, not both"), std::nullopt;
    if (request.anticlockwise && request.kind != EffectRotate)
        return problem = QStringLiteral("--anticlockwise belongs to rotate"), std::nullopt;
    if (positional.size() != 2)
        return problem = QStringLiteral("expected EFFECT %1INPUT OUTPUT")
                             .arg(amounted ? QStringLiteral("AMOUNT ") : QString()),
               std::nullopt;
    request.input = positional[0];
    request.output = positional[1];
    return request;
}

int runEffect(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        printUsage(stdout);
        return 0;
    }
    QString problem;
    const std::optional<Request> request = parse(arguments, problem);
    if (!request)
        return usageError("effect", problem);

    PictureCommand command("effect");
    if (const int failed = command.load(request->input))
        return failed;
    PictureSurface &picture = command.surface();
    PictureSurface scratch;
    if (request->kind == EffectResize) {
        if (EffectTooLarge(picture.pixelWidth(), picture.pixelHeight(), request->amount, TwipsPerPixel,
                           TwipsPerPixel)) {
            std::fprintf(stderr,
                         "pinxel effect: a %d x %d picture is too large to resize by %d%% (no side may pass "
                         "50000 twips, %d pixels at %g twips per pixel)\n",
                         picture.pixelWidth(), picture.pixelHeight(), int(request->amount * 100.0f + 0.5f),
                         int(50000.0 / TwipsPerPixel / request->amount), TwipsPerPixel);
            return RefusedExitCode;
        }
        ResizeFactorX = request->height ? 1.0f : request->amount;
        ResizeFactorY = request->width ? 1.0f : request->amount;
    }
    if (request->kind == EffectRotate && request->amount == 180.0f) {
        // As the editor's "By 180°": two flips.
        ApplyPictureEffect(EffectFlipHorizontal, picture, scratch);
        ApplyPictureEffect(EffectFlipVertical, picture, scratch);
    } else {
        RotateAngle = request->amount;
        RotateClockwise = toFlag(!request->anticlockwise);
        ApplyPictureEffect(request->kind, picture, scratch);
    }
    if (const QString failures = command.reportedFailures(); !failures.isEmpty())
        return command.ioError(QStringLiteral("the effect failed: %1").arg(failures));
    return command.save(request->output);
}

const Command effectCommand("effect", runEffect);

}  // namespace
}  // namespace pinxel::cli
