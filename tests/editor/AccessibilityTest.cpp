// What assistive tools and the keyboard reach of the editor window: every
// element found in the accessibility tree by its name and role, the drawn
// cells pressed through their action, and a tool and a colour chosen with
// Tab, the arrows and Space alone.

#include "support/EditorFixture.h"

#include "tools/ToolTable.h"
#include "view/CellGrid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QTest>

namespace pinxel::test {
namespace {

using AccessibilityTest = EditorFixture;

// Every interface below the window, depth first.
void collect(QAccessibleInterface *node, std::vector<QAccessibleInterface *> &found, int depth = 0)
{
    ASSERT_LT(depth, 20) << "the tree does not end";
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i)) {
            found.push_back(child);
            collect(child, found, depth + 1);
        }
}

QAccessibleInterface *findIn(const std::vector<QAccessibleInterface *> &all, const QString &name)
{
    for (QAccessibleInterface *node : all)
        if (node->text(QAccessible::Name) == name)
            return node;
    return nullptr;
}

std::vector<QAccessibleInterface *> tree(QWidget &window)
{
    std::vector<QAccessibleInterface *> all;
    collect(QAccessible::queryAccessibleInterface(&window), all);
    return all;
}

const QString PaletteHint =
    QStringLiteral("Click to set the foreground color; Right-click to set the background color");

TEST_F(AccessibilityTest, EveryElementIsFoundByItsNameAndRole)
{
    openCanvas(120, 90);
    struct Element {
        QString name;
        QAccessible::Role role;
        QString description;  // empty: not checked
    };
    std::vector<Element> expected = {
        {"Tools", QAccessible::ToolBar, ""},
        {"Pen width", QAccessible::Grouping, "The width of lines and outlines"},
        {"3 pixels", QAccessible::RadioButton, "The width of lines and outlines"},
        {"Ring", QAccessible::RadioButton, "The shape the brush paints with"},
        {"Outline and fill", QAccessible::RadioButton, "How rectangles, ellipses and polygons are drawn"},
        {"Foreground Color", QAccessible::Button, "Double-click to set the foreground color with custom color"},
        {"Fill Color", QAccessible::Button, "Double-click to set the background color with custom color"},
        {"Black", QAccessible::Button, PaletteHint},
        {"Orange", QAccessible::Button, PaletteHint},
        {"Picture", QAccessible::Canvas, "Draws using a pencil with the selected dot size"},
        {"Corner of the picture", QAccessible::Grip, "Drag to change the size of the picture"},
        {"End of the curve", QAccessible::Grip, "Drag to move this point of the curve"},
        {"Status bar", QAccessible::StatusBar, "Draws using a pencil with the selected dot size"},
        {"File", QAccessible::MenuItem, ""},
        {"Fill Color...", QAccessible::MenuItem, ""},  // menus read without their marks
    };
    for (int i = 0; i < ToolCount; ++i)
        expected.push_back({QString::fromLatin1(toolRow(i).tooltip), QAccessible::RadioButton,
                            i == ToolHand ? QStringLiteral("Pan to see other part of the picture") : QString()});

    const auto all = tree(w());
    for (const Element &element : expected) {
        SCOPED_TRACE(element.name.toStdString());
        QAccessibleInterface *found = findIn(all, element.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->role(), element.role);
        if (!element.description.isEmpty()) {
            EXPECT_EQ(found->text(QAccessible::Description), element.description);
        }
    }
}

TEST_F(AccessibilityTest, ADrawnCellIsPressedCheckedAndPlacedWithinItsPanel)
{
    openCanvas(120, 90).show();
    selectTool(ToolBrush);
    const auto all = tree(w());
    QAccessibleInterface *ring = findIn(all, QStringLiteral("Ring"));
    ASSERT_NE(ring, nullptr);
    EXPECT_FALSE(ring->state().checked);
    EXPECT_TRUE(ring->parent()->rect().contains(ring->rect()));
    ring->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w().model().BrushIndex, 3);
    EXPECT_TRUE(ring->state().checked);

    QAccessibleInterface *orange = findIn(all, QStringLiteral("Orange"));
    ASSERT_NE(orange, nullptr);
    EXPECT_EQ(orange->text(QAccessible::Value), QStringLiteral("255, 128, 0"));
    orange->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w().model().foregroundColor(), composeColor(255, 128, 0));
}

TEST_F(AccessibilityTest, TabArrowsAndSpaceChooseAToolAndAColour)
{
    frmPaint &window = openCanvas(120, 90);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto key = [](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
    };

    // Back from the canvas: the panel, then the tools at the current one, Pencil.
    window.picPaintView->setFocus();
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.fraOptDot);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), window.optTools[ToolPencil]);
    key(Qt::Key_Right);  // Eraser
    key(Qt::Key_Down);   // Filter Brush
    key(Qt::Key_Down);   // Arrow
    key(Qt::Key_Left);   // Line
    EXPECT_EQ(window.model().CurrentTool, ToolPencil) << "moving chooses nothing";
    key(Qt::Key_Space);
    EXPECT_EQ(window.model().CurrentTool, ToolLine);
    EXPECT_EQ(QApplication::focusWidget(), window.picPaintView) << "a chosen tool gives the canvas the focus";

    // On from the canvas: the colours, at the foreground swatch; along the palette's columns.
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.fraColor);
    key(Qt::Key_Right);  // black
    key(Qt::Key_Right);  // grey
    key(Qt::Key_Down);   // silver
    const FocusMark *mark = window.fraColor->findChild<FocusMark *>();
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisible());
    EXPECT_TRUE(mark->geometry().contains(window.lblColor[3]->geometry()));
    key(Qt::Key_Space);
    EXPECT_EQ(window.model().foregroundColor(), composeColor(192, 192, 192));
    key(Qt::Key_Right);  // red, on along the bottom row
    key(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(window.model().fillColor(), composeColor(255, 0, 0));
    window.picPaintView->setFocus();
    EXPECT_FALSE(mark->isVisible());
}

}  // namespace
}  // namespace pinxel::test
