// The window's layout in twips: the minimum height, the scroll bars and their
// corner frame, scrolling, and the three resize handles with their drags.

#include "support/EditorFixture.h"

#include "pinxel/Screen.h"

#include <QFrame>
#include <QScrollBar>

namespace pinxel::test {
namespace {

using LayoutTest = EditorFixture;

bool shown(const QWidget *widget) { return widget->isVisibleTo(widget->parentWidget()); }
int px(double twips) { return int(roundHalfEven(twips / twipsPerPixelX())); }
QPoint inClient(const QWidget *handle) { return handle->mapTo(frmPaint::instance().client, QPoint()); }

TEST_F(LayoutTest, AWindowBelowTheMinimumHeightSpringsBackAndItsWidthShrinksFreely)
{
    open(true);
    w().setHeight(2000);
    EXPECT_GE(w().Height(), 2800);
    EXPECT_LT(w().Height(), 2800 + 15);
    w().setWidth(3000);
    EXPECT_EQ(w().Width(), 3000);
}

TEST_F(LayoutTest, TheMinimumHeightHoldsWhereItIsNoWholeNumberOfPixels)
{
    open(true);
    setTwipsPerPixelOverride(12.0);  // 2800 twips are 233.3 pixels here
    w().setHeight(2000);
    EXPECT_EQ(w().Height(), 234 * 12);
}

TEST_F(LayoutTest, ACanvasSmallerThanTheViewShowsNoScrollBars)
{
    open(true);
    script().run(QStringLiteral("canvas 300 200"));
    EXPECT_FALSE(shown(w().hscPaint));
    EXPECT_FALSE(shown(w().vscPaint));
    EXPECT_FALSE(shown(w().fraScroll));
}

TEST_F(LayoutTest, ACanvasTenTwipsWiderThanTheSpaceHasAHorizontalMaximumOfOne)
{
    open(true);
    setTwipsPerPixelOverride(10.0);  // a pixel of 10 twips, so the overhang can be 10
    w().setWidth(10000);
    w().setHeight(10000);
    ASSERT_EQ(w().Width(), 10000);
    // Space: 10000 - 1050 = 8950 twips; the canvas with its 2-pixel border is 8960.
    script().run(QStringLiteral("canvas 892 100"));
    ASSERT_EQ(w().picPaint.Width(), 8960);
    EXPECT_TRUE(shown(w().hscPaint));
    EXPECT_EQ(w().hscPaint->maximum(), 1);
    EXPECT_FALSE(shown(w().vscPaint));
    EXPECT_FALSE(shown(w().fraScroll));

    script().run(QStringLiteral("canvas 891 100"));  // fits exactly
    EXPECT_FALSE(shown(w().hscPaint));
}

TEST_F(LayoutTest, ALargeCanvasShowsBothBarsTheCornerFrameAndScrolls)
{
    open(true);
    script().run(QStringLiteral("canvas 2000 2000"));
    const double width = w().Width(), height = w().Height(), scaleHeight = w().ScaleHeight();
    const double canvas = 2004 * 15.0;
    ASSERT_TRUE(shown(w().hscPaint));
    ASSERT_TRUE(shown(w().vscPaint));
    EXPECT_EQ(w().hscPaint->maximum(), int(roundHalfEven((canvas - (width - 255 - 1050)) / 10)));
    EXPECT_EQ(w().vscPaint->maximum(), int(roundHalfEven((canvas - (height - 255 - 1850)) / 10)));
    EXPECT_EQ(w().vscPaint->geometry(),
              QRect(px(width - 255 - 210), 0, px(255), px(scaleHeight - 860 - 255 - 150)));
    EXPECT_EQ(w().hscPaint->geometry(),
              QRect(px(855), px(scaleHeight - 1110 - 255 + 110), px(width - 855 - 255 - 100), px(255)));
    ASSERT_TRUE(shown(w().fraScroll));
    EXPECT_EQ(w().fraScroll->pos(), QPoint(w().vscPaint->x(), w().hscPaint->y()));

    script().run(QStringLiteral("hscPaint.Change 5"));
    script().run(QStringLiteral("vscPaint.Change 7"));
    EXPECT_EQ(w().picPaint.Left(), 805);
    EXPECT_EQ(w().picPaint.Top(), -70);
    EXPECT_EQ(inClient(w().picPaintResize[0]).x(), px(805 + w().picPaint.Width()));

    // A smaller canvas lowers the maxima below the values: the canvas moves back.
    script().run(QStringLiteral("canvas 20 20"));
    EXPECT_FALSE(shown(w().hscPaint));
    EXPECT_EQ(w().hscPaint->value(), 0);
    EXPECT_EQ(w().picPaint.Left(), 855);
    EXPECT_EQ(w().picPaint.Top(), 0);
}

TEST_F(LayoutTest, HandlesSitOnTheCanvasEdges)
{
    open(true);
    script().run(QStringLiteral("canvas 100 60"));
    const double l = w().picPaint.Left(), t = w().picPaint.Top();
    const double cw = w().picPaint.Width(), ch = w().picPaint.Height();
    EXPECT_EQ(inClient(w().picPaintResize[0]), QPoint(px(l + cw), px(t + ch / 2)));
    EXPECT_EQ(inClient(w().picPaintResize[1]), QPoint(px(l + cw / 2), px(t + ch)));
    EXPECT_EQ(inClient(w().picPaintResize[2]), QPoint(px(l + cw), px(t + ch)));
}

class ResizeDragTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        open(true);
        script().run(QStringLiteral("canvas 100 60"));
        w().ClearImageBuffer();
    }
    // Press at (30, 30) in the handle, then moves by the given twips, then release.
    void dragHandle(int index, std::initializer_list<QPointF> moves)
    {
        w().picPaintResize_MouseDown(index, 1, 0, 30, 30);
        QPointF at(30, 30);
        for (const QPointF &move : moves) {
            at = QPointF(30, 30) + move;
            w().picPaintResize_MouseMove(index, 1, 0, at.x(), at.y());
        }
        w().picPaintResize_MouseUp(index, 1, 0, at.x(), at.y());
    }
    QSize size() { return QSize(w().picPaint.pixelWidth(), w().picPaint.pixelHeight()); }
};

