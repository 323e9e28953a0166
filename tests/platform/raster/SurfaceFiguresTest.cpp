// Pixels of the figures a picture surface draws, in copy and XOR mode.

#include "pinxel/PictureSurface.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <span>

namespace pinxel {
namespace {

using test::sameImage;

constexpr Color White = 0xFFFFFF;
constexpr Color Black = 0;
constexpr Color Red = 0x0000FF;

struct Canvas : ::testing::Test {
    PictureSurface surface;
    void SetUp() override
    {
        surface.setScaleMode(ScalePixels);
        surface.BackColor = White;
        surface.setPixelSize(40, 30);
        surface.Cls();
    }
    // The pixels of one colour, as a set of points.
    std::vector<QPoint> pixelsOf(Color color) const
    {
        std::vector<QPoint> found;
        for (int y = 0; y < surface.pixelHeight(); ++y)
            for (int x = 0; x < surface.pixelWidth(); ++x)
                if (surface.GetPixel(x, y) == color)
                    found.emplace_back(x, y);
        return found;
    }
    QRect boundsOf(Color color) const
    {
        QRect r;
        for (const QPoint &p : pixelsOf(color))
            r |= QRect(p, QSize(1, 1));
        return r;
    }
};

TEST_F(Canvas, PixelsReadMinusOneOutsideAndIgnoreWritesThere)
{
    surface.SetPixel(3, 4, Red);
    EXPECT_EQ(surface.GetPixel(3, 4), Red);
    EXPECT_EQ(surface.Point(3, 4), Red);
    EXPECT_EQ(surface.GetPixel(-1, 0), -1);
    EXPECT_EQ(surface.GetPixel(40, 0), -1);
    EXPECT_EQ(surface.GetPixel(0, 30), -1);
    const QImage before = surface.Image().copy();
    surface.SetPixel(40, 3, Red);
    surface.SetPixel(-1, -1, Red);
    surface.PSet(100, 100, Red);
    EXPECT_TRUE(sameImage(before, surface.Image()));
}

TEST_F(Canvas, ColoursArePackedRedLow)
{
    surface.SetPixel(0, 0, composeColor(10, 20, 30));
    EXPECT_EQ(surface.GetPixel(0, 0), 10 + 256 * 20 + 65536 * 30);
    EXPECT_EQ(qRed(surface.Image().pixel(0, 0)), 10);
    EXPECT_EQ(qBlue(surface.Image().pixel(0, 0)), 30);
}

TEST_F(Canvas, OnePixelLineCoversBothEndPoints)
{
    surface.Line(5, 5, 15, 5, Black);
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(5, 5), QPoint(15, 5)));
    EXPECT_EQ(pixelsOf(Black).size(), 11u);
    surface.Cls();
    surface.Line(15, 20, 5, 10, Black);
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(5, 10), QPoint(15, 20)));
    EXPECT_EQ(pixelsOf(Black).size(), 11u);
}

TEST_F(Canvas, LineMovesCurrentPoint)
{
    surface.Line(1, 2, 7, 9);
    EXPECT_EQ(surface.CurrentX, 7);
    EXPECT_EQ(surface.CurrentY, 9);
}

TEST_F(Canvas, BoxCoversBothCornersAndZeroBoxIsAPenSquare)
{
    surface.Line(10, 10, 20, 15, Black, LineForm::Box);
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(10, 10), QPoint(20, 15)));
    EXPECT_EQ(surface.GetPixel(11, 11), White);  // transparent inside
    for (int w = 1; w <= 8; ++w) {
        surface.Cls();
        surface.DrawWidth = w;
        surface.Line(20, 15, 20, 15, Black, LineForm::Box);
        const QRect dot = boundsOf(Black);
        EXPECT_EQ(dot.size(), QSize(w, w)) << "width " << w;
        EXPECT_EQ(pixelsOf(Black).size(), size_t(w * w)) << "width " << w;
        EXPECT_TRUE(dot.contains(20, 15));
    }
}

