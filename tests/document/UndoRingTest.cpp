// The undo ring: eleven snapshots with their sizes, the stepping rules, and
// the enabling of Undo and Redo.

#include "support/EditorFixture.h"

namespace pinxel::test {
namespace {

using UndoRingTest = EditorFixture;

TEST_F(UndoRingTest, NewAndOpenLeaveBothDisabled)
{
    open(true);
    click(3, 3);
    newPicture();
    EXPECT_FALSE(enabled("mnuUndo"));
    EXPECT_FALSE(enabled("mnuRedo"));

    click(3, 3);
    w().mnuUndo_Click();
    ASSERT_TRUE(enabled("mnuRedo"));
    host.answerMsgBox(AnswerNo);
    host.answerOpen(pictureFile(QStringLiteral("a.bmp"), filledImage(30, 20, 0x123456)));
    w().mnuOpen_Click();
    EXPECT_FALSE(enabled("mnuUndo"));
    EXPECT_FALSE(enabled("mnuRedo"));
    EXPECT_EQ(w().model().UndoCurrent, 0);
}

TEST_F(UndoRingTest, OneChangeIsUndoneAndRedone)
{
    open(true);
    const QImage cleared = canvas();
    click(10, 10);
    const QImage changed = canvas();
    ASSERT_NE(countDifferences(cleared, changed), 0);
    EXPECT_TRUE(enabled("mnuUndo"));
    EXPECT_FALSE(enabled("mnuRedo"));

    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(cleared, canvas()));
    EXPECT_FALSE(enabled("mnuUndo"));
    EXPECT_TRUE(enabled("mnuRedo"));
    EXPECT_EQ(w().model().IsDirty, FlagTrue);  // Undo does not touch the changed flag

    w().mnuRedo_Click();
    EXPECT_TRUE(sameImage(changed, canvas()));
    EXPECT_TRUE(enabled("mnuUndo"));
    EXPECT_FALSE(enabled("mnuRedo"));
}

TEST_F(UndoRingTest, TwelveChangesAllowTenUndoStepsBackToTheSecondChange)
{
    open(true);
    std::vector<QImage> after;  // after[i]: the canvas after change i + 1
    for (int i = 0; i < 12; ++i) {
        click(5 + 6 * i, 5);
        after.push_back(canvas());
    }
    for (int step = 1; step <= 10; ++step) {
        ASSERT_TRUE(w().model().reachable(QStringLiteral("mnuUndo"))) << step;
        w().mnuUndo_Click();
        ASSERT_TRUE(sameImage(after[size_t(11 - step)], canvas())) << "undo step " << step;
        EXPECT_EQ(enabled("mnuUndo"), step < 10) << step;
    }
    // The ring went on to the state after the second change and no further.
    EXPECT_TRUE(sameImage(after[1], canvas()));
    script().run(QStringLiteral("mnuUndo.Click"));
    EXPECT_EQ(output.back(), QStringLiteral("refused: mnuUndo"));

    // All ten steps can be redone, back to the last change.
    for (int step = 0; step < 10; ++step)
        w().mnuRedo_Click();
    EXPECT_TRUE(sameImage(after[11], canvas()));
    EXPECT_FALSE(enabled("mnuRedo"));
}

TEST_F(UndoRingTest, ANewChangeAfterUndoDropsTheRedoPath)
{
    open(true);
    const QImage cleared = canvas();
    click(5, 5);
    const QImage first = canvas();
    click(15, 5);
    click(25, 5);
    w().mnuUndo_Click();
    w().mnuUndo_Click();
    ASSERT_TRUE(sameImage(first, canvas()));
    click(35, 5);
    const QImage fresh = canvas();
    EXPECT_FALSE(enabled("mnuRedo"));

    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(first, canvas()));
    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(cleared, canvas()));
    EXPECT_FALSE(enabled("mnuUndo"));
    w().mnuRedo_Click();
    w().mnuRedo_Click();
    EXPECT_TRUE(sameImage(fresh, canvas()));
    EXPECT_FALSE(enabled("mnuRedo"));
}

