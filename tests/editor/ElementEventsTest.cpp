// Events raised by the real Qt elements reach the same handlers as a script's
// lines: the registry wires both.

#include "support/EditorFixture.h"

#include "view/CanvasTextBox.h"
#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace pinxel::test {
namespace {

using ElementEventsTest = EditorFixture;

TEST_F(ElementEventsTest, QtElementsAndScriptLinesRunTheSameHandlers)
{
    openCanvas(80, 60);
    // A pencil stroke with the real mouse on the canvas: one undo step.
    QWidget *view = w().picPaintView;
    const QPoint border(w().model().picPaint.borderPixels(), w().model().picPaint.borderPixels());
    QTest::mousePress(view, Qt::LeftButton, {}, border + QPoint(10, 20));
    QMouseEvent drag(QEvent::MouseMove, border + QPoint(30, 20), view->mapToGlobal(border + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &drag);
    QTest::mouseRelease(view, Qt::LeftButton, {}, border + QPoint(30, 20));
    EXPECT_EQ(w().model().picPaint.GetPixel(20, 20), 0);
    EXPECT_EQ(w().model().UndoCurrent, 1);

    // A right click on a palette swatch sets the fill colour; a click on a tool button selects it.
    QTest::mouseClick(w().lblColor[5], Qt::RightButton);
    EXPECT_EQ(w().model().fillColor(), composeColor(255, 0, 0));
    QTest::mouseClick(w().optTools[ToolLine], Qt::LeftButton);
    EXPECT_EQ(w().model().CurrentTool, ToolLine);

    // The menu item's action and the script line reach the same Undo and Redo.
    w().action(QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(w().model().UndoCurrent, 0);
    run(QStringLiteral("mnuRedo.Click"));
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_THROW(run(QStringLiteral("picPaint.MouseDown 1 0 10")), ScriptError);  // four arguments
    EXPECT_THROW(run(QStringLiteral("optTools(18).Click")), ScriptError);
}

// The Enter that confirms a dialog (or the shortcut key that opened the
// editor) goes down elsewhere and up over the canvas or the text box: that
// release is not theirs, and drops no selection and stamps no text.
TEST_F(ElementEventsTest, AKeyReleaseCountsOnlyWhereItsPressWent)
{
    openCanvas(80, 60);
    frmPaint &window = w();
    QWidget dialog;
    selectTool(ToolSelectArea);
    drag(10, 10, 40, 30);
    ASSERT_TRUE(window.model().selection().shown());
    QTest::keyPress(&dialog, Qt::Key_Return);
    QTest::keyRelease(window.picPaintView, Qt::Key_Return);
    EXPECT_TRUE(window.model().selection().shown());
    EXPECT_TRUE(enabled("mnuCut"));
    QTest::keyClick(window.picPaintView, Qt::Key_Return);
    EXPECT_FALSE(window.model().selection().shown());

    selectTool(ToolText);
    click(20, 20);
    ASSERT_TRUE(window.txtText->isShown());
    QTest::keyClicks(window.txtText, QStringLiteral("Hi"));
    QTest::keyPress(&dialog, Qt::Key_Return);
    QTest::keyRelease(window.txtText, Qt::Key_Return);
    EXPECT_TRUE(window.txtText->isShown());
    QTest::keyClick(window.txtText, Qt::Key_Return);
    EXPECT_FALSE(window.txtText->isShown());
    EXPECT_EQ(window.model().UndoCurrent, 1);  // the stamp: an unmoved selection drops without one
}

}  // namespace
}  // namespace pinxel::test
