// Flood fill, blits, pictures, scale and geometry of a picture surface.

#include "pinxel/PictureSurface.h"
#include "pinxel/Screen.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace pinxel {
namespace {

using test::sameImage;

constexpr Color White = 0xFFFFFF;
constexpr Color Red = 0x0000FF;
constexpr Color Blue = 0xFF0000;

PictureSurface &pixelSurface(PictureSurface &s, int w, int h, Color back = White)
{
    s.setScaleMode(ScalePixels);
    s.BackColor = back;
    s.setPixelSize(w, h);
    s.Cls();
    return s;
}

TEST(FloodFill, StopsAtAColourOneUnitDifferent)
{
    PictureSurface s;
    pixelSurface(s, 20, 10);
    const Color almostWhite = 0xFFFFFE;
    for (int y = 0; y < 10; ++y)
        s.SetPixel(10, y, almostWhite);  // a wall one unit off white
    s.FillStyle = FillSolid;
    s.FillColor = Red;
    s.ExtFloodFill(2, 2, White, FloodFillSurface);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(s.GetPixel(x, y), Red);
        EXPECT_EQ(s.GetPixel(10, y), almostWhite);
        for (int x = 11; x < 20; ++x)
            ASSERT_EQ(s.GetPixel(x, y), White);
    }
}

TEST(FloodFill, FollowsFourNeighboursOnly)
{
    PictureSurface s;
    pixelSurface(s, 10, 10);
    // A diagonal wall: the fill must not slip through its corners.
    for (int i = 0; i < 10; ++i)
        s.SetPixel(i, 9 - i, Blue);
    s.FillStyle = FillSolid;
    s.FillColor = Red;
    s.ExtFloodFill(0, 0, White, FloodFillSurface);
    EXPECT_EQ(s.GetPixel(0, 0), Red);
    EXPECT_EQ(s.GetPixel(9, 9), White);
}

TEST(FloodFill, HatchedFillCoversTheWholeAreaAndLeavesGaps)
{
    PictureSurface s;
    pixelSurface(s, 24, 24);
    s.Line(0, 12, 23, 12, Blue);  // splits the surface in two
    s.FillStyle = FillCross;
    s.FillColor = Red;
    s.ExtFloodFill(5, 5, White, FloodFillSurface);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_EQ(s.GetPixel(x, y), hatchCovers(FillCross, x, y) ? Red : White) << x << "," << y;
    for (int y = 13; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_EQ(s.GetPixel(x, y), White);
}

TEST(FloodFill, BorderTypeFillsUpToTheBorderColour)
{
    PictureSurface s;
    pixelSurface(s, 20, 20);
    s.Line(5, 5, 14, 14, Blue, LineForm::Box);
    s.SetPixel(8, 8, 0x00FF00);  // any other colour inside is filled too
    s.FillStyle = FillSolid;
    s.FillColor = Red;
    s.ExtFloodFill(8, 9, Blue, FloodFillBorder);
    EXPECT_EQ(s.GetPixel(8, 8), Red);
    EXPECT_EQ(s.GetPixel(13, 13), Red);
    EXPECT_EQ(s.GetPixel(5, 5), Blue);
    EXPECT_EQ(s.GetPixel(2, 2), White);
}

TEST(FloodFill, OutsideOrOnAnotherColourOrTransparentDoesNothing)
{
    PictureSurface s;
    pixelSurface(s, 8, 8);
    s.FillStyle = FillSolid;
    s.FillColor = Red;
    const QImage before = s.Image().copy();
    s.ExtFloodFill(-1, 3, White, FloodFillSurface);
    s.ExtFloodFill(3, 3, Blue, FloodFillSurface);
    s.FillStyle = FillTransparent;
    s.ExtFloodFill(3, 3, White, FloodFillSurface);
    EXPECT_TRUE(sameImage(before, s.Image()));
}

// The fill as the documents describe it, pixel by pixel: every pixel reached
// through 4-neighbours inside the area, painted where the fill style covers it.
QImage referenceFill(QImage picture, int x, int y, QRgb key, bool surface, int style, QRgb ink)
{
    const auto inside = [&](int px, int py) { return (picture.pixel(px, py) == key) == surface; };
    if (!inside(x, y))
        return picture;
    std::vector<std::vector<bool>> seen(size_t(picture.height()), std::vector<bool>(size_t(picture.width())));
    std::vector<QPoint> todo{QPoint(x, y)};
    std::vector<QPoint> area;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!QRect(QPoint(), picture.size()).contains(p) || seen[size_t(p.y())][size_t(p.x())] || !inside(p.x(), p.y()))
            continue;
        seen[size_t(p.y())][size_t(p.x())] = true;
        area.push_back(p);
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    for (const QPoint &p : area)
        if (hatchCovers(style, p.x(), p.y()))
            picture.setPixel(p, ink);
    return picture;
}