TEST_F(Canvas, FilledBoxUsesTheLineColour)
{
    surface.FillStyle = FillTransparent;
    surface.Line(2, 3, 6, 8, Red, LineForm::FilledBox);
    EXPECT_EQ(boundsOf(Red), QRect(QPoint(2, 3), QPoint(6, 8)));
    EXPECT_EQ(pixelsOf(Red).size(), 5u * 6u);
}

TEST_F(Canvas, BoxFillFollowsFillStyleAndHatchGapsStayUntouched)
{
    surface.FillStyle = FillHorizontal;
    surface.FillColor = Red;
    surface.Line(0, 0, 39, 29, Black, LineForm::Box);
    for (int y = 1; y < 29; ++y)
        for (int x = 1; x < 39; ++x)
            EXPECT_EQ(surface.GetPixel(x, y), hatchCovers(FillHorizontal, x, y) ? Red : White) << x << "," << y;
}

TEST_F(Canvas, WideDashesKeepTheirLengthBounded)
{
    surface.setPixelSize(200, 20);
    surface.Cls();
    surface.DrawWidth = 8;
    surface.DrawStyle = StyleDot;
    surface.Line(10, 10, 190, 10, Black);
    // Dots of an 8-pixel pen are 8-pixel squares with 8-pixel gaps: count the runs on the middle row.
    int runs = 0, longest = 0, current = 0;
    for (int x = 0; x < 200; ++x) {
        if (surface.GetPixel(x, 10) == Black) {
            if (current++ == 0)
                ++runs;
            longest = std::max(longest, current);
        } else {
            current = 0;
        }
    }
    EXPECT_GE(runs, 10);
    EXPECT_LE(longest, 9);
    // Nothing strays beyond the line's ends.
    EXPECT_EQ(surface.GetPixel(5, 10), White);
    EXPECT_EQ(surface.GetPixel(195, 10), White);
}

// Lines draws several strokes as one figure (an arrow: shaft and head); in
// copy mode it must draw what separate Line calls draw, each stroke starting
// its own dash pattern.
TEST(SurfaceLines, EachStrokeStartsItsOwnDashPattern)
{
    const QLine strokes[] = {
        {QPoint(3, 30), QPoint(50, 30)}, {QPoint(50, 30), QPoint(43, 23)}, {QPoint(50, 30), QPoint(43, 37)}};
    for (int width : {1, 3, 5})
        for (int style = StyleSolid; style <= StyleDashDotDot; ++style) {
            const auto drawn = [&](bool together) {
                PictureSurface s;
                s.setScaleMode(ScalePixels);
                s.setPixelSize(60, 60);
                s.Cls();
                s.DrawWidth = width;
                s.DrawStyle = style;
                s.ForeColor = Black;
                if (together) {
                    s.Lines(strokes);
                } else {
                    for (const QLine &line : strokes)
                        s.Line(line.x1(), line.y1(), line.x2(), line.y2());
                }
                return s.Image().copy();
            };
            EXPECT_TRUE(sameImage(drawn(false), drawn(true))) << "width " << width << " style " << style;
        }
}

