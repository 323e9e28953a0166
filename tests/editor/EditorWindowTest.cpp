// The editor window's life: the close request with its save question, and the caption.

#include "support/EditorFixture.h"

#include "imaging/mdlEffect.h"
#include "platform/files/CursorFile.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace pinxel::test {
namespace {

using WindowTest = EditorFixture;

const QString SaveQuestion = QStringLiteral("Do you want to save the changes?");

TEST_F(WindowTest, WithoutTheFileMenuAnEditedPictureClosesAtOnce)
{
    open(false);
    click(5, 5);
    ASSERT_EQ(w().model().IsDirty, FlagTrue);
    w().close();  // no answer queued: a question would throw
    EXPECT_FALSE(frmPaint::exists());
    EXPECT_TRUE(host.shown().empty());
}

// The File menu's shortcuts belong to the menu: while the host hides it,
// Ctrl+N must not wipe the picture without a question.
class FileShortcutTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FileShortcutTest, CtrlNWorksOnlyWhileTheFileMenuIsShown)
{
    const bool fileMenu = GetParam();
    frmPaint &editor = open(fileMenu);
    click(5, 5);
    const QImage drawn = canvas();
    editor.show();
    QApplication::setActiveWindow(&editor);
    if (fileMenu)
        host.answerMsgBox(AnswerNo);  // do not save the dot
    QTest::keyClick(&editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(sameImage(drawn, canvas()), !fileMenu);
    EXPECT_EQ(host.shown().size(), fileMenu ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(FileMenu, FileShortcutTest, ::testing::Bool());

TEST_F(WindowTest, CancelKeepsTheWindowAndNoClosesItWithoutSaving)
{
    open(true);
    click(5, 5);
    host.answerMsgBox(AnswerCancel);
    w().close();
    ASSERT_TRUE(frmPaint::exists());
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    ASSERT_EQ(host.messages(), QStringList{SaveQuestion});
    EXPECT_EQ(host.shown()[0].style, MsgExclamationYesNoCancel);

    host.answerMsgBox(AnswerNo);
    w().close();
    EXPECT_FALSE(frmPaint::exists());
    EXPECT_EQ(shownKinds(), (std::vector{DialogKind::MessageBox, DialogKind::MessageBox}));
}

TEST_F(WindowTest, YesOnAnUntitledPictureAsksForANameAndCancellingItKeepsTheWindow)
{
    open(true);
    click(5, 5);
    host.answerMsgBox(AnswerYes);
    host.cancelSave();
    w().close();
    ASSERT_TRUE(frmPaint::exists());
    EXPECT_EQ(shownKinds(), (std::vector{DialogKind::MessageBox, DialogKind::Save}));
    EXPECT_EQ(host.shown()[1].text, QStringLiteral("Save As"));
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    EXPECT_TRUE(w().model().CurrentFileName.isEmpty());

    // Yes again, with a name this time: saved, then closed.
    const QString file = path(QStringLiteral("closing.bmp"));
    host.answerMsgBox(AnswerYes);
    host.answerSave(file);
    const QImage picture = canvas();
    w().close();
    EXPECT_FALSE(frmPaint::exists());
    EXPECT_TRUE(sameImage(picture, host.LoadPicture(file)));
}

TEST_F(WindowTest, ASavedPictureClosesWithoutAQuestion)
{
    open(true);
    click(5, 5);
    host.answerSave(path(QStringLiteral("saved.bmp")));
    w().mnuSaveAs_Click();
    ASSERT_EQ(w().model().IsDirty, FlagFalse);
    w().model().events().raise(QStringLiteral("mnuExit") + QStringLiteral(".Click"));
    EXPECT_FALSE(frmPaint::exists());
    EXPECT_EQ(host.messages(), QStringList());
}

TEST_F(WindowTest, CaptionNamesTheOpenedFileAndUntitledAfterNew)
{
    open(true);
    EXPECT_EQ(caption(), QStringLiteral("Limnery"));  // the control's caption stays until New, Open or Save
    const QString file = pictureFile(QStringLiteral("named picture.bmp"), filledImage(20, 10, 0x00FF00));
    host.answerOpen(file);
    w().mnuOpen_Click();
    EXPECT_EQ(caption(), file + QStringLiteral(" - Dabstudio"));
    EXPECT_EQ(w().model().CurrentFileName, file);

    w().mnuNew_Click();
    EXPECT_EQ(caption(), QStringLiteral("untitled - Dabstudio"));
    EXPECT_TRUE(w().model().CurrentFileName.isEmpty());
}

TEST_F(WindowTest, AClosedWindowComesBackNewWithTheFileMenuAsAsked)
{
    open(true);
    click(5, 5);
    choosePenWidth(4);
    run(QStringLiteral("mnuResize150.Click"));
    ASSERT_TRUE(w().menu(QStringLiteral("mnuFile"))->menuAction()->isVisible());
    host.answerMsgBox(AnswerNo);  // do not save
    w().close();
    settle();
    ASSERT_FALSE(frmPaint::exists());

    open(false);  // a new window: new picture, Pencil, width option 0, empty history
    EXPECT_EQ(w().model().CurrentTool, ToolPencil);
    EXPECT_EQ(w().model().DotIndex, 0);
    EXPECT_EQ(w().model().ResizeFactorX, 1.0f);  // as a replay of this session starts
    EXPECT_FALSE(enabled("mnuUndo"));
    EXPECT_EQ(countDifferences(canvas(), filledImage(canvas().width(), canvas().height(), 0xFFFFFF)), 0);
    EXPECT_FALSE(w().menu(QStringLiteral("mnuFile"))->menuAction()->isVisible());
    EXPECT_FALSE(w().model().reachable(QStringLiteral("mnuNew")));
    EXPECT_FALSE(w().menuBar->actions().contains(w().menu(QStringLiteral("mnuTFilter"))->menuAction()));
    EXPECT_FALSE(w().model().item(QStringLiteral("mnuFS(1)")).visible);
}

TEST_F(WindowTest, EachToolSetsItsPointerAndAMissingFileKeepsThePreviousOneSilently)
{
    // A library folder of our own, with two of the pointer files only.
    host.appPath = folder();
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("Cursors")));
    QImage shape(32, 32, QImage::Format_ARGB32);
    shape.fill(0xFF000000);
    writeCursorFile(path(QStringLiteral("Cursors/pencil.cur")), shape, QPoint(3, 28));
    writeCursorFile(path(QStringLiteral("Cursors/cross.cur")), shape, QPoint(16, 16));

    open(true);
    const auto pointer = [this] { return w().picPaintView->cursor(); };
    EXPECT_EQ(pointer().shape(), Qt::BitmapCursor);
    EXPECT_EQ(pointer().hotSpot(), QPoint(3, 28));
    selectTool(ToolLine);
    EXPECT_EQ(pointer().hotSpot(), QPoint(16, 16));
    selectTool(ToolZoom);  // zoom.cur is missing
    EXPECT_EQ(pointer().shape(), Qt::BitmapCursor);
    EXPECT_EQ(pointer().hotSpot(), QPoint(16, 16));
    EXPECT_TRUE(host.shown().empty());
    for (const int tool : {ToolSelectArea, ToolCurve}) {
        selectTool(ToolPolygon);
        selectTool(tool);
        EXPECT_EQ(pointer().shape(), Qt::ArrowCursor) << tool;
    }
}

}  // namespace
}  // namespace pinxel::test
