// The window's layout in twips: the minimum height, the scroll bars and their
// corner frame, scrolling, and the three resize handles with their drags.

#include "support/EditorFixture.h"

#include "pinxel/Screen.h"
#include "view/CanvasViewport.h"
#include "view/StatusBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

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
    ASSERT_EQ(w().model().picPaint.Width(), 8960);
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
    EXPECT_EQ(w().vscPaint->geometry(), QRect(px(width - 255 - 210), 0, px(255), px(scaleHeight - 860 - 255 - 150)));
    EXPECT_EQ(w().hscPaint->geometry(),
              QRect(px(855), px(scaleHeight - 1110 - 255 + 110), px(width - 855 - 255 - 100), px(255)));
    ASSERT_TRUE(shown(w().fraScroll));
    EXPECT_EQ(w().fraScroll->pos(), QPoint(w().vscPaint->x(), w().hscPaint->y()));

    script().run(QStringLiteral("hscPaint.Change 5"));
    script().run(QStringLiteral("vscPaint.Change 7"));
    EXPECT_EQ(w().model().picPaint.Left(), 805);
    EXPECT_EQ(w().model().picPaint.Top(), -70);
    EXPECT_EQ(inClient(w().picPaintResize[0]).x(), px(805 + w().model().picPaint.Width()));

    // A smaller canvas lowers the maxima below the values: the canvas moves back.
    script().run(QStringLiteral("canvas 20 20"));
    EXPECT_FALSE(shown(w().hscPaint));
    EXPECT_EQ(w().hscPaint->value(), 0);
    EXPECT_EQ(w().model().picPaint.Left(), 855);
    EXPECT_EQ(w().model().picPaint.Top(), 0);
}

TEST_F(LayoutTest, HandlesSitOnTheCanvasEdges)
{
    open(true);
    script().run(QStringLiteral("canvas 100 60"));
    const double l = w().model().picPaint.Left(), t = w().model().picPaint.Top();
    const double cw = w().model().picPaint.Width(), ch = w().model().picPaint.Height();
    EXPECT_EQ(inClient(w().picPaintResize[0]), QPoint(px(l + cw), px(t + ch / 2)));
    EXPECT_EQ(inClient(w().picPaintResize[1]), QPoint(px(l + cw / 2), px(t + ch)));
    EXPECT_EQ(inClient(w().picPaintResize[2]), QPoint(px(l + cw), px(t + ch)));
}

TEST_F(LayoutTest, TheCanvasNeverCoversThePanelsNorTakesTheirClicks)
{
    open(true);
    script().run(QStringLiteral("canvas 3000 2000"));
    w().setWidth(490 * 15.0);
    QWidget *client = w().client;
    const auto centre = [client](QWidget *widget) { return widget->mapTo(client, widget->rect().center()); };
    const auto onCanvas = [&](QPoint at) {
        QWidget *hit = client->childAt(at);
        return hit && (hit == w().canvasViewport || w().canvasViewport->isAncestorOf(hit));
    };
    for (const bool scrolled : {false, true}) {
        SCOPED_TRACE(scrolled);
        w().hscPaint->setValue(scrolled ? w().hscPaint->maximum() : 0);
        w().vscPaint->setValue(scrolled ? w().vscPaint->maximum() : 0);
        ASSERT_TRUE(shown(w().fraScroll));
        for (QWidget *panel : {static_cast<QWidget *>(w().optTools[ToolLine]), static_cast<QWidget *>(w().lblColor[5]),
                               static_cast<QWidget *>(w().sta), static_cast<QWidget *>(w().hscPaint),
                               static_cast<QWidget *>(w().vscPaint), static_cast<QWidget *>(w().fraScroll)})
            EXPECT_FALSE(onCanvas(centre(panel))) << panel->objectName().toStdString();
        EXPECT_FALSE(onCanvas(QPoint(client->width() - 2, 5))) << "right of the vertical bar";
        EXPECT_FALSE(onCanvas(QPoint(client->width() / 2, w().hscPaint->geometry().bottom() + 2))) << "below the bar";
        EXPECT_TRUE(onCanvas(centre(w().canvasViewport)));
    }
}

