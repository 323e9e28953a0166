// A session with the real editor window, opened by the control's Dabbler
// with PINXEL_RECORD set and driven by Qt's mouse and key events on its
// widgets, recorded; `pinxel script` then replays the recording headless and
// must end with the same state and picture.

#include "control/ImageElement.h"
#include "editor/SessionRecorder.h"
#include "editor/StateLine.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/Screen.h"
#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"

#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace pinxel::test {
namespace {

class SessionRecording : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        HostServices::setCurrent(&host);
        setTwipsPerPixelOverride(15.0);
        qputenv("PINXEL_RECORD", path(QStringLiteral("session.pxs")).toLocal8Bit());
    }
    void TearDown() override
    {
        qunsetenv("PINXEL_RECORD");
        EditorFixture::TearDown();
        HostServices::setCurrent(nullptr);
        setTwipsPerPixelOverride(0.0);
    }

    // --- A user's hand on the window's widgets.
    QPoint onCanvas(int x, int y) { return QPoint(x, y) + QPoint(1, 1) * w().model().picPaint.borderPixels(); }
    static void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
    void drag(QWidget *widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(widget, QEvent::MouseButtonPress, from, button, button);
        mouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
        mouse(widget, QEvent::MouseMove, to, Qt::NoButton, button);
        mouse(widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }
    void stroke(int x1, int y1, int x2, int y2) { drag(w().picPaintView, onCanvas(x1, y1), onCanvas(x2, y2)); }
    void clickCanvas(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(w().picPaintView, button, {}, onCanvas(x, y));
    }
    void tool(int index) { QTest::mouseClick(w().optTools[size_t(index)], Qt::LeftButton); }
    // Opens the item's menus from the bar down and clicks it, as a user does.
    void menuItem(const char *name)
    {
        QAction *action = w().action(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        std::vector<QMenu *> menus;
        for (auto *menu = qobject_cast<QMenu *>(action->parent()); menu;
             menu = qobject_cast<QMenu *>(menu->parentWidget()))
            menus.insert(menus.begin(), menu);
        ASSERT_FALSE(menus.empty()) << name;
        QMenuBar *bar = w().menuBar;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menus.front()->menuAction()).center());
        for (size_t i = 1; i < menus.size(); ++i) {
            QTest::mouseMove(menus[i - 1], menus[i - 1]->actionGeometry(menus[i]->menuAction()).center());
            menus[i - 1]->setActiveAction(menus[i]->menuAction());  // the pointer resting opens it
        }
        ASSERT_TRUE(menus.back()->isVisible()) << name;
        QTest::mouseClick(menus.back(), Qt::LeftButton, {}, menus.back()->actionGeometry(action).center());
        for (QMenu *menu : menus)
            menu->hide();
    }

    // Every tool, both colour panels, the option panels, the selection, the
    // text box, the scroll bars, the wheel, a resize and every menu.
    void session()
    {
        frmPaint &e = w();
        const auto press = [](QWidget *panel, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
            QTest::mouseClick(panel, b, {}, at);
        };
        e.resize(e.width() - 40, e.height() - 30);  // the user resizes the window
        menuItem("mnuNew");                         // nothing changed yet: no question
        host.answerOpen(path(QStringLiteral("start.bmp")));
        menuItem("mnuOpen");

        // Colours: palette swatches with both buttons, the foreground by its dialog.
        press(e.lblColor[3], QPoint(4, 4));
        press(e.lblColor[9], QPoint(4, 4), Qt::RightButton);
        host.answerColor(composeColor(20, 120, 220));
        QTest::mouseDClick(e.lblForeColor, Qt::LeftButton);

        tool(ToolPencil);
        stroke(5, 5, 30, 12);
        tool(ToolBrush);
        press(e.imgBrush[2], QPoint(3, 3));
        stroke(10, 30, 50, 34);
        tool(ToolAirBrush);
        stroke(60, 10, 70, 20);  // each burst reads the clock
        tool(ToolEraser);
        stroke(12, 6, 20, 9);
        tool(ToolLine);
        press(e.fraOptDot, QPoint(30, 18));  // a wider pen
        stroke(2, 50, 60, 40);
        menuItem("mnuBS(1)");
        menuItem("mnuFS(6)");
        tool(ToolRectangle);
        press(e.fraOptFill, QPoint(20, 30));
        stroke(20, 20, 45, 38);
        tool(ToolEllipse);
        stroke(50, 30, 78, 55);
        tool(ToolRoundedRectangle);
        stroke(5, 40, 25, 58);
        tool(ToolArrow);
        stroke(70, 5, 50, 20);
        tool(ToolFill);
        clickCanvas(70, 50);
        tool(ToolPickColor);
        clickCanvas(22, 22, Qt::RightButton);
        tool(ToolPolygon);
        clickCanvas(10, 10);
        clickCanvas(30, 15);
        clickCanvas(15, 35);
        QTest::mouseDClick(e.picPaintView, Qt::LeftButton, {}, onCanvas(15, 35));
        tool(ToolCurve);
        stroke(40, 5, 75, 25);
        drag(e.imgBezier[1], QPoint(2, 2), QPoint(8, 12));
        QTest::keyClick(e.picPaintView, Qt::Key_Return);  // Enter stamps the curve
        tool(ToolText);
        clickCanvas(8, 44);
        QTest::keyClicks(e.txtText, QStringLiteral("Hxi"));
        QTest::keyClick(e.txtText, Qt::Key_Left);
        QTest::keyClick(e.txtText, Qt::Key_Backspace);
        QTest::keyClick(e.txtText, Qt::Key_End);
        QTest::keyClicks(e.txtText, QStringLiteral("there"));
        drag(e.txtText, QPoint(1, 4), QPoint(e.txtText->width() / 2, 4));  // selects with the mouse
        QTest::keyClick(e.txtText, Qt::Key_Delete);
        QTest::keyClick(e.txtText, Qt::Key_Return);
        host.answerPopupMenu(2);
        tool(ToolFilterBrush);
        stroke(30, 30, 50, 50);
        tool(ToolSelectArea);
        stroke(10, 10, 40, 30);
        drag(e.picSelectView, QPoint(5, 5), QPoint(20, 14));  // the floating selection moves
        clickCanvas(75, 55);                                  // and drops
        tool(ToolZoom);
        clickCanvas(40, 30);
        e.hscPaint->triggerAction(QAbstractSlider::SliderPageStepAdd);
        e.vscPaint->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QWheelEvent wheel(QPointF(30, 30), e.canvasViewport->mapToGlobal(QPointF(30, 30)), {}, QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(e.canvasViewport, &wheel);
        tool(ToolHand);
        stroke(30, 30, 20, 25);
        tool(ToolZoom);
        clickCanvas(20, 20, Qt::RightButton);

        // Every menu: the edit commands on a selection, effects, filters, files.
        tool(ToolSelectArea);
        stroke(5, 5, 30, 25);
        for (const char *item : {"mnuCopy", "mnuPaste", "mnuCut", "mnuUndo", "mnuRedo", "mnuDelete", "mnuUndo"})
            menuItem(item);
        stroke(4, 4, 70, 50);
        menuItem("mnuCrop");
        menuItem("mnuResizeWidth");
        menuItem("mnuResize125");
        menuItem("mnuFlipHorizontal");
        menuItem("mnuRotateAntiClockwise");
        menuItem("mnuRotate90");
        for (const char *item : {"mnuBlur", "mnuEmboss", "mnuSnow", "mnuDiffuse", "mnuInvertColors", "mnuWave"})
            menuItem(item);
        host.answerColor(composeColor(5, 90, 5));
        menuItem("mnuForegroundColor");
        menuItem("mnuClear");
        tool(ToolEllipse);
        stroke(10, 10, 60, 40);
        host.answerColor(composeColor(200, 10, 10));
        menuItem("mnuFillColor");
        FontAnswer font;
        font.bold = true;
        font.size = 12;
        host.answerFont(font);
        menuItem("mnuFont");
        host.answerPrinter(2);
        menuItem("mnuPrint");
        host.answerSave(path(QStringLiteral("saved.bmp")));
        menuItem("mnuSaveAs");
        tool(ToolPencil);
        stroke(3, 3, 9, 9);
        host.cancelSave();  // the user cancels a second Save As
        menuItem("mnuSaveAs");
        menuItem("mnuSave");                                // into the file the first one named
        host.SetClipboardPicture(filledImage(6, 4, 0xFF));  // another program copies
        menuItem("mnuPaste");
        auto *dragged = new QMimeData;  // and another drags a picture in
        dragged->setImageData(filledImage(5, 3, 0xFF00));
        QDropEvent drop(QPointF(30, 30), Qt::CopyAction, dragged, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject &>(w()).event(&drop);
        QCoreApplication::processEvents();
        delete dragged;
        stroke(9, 3, 3, 9);  // the close will ask
        EXPECT_EQ(host.pendingAnswers(), 0);
    }

    QString recording() const { return path(QStringLiteral("session.pxs")); }
    // Replays the recording with `pinxel script` headless, saving its last picture.
    void expectReplayedAsRecorded(const QString &saved)
    {
        QProcess replay;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        replay.setProcessEnvironment(env);
        replay.start(QStringLiteral(PINXEL_BINARY_DIR "/bin/pinxel"),
                     {QStringLiteral("script"), recording(), QStringLiteral("--save"), saved});
        ASSERT_TRUE(replay.waitForFinished(120000));
        const QString out = QString::fromUtf8(replay.readAllStandardOutput());
        EXPECT_EQ(replay.exitCode(), 0) << out.toStdString() << replay.readAllStandardError().toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("state: as recorded\nchecksum: as recorded\n"))) << out.toStdString();
    }
};