// A one-pixel line that runs outside the surface is walked only where it is
// visible: its visible pixels, dashes included, are those of the same line
// drawn whole on a larger surface.
TEST(SurfaceLines, LinesRunningOutsideKeepTheirVisiblePixels)
{
    constexpr int Shift = 1000;
    const QLine lines[] = {{QPoint(20, 15), QPoint(-900, 7)},      {QPoint(20, 15), QPoint(37, 990)},
                           {QPoint(-700, -650), QPoint(900, 800)}, {QPoint(950, 3), QPoint(-980, 29)},
                           {QPoint(-3, -990), QPoint(41, 990)},    {QPoint(5, 5), QPoint(5, -999)},
                           {QPoint(-999, 12), QPoint(999, 12)},    {QPoint(-999, -999), QPoint(999, 999)}};
    const auto draw = [](int size, QPoint offset, const QLine &line, int style) {
        PictureSurface s;
        s.setScaleMode(ScalePixels);
        s.setPixelSize(size, size * 3 / 4);
        s.Cls();
        s.DrawStyle = style;
        s.ForeColor = Black;
        const QLine moved = line.translated(offset);
        s.Line(moved.x1(), moved.y1(), moved.x2(), moved.y2());
        return s.Image().copy(QRect(offset, QSize(40, 30)));
    };
    for (const QLine &line : lines)
        for (int style = StyleSolid; style <= StyleDashDotDot; ++style)
            EXPECT_TRUE(
                sameImage(draw(40, QPoint(0, 0), line, style), draw(2 * Shift + 40, QPoint(Shift, Shift), line, style)))
                << "line " << line.x1() << "," << line.y1() << " to " << line.x2() << "," << line.y2() << " style "
                << style;

    // At the ends of the 32-bit range the walk still starts where it should.
    PictureSurface far;
    far.setScaleMode(ScalePixels);
    far.setPixelSize(40, 30);
    far.Cls();
    far.ForeColor = Black;
    far.Line(20, 15, 3, -2147483647.0);
    far.Line(20, 15, 2147483647.0, 2147483647.0);
    EXPECT_EQ(far.GetPixel(20, 15), Black);
    EXPECT_EQ(far.GetPixel(20, 0), Black);
    EXPECT_EQ(far.GetPixel(34, 29), Black);
}

TEST_F(Canvas, WideDottedBoxIsSquareDotsWithSquareCorners)
{
    surface.setPixelSize(60, 40);
    surface.Cls();
    surface.DrawWidth = 3;
    surface.DrawStyle = StyleDot;
    surface.Line(5, 5, 50, 30, Black, LineForm::Box);
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(4, 4), QPoint(51, 31)));
    // The top edge: runs of three on, three off, each three rows deep.
    int runs = 0, longest = 0, current = 0;
    for (int x = 4; x <= 51; ++x) {
        if (surface.GetPixel(x, 5) == Black) {
            if (current++ == 0)
                ++runs;
            longest = std::max(longest, current);
            EXPECT_EQ(surface.GetPixel(x, 4), Black);
            EXPECT_EQ(surface.GetPixel(x, 6), Black);
        } else {
            current = 0;
        }
    }
    EXPECT_GE(runs, 7);
    EXPECT_LE(longest, 4);
    // The first dot starts at the corner, which is a full pen square.
    for (int y = 4; y <= 6; ++y)
        for (int x = 4; x <= 6; ++x)
            EXPECT_EQ(surface.GetPixel(x, y), Black);
    EXPECT_EQ(surface.GetPixel(20, 20), White);  // nothing inside
}

// A box outline is the same set of pixels whichever corner it starts from,
// so that a rubber band and a marquee erase each other exactly.
TEST(SurfaceBoxes, AnOutlineIsTheSameFromEveryCorner)
{
    const QPoint a(4, 5), b(31, 22);
    const QPoint corners[][2] = {{a, b}, {b, a}, {{b.x(), a.y()}, {a.x(), b.y()}}, {{a.x(), b.y()}, {b.x(), a.y()}}};
    for (int width : {1, 3})
        for (int style = StyleSolid; style <= StyleDashDotDot; ++style) {
            std::vector<QImage> drawn;
            for (const auto &corner : corners) {
                PictureSurface s;
                test::holdPicture(s, test::filledImage(40, 30, White));
                s.DrawWidth = width;
                s.DrawStyle = style;
                s.Line(corner[0].x(), corner[0].y(), corner[1].x(), corner[1].y(), Black, LineForm::Box);
                drawn.push_back(s.Image());
            }
            for (const QImage &image : drawn)
                EXPECT_TRUE(sameImage(drawn.front(), image)) << "width " << width << " style " << style;
        }
}