TEST(FloodFill, MatchesThePixelByPixelFillOnEveryRowLength)
{
    // Three colours in blobs, so areas wind across word boundaries of the rows.
    for (const int width : {1, 63, 64, 65, 130, 200}) {
        QImage picture(width, 40, QImage::Format_RGB32);
        const QImage noise = test::randomImage(width / 3 + 1, 14, unsigned(width));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, 0xFF000000u | 0x3F3F3Fu * ((noise.pixel(x / 3, y / 3) >> 3) % 3));
        for (const bool surface : {true, false}) {
            for (const int style : {int(FillSolid), int(FillDiagonalCross)}) {
                for (const QPoint seed : {QPoint(0, 0), QPoint(width / 2, 20), QPoint(width - 1, 39)}) {
                    SCOPED_TRACE(testing::Message() << width << " surface " << surface << " style " << style);
                    PictureSurface s;
                    s.setScaleMode(ScalePixels);
                    s.AutoSize = true;
                    s.setPicture(picture);
                    s.FillStyle = style;
                    s.FillColor = Red;
                    const QRgb key = surface ? picture.pixel(seed) : 0xFF3F3F3Fu;
                    s.ExtFloodFill(seed.x(), seed.y(), fromQRgb(key), surface ? FloodFillSurface : FloodFillBorder);
                    ASSERT_TRUE(sameImage(
                        s.Image(), referenceFill(picture, seed.x(), seed.y(), key, surface, style, toQRgb(Red))));
                }
            }
        }
    }
}

