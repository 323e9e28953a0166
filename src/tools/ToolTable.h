#pragma once
// What each tool is, one row per tool; a tool's number is its row's place,
// CurrentTool names it. To add a tool: write its file (a Tool subclass, its
// make function and its icon's painter, declared in tools/Tools.h) and add
// its row here. The button, icon, panels, pointer, hint, dispatch, undo step
// and the tool's number follow from the row.

#include "tools/Tools.h"

#include <QString>
#include <QtGlobal>

#include <iterator>
#include <memory>
#include <string_view>

class QPainter;

namespace pinxel {

class Tool;
class ToolContext;

// The option panels below the tool buttons.
enum ToolPanel : unsigned {
    PanelNone = 0,
    PanelWidth = 1,  // fraOptDot
    PanelFill = 2,   // fraOptFill
    PanelBrush = 4,  // fraBrush
};

// The pen a press sets up for a rubber-band preview (XOR, colours pre-mixed
// with the canvas background).
enum class PreviewPen {
    None,
    Outline,  // the foreground colour, no fill
    Shape,    // outline and fill as FillOption says
};

struct ToolRow {
    const char *tooltip;     // also the tool's name
    int row, column;         // the button's cell: nine rows, column 0 left, 1 right
    const char *cursorFile;  // in the "Cursors" folder beside the library; "" for the arrow
    unsigned panels;         // ToolPanel bits
    PreviewPen previewPen;
    bool snapshotAtRelease;  // a stroke is one undo step
    bool keepsZoomView;      // choosing it leaves a zoomed view zoomed
    bool showsDragSize;      // the status bar shows the dragged size while drawing
    const char *hint;        // the status bar hint
    const char *busyHint;    // while the tool is busy (drawing, an open figure); null: none
    std::unique_ptr<Tool> (*make)(ToolContext &context, int index);  // null: no behaviour of its own
    void (*paintIcon)(QPainter &painter);                            // the button's icon
    void (*whenChosen)(ToolContext &context);                        // null: nothing more
    bool chosenAtPress;  // whenChosen runs at the button's press, not again at its click
};

namespace tooltable {
inline constexpr unsigned Width = PanelWidth, WidthFill = PanelWidth | PanelFill, WidthBrush = PanelWidth | PanelBrush;
inline constexpr PreviewPen NoPen = PreviewPen::None, Outline = PreviewPen::Outline, Shape = PreviewPen::Shape;

// clang-format off
inline constexpr ToolRow ToolRows[] = {
    // tooltip, cell, pointer, panels, preview pen, snapshot at release, keeps zoom, drag size, hint, busy hint,
    // make, icon, what choosing it does, whether that runs at the press
    {QT_TRANSLATE_NOOP("ToolTable", "Select Area"), 0, 0, "", PanelNone, Outline, false, false, true,
     QT_TRANSLATE_NOOP("ToolTable", "Selects a rectangular part of the picture to move or delete"),
     QT_TRANSLATE_NOOP("ToolTable", "Press and hold down SHIFT to select a square part"), makeSelectArea, paintSelectAreaIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Pick Color"), 1, 0, "pick.cur", PanelNone, NoPen, true, true, false,
     QT_TRANSLATE_NOOP("ToolTable", "Picks up a foreground color (click) or background color (right-click) from the picture for drawing"),
     nullptr, makePickColor, paintPickColorIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Eraser"), 2, 1, "eraser.cur", Width, NoPen, true, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Erases a partion of the picture using the selected eraser width"), nullptr, makeEraser, paintEraserIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Fill"), 1, 1, "fill.cur", PanelNone, NoPen, true, false, false, QT_TRANSLATE_NOOP("ToolTable", "Fills an area"), nullptr, makeFill, paintFillIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Pencil"), 2, 0, "pencil.cur", Width, NoPen, true, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Draws using a pencil with the selected dot size"), nullptr, makePencil, paintPencilIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Line"), 4, 0, "cross.cur", Width, Outline, true, false, true,
     QT_TRANSLATE_NOOP("ToolTable", "Draws a straight line with the selected line width"),
     QT_TRANSLATE_NOOP("ToolTable", "Press and hold down CTRL to draw a horizontal or vertical line; SHIFT to draw a 45-degree line"), makeShapeTool, paintLineIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Rectangle"), 5, 0, "cross.cur", WidthFill, Shape, true, false, true,
     QT_TRANSLATE_NOOP("ToolTable", "Draws a rectangle with the selected outline width and fill style"),
     QT_TRANSLATE_NOOP("ToolTable", "Press and hold down SHIFT to draw a square"), makeShapeTool, paintRectangleIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Ellipse"), 6, 0, "cross.cur", WidthFill, Shape, true, false, true,
     QT_TRANSLATE_NOOP("ToolTable", "Draws an ellips with the selected outline width and fill style"),
     QT_TRANSLATE_NOOP("ToolTable", "Press and hold down SHIFT to draw a circle"), makeShapeTool, paintEllipseIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Text"), 7, 0, "text.cur", PanelNone, NoPen, false, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Insert text into the picture"), QT_TRANSLATE_NOOP("ToolTable", "Press ENTER or double-click to finish inserting the text"), makeText, paintTextIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Arrow"), 4, 1, "cross.cur", Width, Outline, true, false, true,
     QT_TRANSLATE_NOOP("ToolTable", "Draws an arrow with the selected arrow width"),
     QT_TRANSLATE_NOOP("ToolTable", "Press and hold down CTRL to draw a horizontal or vertical arrow; SHIFT to draw a 45-degree arrow"),
     makeShapeTool, paintArrowIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Air Brush"), 3, 0, "airbrush.cur", Width, NoPen, true, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Draws using an airbrush with the selected airbrush size"), nullptr, makeAirBrush, paintAirBrushIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Rounded Rectangle"), 5, 1, "cross.cur", WidthFill, Shape, true, false, true,
     QT_TRANSLATE_NOOP("ToolTable", "Draws a rounded rectangle with the selected outline width and fill style"),
     QT_TRANSLATE_NOOP("ToolTable", "Press and hold down SHIFT to draw a rounded-square"), makeShapeTool, paintRoundedRectangleIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Polygon"), 6, 1, "cross.cur", WidthFill, NoPen, false, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Draws a polygon with the selected outline width and fill area"),
     QT_TRANSLATE_NOOP("ToolTable", "Press ENTER or double-click to finish drawing the polygon"), makePolygon, paintPolygonIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Curve"), 7, 1, "", Width, NoPen, false, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Draws a bezier curve with the selected curve width"),
     QT_TRANSLATE_NOOP("ToolTable", "Press ENTER or double-click to finish drawing the curve"), makeCurve, paintCurveIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Filter Brush"), 3, 1, "filter.cur", Width, NoPen, true, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Apply the selected filter to the image"), nullptr, makeFilterBrush, paintFilterBrushIcon, askForBrushFilter, true},
    {QT_TRANSLATE_NOOP("ToolTable", "Zoom"), 0, 1, "zoom.cur", PanelNone, Shape, false, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)"), nullptr, makeZoom, paintZoomIcon, keepPictureAtActualSize, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Brush"), 8, 0, "brush.cur", WidthBrush, NoPen, true, false, false,
     QT_TRANSLATE_NOOP("ToolTable", "Draws using a brush with the selected shape"), nullptr, makeBrush, paintBrushIcon, nullptr, false},
    {QT_TRANSLATE_NOOP("ToolTable", "Hand"), 8, 1, "handflat.cur", PanelNone, NoPen, true, true, false,
     QT_TRANSLATE_NOOP("ToolTable", "Pan to see other part of the picture"), nullptr, makeHand, paintHandIcon, nullptr, false},
};
// clang-format on
}  // namespace tooltable