TEST_F(Canvas, EllipseFitsItsRadiiAndAspectPicksTheAxis)
{
    surface.Circle(20, 15, 10, Black);
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(10, 5), QPoint(30, 25)));
    surface.Cls();
    surface.Circle(20, 15, 10, Black, 0.5);  // flat: radius is horizontal
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(10, 10), QPoint(30, 20)));
    surface.Cls();
    surface.Circle(20, 15, 10, Black, 2.0);  // tall: radius is vertical
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(15, 5), QPoint(25, 25)));
    surface.Cls();
    surface.Circle(20, 15, 10, Black, 0.0);  // aspect 0 collapses to a line
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(10, 15), QPoint(30, 15)));
}

TEST_F(Canvas, RoundRectLeavesRightAndBottomEdgesOut)
{
    surface.RoundRect(5, 5, 25, 20, 10, 10);
    EXPECT_EQ(boundsOf(Black), QRect(QPoint(5, 5), QPoint(24, 19)));
    EXPECT_EQ(surface.GetPixel(5, 5), White);  // the corner is rounded off
}

TEST_F(Canvas, PolygonFillsAndOutlines)
{
    surface.FillStyle = FillSolid;
    surface.FillColor = Red;
    const QPoint pts[] = {{5, 5}, {30, 5}, {30, 25}};
    surface.Polygon(pts);
    EXPECT_EQ(surface.GetPixel(25, 10), Red);
    EXPECT_EQ(surface.GetPixel(5, 5), Black);
    EXPECT_EQ(surface.GetPixel(30, 25), Black);
    EXPECT_EQ(surface.GetPixel(10, 20), White);
}

TEST_F(Canvas, PolyBezierRunsThroughItsEndPoints)
{
    const QPoint pts[] = {{2, 2}, {10, 28}, {30, 28}, {37, 2}};
    surface.PolyBezier(pts);
    EXPECT_EQ(surface.GetPixel(2, 2), Black);
    EXPECT_EQ(surface.GetPixel(37, 2), Black);
    const QPoint bad[] = {{2, 2}, {10, 28}, {30, 28}};
    const QImage before = surface.Image().copy();
    surface.PolyBezier(bad);
    EXPECT_TRUE(sameImage(before, surface.Image()));
}

TEST_F(Canvas, PrintDrawsTextAndMovesToTheNextLine)
{
    surface.Font = QFont(test::knownFontFamily(), 12);
    surface.CurrentX = 2;
    surface.CurrentY = 3;
    surface.Print(QStringLiteral("Hi"));
    EXPECT_GT(pixelsOf(Black).size(), 10u);
    EXPECT_EQ(surface.CurrentX, 0);
    EXPECT_EQ(surface.CurrentY, 3 + QFontMetrics(surface.Font).height());
    EXPECT_GE(boundsOf(Black).top(), 3);

    // The draw mode does not apply to text: in XOR mode it is the same text.
    const QImage copied = surface.Image().copy();
    surface.Cls();
    surface.DrawMode = DrawModeXorPen;
    surface.CurrentX = 2;
    surface.CurrentY = 3;
    surface.Print(QStringLiteral("Hi"));
    EXPECT_TRUE(sameImage(copied, surface.Image()));
    EXPECT_EQ(surface.DrawMode, DrawModeXorPen);
}

// Radii round halves to even like every conversion: 0.5 is a dot, and an
// ellipse half a pixel high is a flat line.
TEST_F(Canvas, HalfPixelRadiiRoundToEven)
{
    surface.Circle(10, 10, 0.5, Red);
    EXPECT_EQ(pixelsOf(Red), std::vector<QPoint>{QPoint(10, 10)});
    surface.Cls();
    surface.Circle(20, 15, 10, Red, 0.05);
    EXPECT_EQ(boundsOf(Red).height(), 1);
}