TEST_F(ResizeDragTest, TheCornerChangesBothLiveAndTheDragIsOneUndoStep)
{
    w().picPaintResize_MouseDown(2, 1, 0, 30, 30);
    w().picPaintResize_MouseMove(2, 1, 0, 60, 75);  // 2 and 3 pixels
    EXPECT_EQ(size(), QSize(102, 63));
    w().picPaintResize_MouseMove(2, 1, 0, 60, 75);  // the handle moved: the same point is as far again
    EXPECT_EQ(size(), QSize(104, 66));
    w().picPaintResize_MouseUp(2, 1, 0, 60, 75);
    EXPECT_EQ(w().UndoCurrent, 1);
    EXPECT_EQ(w().IsDirty, FlagTrue);
    EXPECT_EQ(inClient(w().picPaintResize[2]),
              QPoint(px(w().picPaint.Left() + w().picPaint.Width()), px(w().picPaint.Top() + w().picPaint.Height())));
}

TEST_F(ResizeDragTest, TheRightHandleNeverChangesTheHeightNorTheBottomOneTheWidth)
{
    dragHandle(0, {{150, 300}});
    EXPECT_EQ(size(), QSize(110, 60));
    dragHandle(1, {{300, -150}});
    EXPECT_EQ(size(), QSize(110, 50));
}

TEST_F(ResizeDragTest, ADragToZeroWidthKeepsTheWidthWhileTheHeightFollows)
{
    const double width = w().picPaint.Width();
    dragHandle(2, {{-width, 45}});
    EXPECT_EQ(size(), QSize(100, 63));
    dragHandle(0, {{-width - 1000, 0}});
    EXPECT_EQ(size(), QSize(100, 63));
}

TEST_F(ResizeDragTest, PressAndReleaseWithoutAMoveRecordNoUndoStep)
{
    dragHandle(2, {});
    EXPECT_EQ(w().UndoCurrent, 0);
    EXPECT_FALSE(enabled("mnuUndo"));
    EXPECT_EQ(w().IsDirty, FlagFalse);
    EXPECT_EQ(w().IsDragging, FlagFalse);
    // A move that changes nothing (less than half a pixel) records none either.
    dragHandle(0, {{5, 0}});
    EXPECT_EQ(w().UndoCurrent, 0);
}

}  // namespace
}  // namespace pinxel::test