inline constexpr int ToolCount = int(std::size(tooltable::ToolRows));

// The number of the tool of that name (its tooltip), at compile time.
constexpr int toolNumber(std::string_view name)
{
    for (int i = 0; i < ToolCount; ++i)
        if (name == tooltable::ToolRows[i].tooltip)
            return i;
    throw "no tool of that name";  // a compile-time error where a constant asks for it
}

// The tools the editor's own code names.
inline constexpr int ToolSelectArea = toolNumber("Select Area");
inline constexpr int ToolPickColor = toolNumber("Pick Color");
inline constexpr int ToolEraser = toolNumber("Eraser");
inline constexpr int ToolFill = toolNumber("Fill");
inline constexpr int ToolPencil = toolNumber("Pencil");
inline constexpr int ToolLine = toolNumber("Line");
inline constexpr int ToolRectangle = toolNumber("Rectangle");
inline constexpr int ToolEllipse = toolNumber("Ellipse");
inline constexpr int ToolText = toolNumber("Text");
inline constexpr int ToolArrow = toolNumber("Arrow");
inline constexpr int ToolAirBrush = toolNumber("Air Brush");
inline constexpr int ToolRoundedRectangle = toolNumber("Rounded Rectangle");
inline constexpr int ToolPolygon = toolNumber("Polygon");
inline constexpr int ToolCurve = toolNumber("Curve");
inline constexpr int ToolFilterBrush = toolNumber("Filter Brush");
inline constexpr int ToolZoom = toolNumber("Zoom");
inline constexpr int ToolBrush = toolNumber("Brush");
inline constexpr int ToolHand = toolNumber("Hand");

// The row of a tool number; any other number has a row that shows and
// records nothing.
const ToolRow &toolRow(int index);

// A text of a tool's row (its tooltip, a hint) as the editor shows it, in
// the user's language; the row keeps the English one, which names the tool.
QString shownToolText(const char *text);

}  // namespace pinxel