// Every figure, width, style and fill drawn twice in XOR mode on random
// content restores every pixel; drawn once, the figure covers the same pixels
// as in copy mode, with no gap where outline and fill overlap.
TEST(SurfaceXor, TwiceRestoresAndOnceMatchesCopyMode)
{
    const QImage content = test::randomImage(60, 50, 7);
    const std::vector<std::pair<const char *, std::function<void(PictureSurface &)>>> figures = {
        {"line", [](PictureSurface &s) { s.Line(3, 4, 50, 41); }},
        {"dot", [](PictureSurface &s) { s.Line(20, 20, 20, 20); }},
        {"box", [](PictureSurface &s) { s.Line(5, 6, 40, 30, std::nullopt, LineForm::Box); }},
        {"filled box", [](PictureSurface &s) { s.Line(5, 6, 40, 30, std::nullopt, LineForm::FilledBox); }},
        {"ellipse", [](PictureSurface &s) { s.Circle(30, 25, 18, std::nullopt, 0.6); }},
        {"round rect", [](PictureSurface &s) { s.RoundRect(4, 4, 50, 40, 10, 10); }},
        {"polygon",
         [](PictureSurface &s) {
             const QPoint pts[] = {{3, 3}, {55, 10}, {20, 45}, {40, 20}};
             s.Polygon(pts);
         }},
        {"bezier",
         [](PictureSurface &s) {
             const QPoint pts[] = {{3, 40}, {10, 0}, {50, 60}, {57, 5}};
             s.PolyBezier(pts);
         }},
        {"edge-clipped box", [](PictureSurface &s) { s.Line(-5, -5, 70, 20, std::nullopt, LineForm::Box); }},
    };
    const Color pen = 0x3A7FC2, fill = 0xC0FFEE;
    for (const auto &[name, draw] : figures)
        for (int width : {1, 2, 3, 8})
            for (int style = StyleSolid; style <= StyleDashDotDot; ++style)
                for (int fillStyle : {FillSolid, FillTransparent, FillHorizontal, FillDiagonalCross}) {
                    const auto setUp = [&](PictureSurface &s, int mode) {
                        test::holdPicture(s, content);
                        s.DrawWidth = width;
                        s.DrawStyle = style;
                        s.FillStyle = fillStyle;
                        s.ForeColor = pen;
                        s.FillColor = fill;
                        s.DrawMode = mode;
                    };
                    SCOPED_TRACE(::testing::Message()
                                 << name << " width " << width << " style " << style << " fill " << fillStyle);
                    PictureSurface copy;
                    setUp(copy, DrawModeCopyPen);
                    draw(copy);
                    PictureSurface xored;
                    setUp(xored, DrawModeXorPen);
                    draw(xored);
                    // Where copy mode painted colour c over p, XOR shows p ^ c.
                    for (int y = 0; y < content.height(); ++y)
                        for (int x = 0; x < content.width(); ++x) {
                            const QRgb before = content.pixel(x, y) & 0xFFFFFF;
                            const QRgb painted = copy.Image().pixel(x, y) & 0xFFFFFF;
                            const QRgb shown = xored.Image().pixel(x, y) & 0xFFFFFF;
                            if (painted == before)
                                ASSERT_TRUE(shown == before || shown == (before ^ before)) << x << "," << y;
                            else
                                ASSERT_EQ(shown, before ^ painted) << x << "," << y;
                        }
                    draw(xored);
                    ASSERT_TRUE(sameImage(content, xored.Image()));
                }
}

