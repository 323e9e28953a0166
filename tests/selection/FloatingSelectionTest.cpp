// The floating selection through the editor's handlers: made by the Select
// Area tool from any corner, dragged (moved or copied), dropped with its one
// undo step, and written out as the user sees it.

#include "support/EditorFixture.h"

#include <QFile>

namespace pinxel::test {
namespace {

class FloatingSelectionTest : public EditorFixture {
protected:
    // A random picture on the canvas, loaded as a user would, with a fresh history.
    QImage loadPicture(int width = 60, int height = 40)
    {
        if (!frmPaint::exists())
            open(true);
        const QImage picture = randomImage(width, height, 7);
        run(QStringLiteral("load ") + pictureFile(QStringLiteral("p.bmp"), picture));
        return picture;
    }
    // A Select Area drag with several moves, as a real pointer gives.
    void select(QPoint from, QPoint to, int shift = 0)
    {
        selectTool(ToolSelectArea);
        w().picPaint_MouseDown(1, shift, from.x(), from.y());
        for (int step = 1; step <= 3; ++step) {
            const QPoint p = from + (to - from) * step / 3;
            w().picPaint_MouseMove(1, shift, p.x(), p.y());
        }
        w().picPaint_MouseUp(1, shift, to.x(), to.y());
    }
    void dragSelection(int dx, int dy, int shift = 0)
    {
        w().picSelect_MouseDown(1, shift, 2, 2);
        w().picSelect_MouseMove(1, shift, 2 + dx, 2 + dy);
        w().picSelect_MouseUp(1, shift, 2 + dx, 2 + dy);
    }
    QRect selectionRect()
    {
        const PictureSurface &s = w().model().picSelect;
        return s.Visible() ? QRect(int(s.Left()), int(s.Top()), s.pixelWidth(), s.pixelHeight()) : QRect();
    }
};

// From every corner, with and without Shift: the selection strictly inside
// the band; dropped unchanged, it leaves every pixel as it was and no undo
// step (no dot at the press point, no marquee left behind).
TEST_F(FloatingSelectionTest, AnUnchangedSelectionFromAnyCornerLeavesThePictureAsItWas)
{
    const struct {
        QPoint from, to;
        int shift;
        QRect selection;
    } cases[] = {
        {{10, 10}, {20, 15}, 0, {11, 11, 9, 4}}, {{20, 15}, {10, 10}, 0, {11, 11, 9, 4}},
        {{20, 10}, {10, 15}, 0, {11, 11, 9, 4}}, {{10, 15}, {20, 10}, 0, {11, 11, 9, 4}},
        {{0, 0}, {30, 10}, 1, {1, 1, 9, 9}},     {{30, 20}, {5, 0}, 1, {11, 1, 19, 19}},
        {{5, 5}, {15, 15}, 0, {6, 6, 9, 9}},
    };
    const QImage picture = loadPicture();
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y());
        select(c.from, c.to, c.shift);
        EXPECT_EQ(selectionRect(), c.selection);
        EXPECT_TRUE(sameImage(picture.copy(c.selection), w().model().picSelect.Image()));
        selectTool(ToolPencil);
        EXPECT_FALSE(w().model().picSelect.Visible());
        EXPECT_TRUE(sameImage(picture, canvas()));
        EXPECT_EQ(w().model().UndoCurrent, 0);
        EXPECT_EQ(w().model().IsDirty, FlagFalse);
    }
}

// The first plain drag lifts the source (background left behind), a drag
// with exactly Ctrl copies it; a second drag never clears anything; the drop
// is one undo step, and Undo gives the picture back.
TEST_F(FloatingSelectionTest, DragsMoveOrCopyAndTheDropIsOneUndoStep)
{
    const struct {
        int shift;
        bool sourceKept;
    } cases[] = {{0, false}, {2, true}, {3, false}, {1, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shift);
        const QImage picture = loadPicture();
        select({10, 10}, {20, 15});
        dragSelection(20, 0, c.shift);
        EXPECT_EQ(w().model().SelectionUnmoved, FlagFalse);
        dragSelection(0, 10);  // never clears a second time
        EXPECT_EQ(selectionRect(), QRect(31, 21, 9, 4));
        selectTool(ToolPencil);

        QImage expected = picture;
        for (int y = 11; y < 15; ++y)
            for (int x = 11; x < 20; ++x) {
                if (!c.sourceKept)
                    expected.setPixel(x, y, 0xFFFFFFFF);
                expected.setPixel(x + 20, y + 10, picture.pixel(x, y));
            }
        EXPECT_TRUE(sameImage(expected, canvas()));
        EXPECT_EQ(w().model().UndoCurrent, 1);
        w().mnuUndo_Click();
        EXPECT_TRUE(sameImage(picture, canvas()));
    }
}

// A change through the edit path (as a filter makes) counts as a change:
// a later plain drag leaves the source, and the drop is an undo step.
TEST_F(FloatingSelectionTest, AChangedSelectionLeavesItsSourceWhenDragged)
{
    const QImage picture = loadPicture();
    select({10, 10}, {20, 15});
    w().model().editPath.apply([](PictureSurface &target) { target.Cls(); });
    EXPECT_EQ(w().model().SelectionUnmoved, FlagFalse);
    EXPECT_EQ(w().model().UndoCurrent, 0);
    dragSelection(20, 0);
    selectTool(ToolPencil);
    QImage expected = picture;
    for (int y = 11; y < 15; ++y)
        for (int x = 31; x < 40; ++x)
            expected.setPixel(x, y, 0xFFFFFFFF);
    EXPECT_TRUE(sameImage(expected, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);
}

// Every write out of the editor is the picture as the user sees it: the
// floating pixels at their place, no marquee; the editor is left as it was.
TEST_F(FloatingSelectionTest, WritesOutThePictureAsTheUserSeesIt)
{
    const QImage picture = loadPicture();
    select({10, 10}, {20, 15});
    dragSelection(20, 5);  // marquee shown at the new place, source cleared
    const QImage shown = canvas();
    QImage expected = picture;
    for (int y = 11; y < 15; ++y)
        for (int x = 11; x < 20; ++x)
            expected.setPixel(x, y, 0xFFFFFFFF);
    for (int y = 11; y < 15; ++y)
        for (int x = 11; x < 20; ++x)
            expected.setPixel(x + 20, y + 5, picture.pixel(x, y));

    run(QStringLiteral("save ") + path(QStringLiteral("script.bmp")));
    host.answerSave(path(QStringLiteral("saved.bmp")));
    w().mnuSaveAs_Click();
    host.answerPrinter(1);
    w().mnuPrint_Click();
    for (const char *file : {"script.bmp", "saved.bmp"})
        EXPECT_TRUE(sameImage(expected, host.LoadPicture(path(QString::fromLatin1(file))))) << file;
    ASSERT_FALSE(host.printer().painted().empty());
    EXPECT_TRUE(sameImage(expected, host.printer().painted().back().picture));

    EXPECT_TRUE(sameImage(shown, canvas()));
    EXPECT_EQ(selectionRect(), QRect(31, 16, 9, 4));
    EXPECT_EQ(w().model().UndoCurrent, 0);
    selectTool(ToolPencil);
    EXPECT_TRUE(sameImage(expected, canvas()));
}

}  // namespace
}  // namespace pinxel::test
