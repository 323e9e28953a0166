// Events raised by the real Qt elements reach the same handlers as a script's
// lines: the registry wires both.

#include "support/EditorFixture.h"

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
    const QPoint border(w().picPaint.borderPixels(), w().picPaint.borderPixels());
    QTest::mousePress(view, Qt::LeftButton, {}, border + QPoint(10, 20));
    QMouseEvent drag(QEvent::MouseMove, border + QPoint(30, 20), view->mapToGlobal(border + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &drag);
    QTest::mouseRelease(view, Qt::LeftButton, {}, border + QPoint(30, 20));
    EXPECT_EQ(w().picPaint.GetPixel(20, 20), 0);
    EXPECT_EQ(w().UndoCurrent, 1);

    // A right click on a palette swatch sets the fill colour; a click on a tool button selects it.
    QTest::mouseClick(w().lblColor[5], Qt::RightButton);
    EXPECT_EQ(w().fillColor(), composeColor(255, 0, 0));
    QTest::mouseClick(w().optTools[ToolLine], Qt::LeftButton);
    EXPECT_EQ(w().CurrentTool, ToolLine);

    // The menu item's action and the script line reach the same Undo and Redo.
    w().item(QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(w().UndoCurrent, 0);
    run(QStringLiteral("mnuRedo.Click"));
    EXPECT_EQ(w().UndoCurrent, 1);
    EXPECT_THROW(run(QStringLiteral("picPaint.MouseDown 1 0 10")), ScriptError);  // four arguments
    EXPECT_THROW(run(QStringLiteral("optTools(18).Click")), ScriptError);
}

}  // namespace
}  // namespace pinxel::test
