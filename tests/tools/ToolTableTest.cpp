// Every tool as a user meets it, against the documented tool tables: the
// button's tooltip and cell, the panels and pointer its selection shows, its
// hint, and whether a click with it is an undo step.

#include "support/EditorFixture.h"

#include "platform/files/CursorFile.h"
#include "view/StatusBar.h"
#include "view/TwipsPlacement.h"

#include <QAbstractButton>
#include <QDir>
#include <QFrame>

namespace pinxel::test {
namespace {

using ToolTableTest = EditorFixture;

struct Expected {
    const char *tooltip;
    int row, column;
    const char *pointer;  // "" for the arrow
    bool width, fill, brush;
    bool undoStep;  // a click is one undo step
    const char *hint;
};

// clang-format off
const Expected Tools[18] = {
    {"Select Area", 0, 0, "", false, false, false, false, "Selects a rectangular part of the picture to move or delete"},
    {"Pick Color", 1, 0, "pick.cur", false, false, false, true,
     "Picks up a foreground color (click) or background color (right-click) from the picture for drawing"},
    {"Eraser", 2, 1, "eraser.cur", true, false, false, true, "Erases a partion of the picture using the selected eraser width"},
    {"Fill", 1, 1, "fill.cur", false, false, false, true, "Fills an area"},
    {"Pencil", 2, 0, "pencil.cur", true, false, false, true, "Draws using a pencil with the selected dot size"},
    {"Line", 4, 0, "cross.cur", true, false, false, true, "Draws a straight line with the selected line width"},
    {"Rectangle", 5, 0, "cross.cur", true, true, false, true, "Draws a rectangle with the selected outline width and fill style"},
    {"Ellipse", 6, 0, "cross.cur", true, true, false, true, "Draws an ellips with the selected outline width and fill style"},
    {"Text", 7, 0, "text.cur", false, false, false, false, "Insert text into the picture"},
    {"Arrow", 4, 1, "cross.cur", true, false, false, true, "Draws an arrow with the selected arrow width"},
    {"Air Brush", 3, 0, "airbrush.cur", true, false, false, true, "Draws using an airbrush with the selected airbrush size"},
    {"Rounded Rectangle", 5, 1, "cross.cur", true, true, false, true,
     "Draws a rounded rectangle with the selected outline width and fill style"},
    {"Polygon", 6, 1, "cross.cur", true, true, false, false, "Draws a polygon with the selected outline width and fill area"},
    {"Curve", 7, 1, "", true, false, false, false, "Draws a bezier curve with the selected curve width"},
    {"Filter Brush", 3, 1, "filter.cur", true, false, false, true, "Apply the selected filter to the image"},
    {"Zoom", 0, 1, "zoom.cur", false, false, false, false,
     "Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)"},
    {"Brush", 8, 0, "brush.cur", true, false, true, true, "Draws using a brush with the selected shape"},
    {"Hand", 8, 1, "handflat.cur", false, false, false, true, "Pan to see other part of the picture"},
};
// clang-format on

TEST_F(ToolTableTest, EveryToolIsAsTheTablesSay)
{
    // Each pointer file with a hot spot of its own, so the pointer names its file.
    host.appPath = folder();
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("Cursors")));
    QImage shape(32, 32, QImage::Format_ARGB32);
    shape.fill(0xFF000000);
    std::map<QString, QPoint> hotSpots;
    QStringList files{QStringLiteral("handgrab.cur")};  // the hand's while it drags
    for (const Expected &tool : Tools)
        files << QString::fromLatin1(tool.pointer);
    for (const QString &file : files) {
        if (file.isEmpty() || hotSpots.count(file))
            continue;
        const QPoint spot(int(hotSpots.size()) + 1, 2);
        hotSpots[file] = spot;
        writeCursorFile(path(QStringLiteral("Cursors/") + file), shape, spot);
    }

    openCanvas(80, 60);
    for (int index = 0; index < 18; ++index) {
        const Expected &tool = Tools[index];
        SCOPED_TRACE(tool.tooltip);
        QAbstractButton *button = w().optTools[size_t(index)];
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(tool.tooltip));
        EXPECT_EQ(twipsGeometry(button), QRectF(tool.column == 0 ? 50 : 435, 120 + 375 * tool.row, 390, 375));

        if (index == ToolFilterBrush)
            host.dismissPopupMenu();
        selectTool(index);
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(w().fraOptDot->isVisibleTo(w().fraTools), tool.width);
        EXPECT_EQ(w().fraOptFill->isVisibleTo(w().fraTools), tool.fill);
        EXPECT_EQ(w().fraBrush->isVisibleTo(w().fraTools), tool.brush);
        const QCursor pointer = w().picPaintView->cursor();
        if (*tool.pointer == '\0')
            EXPECT_EQ(pointer.shape(), Qt::ArrowCursor);
        else
            EXPECT_EQ(pointer.hotSpot(), hotSpots[QString::fromLatin1(tool.pointer)]);
        EXPECT_EQ(w().sta->panelText(1), QString::fromLatin1(tool.hint));

        newPicture();
        click(30, 30);
        EXPECT_EQ(w().model().UndoCurrent, tool.undoStep ? 1 : 0);
        EXPECT_EQ(w().model().IsDirty, tool.undoStep ? FlagTrue : FlagFalse);
        EXPECT_EQ(w().model().IsDrawing, FlagFalse);
    }
}

}  // namespace
}  // namespace pinxel::test
