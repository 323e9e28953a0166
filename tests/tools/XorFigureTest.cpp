// XOR figures on one surface, one after another: each drawn twice restores
// every pixel, also after figures of other sizes, widths, styles and fills
// used the same overlay; a drawn figure matches its copy-mode pixels; every
// changed pixel is reported, and a thin figure reports only its own tiles.

#include "pinxel/PictureSurface.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <functional>
#include <iterator>
#include <memory>

namespace pinxel {
namespace {

using test::sameImage;

struct Figure {
    const char *name;
    std::function<void(PictureSurface &, QRandomGenerator &)> draw;
};

int coord(QRandomGenerator &r, int size) { return r.bounded(-20, size + 20); }

const std::vector<Figure> &figures()
{
    static const std::vector<Figure> all = {
        {"line", [](PictureSurface &s,
                    QRandomGenerator &r) { s.Line(coord(r, 300), coord(r, 200), coord(r, 300), coord(r, 200)); }},
        {"box",
         [](PictureSurface &s, QRandomGenerator &r) {
             s.Line(coord(r, 300), coord(r, 200), coord(r, 300), coord(r, 200), std::nullopt, LineForm::Box);
         }},
        {"ellipse",
         [](PictureSurface &s, QRandomGenerator &r) {
             s.Circle(coord(r, 300), coord(r, 200), r.bounded(1, 160), std::nullopt, r.bounded(0, 300) / 100.0);
         }},
        {"round rect",
         [](PictureSurface &s, QRandomGenerator &r) {
             s.RoundRect(coord(r, 300), coord(r, 200), coord(r, 300), coord(r, 200), 10, 10);
         }},
        {"polygon",
         [](PictureSurface &s, QRandomGenerator &r) {
             std::vector<QPoint> points;
             for (int i = r.bounded(2, 7); i > 0; --i)
                 points.emplace_back(coord(r, 300), coord(r, 200));
             s.Polygon(points);
         }},
        {"lines",
         [](PictureSurface &s, QRandomGenerator &r) {
             const QPoint tip(coord(r, 300), coord(r, 200));
             const QLine lines[] = {{QPoint(coord(r, 300), coord(r, 200)), tip},
                                    {tip, tip + QPoint(r.bounded(-10, 11), r.bounded(-10, 11))},
                                    {tip, tip + QPoint(r.bounded(-10, 11), r.bounded(-10, 11))}};
             s.Lines(lines);
         }},
    };
    return all;
}

// Every kind of figure, a hundred times over with random geometry and pens,
// on one surface: whatever the figure before left in the overlay, the next
// one drawn twice leaves no trace.
TEST(XorFigures, EachDrawnTwiceRestoresThePictureOnASharedOverlay)
{
    PictureSurface surface;
    surface.setScaleMode(ScalePixels);
    surface.AutoSize = true;
    const QImage content = test::randomImage(300, 200, 11);
    surface.setPicture(content);
    surface.DrawMode = DrawModeXorPen;
    QRandomGenerator random(5);
    for (int round = 0; round < 100; ++round) {
        const Figure &figure = figures()[size_t(random.bounded(int(figures().size())))];
        surface.DrawWidth = random.bounded(1, 9);
        surface.DrawStyle = random.bounded(0, 5);
        surface.FillStyle = random.bounded(0, 8);
        surface.ForeColor = Color(random.bounded(0x1000000));
        surface.FillColor = Color(random.bounded(0x1000000));
        const quint32 seed = random.generate();
        QRandomGenerator first(seed), second(seed);
        figure.draw(surface, first);
        figure.draw(surface, second);
        ASSERT_TRUE(sameImage(content, surface.Image()))
            << figure.name << " in round " << round << ", width " << surface.DrawWidth << ", style "
            << surface.DrawStyle << ", fill " << surface.FillStyle;
    }
}

// A view repaints only the reported region, so every pixel a figure changes
// must lie in it, also where an outline was XORed straight onto the raster.
TEST(XorFigures, EveryChangedPixelIsReported)
{
    PictureSurface surface;
    test::holdPicture(surface, test::randomImage(300, 200, 17));
    surface.DrawMode = DrawModeXorPen;
    QRandomGenerator random(9);
    for (int round = 0; round < 120; ++round) {
        const Figure &figure = figures()[size_t(random.bounded(int(figures().size())))];
        surface.DrawWidth = random.bounded(1, 9);
        surface.DrawStyle = random.bounded(0, 5);
        surface.FillStyle = random.bounded(2) ? FillTransparent : random.bounded(0, 8);
        surface.ForeColor = Color(random.bounded(1, 0x1000000));
        surface.FillColor = Color(random.bounded(1, 0x1000000));
        surface.Refresh();
        const QImage before = surface.Image().copy();
        figure.draw(surface, random);
        const QImage after = surface.Image();
        const QRegion reported = surface.pendingChanges();
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    ASSERT_TRUE(reported.contains(QPoint(x, y)))
                        << figure.name << " in round " << round << " at " << x << "," << y << ", width "
                        << surface.DrawWidth << ", style " << surface.DrawStyle << ", fill " << surface.FillStyle;
                }
    }
}

// A large filled figure (the fill goes straight onto the raster away from its
// edges) shows exactly the copy-mode figure's colours, XORed.
TEST(XorFigures, LargeFilledFiguresMatchCopyMode)
{
    const QImage content = test::randomImage(420, 330, 3);
    const std::function<void(PictureSurface &)> shapes[] = {
        [](PictureSurface &s) { s.Circle(210, 160, 200, std::nullopt, 0.7); },
        [](PictureSurface &s) { s.Line(30, 20, 390, 300, std::nullopt, LineForm::Box); },
        [](PictureSurface &s) {
            const QPoint star[] = {{10, 10}, {400, 300}, {400, 10}, {10, 300}, {200, 5}};
            s.Polygon(star);
        },
        [](PictureSurface &s) { s.RoundRect(-30, 40, 380, 400, 10, 10); },
    };
    for (int fillStyle : {FillSolid, FillCross, FillUpwardDiagonal})
        for (int width : {1, 5})
            for (size_t shape = 0; shape < std::size(shapes); ++shape) {
                SCOPED_TRACE(::testing::Message() << "fill " << fillStyle << " width " << width << " shape " << shape);
                const auto drawn = [&](int mode) {
                    auto s = std::make_unique<PictureSurface>();
                    test::holdPicture(*s, content);
                    s->DrawMode = mode;
                    s->DrawWidth = width;
                    s->DrawStyle = StyleDash;
                    s->FillStyle = fillStyle;
                    s->ForeColor = 0x123456;
                    s->FillColor = 0xA0B0C0;
                    shapes[shape](*s);
                    return s->Image().copy();
                };
                const QImage copied = drawn(DrawModeCopyPen), inverted = drawn(DrawModeXorPen);
                for (int y = 0; y < content.height(); ++y)
                    for (int x = 0; x < content.width(); ++x) {
                        const QRgb before = content.pixel(x, y) & 0xFFFFFF;
                        const QRgb painted = copied.pixel(x, y) & 0xFFFFFF;
                        const QRgb shown = inverted.pixel(x, y) & 0xFFFFFF;
                        if (painted != before)
                            ASSERT_EQ(shown, before ^ painted) << x << "," << y;
                        else
                            ASSERT_TRUE(shown == before || shown == 0) << x << "," << y;
                    }
            }
}

TEST(XorFigures, AWideOutlineAndAFilledEllipseReportOnlyTheirOwnTiles)
{
    PictureSurface surface;
    surface.setScaleMode(ScalePixels);
    surface.setPixelSize(2000, 1500);
    surface.Refresh();
    surface.DrawMode = DrawModeXorPen;
    surface.ForeColor = 0xFFFFFF;
    surface.DrawWidth = 8;
    surface.DrawStyle = StyleDash;
    surface.Line(100, 100, 1900, 1400, std::nullopt, LineForm::Box);
    qint64 area = 0;
    for (const QRect &r : surface.pendingChanges())
        area += qint64(r.width()) * r.height();
    EXPECT_FALSE(surface.pendingChanges().contains(QPoint(1000, 700)));
    EXPECT_LT(area, 2 * (1800 + 1300) * 48);
    surface.Refresh();

    surface.FillStyle = FillSolid;
    surface.DrawWidth = 1;
    surface.Circle(1000, 750, 600, std::nullopt, 0.5);  // 1200 x 600
    const QRegion changed = surface.pendingChanges();
    EXPECT_TRUE(changed.contains(QPoint(1000, 750)));
    EXPECT_FALSE(changed.contains(QPoint(300, 300)));
    EXPECT_FALSE(changed.contains(QPoint(1700, 1200)));
}

}  // namespace
}  // namespace pinxel