TEST(PaintPicture, CopiesClipsStretchesAndMirrors)
{
    const QImage source = test::randomImage(6, 4, 3);
    PictureSurface s;
    pixelSurface(s, 20, 10);

    s.PaintPicture(source, 2, 3);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(s.Image().pixel(2 + x, 3 + y), source.pixel(x, y));
    EXPECT_EQ(s.GetPixel(1, 3), White);

    // A negative width draws leftwards from x, mirrored.
    s.Cls();
    s.PaintPicture(source, 6, 0, -6.0, 4.0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(s.Image().pixel(x, y), source.pixel(5 - x, y));

    // A negative height mirrors vertically.
    s.Cls();
    s.PaintPicture(source, 0, 4, 6.0, -4.0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(s.Image().pixel(x, y), source.pixel(x, 3 - y));

    // Twice the size: each source pixel becomes a 2 x 2 block.
    s.Cls();
    s.PaintPicture(source, 0, 0, 12.0, 8.0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(s.Image().pixel(x, y), source.pixel(x / 2, y / 2));

    // A source rectangle, partly off the surface: what falls outside is dropped.
    s.Cls();
    s.PaintPicture(source, 17, 8, 3.0, 2.0, 1, 1, 3.0, 2.0);
    EXPECT_EQ(s.Image().pixel(17, 8), source.pixel(1, 1));
    EXPECT_EQ(s.Image().pixel(19, 9), source.pixel(3, 2));
}

TEST(PaintPicture, XorTwiceRestores)
{
    const QImage content = test::randomImage(30, 20, 11);
    const QImage source = test::randomImage(12, 9, 12);
    PictureSurface s;
    test::holdPicture(s, content);
    s.PaintPicture(source, 5, 4, std::nullopt, std::nullopt, 0, 0, std::nullopt, std::nullopt, RopSourceInvert);
    EXPECT_EQ(s.Image().pixel(5, 4) & 0xFFFFFF, (content.pixel(5, 4) ^ source.pixel(0, 0)) & 0xFFFFFF);
    s.PaintPicture(source, 5, 4, std::nullopt, std::nullopt, 0, 0, std::nullopt, std::nullopt, RopSourceInvert);
    EXPECT_TRUE(sameImage(content, s.Image()));
}

// A surface drawn onto itself reads what it held before the blit, even where
// source and destination overlap.
TEST(PaintPicture, OntoItselfReadsTheOldPixels)
{
    const QImage content = test::randomImage(30, 20, 13);
    PictureSurface s;
    test::holdPicture(s, content);
    s.PaintPicture(s.Image(), 3, 2, 20, 15, 0, 0, 20, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(s.Image().pixel(x + 3, y + 2), content.pixel(x, y)) << x << "," << y;
}

// Coordinates follow the numeric rules: beyond 32 bits, or not a number, they
// raise Overflow instead of drawing somewhere else.
TEST(Geometry, CoordinatesBeyondThirtyTwoBitsRaiseOverflow)
{
    PictureSurface s;
    pixelSurface(s, 10, 10);
    const auto overflows = [](auto &&draw) {
        try {
            draw();
        } catch (const Error &error) {
            return error.number() == ErrOverflow;
        }
        return false;
    };
    EXPECT_TRUE(overflows([&] { s.PSet(1e12, 1); }));
    EXPECT_TRUE(overflows([&] { s.Line(0, 0, std::nan(""), 5); }));
    EXPECT_TRUE(overflows([&] { s.Circle(5, 5, 1e10); }));
    s.PSet(2e9, 1);  // within 32 bits: outside the picture, nothing drawn
    EXPECT_TRUE(sameImage(test::filledImage(10, 10, White), s.Image()));
}

TEST(Picture, AutoSizeTakesThePicturesSizeAndEmptyClears)
{
    PictureSurface s;
    s.setScaleMode(ScalePixels);
    s.BackColor = Red;
    s.AutoSize = true;
    const QImage picture = test::randomImage(33, 17, 5);
    s.setPicture(picture);
    EXPECT_EQ(s.pixelWidth(), 33);
    EXPECT_EQ(s.pixelHeight(), 17);
    EXPECT_EQ(s.ScaleWidth(), 33);
    EXPECT_TRUE(sameImage(picture, s.Image()));
    s.setPicture(QImage());
    EXPECT_EQ(s.pixelWidth(), 33);
    EXPECT_TRUE(sameImage(test::filledImage(33, 17, Red), s.Image()));

    // Without AutoSize the surface keeps its size and shows the picture's top-left.
    PictureSurface fixed;
    pixelSurface(fixed, 10, 10, Red);
    fixed.setPicture(picture);
    EXPECT_EQ(fixed.pixelWidth(), 10);
    EXPECT_EQ(fixed.Image().pixel(9, 9), picture.pixel(9, 9));
    PictureSurface larger;
    pixelSurface(larger, 40, 20, Red);
    larger.setPicture(picture);
    EXPECT_EQ(larger.GetPixel(35, 5), Red);
}

TEST(Picture, DrawingAfterSharingLeavesTheSharedCopyAlone)
{
    PictureSurface canvas, slot;
    pixelSurface(canvas, 10, 10);
    slot.AutoSize = true;
    slot.setPicture(canvas.Image());
    canvas.Line(0, 0, 9, 9, Red);
    EXPECT_EQ(slot.GetPixel(5, 5), White);
    EXPECT_EQ(canvas.GetPixel(5, 5), Red);
}

TEST(Geometry, TwipsScaleAndBordersFollowTheScreenRatio)
{
    setTwipsPerPixelOverride(15);
    PictureSurface s;
    s.Move(150, 300, 6400, 6000);
    EXPECT_EQ(s.Left(), 150);
    EXPECT_EQ(s.Width(), 6405);  // whole pixels: 427 x 15
    EXPECT_EQ(s.pixelWidth(), 427);
    EXPECT_EQ(s.pixelHeight(), 400);
    EXPECT_EQ(s.ScaleWidth(), 427 * 15);  // scale mode twips
    s.setBorderStyle(1);                  // a 3D border takes two pixels on each side
    EXPECT_EQ(s.Width(), 6405);
    EXPECT_EQ(s.pixelWidth(), 423);
    s.setScaleMode(ScalePixels);
    EXPECT_EQ(s.ScaleWidth(), 423);
    s.setAppearance(0);
    EXPECT_EQ(s.pixelWidth(), 425);

    // Drawing in twips lands on the pixel the twips name.
    PictureSurface t;
    t.setPixelSize(20, 20);
    t.setScaleMode(ScaleTwips);
    t.PSet(75, 150, Red);
    EXPECT_EQ(t.GetPixel(5, 10), Red);
    EXPECT_EQ(t.Point(75, 150), Red);
    setTwipsPerPixelOverride(0);
}

TEST(Geometry, ResizingKeepsWhatFitsAndFillsTheRestWithBackColor)
{
    PictureSurface s;
    pixelSurface(s, 10, 10);
    s.SetPixel(2, 2, Red);
    s.SetPixel(9, 9, Red);
    s.BackColor = Blue;
    s.setPixelSize(5, 20);
    EXPECT_EQ(s.GetPixel(2, 2), Red);
    EXPECT_EQ(s.GetPixel(2, 15), Blue);
    s.setPixelSize(10, 10);
    EXPECT_EQ(s.GetPixel(9, 9), Blue);  // cut off, then grown back
}

TEST(Notices, ChangesReachTheViewOnceAndRefreshNow)
{
    PictureSurface s;
    pixelSurface(s, 50, 50);
    s.Refresh();
    QSignalSpy changed(&s, &PictureSurface::changed);
    QSignalSpy refreshed(&s, &PictureSurface::refreshRequested);
    s.PSet(3, 3, Red);
    s.PSet(4, 3, Red);
    s.Refresh();
    ASSERT_EQ(refreshed.count(), 1);
    EXPECT_EQ(refreshed.at(0).at(0).value<QRegion>().boundingRect(), QRect(3, 3, 2, 1));
    s.Refresh();
    EXPECT_EQ(refreshed.count(), 1);  // nothing new
    s.PSet(10, 10, Red);
    QCoreApplication::processEvents();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QRegion>().boundingRect(), QRect(10, 10, 1, 1));
}

}  // namespace
}  // namespace pinxel
