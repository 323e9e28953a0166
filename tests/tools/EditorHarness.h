#pragma once
// The editor opened as the control opens it, through EditorScript with
// scripted host services (an unanswered dialog throws and fails the test),
// for the tool and palette tests. Every test ends with the window closed.

#include "control/FileMenuShown.h"
#include "editor/EditorScript.h"
#include "editor/frmPaint.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace pinxel::test {

class EditorHarness : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_script.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(frmPaint::exists());
        FileMenuShown = FlagFalse;
    }

    // Opens the editor on a canvas of the given size, white unless a picture is given.
    frmPaint &open(int width = 120, int height = 90, const QImage &picture = QImage())
    {
        m_script = std::make_unique<EditorScript>(host, true, [this](const QString &line) { output << line; });
        frmPaint &window = m_script->window();
        if (picture.isNull()) {
            window.picPaint.setPixelSize(width, height);
            window.picPaint.Cls();
        } else {
            window.picPaint.setPicture(picture);
        }
        window.ClearImageBuffer();
        return window;
    }
    frmPaint &w() { return frmPaint::instance(); }
    void run(const QString &line) { m_script->run(line); }
    QString state() { return m_script->stateJson(); }

    void selectTool(int tool)
    {
        w().optTools_MouseDown(tool, 1, 0, 0, 0);
        w().optTools_Click(tool);
    }
    QImage canvas() { return w().picPaint.Image().copy(); }

    ScriptedHostServices host;
    QStringList output;

private:
    std::unique_ptr<EditorScript> m_script;
};

}  // namespace pinxel::test
