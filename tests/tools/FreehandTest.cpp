// The stamping tools: the eraser's background square, the air brush's
// bursts, the brush's ten shapes (and the panel images drawn from them), the
// stamps' separate dabs, their undo steps and the 16-bit overflow trap.

#include "support/EditorFixture.h"

#include "tools/BrushShapes.h"
#include "tools/Freehand.h"

namespace pinxel::test {
namespace {

class FreehandTest : public EditorFixture {
protected:
    // The next case's picture, with a fresh history.
    void restart(const QImage &picture)
    {
        if (!frmPaint::exists()) {
            openCanvas(picture.width(), picture.height(), picture);
            return;
        }
        w().model().picPaint.setPicture(picture);
        w().model().ClearImageBuffer();
    }
};

constexpr Color White = 0xFFFFFF;
constexpr Color Black = 0;
constexpr Color Red = composeColor(255, 0, 0);

// The box of the pixels that differ between two pictures of one size.
QRect changedBox(const QImage &before, const QImage &after)
{
    QRect box;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

int countColor(const QImage &image, const QRect &area, Color color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == toQRgb(color);
    return count;
}

TEST_F(FreehandTest, TheEraserStampsASolidBackgroundSquareAboveRightOfThePointer)
{
    for (const int width : {1, 4, 8}) {
        SCOPED_TRACE(width);
        restart(filledImage(100, 100, Black));
        w().model().setFillColor(Red);  // not the eraser's colour
        selectTool(ToolEraser);
        choosePenWidth(width);
        click(50, 50);
        const QImage after = canvas();
        const QRect box = changedBox(filledImage(100, 100, Black), after);
        EXPECT_EQ(countColor(after, box, White), box.width() * box.height()) << "solid, in the background colour";
        EXPECT_NEAR(box.width(), 2 * width, 1);
        EXPECT_EQ(box.width(), box.height());
        EXPECT_GE(box.center().x(), 50);
        EXPECT_LE(box.center().y(), 50);
        EXPECT_EQ(w().model().UndoCurrent, 1);
    }
}

TEST_F(FreehandTest, AnAirBrushBurstScattersFreshDotsOverItsSquare)
{
    // DotIndex 0: 4 dots in a 4 x 4 square; 7: 256 dots in 32 x 32.
    for (const int width : {1, 8}) {
        SCOPED_TRACE(width);
        restart(filledImage(200, 100, White));
        selectTool(ToolAirBrush);
        choosePenWidth(width);
        click(50, 50);
        click(150, 50);
        const int size = 4 * width, dots = 4 * width * width;
        const QImage after = canvas();
        QImage bursts[2];
        for (int i = 0; i < 2; ++i) {
            const QRect square(50 + 100 * i - size / 2, 50 - size / 2, size + 1, size + 1);
            bursts[i] = after.copy(square);
            const QRect box = changedBox(filledImage(200, 100, White), after) & square;
            EXPECT_TRUE(square.contains(box));
            const int set = countColor(after, square, Black);
            // Dots may fall on one pixel: four in 16 often share, 256 in 1024 seldom do.
            EXPECT_GT(set, width == 1 ? 0 : dots / 2);
            EXPECT_LE(set, dots);
        }
        if (width > 1) {  // two bursts of four dots may match by chance
            EXPECT_FALSE(sameImage(bursts[0], bursts[1])) << "each burst draws fresh numbers";
        }
        EXPECT_EQ(w().model().UndoCurrent, 2);
        EXPECT_EQ(w().model().picPaint.DrawWidth, width) << "the pen width comes back";
    }
}

struct BrushCase {
    int shape;
    int width;
    int fillStyle;
    std::vector<QPoint> ink;    // offsets from the pointer that the stamp paints
    std::vector<QPoint> clear;  // and offsets it leaves
};

TEST_F(FreehandTest, EachBrushShapeIsDrawnOnePixelThinAtThreeTimesThePenWidth)
{
    const BrushCase cases[] = {
        {0, 1, FillTransparent, {{-3, -3}, {0, 0}, {3, 3}, {3, -3}}, {{4, 0}, {0, -4}}},
        {1, 1, FillSolid, {{0, 0}, {-3, 0}, {0, 3}}, {{-3, -3}, {4, 0}}},
        {1, 1, FillTransparent, {{-3, 0}, {0, 3}}, {{0, 0}, {1, 1}}},  // a ring, like shape 3
        {2, 1, FillSolid, {{-3, -3}, {3, 3}, {0, -3}}, {{0, 0}, {2, 2}}},
        {3, 1, FillSolid, {{-3, 0}, {3, 0}, {0, -3}}, {{0, 0}, {-3, -3}}},
        {4, 1, FillSolid, {{-3, 0}, {3, 0}, {0, -3}, {0, 3}}, {{-4, 0}, {4, 0}, {0, 4}, {1, 1}}},
        {4, 8, FillSolid, {{-24, 0}, {24, 0}, {0, -24}, {0, 24}}, {{-25, 0}, {0, 25}, {1, 1}, {-1, -1}}},
        {5, 1, FillSolid, {{-3, 3}, {3, -3}, {-3, -3}, {3, 3}}, {{0, -3}, {-3, 0}}},
        {6, 1, FillSolid, {{-3, 3}, {3, -3}}, {{-3, -3}, {3, 3}}},
        {7, 1, FillSolid, {{-3, -3}, {3, 3}}, {{-3, 3}, {3, -3}}},
        {8, 8, FillSolid, {{-24, 0}, {24, 0}}, {{0, -1}, {0, 1}, {-25, 0}}},
        {9, 8, FillSolid, {{0, -24}, {0, 24}}, {{-1, 0}, {1, 0}, {0, 25}}},
        {10, 1, FillSolid, {}, {{0, 0}, {-3, 0}}},  // no such shape: nothing
    };
    for (const BrushCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", width " << c.width);
        restart(filledImage(100, 100, White));
        w().model().ShapeFillStyle = std::int16_t(c.fillStyle);
        w().model().BrushIndex = c.shape;
        selectTool(ToolBrush);
        choosePenWidth(c.width);
        click(50, 50);
        const QImage after = canvas();
        for (const QPoint &p : c.ink)
            EXPECT_EQ(after.pixel(QPoint(50, 50) + p), toQRgb(Black)) << p.x() << "," << p.y();
        for (const QPoint &p : c.clear)
            EXPECT_EQ(after.pixel(QPoint(50, 50) + p), toQRgb(White)) << p.x() << "," << p.y();
        EXPECT_EQ(w().model().UndoCurrent, 1);
        EXPECT_EQ(w().model().picPaint.DrawWidth, c.width);
        if (c.shape == 2 || c.shape == 3) {
            EXPECT_EQ(w().model().picPaint.FillStyle, FillTransparent) << "the fill style stays set";
        }
        // The brush panel shows the stamp of the narrowest pen.
        if (c.width == 1 && c.shape < BrushShapeCount && c.fillStyle == FillSolid) {
            const QImage panel = brushShapeImage(c.shape);
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 9; ++x)
                    EXPECT_EQ(qAlpha(panel.pixel(x, y)) != 0, after.pixel(46 + x, 46 + y) == toQRgb(Black));
        }
    }
}

TEST_F(FreehandTest, ADragLeavesSeparateStampsAndIsOneUndoStep)
{
    for (const int tool : {ToolEraser, ToolBrush, ToolAirBrush}) {
        SCOPED_TRACE(tool);
        restart(filledImage(200, 100, composeColor(0, 0, 200)));
        selectTool(tool);
        w().model().BrushIndex = 0;
        drag(20, 50, 150, 50);
        const QImage after = canvas();
        EXPECT_EQ(after.pixel(85, 50), toQRgb(composeColor(0, 0, 200))) << "nothing between two events";
        EXPECT_NE(changedBox(filledImage(200, 100, composeColor(0, 0, 200)), after).width(), 0);
        EXPECT_GE(changedBox(filledImage(200, 100, composeColor(0, 0, 200)), after).right(), 148);
        EXPECT_EQ(w().model().UndoCurrent, 1);
    }
}

TEST_F(FreehandTest, AnOverflowIsReportedAndLeavesThePenOneWide)
{
    openCanvas(50, 50);
    PictureSurface &canvasSurface = w().model().picPaint;
    const std::function<void()> stamps[] = {
        [&] { SprayAt(canvasSurface, host.random(), 10, 10, 200); },  // 200 x 200 passes 32767
        [&] { StampBrush(canvasSurface, 0, 4, 10, 10); },
    };
    for (const auto &stamp : stamps) {
        canvasSurface.DrawWidth = 20000;  // a brush radius of 60000
        host.answerMsgBox(AnswerOk);
        const size_t before = host.shown().size();
        stamp();
        ASSERT_EQ(host.shown().size(), before + 1);
        EXPECT_EQ(host.shown().back().text, QStringLiteral("Overflow"));
        EXPECT_EQ(canvasSurface.DrawWidth, 1);
    }
}

}  // namespace
}  // namespace pinxel::test
