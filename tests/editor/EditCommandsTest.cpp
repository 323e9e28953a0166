// Cut, Copy, Paste, Delete, Crop and Clear: the picture after each, their
// undo steps, the menu states that follow the selection, and the desktop's
// clipboard.

#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QJsonDocument>
#include <QJsonObject>

namespace pinxel::test {
namespace {

constexpr QRgb WhitePixel = 0xFFFFFFFF;

class EditCommandsTest : public EditorFixture {
protected:
    QImage picture;

    void SetUp() override
    {
        EditorFixture::SetUp();
        open(true);
        picture = randomImage(60, 40, 11);
        run(QStringLiteral("load ") + pictureFile(QStringLiteral("p.bmp"), picture));
    }
    // The 9 x 4 selection at (11, 11), from a drag (10, 10) to (20, 15).
    void selectSmall()
    {
        selectTool(ToolSelectArea);
        drag(10, 10, 20, 15);
    }
    void moveSelection(int dx, int dy)
    {
        w().picSelect_MouseDown(1, 0, 0, 0);
        w().picSelect_MouseMove(1, 0, dx, dy);
        w().picSelect_MouseUp(1, 0, dx, dy);
    }
    void clickItem(const char *item)
    {
        w().model().events().raise(QString::fromLatin1(item) + QStringLiteral(".Click"));
    }
    bool selectionCommandsEnabled()
    {
        const bool cut = enabled("mnuCut");
        for (const char *item : {"mnuCopy", "mnuDelete", "mnuCrop"})
            EXPECT_EQ(enabled(item), cut) << item;
        return cut;
    }
    // The picture with the 9 x 4 source at (11, 11) in the background colour.
    QImage withHole() const
    {
        QImage image = picture;
        for (int y = 11; y < 15; ++y)
            for (int x = 11; x < 20; ++x)
                image.setPixel(x, y, WhitePixel);
        return image;
    }
    // An image with the 9 x 4 source block copied to (x, y).
    QImage withBlockAt(QImage image, int x0, int y0) const
    {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 9; ++x)
                image.setPixel(x0 + x, y0 + y, picture.pixel(11 + x, 11 + y));
        return image;
    }
};

TEST_F(EditCommandsTest, CaptionsShortcutsAndStartingStates)
{
    const struct {
        const char *name, *caption, *shortcut;
        bool enabled;
    } items[] = {{"mnuCut", "Cu&t", "Ctrl+X", false},     {"mnuCopy", "&Copy", "Ctrl+C", false},
                 {"mnuPaste", "&Paste", "Ctrl+V", false}, {"mnuDelete", "&Delete", "Del", false},
                 {"mnuCrop", "C&rop", "", false},         {"mnuClear", "&Clear", "", true}};
    for (const auto &i : items) {
        const QAction *action = w().action(QString::fromLatin1(i.name));
        EXPECT_EQ(action->text(), QString::fromLatin1(i.caption)) << i.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(i.shortcut))) << i.name;
        EXPECT_EQ(action->isEnabled(), i.enabled) << i.name;
    }
}

// Copy, then Paste: the source is dropped first, the copy floats at the
// origin with its marquee; after its drop both are in the picture. Paste
// stays enabled, and the same picture pastes again on top.
TEST_F(EditCommandsTest, CopyThenPasteAtTheOriginTwice)
{
    selectSmall();
    clickItem("mnuCopy");
    EXPECT_TRUE(enabled("mnuPaste"));
    EXPECT_TRUE(sameImage(picture.copy(11, 11, 9, 4), host.clipboardPicture()));  // for other programs
    EXPECT_TRUE(sameImage(picture, w().model().composedPicture()));               // Copy changes nothing

    selectTool(ToolPencil);
    clickItem("mnuPaste");
    EXPECT_EQ(w().model().CurrentTool, ToolSelectArea);
    EXPECT_TRUE(w().optTools[ToolSelectArea]->isChecked());
    EXPECT_EQ(QRect(int(w().model().picSelect.Left()), int(w().model().picSelect.Top()),
                    w().model().picSelect.pixelWidth(), w().model().picSelect.pixelHeight()),
              QRect(0, 0, 9, 4));
    EXPECT_EQ(w().model().SelectionUnmoved, FlagFalse);
    EXPECT_TRUE(selectionCommandsEnabled());
    EXPECT_GT(countDifferences(picture.copy(9, 0, 1, 5), canvas().copy(9, 0, 1, 5)), 0);  // the marquee along x = 9
    EXPECT_EQ(w().model().UndoCurrent, 0);

    clickItem("mnuPaste");  // the first paste is dropped, a changed selection: one step
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_TRUE(w().model().picSelect.Visible());
    selectTool(ToolPencil);
    EXPECT_EQ(w().model().UndoCurrent, 2);
    EXPECT_TRUE(sameImage(withBlockAt(picture, 0, 0), canvas()));
}

