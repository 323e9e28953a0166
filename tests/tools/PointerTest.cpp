// Pointer input on the canvas: which presses and moves act, ConstrainEnd, the
// pencil, the Select Area rubber band and the finish action.

#include "support/EditorFixture.h"

#include "tools/ConstrainEnd.h"
#include "view/StatusBar.h"

namespace pinxel::test {
namespace {

using PointerTest = EditorFixture;

// The pixels that differ, as a region.
QRegion differences(const QImage &a, const QImage &b)
{
    QRegion region;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                region += QRect(x, y, 1, 1);
    return region;
}

TEST_F(PointerTest, TheRightButtonDrawsNothingButMovesStillShowThePosition)
{
    open(true);
    const QImage before = canvas();
    w().picPaint_MouseDown(2, 0, 10, 10);
    EXPECT_EQ(w().model().IsDrawing, FlagFalse);
    w().picPaint_MouseMove(2, 0, 12, 34);
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("12,34"));
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Draws using a pencil with the selected dot size"));
    w().picPaint_MouseUp(2, 0, 12, 34);
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("0,0"));
    EXPECT_TRUE(sameImage(before, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 0);
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
}

TEST_F(PointerTest, AMoveWithBothButtonsDrawsNothingEvenDuringAStroke)
{
    open(true);
    w().picPaint_MouseDown(1, 0, 10, 10);
    const QImage pressed = canvas();
    w().picPaint_MouseMove(3, 0, 40, 30);
    EXPECT_TRUE(sameImage(pressed, canvas()));
    EXPECT_EQ(w().model().StartX, 10);
    w().picPaint_MouseMove(1, 0, 40, 10);  // the left button alone draws on from the press
    EXPECT_EQ(w().model().picPaint.GetPixel(25, 10), 0);
    w().picPaint_MouseUp(1, 0, 40, 10);
    EXPECT_EQ(w().model().UndoCurrent, 1);
}

TEST(ConstrainEndTest, TakesShiftAloneOrCtrlAlone)
{
    EditorState f;
    f.StartX = 0;
    f.StartY = 0;
    const auto end = [&f](double x, double y, int shift, Flag lock) {
        ConstrainEnd(f, x, y, shift, lock);
        return QPoint(f.EndX, f.EndY);
    };
    EXPECT_EQ(end(30, 10, 1, FlagTrue), QPoint(10, 10));   // Shift: the diagonal
    EXPECT_EQ(end(30, 10, 2, FlagTrue), QPoint(30, 0));    // Ctrl: the start's row
    EXPECT_EQ(end(10, 30, 2, FlagTrue), QPoint(0, 30));    // ... or column
    EXPECT_EQ(end(30, 10, 2, FlagFalse), QPoint(30, 10));  // Ctrl without the lock
    EXPECT_EQ(end(30, 10, 3, FlagTrue), QPoint(30, 10));   // Shift with Ctrl: nothing
    EXPECT_EQ(end(30, 10, 5, FlagTrue), QPoint(30, 10));   // Shift with Alt: nothing
    EXPECT_EQ(end(30, 10, 4, FlagTrue), QPoint(30, 10));
    EXPECT_EQ(end(10.5, 11.5, 0, FlagFalse), QPoint(10, 12));  // rounded, halves to even

    f.StartX = 50;
    f.StartY = 50;
    EXPECT_EQ(end(20, 40, 1, FlagFalse), QPoint(40, 40));  // up and left
    EXPECT_EQ(end(20, 20, 1, FlagFalse), QPoint(20, 20));  // a tie
    EXPECT_EQ(end(80, 50, 1, FlagFalse), QPoint(50, 50));  // on the start's row
    EXPECT_EQ(end(60, 90, 1, FlagFalse), QPoint(60, 60));
}

TEST_F(PointerTest, APencilClickIsOneSquareDotOfThePenWidthAndOneUndoStep)
{
    open(true);
    for (const int dotIndex : {0, 2, 3}) {
        newPicture();
        choosePenWidth(dotIndex + 1);
        const QImage before = canvas();
        click(20, 20);
        const QRegion dot = differences(before, canvas());
        const int width = dotIndex + 1;
        EXPECT_EQ(dot.rectCount(), 1) << width;
        EXPECT_EQ(dot.boundingRect().size(), QSize(width, width));
        EXPECT_TRUE(dot.boundingRect().contains(20, 20));
        EXPECT_EQ(w().model().picPaint.GetPixel(20, 20), 0);
        EXPECT_EQ(w().model().UndoCurrent, 1);
        EXPECT_TRUE(enabled("mnuUndo"));
        EXPECT_EQ(w().model().IsDirty, FlagTrue);
    }
}

TEST_F(PointerTest, APencilStrokeIsAChainOfSegmentsAndOneUndoStep)
{
    open(true);
    w().picPaint_MouseDown(1, 0, 10, 10);
    w().picPaint_MouseMove(1, 0, 30, 10);
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("30,10"));
    EXPECT_TRUE(w().sta->panelText(3).isEmpty());
    w().picPaint_MouseMove(1, 0, 30, 25);
    w().picPaint_MouseUp(1, 0, 30, 25);
    for (const QPoint p : {QPoint(10, 10), QPoint(20, 10), QPoint(30, 10), QPoint(30, 18), QPoint(30, 25)})
        EXPECT_EQ(w().model().picPaint.GetPixel(p.x(), p.y()), 0) << p.x() << "," << p.y();
    EXPECT_EQ(w().model().picPaint.GetPixel(20, 18), 0xFFFFFF);
    EXPECT_EQ(w().model().UndoCurrent, 1);
}