TEST_F(UndoRingTest, AResizeIsUndoneWithItsSize)
{
    open(true);
    script().run(QStringLiteral("canvas 40 30"));
    w().model().ClearImageBuffer();
    click(5, 5);
    const QImage small = canvas();
    // Corner handle: 150 twips right and 75 down, 10 and 5 pixels.
    w().picPaintResize_MouseDown(2, 1, 0, 30, 30);
    w().picPaintResize_MouseMove(2, 1, 0, 180, 105);
    w().picPaintResize_MouseUp(2, 1, 0, 180, 105);
    ASSERT_EQ(w().model().picPaint.pixelWidth(), 50);
    ASSERT_EQ(w().model().picPaint.pixelHeight(), 35);
    click(45, 32);
    const QImage large = canvas();

    w().mnuUndo_Click();
    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(small, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);
    w().mnuRedo_Click();
    w().mnuRedo_Click();
    EXPECT_TRUE(sameImage(large, canvas()));
}

TEST_F(UndoRingTest, UndoFirstDropsAFloatingSelection)
{
    open(true);
    click(12, 12);
    const QImage before = canvas();
    selectTool(ToolSelectArea);
    drag(10, 10, 20, 20);
    ASSERT_TRUE(w().model().picSelect.Visible());
    // Move it 5 pixels right: its source becomes background.
    w().picSelect_MouseDown(1, 0, 2, 2);
    w().picSelect_MouseMove(1, 0, 7, 2);
    w().picSelect_MouseUp(1, 0, 7, 2);
    ASSERT_EQ(w().model().UndoCurrent, 1);

    w().mnuUndo_Click();
    EXPECT_FALSE(w().model().picSelect.Visible());
    EXPECT_TRUE(sameImage(before, canvas()));  // back from the snapshot the drop recorded
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_TRUE(enabled("mnuUndo"));
    EXPECT_FALSE(enabled("mnuCut"));

    w().mnuRedo_Click();  // the dropped selection, 5 pixels right
    EXPECT_EQ(colorRed(w().model().picPaint.GetPixel(17, 12)), 0);
    EXPECT_EQ(w().model().picPaint.GetPixel(12, 12), 0xFFFFFF);
}

// Steps keep only the tiles they changed: strokes cost a tile each, a change
// of every pixel costs a picture, and a step no Undo or Redo can reach any
// more gives its tiles back.
TEST_F(UndoRingTest, StepsHoldOnlyTheTilesTheyChanged)
{
    open(true);
    script().run(QStringLiteral("canvas 640 480"));
    w().model().ClearImageBuffer();
    const std::size_t picture = 640 * 480 * 4, tile = TileSide * TileSide * 4;
    const UndoRing &ring = w().model().undoRing();
    EXPECT_EQ(ring.heldBytes(), picture);

    for (int i = 0; i < 10; ++i)
        click(10 + 64 * i, 10 + 40 * i);
    EXPECT_EQ(ring.heldBytes(), picture + 10 * tile);

    script().run(QStringLiteral("mnuInvertColors.Click"));
    EXPECT_EQ(ring.heldBytes(), 2 * picture + 9 * tile);  // the ring wrapped onto the clear

    w().mnuUndo_Click();
    w().mnuUndo_Click();
    const QImage back = canvas();
    click(600, 20);  // the undone invert and stroke are dropped
    EXPECT_EQ(ring.heldBytes(), picture + 9 * tile);
    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(back, canvas()));
}

TEST_F(UndoRingTest, AHistoryThatSharesAHandedPictureCopiesNothingAndLeavesItAlone)
{
    open(true);
    const QImage handed = randomImage(640, 480, 11);
    const QImage kept = handed.copy();
    w().model().showPicture(handed, UndoRing::HistoryStart::SharesPicture);
    const std::size_t picture = 640 * 480 * 4, tile = TileSide * TileSide * 4;
    const UndoRing &ring = w().model().undoRing();
    EXPECT_EQ(w().model().picPaint.Image().constBits(), handed.constBits());
    EXPECT_EQ(ring.heldBytes(), picture);  // the host's pixels, not a copy

    for (int i = 0; i < 3; ++i)
        click(10 + 64 * i, 10 + 40 * i);
    EXPECT_EQ(ring.heldBytes(), picture + 3 * tile);  // its tiles are views into the handed picture
    EXPECT_TRUE(sameImage(kept, handed)) << "the strokes went to the canvas's own copy";
    for (int i = 0; i < 3; ++i)
        w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(kept, canvas()));
    w().mnuRedo_Click();
    EXPECT_EQ(countDifferences(kept, canvas()), 1);
}

}  // namespace
}  // namespace pinxel::test