// Delete fills the source of a fresh selection (x 11..19, y 11..14) and
// nothing after a drag; Cut is Delete then Copy; every one is an undo step.
TEST_F(EditCommandsTest, DeleteAndCutLeaveTheSourceAsBackground)
{
    selectSmall();
    clickItem("mnuDelete");
    EXPECT_FALSE(w().model().picSelect.Visible());
    EXPECT_FALSE(selectionCommandsEnabled());
    EXPECT_TRUE(sameImage(withHole(), canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);

    w().mnuUndo_Click();
    selectSmall();
    moveSelection(30, 20);
    clickItem("mnuDelete");  // the drag cleared the source; the moved pixels just go
    EXPECT_TRUE(sameImage(withHole(), canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);

    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(picture, canvas()));
    selectSmall();
    clickItem("mnuCut");
    EXPECT_TRUE(sameImage(withHole(), canvas()));
    EXPECT_TRUE(enabled("mnuPaste"));
    EXPECT_FALSE(selectionCommandsEnabled());
    EXPECT_TRUE(sameImage(picture.copy(11, 11, 9, 4), host.clipboardPicture()));
    clickItem("mnuPaste");
    selectTool(ToolPencil);
    EXPECT_TRUE(sameImage(withBlockAt(withHole(), 0, 0), canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 2);
}

// Crop keeps the selection alone as the picture, laid out anew; Undo and
// Redo step over it with the sizes.
TEST_F(EditCommandsTest, CropMakesTheSelectionThePicture)
{
    selectSmall();
    clickItem("mnuCrop");
    EXPECT_TRUE(sameImage(picture.copy(11, 11, 9, 4), canvas()));
    EXPECT_FALSE(w().model().picSelect.Visible());
    EXPECT_FALSE(selectionCommandsEnabled());
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_EQ(w().model().picPaint.Width(), 13 * 15.0);  // the canvas element follows, with its border

    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(picture, canvas()));
    w().mnuRedo_Click();
    EXPECT_TRUE(sameImage(picture.copy(11, 11, 9, 4), canvas()));
}

// Clear runs the finish action first: a changed selection is dropped (its
// own step), then the picture is cleared (another).
TEST_F(EditCommandsTest, ClearDropsAChangedSelectionThenClears)
{
    const struct {
        bool moved;
        int steps;
    } cases[] = {{false, 1}, {true, 2}};
    for (const auto &c : cases) {
        run(QStringLiteral("load ") + path(QStringLiteral("p.bmp")));
        selectSmall();
        if (c.moved)
            moveSelection(5, 5);
        clickItem("mnuClear");
        EXPECT_FALSE(w().model().picSelect.Visible());
        EXPECT_TRUE(sameImage(filledImage(60, 40, 0xFFFFFF), canvas()));
        EXPECT_EQ(w().model().UndoCurrent, c.steps) << c.moved;
        w().mnuUndo_Click();
        EXPECT_TRUE(sameImage(c.moved ? withBlockAt(withHole(), 16, 16) : picture, canvas()));
    }
}

// A marquee is an outline whatever fill the last shape left on the canvas
// pen: a paste after a filled rectangle drops cleanly.
TEST_F(EditCommandsTest, PasteAfterAFilledShapeLeavesNoFill)
{
    selectSmall();
    clickItem("mnuCopy");
    selectTool(ToolRectangle);
    w().fraOptFill_MouseDown(1, 0, 0, 125 + 325 * 1 + 10);  // filled with the fill colour
    drag(30, 20, 50, 35);
    const QImage drawn = canvas();
    clickItem("mnuPaste");
    selectTool(ToolPencil);
    EXPECT_TRUE(sameImage(withBlockAt(drawn, 0, 0), canvas()));
}

// Through `pinxel script`: every command by name, the refusal of a
// disabled one, and the clipboard in the state line.
TEST_F(EditCommandsTest, ScriptReachesTheCommands)
{
    run(QStringLiteral("mnuCopy.Click"));
    ASSERT_EQ(output.size(), 1);
    EXPECT_EQ(output.back(), QStringLiteral("refused: mnuCopy"));
    for (const char *line :
         {"optTools(0).MouseDown 1 0 0 0", "optTools(0).Click", "picPaint.MouseDown 1 0 10 10",
          "picPaint.MouseMove 1 0 20 15", "picPaint.MouseUp 1 0 20 15", "picSelect.MouseDown 1 0 1 1",
          "picSelect.MouseMove 1 0 4 3", "picSelect.MouseUp 1 0 4 3", "mnuCut.Click", "state"})
        run(QString::fromLatin1(line));
    const QJsonObject state = QJsonDocument::fromJson(output.back().toUtf8()).object();
    const QJsonObject clipboard = state[QStringLiteral("picClipboard")].toObject();
    EXPECT_EQ(clipboard[QStringLiteral("width")].toInt(), 9);
    EXPECT_EQ(clipboard[QStringLiteral("height")].toInt(), 4);
    EXPECT_TRUE(clipboard[QStringLiteral("holdsPicture")].toBool());
    EXPECT_FALSE(state[QStringLiteral("picSelect")][QStringLiteral("visible")].toBool());
    EXPECT_TRUE(sameImage(withHole(), canvas()));  // the moved pixels went with the cut
}

}  // namespace
}  // namespace pinxel::test
