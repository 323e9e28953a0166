// The File menu: New, Open, Save, Save As with the read-only question, Print,
// and the question whether to save changes.

#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace pinxel::test {
namespace {

using FileCommandsTest = EditorFixture;

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool allWhite(const QImage &image)
{
    return countDifferences(image, filledImage(image.width(), image.height(), 0xFFFFFF)) == 0;
}

TEST_F(FileCommandsTest, NewWithoutTheFileMenuReplacesAnEditedPictureWithoutAQuestion)
{
    open(false);
    click(5, 5);
    const QSize size = canvas().size();
    w().mnuNew_Click();  // no answer queued: a question would throw
    EXPECT_TRUE(host.shown().empty());
    EXPECT_TRUE(allWhite(canvas()));
    EXPECT_EQ(canvas().size(), size);
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
    EXPECT_FALSE(enabled("mnuUndo"));
}

TEST_F(FileCommandsTest, NewStopsWhenTheSaveAfterYesIsCancelled)
{
    open(true);
    click(5, 5);
    const QImage edited = canvas();
    host.answerMsgBox(AnswerYes);
    host.cancelSave();
    w().mnuNew_Click();
    EXPECT_EQ(shownKinds(), (std::vector{DialogKind::MessageBox, DialogKind::Save}));
    EXPECT_TRUE(sameImage(edited, canvas()));
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    EXPECT_TRUE(enabled("mnuUndo"));
    EXPECT_EQ(caption(), QStringLiteral("Limnery"));
}

TEST_F(FileCommandsTest, OpenStopsWhenTheSaveAfterYesFails)
{
    open(true);
    click(5, 5);
    const QImage edited = canvas();
    host.answerMsgBox(AnswerYes);
    host.answerSave(path(QStringLiteral("no such folder/picture.bmp")));
    host.answerMsgBox(AnswerOk);  // the write error; no Open dialog may follow
    w().mnuOpen_Click();
    EXPECT_EQ(shownKinds(), (std::vector{DialogKind::MessageBox, DialogKind::Save, DialogKind::MessageBox}));
    EXPECT_EQ(host.messages().value(1), QStringLiteral("Cannot write to the disk.\r\n\r\n"
                                                       "Make sure the disk is not full or write-protected."));
    EXPECT_TRUE(sameImage(edited, canvas()));
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    EXPECT_TRUE(w().model().CurrentFileName.isEmpty());  // never written: still untitled
}

TEST_F(FileCommandsTest, NewGoesOnWhenTheSaveAfterYesSucceeds)
{
    open(true);
    click(5, 5);
    const QImage edited = canvas();
    const QString file = path(QStringLiteral("kept.bmp"));
    host.answerMsgBox(AnswerYes);
    host.answerSave(file);
    w().mnuNew_Click();
    EXPECT_TRUE(sameImage(edited, host.LoadPicture(file)));
    EXPECT_TRUE(allWhite(canvas()));
    EXPECT_EQ(caption(), QStringLiteral("untitled - Dabstudio"));
}

TEST_F(FileCommandsTest, CancelledOpenLeavesEverything)
{
    open(true);
    const QString file = pictureFile(QStringLiteral("first.bmp"), randomImage(30, 20, 7));
    host.answerOpen(file);
    w().mnuOpen_Click();
    selectTool(ToolPencil);
    click(5, 5);
    const QImage edited = canvas();
    host.answerMsgBox(AnswerNo);
    host.cancelOpen();
    w().mnuOpen_Click();
    EXPECT_EQ(host.messages(), QStringList{QStringLiteral("Do you want to save the changes?")});
    EXPECT_TRUE(sameImage(edited, canvas()));
    EXPECT_EQ(w().model().CurrentFileName, file);
    EXPECT_EQ(caption(), file + QStringLiteral(" - Dabstudio"));
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    ASSERT_TRUE(enabled("mnuUndo"));
    w().mnuUndo_Click();
    EXPECT_TRUE(sameImage(host.LoadPicture(file), canvas()));
}

TEST_F(FileCommandsTest, OpenOfATextFileNamedBmpReportsAndLeavesABlankUntitledPicture)
{
    open(true);
    const QString file = path(QStringLiteral("notes.bmp"));
    {
        QFile text(file);
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("These are notes, not a picture.\n");
    }
    click(5, 5);
    host.answerMsgBox(AnswerNo);
    host.answerOpen(file);
    host.answerMsgBox(AnswerOk);
    w().mnuOpen_Click();
    ASSERT_EQ(host.messages().size(), 2);
    EXPECT_EQ(host.messages()[1], QStringLiteral("Cannot open the file.\r\n\r\n"
                                                 "The file may be corrupt or not a valid picture file."));
    EXPECT_EQ(host.shown().back().style, MsgCritical);
    EXPECT_TRUE(allWhite(canvas()));
    EXPECT_TRUE(w().model().CurrentFileName.isEmpty());
    EXPECT_EQ(caption(), QStringLiteral("untitled - Dabstudio"));
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
}

TEST_F(FileCommandsTest, OpenTakesThePictureAndItsSizeAndSelectsTheZoomTool)
{
    open(true);
    const QImage picture = randomImage(37, 23, 11);
    host.answerOpen(pictureFile(QStringLiteral("p.bmp"), picture));
    w().mnuOpen_Click();
    EXPECT_TRUE(sameImage(picture, canvas()));
    EXPECT_EQ(w().model().CurrentTool, ToolZoom);
    EXPECT_TRUE(w().optTools[ToolZoom]->isChecked());
    EXPECT_EQ(host.shown().front().preset.Filter.section(QLatin1Char('|'), 0, 0), QStringLiteral("All Picture Files"));
}

TEST_F(FileCommandsTest, SaveOfAPictureOpenedFromAJpegWritesABitmapUnderItsName)
{
    open(true);
    const QString file = path(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(filledImage(40, 30, 0x336699).save(file, "JPEG"));
    host.answerOpen(file);
    w().mnuOpen_Click();
    ASSERT_EQ(w().model().CurrentFileName, file);
    selectTool(ToolPencil);
    click(5, 5);
    const QImage edited = canvas();
    w().mnuSave_Click();  // no dialog: the picture has a name
    EXPECT_TRUE(host.shown().size() == 1);
    EXPECT_TRUE(contents(file).startsWith("BM"));
    EXPECT_TRUE(sameImage(edited, host.LoadPicture(file)));
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
}

TEST_F(FileCommandsTest, SaveAsOntoAReadOnlyFileAsksAndYesClearsTheAttributeAndSaves)
{
    open(true);
    const QString file = pictureFile(QStringLiteral("locked.bmp"), filledImage(8, 8, 0xFF0000));
    host.SetAttr(file, AttrReadOnly);
    click(5, 5);
    host.answerSave(file);
    host.answerMsgBox(AnswerYes);
    w().mnuSaveAs_Click();
    ASSERT_EQ(host.messages().size(), 1);
    EXPECT_EQ(host.messages()[0],
              QStringLiteral("The file is read-only/hidden. \r\nAre you sure you want to write into "
                             "the file and remove the read-only/hidden property?"));
    EXPECT_EQ(host.shown().back().style, MsgQuestionYesNo);
    EXPECT_EQ(host.GetAttr(file), AttrNormal);
    EXPECT_TRUE(sameImage(canvas(), host.LoadPicture(file)));
    EXPECT_EQ(w().model().IsDirty, FlagFalse);
    EXPECT_EQ(caption(), file + QStringLiteral(" - Dabstudio"));
}

// Only a read-only file is offered the change of attribute; other targets
// that cannot be written are reported at once and keep their permissions.
TEST_F(FileCommandsTest, SaveAsOntoAFolderAPipeOrIntoAReadOnlyFolderReportsWithoutAQuestion)
{
    open(true);
    const QString folder = path(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString pipe = path(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString shut = path(QStringLiteral("shut"));
    ASSERT_TRUE(QDir().mkpath(shut));
    const QString inside = pictureFile(QStringLiteral("shut/in.bmp"), filledImage(8, 8, 0xFF0000));
    const QString lockedInside = pictureFile(QStringLiteral("shut/locked.bmp"), filledImage(8, 8, 0xFF0000));
    host.SetAttr(lockedInside, AttrReadOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(shut).constData(), 0555), 0);
    const QString targets[] = {folder, pipe, path(QStringLiteral("shut/new.bmp")), inside, lockedInside};
    const auto modeOf = [](const QString &path) {
        struct stat info {};
        ::stat(QFile::encodeName(path).constData(), &info);
        return info.st_mode;
    };
    click(5, 5);
    for (const QString &target : targets) {
        const mode_t before = modeOf(target), folderBefore = modeOf(QFileInfo(target).absolutePath());
        host.answerSave(target);
        host.answerMsgBox(AnswerOk);
        const size_t shown = host.messages().size();
        w().mnuSaveAs_Click();
        ASSERT_EQ(host.messages().size(), shown + 1) << target.toStdString();
        EXPECT_TRUE(host.messages().back().startsWith(QLatin1String("Cannot write to the disk.")));
        EXPECT_EQ(modeOf(target), before) << target.toStdString();
        EXPECT_EQ(modeOf(QFileInfo(target).absolutePath()), folderBefore);
        EXPECT_EQ(w().model().IsDirty, FlagTrue);
    }
    ::chmod(QFile::encodeName(shut).constData(), 0755);
}

TEST_F(FileCommandsTest, SaveAsOntoAReadOnlyFileAnsweredNoLeavesItUntouchedWithoutAMessage)
{
    open(true);
    const QString file = pictureFile(QStringLiteral("locked.bmp"), filledImage(8, 8, 0xFF0000));
    host.SetAttr(file, AttrReadOnly);
    const QByteArray before = contents(file);
    click(5, 5);
    host.answerSave(file);
    host.answerMsgBox(AnswerNo);
    w().mnuSaveAs_Click();
    EXPECT_EQ(host.messages().size(), 1);  // the question only
    EXPECT_EQ(contents(file), before);
    EXPECT_EQ(host.GetAttr(file), AttrReadOnly);
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
    // The name stays the one the picture had, so Save asks for a name again.
    EXPECT_TRUE(w().model().CurrentFileName.isEmpty());
    EXPECT_EQ(caption(), QStringLiteral("Limnery"));
    host.cancelSave();
    w().mnuSave_Click();
    EXPECT_EQ(host.shown().back().kind, DialogKind::Save);
    host.SetAttr(file, AttrNormal);
}

TEST_F(FileCommandsTest, PrintSendsTheCanvasWithTheCopiesAndNeverTouchesTempBmp)
{
    open(true);
    click(5, 5);
    click(9, 7);
    const QImage picture = canvas();
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder()));
    {
        QFile mine(QStringLiteral("temp.bmp"));
        ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
        mine.write("a file of the user's own");
    }
    host.answerPrinter(3);
    w().mnuPrint_Click();
    const QByteArray left = contents(QStringLiteral("temp.bmp"));
    const QStringList entries = QDir().entryList(QDir::Files);
    QDir::setCurrent(previous);

    EXPECT_EQ(left, QByteArray("a file of the user's own"));
    EXPECT_EQ(entries, QStringList{QStringLiteral("temp.bmp")});
    EXPECT_TRUE(host.messages().isEmpty());
    const auto &painted = host.printer().painted();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_TRUE(sameImage(picture, painted[0].picture));
    EXPECT_EQ(painted[0].x, 0);
    EXPECT_EQ(painted[0].y, 0);
    EXPECT_EQ(painted[0].copies, 3);
    EXPECT_EQ(host.printer().documents(), std::vector<int>{3});
    EXPECT_TRUE(sameImage(picture, canvas()));

    host.cancelPrinter();  // a cancel ends silently
    w().mnuPrint_Click();
    EXPECT_EQ(host.printer().painted().size(), 1u);
    EXPECT_TRUE(host.messages().isEmpty());
}

}  // namespace
}  // namespace pinxel::test