TEST_F(SessionRecording, ASessionDrivenThroughTheWindowReplaysToTheSameStateAndPicture)
{
    Dabbler control;
    control.setPicturefilename(pictureFile(QStringLiteral("start.bmp"), randomImage(900, 700, 7)));
    control.setEditMenuFile(true);
    QString stateAtClose;
    QTimer::singleShot(0, [&] {
        session();
        stateAtClose = editorStateJson(frmPaint::instance());
        host.answerMsgBox(AnswerNo);  // the save question as the user closes the window
        w().close();
    });
    static_cast<DabblerInterface &>(control).Dabbler();
    settle();
    ASSERT_FALSE(stateAtClose.isEmpty());
    // Typed "Hxi", lost the x, gained "there", then the mouse's selection went with Delete.
    EXPECT_TRUE(stateAtClose.contains(QStringLiteral("ere\",\"top\""))) << stateAtClose.toStdString();
    EXPECT_FALSE(stateAtClose.contains(QStringLiteral("Hithere"))) << stateAtClose.toStdString();

    QFile file(recording());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char *line :
         {"caption Limnery", "load ", "frmPaint.Resize ", "optTools(10).Click", "answer clock ", "txtText.KeyPress 120",
          "txtText.KeyDown 37 0", "imgBezier(1).MouseDown", "picSelect.MouseMove", "hscPaint.Change",
          "picPaint.MouseWheel", "mnuRotate90.Click", "answer popup 2", "answer print 2", "answer save cancel",
          "answer msgbox no\nfrmPaint.Unload", "clipboard session.clipboard-1.png\nmnuPaste.Click",
          "drop picture session.dropped-2.png"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(line))) << line;
    EXPECT_TRUE(text.contains(QStringLiteral("state ") + stateAtClose)) << "the state before the close";

    // Replayed headless: the same state, and the picture the control kept.
    const QString saved = path(QStringLiteral("replayed.bmp"));
    expectReplayedAsRecorded(saved);
    EXPECT_TRUE(sameImage(control.Image1()->Picture(), host.LoadPicture(saved)));
}

