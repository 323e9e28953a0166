#pragma once
// The one fixture of the editor tests: the editor opened as the control opens
// it, through EditorScript with scripted host services (an unanswered dialog
// throws and fails the test), a temporary folder, and helpers that drive the
// editor through its handlers and read the canvas. Every test ends with no
// editor window left.

#include "control/FileMenuShown.h"
#include "editor/EditorScript.h"
#include "editor/frmPaint.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace pinxel::test {

// Scripted services whose library folder (for the "Cursors" folder) can be set.
class EditorHost : public ScriptedHostServices {
public:
    QString appPath;
    QString AppPath() override { return appPath.isEmpty() ? ScriptedHostServices::AppPath() : appPath; }
};

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void TearDown() override
    {
        m_script.reset();  // closes the window, without a question
        settle();
        EXPECT_FALSE(frmPaint::exists());
        for (QWidget *widget : QApplication::topLevelWidgets())
            EXPECT_EQ(qobject_cast<frmPaint *>(widget), nullptr) << "an editor window was left behind";
        FileMenuShown = FlagFalse;
    }

    // Opens the editor as the control's Dabbler does, with the File menu shown or not.
    frmPaint &open(bool fileMenu = true)
    {
        m_script = std::make_unique<EditorScript>(host, fileMenu, [this](const QString &line) { output << line; });
        return m_script->window();
    }
    // Opens it with the File menu on a canvas of the given size, white
    // unless a picture is given, with a fresh history.
    frmPaint &openCanvas(int width, int height, const QImage &picture = QImage())
    {
        frmPaint &window = open(true);
        if (picture.isNull()) {
            window.model().picPaint.setPixelSize(width, height);
            window.model().picPaint.Cls();
        } else {
            window.model().picPaint.setPicture(picture);
        }
        window.model().ClearImageBuffer();
        return window;
    }
    EditorScript &script() { return *m_script; }
    void run(const QString &line) { m_script->run(line); }
    QString state() { return m_script->stateJson(); }
    // The window; only while it is open (instance() would create a new one).
    frmPaint &w()
    {
        EXPECT_TRUE(frmPaint::exists());
        return frmPaint::instance();
    }

    // Runs queued work: change notices and the deletion of closed windows.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // One click at (x, y): with the pencil, one change and one undo step.
    void click(int x, int y, int button = 1, int shift = 0)
    {
        w().picPaint_MouseDown(button, shift, x, y);
        w().picPaint_MouseUp(button, shift, x, y);
    }
    // A left-button drag from one point to another, with one move between.
    void drag(int x1, int y1, int x2, int y2, int shift = 0)
    {
        w().picPaint_MouseDown(1, shift, x1, y1);
        w().picPaint_MouseMove(1, shift, x2, y2);
        w().picPaint_MouseUp(1, shift, x2, y2);
    }
    // Chooses a tool as a click on its button does.
    void selectTool(int tool)
    {
        w().optTools_MouseDown(tool, 1, 0, 0, 0);
        w().optTools_Click(tool);
    }
    // Chooses a pen width 1..8 with a press in the middle of its cell of the width panel.
    void choosePenWidth(int width)
    {
        const int cell = width - 1;
        w().fraOptDot_MouseDown(1, 0, 75 + 250 * (cell % 2) + 125, 150 + 250 * (cell / 2) + 125);
    }
    // Starts a new picture, throwing away the changes.
    void newPicture()
    {
        if (w().model().IsDirty == FlagTrue && isSet(FileMenuShown))
            host.answerMsgBox(AnswerNo);
        w().mnuNew_Click();
    }
    QImage canvas() { return w().model().picPaint.Image().copy(); }
    bool enabled(const char *item) { return w().model().item(QString::fromLatin1(item)).enabled; }
    QString caption() { return w().model().caption(); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }
    // Writes a picture file (BMP) into the temporary folder.
    QString pictureFile(const QString &name, const QImage &picture)
    {
        const QString file = path(name);
        host.SavePicture(picture, file);
        return file;
    }
    // The kinds of the dialogs shown so far, in order.
    std::vector<DialogKind> shownKinds() const
    {
        std::vector<DialogKind> kinds;
        for (const ShownDialog &shown : host.shown())
            kinds.push_back(shown.kind);
        return kinds;
    }

    EditorHost host;
    QStringList output;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<EditorScript> m_script;
};

}  // namespace pinxel::test