TEST_F(PointerTest, ASelectDragMakesAFloatingSelectionInsideTheRubberBand)
{
    open(true);
    const QImage picture = randomImage(60, 40, 3);
    const QString file = pictureFile(QStringLiteral("r.bmp"), picture);
    script().run(QStringLiteral("load ") + file);
    selectTool(ToolSelectArea);
    w().picPaint_MouseDown(1, 0, 10, 10);
    w().picPaint_MouseMove(1, 0, 20, 15);
    EXPECT_EQ(w().sta->panelText(3), QStringLiteral("10x5"));
    w().picPaint_MouseUp(1, 0, 20, 15);

    const PictureSurface &s = w().model().picSelect;
    ASSERT_TRUE(s.Visible());
    EXPECT_EQ(QRect(int(s.Left()), int(s.Top()), s.pixelWidth(), s.pixelHeight()), QRect(11, 11, 9, 4));
    EXPECT_TRUE(sameImage(picture.copy(11, 11, 9, 4), s.Image()));
    for (const char *item : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
        EXPECT_TRUE(enabled(item)) << item;
    EXPECT_EQ(w().model().SelectionUnmoved, FlagTrue);
    EXPECT_EQ(w().model().UndoCurrent, 0);  // a selection is no change yet
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
    // The marquee runs along x = 10, x = 20, y = 10 and y = 15, outside the selection.
    const QRegion marked = differences(picture, canvas());
    EXPECT_TRUE((marked - QRegion(QRect(QPoint(10, 10), QPoint(20, 15)))).isEmpty());
    EXPECT_FALSE(marked.intersects(QRect(11, 11, 9, 4)));
    for (const QRect line : {QRect(10, 10, 1, 6), QRect(20, 10, 1, 6), QRect(10, 10, 11, 1), QRect(10, 15, 11, 1)})
        EXPECT_TRUE(marked.intersects(line));
}

TEST_F(PointerTest, AOnePixelSelectDragMakesNoSelection)
{
    open(true);
    selectTool(ToolSelectArea);
    drag(10, 10, 30, 30);  // a selection first: the small drag must take it away
    ASSERT_TRUE(w().model().picSelect.Visible());
    choosePenWidth(3);
    drag(40, 10, 41, 30);
    EXPECT_FALSE(w().model().picSelect.Visible());
    for (const char *item : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
        EXPECT_FALSE(enabled(item)) << item;
    EXPECT_EQ(w().model().SelectionUnmoved, FlagFalse);
    EXPECT_EQ(w().model().picPaint.DrawWidth, 3);  // the pen width is back
    EXPECT_EQ(w().model().UndoCurrent, 0);
    // The first selection's marquee and the small band are both gone, and a press draws nothing.
    EXPECT_TRUE(sameImage(filledImage(canvas().width(), canvas().height(), 0xFFFFFF), canvas()));
}

TEST_F(PointerTest, EnterAndDoubleClickRunTheFinishAction)
{
    open(true);
    selectTool(ToolSelectArea);
    drag(10, 10, 30, 30);
    w().picSelect_MouseDown(1, 0, 2, 2);
    w().picSelect_MouseMove(1, 0, 6, 2);
    w().picSelect_MouseUp(1, 0, 6, 2);
    w().picPaint_KeyUp(32, 0);  // any other key does nothing
    ASSERT_TRUE(w().model().picSelect.Visible());
    w().picPaint_KeyUp(13, 1);  // Enter, Shift not looked at
    EXPECT_FALSE(w().model().picSelect.Visible());
    EXPECT_EQ(w().model().UndoCurrent, 1);

    drag(10, 10, 30, 30);
    w().picPaint_DblClick();  // a selection never moved drops without an undo step
    EXPECT_FALSE(w().model().picSelect.Visible());
    EXPECT_EQ(w().model().UndoCurrent, 1);

    selectTool(ToolPencil);
    click(50, 50);
    const QImage drawn = canvas();
    w().picPaint_KeyUp(13, 0);
    EXPECT_TRUE(sameImage(drawn, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 2);
}

}  // namespace
}  // namespace pinxel::test
