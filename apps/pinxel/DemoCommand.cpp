// `pinxel demo [PICTURE] [OUTPUT]`: draws a sampler of figures, styles and
// fills on a picture through the picture surface and writes the result next
// to it. A quick look at what the drawing layer does, and a smoke test of a build.

#include "Command.h"

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace pinxel::cli {
namespace {

void drawSampler(PictureSurface &s)
{
    const int w = s.pixelWidth(), h = s.pixelHeight();
    // Outlines in every line style, one pen width each.
    for (int style = StyleSolid; style <= StyleDashDotDot; ++style) {
        s.DrawStyle = style;
        s.DrawWidth = style == StyleSolid ? 3 : 1;
        s.Line(10, 10 + style * 8, w / 2 - 10, 10 + style * 8, composeColor(20, 20, 120));
    }
    // Boxes with the hatches, outlined in red.
    s.DrawStyle = StyleSolid;
    s.DrawWidth = 2;
    s.FillColor = composeColor(255, 255, 255);
    for (int fill = FillHorizontal; fill <= FillDiagonalCross; ++fill) {
        s.FillStyle = fill;
        const int left = 10 + (fill - FillHorizontal) * 40;
        s.Line(left, 60, left + 32, 92, composeColor(200, 0, 0), LineForm::Box);
    }
    // An ellipse, a rounded rectangle, a polygon and a Bezier curve.
    s.FillStyle = FillSolid;
    s.FillColor = composeColor(255, 210, 60);
    s.ForeColor = composeColor(120, 60, 0);
    s.DrawWidth = 4;
    s.Circle(w * 3 / 4.0, h / 4.0, 40, std::nullopt, 0.6);
    s.DrawWidth = 1;
    s.FillStyle = FillCross;
    s.FillColor = composeColor(0, 90, 160);
    s.RoundRect(w / 2 + 10, h / 2, w - 20, h / 2 + 60, 10, 10);
    s.FillStyle = FillSolid;
    s.FillColor = composeColor(150, 40, 150);
    const QPoint star[] = {{60, 200}, {75, 160}, {90, 200}, {50, 175}, {100, 175}};
    s.Polygon(star);
    s.DrawWidth = 2;
    s.ForeColor = composeColor(0, 0, 0);
    const QPoint curve[] = {{120, 320}, {170, 220}, {260, 380}, {320, 300}};
    s.PolyBezier(curve);
    // Text, and a rubber band drawn twice in XOR mode, which leaves no trace.
    s.Font = QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    s.ForeColor = composeColor(255, 255, 255);
    s.CurrentX = 12;
    s.CurrentY = h - 30;
    s.Print(QStringLiteral("Pinxel"));
    s.DrawMode = DrawModeXorPen;
    s.DrawStyle = StyleDot;
    s.Line(5, 5, w - 6, h - 6, s.BackColor, LineForm::Box);
    s.Line(5, 5, w - 6, h - 6, s.BackColor, LineForm::Box);
    s.DrawMode = DrawModeCopyPen;
}

// The bundled sample picture: the source tree's, else the installed one.
QString samplePicture()
{
    const QString source = QStringLiteral(PINXEL_RESOURCES_DIR "/sample.bmp");
    if (QFileInfo::exists(source))
        return source;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/pinxel/sample.bmp");
}

int runDemo(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help"))) {
        std::printf("usage: pinxel demo [PICTURE] [OUTPUT]\n"
                    "Draws a sampler of figures, line styles and fills on PICTURE (default: the bundled\n"
                    "sample picture) and writes OUTPUT (default: PICTURE's name with -demo.bmp).\n");
        return 0;
    }
    const QString input = arguments.value(0, samplePicture());
    const QFileInfo info(input);
    const QString output = arguments.value(1, info.absolutePath() + QLatin1Char('/') + info.completeBaseName()
                                                  + QStringLiteral("-demo.bmp"));
    try {
        HostServices &host = HostServices::current();
        PictureSurface surface;
        surface.setScaleMode(ScalePixels);
        surface.AutoSize = true;
        surface.setPicture(host.LoadPicture(input));
        drawSampler(surface);
        host.SavePicture(surface.Image(), output);
    } catch (const Error &error) {
        std::fprintf(stderr, "pinxel demo: %s (error %d)\n", qPrintable(error.description()), error.number());
        return 1;
    }
    std::printf("Wrote %s\n", qPrintable(QFileInfo(output).absoluteFilePath()));
    return 0;
}

const Command demo("demo", runDemo);

}  // namespace
}  // namespace pinxel::cli