// A window manager frames a window when it likes, often after the window
// showed and its first resize was recorded, and without resizing it: the
// recording still gives the replay that frame.
TEST_F(SessionRecording, AFrameAddedAfterTheWindowOpenedReplaysAsRecorded)
{
    open();
    script().recordInto(recording());
    frmPaint &e = w();
    e.setAttribute(Qt::WA_DontShowOnScreen);  // shown, but unframed as yet
    e.show();
    ASSERT_EQ(e.frameExtra(), QSize(0, 0));
    e.hide();  // the frame comes with the window on the screen, without a resize
    e.setAttribute(Qt::WA_DontShowOnScreen, false);
    e.show();
    ASSERT_NE(e.frameExtra(), QSize(0, 0)) << "the platform gives its windows no frame";
    clickCanvas(5, 5);
    host.answerMsgBox(AnswerNo);
    e.close();
    settle();
    QFile file(recording());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("frame ")) << text.toStdString();
    expectReplayedAsRecorded(path(QStringLiteral("replayed.bmp")));
}

TEST_F(SessionRecording, EachSessionOfAHostHasItsOwnFileAndAnUnwritableOneKeepsTheEditorClosed)
{
    Dabbler control;
    control.setEditMenuFile(true);
    for (const int x : {5, 9}) {
        QTimer::singleShot(0, [&] {
            clickCanvas(x, 5);
            host.answerMsgBox(AnswerNo);
            w().close();
        });
        static_cast<DabblerInterface &>(control).Dabbler();
        settle();
    }
    for (const auto &[name, dot] :
         {std::pair{"session.pxs", "MouseDown 1 0 5 5"}, std::pair{"session-2.pxs", "MouseDown 1 0 9 5"}}) {
        QFile file(path(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(file.readAll().contains(dot)) << name;
    }

    qputenv("PINXEL_RECORD", path(QStringLiteral("no/such/folder/session.pxs")).toLocal8Bit());
    try {
        static_cast<DabblerInterface &>(control).Dabbler();
        ADD_FAILURE() << "the editor opened without its recording";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrPathNotFound) << error.description().toStdString();
    }
    EXPECT_FALSE(frmPaint::exists());
}

TEST_F(SessionRecording, ARecorderGoneBeforeItsWindowLeavesTheWindowAlone)
{
    open();
    {
        SessionRecorder recorder(path(QStringLiteral("short.pxs")));
        recorder.attach(w());
        run(QStringLiteral("picPaint.MouseDown 1 0 3 3"));
    }
    run(QStringLiteral("picPaint.MouseUp 1 0 3 3"));  // heard by nobody
    host.answerMsgBox(AnswerNo);
    w().close();  // calls no recorder back
    QFile file(path(QStringLiteral("short.pxs")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("picPaint.MouseDown 1 0 3 3\nstate {"));
    EXPECT_FALSE(text.contains("MouseUp"));
}

}  // namespace
}  // namespace pinxel::test