TEST_F(LayoutTest, TheWheelScrollsAndWithCtrlZoomsAboutThePointer)
{
    open(true);
    script().run(QStringLiteral("canvas 1000 1000"));
    QScrollBar *h = w().hscPaint, *v = w().vscPaint;
    script().run(QStringLiteral("picPaint.MouseWheel -120 0 10 10"));  // a notch towards the user: down
    EXPECT_EQ(v->value(), 100);
    script().run(QStringLiteral("picPaint.MouseWheel -120 1 10 10"));  // Shift: sideways
    EXPECT_EQ(h->value(), 100);
    script().run(QStringLiteral("picPaint.MouseWheel 1200 0 10 10"));
    EXPECT_EQ(v->value(), 0) << "within the bar's range";
    // A wheel event reaches the same handler (a real one over the canvas
    // passes from the canvas to its viewport; Qt does not pass sent ones on).
    QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w().canvasViewport, &wheel);
    EXPECT_EQ(v->value(), 100);
    v->setValue(0);

    script().run(QStringLiteral("picPaint.MouseWheel 120 2 300 300"));  // Ctrl with the pencil: nothing
    EXPECT_EQ(w().model().ZoomFactor, 1.0f);
    selectTool(ToolHand);
    const double tx = twipsPerPixelX();
    const QPointF before(w().model().picPaint.Left() + 300 * tx, w().model().picPaint.Top() + 300 * tx);
    script().run(QStringLiteral("picPaint.MouseWheel 120 2 300 300"));
    EXPECT_EQ(w().model().ZoomFactor, 1.25f);
    // The picture's point under the pointer stays under it.
    EXPECT_NEAR(w().model().picPaint.Left() + 375 * tx, before.x(), 10);
    EXPECT_NEAR(w().model().picPaint.Top() + 375 * tx, before.y(), 10);
    EXPECT_TRUE(w().picPaintResize[2]->isHidden()) << "no resizing while zoomed";
    script().run(QStringLiteral("picPaint.MouseWheel -120 2 375 375"));
    EXPECT_EQ(w().model().ZoomFactor, 1.0f);
    EXPECT_FALSE(w().picPaintResize[2]->isHidden()) << "back at actual size";
}

class ResizeDragTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        open(true);
        script().run(QStringLiteral("canvas 100 60"));
        w().model().ClearImageBuffer();
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
    QSize size() { return QSize(w().model().picPaint.pixelWidth(), w().model().picPaint.pixelHeight()); }
};

TEST_F(ResizeDragTest, TheCornerChangesBothLiveAndTheDragIsOneUndoStep)
{
    w().picPaintResize_MouseDown(2, 1, 0, 30, 30);
    w().picPaintResize_MouseMove(2, 1, 0, 60, 75);  // 2 and 3 pixels
    EXPECT_EQ(size(), QSize(102, 63));
    w().picPaintResize_MouseMove(2, 1, 0, 60, 75);  // the handle moved: the same point is as far again
    EXPECT_EQ(size(), QSize(104, 66));
    w().picPaintResize_MouseUp(2, 1, 0, 60, 75);
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    EXPECT_EQ(inClient(w().picPaintResize[2]), QPoint(px(w().model().picPaint.Left() + w().model().picPaint.Width()),
                                                      px(w().model().picPaint.Top() + w().model().picPaint.Height())));
}

TEST_F(ResizeDragTest, TheRightHandleNeverChangesTheHeightNorTheBottomOneTheWidth)
{
    dragHandle(0, {{150, 300}});
    EXPECT_EQ(size(), QSize(110, 60));
    dragHandle(1, {{300, -150}});
    EXPECT_EQ(size(), QSize(110, 50));
}

TEST_F(ResizeDragTest, ADragToZeroWidthOrBelowAPixelKeepsTheWidthWhileTheHeightFollows)
{
    const double width = w().model().picPaint.Width();
    dragHandle(2, {{-width, 45}});
    EXPECT_EQ(size(), QSize(100, 63));
    dragHandle(0, {{-width - 1000, 0}});
    EXPECT_EQ(size(), QSize(100, 63));
    // The outer size counts the border: the picture keeps a pixel inside it.
    const int border = w().model().picPaint.borderPixels();
    dragHandle(0, {{-w().model().picPaint.Width() + 2 * border * 15, 0}});
    EXPECT_EQ(size(), QSize(100, 63));
    dragHandle(0, {{-w().model().picPaint.Width() + (2 * border + 1) * 15, 0}});
    EXPECT_EQ(size(), QSize(1, 63));
}

TEST_F(ResizeDragTest, PressAndReleaseWithoutAMoveRecordNoUndoStep)
{
    dragHandle(2, {});
    EXPECT_EQ(w().model().UndoCurrent, 0);
    EXPECT_FALSE(enabled("mnuUndo"));
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
    EXPECT_EQ(w().model().IsDragging, FlagFalse);
    // A move that changes nothing (less than half a pixel) records none either.
    dragHandle(0, {{5, 0}});
    EXPECT_EQ(w().model().UndoCurrent, 0);
}

}  // namespace
}  // namespace pinxel::test
