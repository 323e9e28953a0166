// The control's method Dabbler with the real editor: it shows the editor
// modally on the control's picture, with the control's caption, size and File
// menu, mirrors the canvas with Timer1 while the editor is open, and leaves
// the final picture in Image1 when it closes.

#include "control/ImageElement.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/Screen.h"

#include "support/EditorFixture.h"

#include <QMenu>
#include <QTimer>

namespace pinxel::test {
namespace {

class EditorFromControl : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        HostServices::setCurrent(&host);
        setTwipsPerPixelOverride(15.0);
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        HostServices::setCurrent(nullptr);
        setTwipsPerPixelOverride(0.0);
    }
};

TEST_F(EditorFromControl, DabblerShowsTheEditorModallyAndKeepsTheFinalPicture)
{
    const QImage picture = randomImage(40, 30, 21);
    Dabbler control;
    control.setPicturefilename(pictureFile(QStringLiteral("picture.bmp"), picture));
    control.setWindowCaption(QStringLiteral("Holiday"));
    control.setEditMenuFile(false);
    EXPECT_FALSE(control.Timer1()->isActive());
    EXPECT_EQ(control.Timer1()->interval(), 1000);

    std::vector<bool> closings;
    int edits = 0;
    QObject::connect(&control, &Dabbler::editorClosed, [&](bool changed) { closings.push_back(changed); });
    QObject::connect(&control, &Dabbler::pictureEdited, [&] { ++edits; });
    bool ranInside = false;
    QTimer::singleShot(0, [&] {
        ranInside = true;
        ASSERT_TRUE(frmPaint::exists());
        frmPaint &editor = frmPaint::instance();
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Holiday"));
        EXPECT_FALSE(editor.menu(QStringLiteral("mnuFile"))->menuAction()->isVisible());
        EXPECT_TRUE(sameImage(picture, editor.model().picPaint.Image()));
        EXPECT_FALSE(editor.model().item(QStringLiteral("mnuUndo")).enabled);  // a fresh history
        EXPECT_TRUE(control.Timer1()->isActive());
        // A pencil dot, then the window closes with its save question answered No.
        editor.picPaint_MouseDown(1, 0, 5, 6);
        editor.picPaint_MouseUp(1, 0, 5, 6);
        host.answerMsgBox(AnswerNo);
        editor.close();
    });
    EXPECT_EQ(static_cast<DabblerInterface &>(control).Dabbler(), QString());
    settle();

    EXPECT_TRUE(ranInside);
    EXPECT_EQ(closings, std::vector<bool>{true});  // closed with a change it did not save
    EXPECT_EQ(edits, 1);                           // the last copy changed Image1
    EXPECT_TRUE(sameImage(control.Image1()->Picture(), control.picture()));
    EXPECT_FALSE(control.Timer1()->isActive());
    EXPECT_EQ(control.EditWidth(), 10000);  // 0 became the default
    // Closed less than a second after the dot: only the last copy shows it.
    const QImage shown = control.Image1()->Picture();
    ASSERT_EQ(shown.size(), picture.size());
    EXPECT_EQ(fromQRgb(shown.pixel(5, 6)), 0);
    EXPECT_EQ(shown.pixel(20, 20), picture.pixel(20, 20));
    // Nothing was written: the file keeps the picture it had.
    EXPECT_TRUE(sameImage(picture, host.LoadPicture(control.picturefilename())));
}

TEST_F(EditorFromControl, AHostHandsTheControlAPictureInMemoryAndTheFileStaysItsOwn)
{
    const QImage onFile = randomImage(20, 10, 3), inMemory = randomImage(30, 12, 4);
    Dabbler control;
    control.setPicturefilename(pictureFile(QStringLiteral("picture.bmp"), onFile));
    control.setPicture(inMemory);
    EXPECT_TRUE(sameImage(inMemory, control.picture()));
    EXPECT_EQ(control.storedPictureFilename(), path(QStringLiteral("picture.bmp")));
    EXPECT_EQ(errorOf([&] { control.setPicture(QImage()); }), ErrInvalidPicture);
    EXPECT_TRUE(sameImage(inMemory, control.picture()));  // a refused picture changes nothing
    // The documented read of the property reloads the file.
    control.picturefilename();
    EXPECT_TRUE(sameImage(onFile, control.picture()));
}

}  // namespace
}  // namespace pinxel::test
