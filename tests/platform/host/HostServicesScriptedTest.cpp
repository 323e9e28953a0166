// The scripted services answer in queue order, record what was shown, and
// turn any dialog without its answer into an UnansweredDialog failure. The
// Qt services' no-dialog PDF printing and filter conversion are checked too.

#include "pinxel/Error.h"
#include "pinxel/QtHostServices.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace pinxel {
namespace {

using test::errorOf;

template <typename F> std::string unansweredOf(F &&f)
{
    try {
        f();
    } catch (const UnansweredDialog &unanswered) {
        return unanswered.what();
    }
    return {};
}

TEST(ScriptedHostTest, AnswersComeInQueueOrderAndEveryBoxIsRecorded)
{
    ScriptedHostServices host;
    host.answerMsgBox(AnswerYes);
    host.answerMsgBox(AnswerNo);
    EXPECT_EQ(host.pendingAnswers(), 2);
    EXPECT_EQ(host.MsgBox(QStringLiteral("Do you want to save the changes?"), MsgExclamationYesNoCancel), AnswerYes);
    EXPECT_EQ(host.MsgBox(QStringLiteral("Second"), MsgQuestionYesNo), AnswerNo);
    EXPECT_EQ(host.pendingAnswers(), 0);
    ASSERT_EQ(host.shown().size(), 2u);
    EXPECT_EQ(host.shown()[0].kind, DialogKind::MessageBox);
    EXPECT_EQ(host.shown()[0].style, MsgExclamationYesNoCancel);
    EXPECT_EQ(host.messages(),
              (QStringList{QStringLiteral("Do you want to save the changes?"), QStringLiteral("Second")}));
}

TEST(ScriptedHostTest, FileDialogsReturnTheirPathOrRaiseCancelAndRecordThePresets)
{
    ScriptedHostServices host;
    host.answerOpen(QStringLiteral("/pictures/a.png"), 2);
    host.cancelOpen();
    host.answerSave(QStringLiteral("/pictures/b.bmp"));
    host.cancelSave();

    CommonDialog dialog;
    dialog.Flags = 4100;
    dialog.Filter = QStringLiteral("Bitmap|*.bmp|All|*.*");
    dialog.FileName = QStringLiteral("preset.bmp");
    host.ShowOpen(dialog);
    EXPECT_EQ(dialog.FileName, QStringLiteral("/pictures/a.png"));
    EXPECT_EQ(dialog.FilterIndex, 2);
    EXPECT_EQ(errorOf([&] { host.ShowOpen(dialog); }), ErrCancel);
    EXPECT_EQ(dialog.FileName, QStringLiteral("/pictures/a.png"));

    dialog.Flags = 2054;
    host.ShowSave(dialog);
    EXPECT_EQ(dialog.FileName, QStringLiteral("/pictures/b.bmp"));
    EXPECT_EQ(dialog.FilterIndex, 2);  // 0 keeps the preset index
    EXPECT_EQ(errorOf([&] { host.ShowSave(dialog); }), ErrCancel);

    ASSERT_EQ(host.shown().size(), 4u);
    EXPECT_EQ(host.shown()[0].kind, DialogKind::Open);
    EXPECT_EQ(host.shown()[0].style, 4100);
    EXPECT_EQ(host.shown()[0].preset.FileName, QStringLiteral("preset.bmp"));
    EXPECT_EQ(host.shown()[0].preset.Filter, dialog.Filter);
    EXPECT_EQ(host.shown()[2].kind, DialogKind::Save);
    EXPECT_EQ(host.shown()[2].preset.FileName, QStringLiteral("/pictures/a.png"));
}

TEST(ScriptedHostTest, CancelledColourAndFontLeaveThePresets)
{
    ScriptedHostServices host;
    host.answerColor(composeColor(1, 2, 3));
    host.cancelColor();
    FontAnswer font;
    font.name = QStringLiteral("Serif");
    font.size = 14;
    font.bold = font.strikethru = true;
    font.color = 255;
    host.answerFont(font);
    host.cancelFont();

    CommonDialog dialog;
    host.ShowColor(dialog);
    EXPECT_EQ(dialog.Color, composeColor(1, 2, 3));
    host.ShowColor(dialog);
    EXPECT_EQ(dialog.Color, composeColor(1, 2, 3));

    host.ShowFont(dialog);
    EXPECT_EQ(dialog.FontName, QStringLiteral("Serif"));
    EXPECT_EQ(dialog.FontSize, 14.0);
    EXPECT_TRUE(dialog.FontBold);
    EXPECT_FALSE(dialog.FontItalic);
    EXPECT_FALSE(dialog.FontUnderline);
    EXPECT_TRUE(dialog.FontStrikethru);
    EXPECT_EQ(dialog.Color, 255);
    const CommonDialog before = dialog;
    host.ShowFont(dialog);
    EXPECT_EQ(dialog.FontName, before.FontName);
    EXPECT_EQ(dialog.FontSize, before.FontSize);
    EXPECT_EQ(dialog.Color, before.Color);
    EXPECT_EQ(host.shown()[2].preset.Color, composeColor(1, 2, 3));  // the first font dialog saw the preset colour
}

TEST(ScriptedHostTest, PrinterTakesItsCopiesAndRecordsWhatWasPainted)
{
    QTemporaryDir dir;
    ScriptedHostServices host;
    host.answerPrinter(3);
    host.cancelPrinter();
    CommonDialog dialog;
    host.ShowPrinter(dialog);
    EXPECT_EQ(dialog.Copies, 3);
    EXPECT_EQ(errorOf([&] { host.ShowPrinter(dialog); }), ErrCancel);

    ScriptedPrinter &printer = host.printer();
    EXPECT_EQ(printer.Copies, 3);
    printer.setOutputFile(dir.filePath("page.png"));
    const QImage picture = test::randomImage(7, 5, 9);
    printer.PaintPicture(picture, 0, 0);
    EXPECT_EQ(printer.pendingPictures(), 1);
    printer.EndDoc();
    ASSERT_EQ(printer.painted().size(), 1u);
    EXPECT_EQ(printer.painted()[0].copies, 3);
    EXPECT_TRUE(test::sameImage(picture, printer.painted()[0].picture));
    EXPECT_EQ(printer.documents(), std::vector<int>{3});
    EXPECT_TRUE(test::sameImage(picture, QImage(dir.filePath("page.png"))));

    printer.setOutputFile(dir.filePath("page.pdf"));
    printer.PaintPicture(picture, 0, 0);
    printer.EndDoc();
    QFile pdf(dir.filePath("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST(ScriptedHostTest, PopupMenuAnswersAnIndexOrDismisses)
{
    ScriptedHostServices host;
    const QStringList items{QStringLiteral("Cut"), QStringLiteral("-"), QStringLiteral("Paste")};
    host.answerPopupMenu(2);
    host.dismissPopupMenu();
    host.answerPopupMenu(1);
    EXPECT_EQ(host.PopupMenu(items), 2);
    EXPECT_EQ(host.PopupMenu(items), -1);
    EXPECT_NE(unansweredOf([&] { host.PopupMenu(items); }).find("not an item"), std::string::npos);
    EXPECT_EQ(host.shown()[0].items, items);
}

TEST(ScriptedHostTest, AMissingOrMismatchedAnswerIsUnansweredAndNotAPinxelError)
{
    ScriptedHostServices host;
    const std::string none = unansweredOf([&] { host.MsgBox(QStringLiteral("Cannot open the file."), 16); });
    EXPECT_NE(none.find("message box"), std::string::npos) << none;
    EXPECT_NE(none.find("Cannot open the file."), std::string::npos) << none;

    host.answerMsgBox(AnswerOk);
    CommonDialog dialog;
    dialog.DialogTitle = QStringLiteral("Open Picture");
    const std::string wrong = unansweredOf([&] { host.ShowOpen(dialog); });
    EXPECT_NE(wrong.find("open dialog"), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("Open Picture"), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("message box"), std::string::npos) << wrong;
    EXPECT_EQ(host.pendingAnswers(), 1);  // the mismatched answer stays queued
    EXPECT_EQ(host.shown().size(), 2u);   // both were shown

    // The library's handlers trap pinxel::Error only; this must pass them.
    static_assert(!std::is_base_of_v<Error, UnansweredDialog>);
    static_assert(std::is_base_of_v<std::runtime_error, UnansweredDialog>);
}

// A queued answer that is no button of the box would test what a user
// cannot do: it fails like an unanswered box.
TEST(ScriptedHostTest, AMessageBoxAnswerMustBeOneOfItsButtons)
{
    ScriptedHostServices host;
    host.answerMsgBox(AnswerCancel);
    EXPECT_THROW(host.MsgBox(QStringLiteral("Cannot open the file."), MsgCritical), UnansweredDialog);
    host.answerMsgBox(AnswerCancel);
    EXPECT_THROW(host.MsgBox(QStringLiteral("Make it writable?"), MsgQuestionYesNo), UnansweredDialog);
    host.answerMsgBox(AnswerCancel);
    EXPECT_EQ(host.MsgBox(QStringLiteral("Save?"), MsgExclamationYesNoCancel), AnswerCancel);
    host.answerMsgBox(AnswerOk);
    EXPECT_EQ(host.MsgBox(QStringLiteral("Done."), MsgCritical), AnswerOk);
}

// A font answer without a colour leaves the dialog's colour as it was.
TEST(ScriptedHostTest, AFontAnswerWithoutAColourKeepsTheDialogsColour)
{
    ScriptedHostServices host;
    CommonDialog fonts;
    fonts.Color = 0x123456;
    FontAnswer font;
    font.name = QStringLiteral("Serif");
    font.bold = true;
    host.answerFont(font);
    host.ShowFont(fonts);
    EXPECT_EQ(fonts.FontName, QStringLiteral("Serif"));
    EXPECT_TRUE(fonts.FontBold);
    EXPECT_EQ(fonts.Color, 0x123456);
    font.color = 255;
    host.answerFont(font);
    host.ShowFont(fonts);
    EXPECT_EQ(fonts.Color, 255);
}

TEST(QtHostTest, FiltersBecomeQtNameFilters)
{
    EXPECT_EQ(toQtNameFilters(QStringLiteral("Pictures|*.bmp;*.gif; *.jpg|All Files (*.*)|*.*")),
              (QStringList{QStringLiteral("Pictures (*.bmp *.gif *.jpg)"), QStringLiteral("All Files (*.*)")}));
    EXPECT_EQ(toQtNameFilters(QStringLiteral("Bitmap (*.bmp)|*.bmp")), QStringList{QStringLiteral("Bitmap (*.bmp)")});
    EXPECT_TRUE(toQtNameFilters(QString()).isEmpty());
}

// The editor's Save dialog presets "*.brg", a pattern and no extension: a
// name typed without one gets the chosen filter's, so it reopens as a bitmap.
TEST(QtHostTest, ASaveDialogSuffixIsAPlainExtension)
{
    CommonDialog save;
    save.Filter = QStringLiteral("Bitmap Files (*.bmp) |*.bmp");
    save.DefaultExt = QStringLiteral("*.brg");
    EXPECT_EQ(saveDialogSuffix(save), QStringLiteral("bmp"));
    save.DefaultExt = QStringLiteral(".png");
    EXPECT_EQ(saveDialogSuffix(save), QStringLiteral("png"));
    save.DefaultExt.clear();
    save.Filter = QStringLiteral("Pictures|*.gif;*.jpg|All|*.*");
    save.FilterIndex = 2;
    EXPECT_EQ(saveDialogSuffix(save), QString());  // "*.*" names none
    save.FilterIndex = 1;
    EXPECT_EQ(saveDialogSuffix(save), QStringLiteral("gif"));
    save.FilterIndex = 7;
    EXPECT_EQ(saveDialogSuffix(save), QString());
}

TEST(QtHostTest, PrintingToAPdfNeedsNoDialog)
{
    QTemporaryDir dir;
    QtHostServices host;
    host.setPrintToPdf(dir.filePath("out.pdf"));
    CommonDialog dialog;
    dialog.Copies = 2;
    host.ShowPrinter(dialog);
    EXPECT_EQ(host.printer().Copies, 2);
    host.printer().PaintPicture(test::randomImage(40, 30, 4), 0, 0);
    host.printer().EndDoc();
    QFile pdf(dir.filePath("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 500);
}

}  // namespace
}  // namespace pinxel