// The same on random surfaces of many tiles, their edges mid-tile, with
// random figures reaching past them: XOR shows what copy mode paints, the
// changed region holds every changed pixel, and a second drawing restores.
TEST(SurfaceXor, RandomFiguresOnManyTilesMatchCopyModeAndRestore)
{
    std::mt19937 random(20240611);
    const auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::vector<std::function<void(PictureSurface &, const std::vector<QPoint> &)>> figures = {
        [](PictureSurface &s, const std::vector<QPoint> &p) { s.Line(p[0].x(), p[0].y(), p[1].x(), p[1].y()); },
        [](PictureSurface &s, const std::vector<QPoint> &p) {
            s.Line(p[0].x(), p[0].y(), p[1].x(), p[1].y(), std::nullopt, LineForm::Box);
        },
        [](PictureSurface &s, const std::vector<QPoint> &p) { s.Circle(p[0].x(), p[0].y(), p[1].x() / 2.0, {}, 0.7); },
        [](PictureSurface &s, const std::vector<QPoint> &p) { s.Polygon(p); },
        [](PictureSurface &s, const std::vector<QPoint> &p) { s.PolyBezier(std::span(p).first(4)); },
        [](PictureSurface &s, const std::vector<QPoint> &p) {
            s.RoundRect(p[0].x(), p[0].y(), p[1].x(), p[1].y(), p[2].x() / 4, p[2].y() / 4);
        },
    };
    for (int round = 0; round < 60; ++round) {
        const int width = any(17, 333), height = any(17, 222);
        const QImage content = test::randomImage(width, height, std::uint32_t(round));
        std::vector<QPoint> points(size_t(any(4, 7)));
        for (QPoint &point : points)
            point = QPoint(any(-40, width + 40), any(-40, height + 40));
        const auto &draw = figures[size_t(round) % figures.size()];
        const int drawWidth = any(1, 13), style = any(StyleSolid, StyleDashDotDot);
        const int fillStyle = any(FillSolid, FillDiagonalCross);
        const Color pen = Color(random() & 0xFFFFFF), fill = Color(random() & 0xFFFFFF);
        const auto drawn = [&](int mode) {
            auto surface = std::make_unique<PictureSurface>();
            test::holdPicture(*surface, content);
            surface->Refresh();  // forget the picture's own change
            surface->DrawWidth = drawWidth;
            surface->DrawStyle = style;
            surface->FillStyle = fillStyle;
            surface->ForeColor = pen;
            surface->FillColor = fill;
            surface->DrawMode = mode;
            draw(*surface, points);
            return surface;
        };
        SCOPED_TRACE(::testing::Message()
                     << "round " << round << " width " << drawWidth << " style " << style << " fill " << fillStyle);
        const auto copy = drawn(DrawModeCopyPen);
        const auto xored = drawn(DrawModeXorPen);
        QImage changed(width, height, QImage::Format_Grayscale8);
        changed.fill(0);
        for (const QRect &rect : xored->pendingChanges())
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                std::fill_n(changed.scanLine(y) + rect.left(), rect.width(), 1);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb before = content.pixel(x, y) & 0xFFFFFF;
                const QRgb painted = copy->Image().pixel(x, y) & 0xFFFFFF;
                const QRgb shown = xored->Image().pixel(x, y) & 0xFFFFFF;
                if (painted == before)  // not painted, or painted in the colour it had
                    ASSERT_TRUE(shown == before || shown == 0) << x << "," << y;
                else
                    ASSERT_EQ(shown, before ^ painted) << x << "," << y;
                ASSERT_TRUE(shown == before || changed.constScanLine(y)[x]) << x << "," << y;
            }
        draw(*xored, points);
        ASSERT_TRUE(sameImage(content, xored->Image()));
    }
}

TEST(SurfaceXor, ThinFigureMarksOnlyItsEdges)
{
    PictureSurface surface;
    surface.setScaleMode(ScalePixels);
    surface.setPixelSize(1000, 800);
    surface.Refresh();  // forget the resize
    surface.DrawMode = DrawModeXorPen;
    surface.ForeColor = 0xFFFFFF;
    surface.Line(100, 100, 900, 700, std::nullopt, LineForm::Box);
    const QRegion changed = surface.pendingChanges();
    qint64 area = 0;
    for (const QRect &r : changed)
        area += qint64(r.width()) * r.height();
    EXPECT_TRUE(changed.contains(QPoint(100, 100)));
    EXPECT_TRUE(changed.contains(QPoint(900, 700)));
    EXPECT_FALSE(changed.contains(QPoint(500, 400)));
    EXPECT_LT(area, 800 * 600 / 10);
}

}  // namespace
}  // namespace pinxel
