#include "tools/ToolTable.h"

#include "document/EditorState.h"
#include "tools/Tool.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {

constexpr unsigned Width = PanelWidth, WidthFill = PanelWidth | PanelFill, WidthBrush = PanelWidth | PanelBrush;
constexpr PreviewPen NoPen = PreviewPen::None, Outline = PreviewPen::Outline, Shape = PreviewPen::Shape;

// clang-format off
const ToolRow Rows[ToolCount] = {
    // tooltip, cell, pointer, panels, preview pen, snapshot at release, keeps zoom, drag size, hint, busy hint, make
    {"Select Area", 0, 0, "", PanelNone, Outline, false, false, true,
     "Selects a rectangular part of the picture to move or delete",
     "Press and hold down SHIFT to select a square part", makeSelectArea},
    {"Pick Color", 1, 0, "pick.cur", PanelNone, NoPen, true, true, false,
     "Picks up a foreground color (click) or background color (right-click) from the picture for drawing",
     nullptr, makePickColor},
    {"Eraser", 2, 1, "eraser.cur", Width, NoPen, true, false, false,
     "Erases a partion of the picture using the selected eraser width", nullptr, makeEraser},
    {"Fill", 1, 1, "fill.cur", PanelNone, NoPen, true, false, false, "Fills an area", nullptr, makeFill},
    {"Pencil", 2, 0, "pencil.cur", Width, NoPen, true, false, false,
     "Draws using a pencil with the selected dot size", nullptr, makePencil},
    {"Line", 4, 0, "cross.cur", Width, Outline, true, false, true,
     "Draws a straight line with the selected line width",
     "Press and hold down CTRL to draw a horizontal or vertical line; SHIFT to draw a 45-degree line", makeShapeTool},
    {"Rectangle", 5, 0, "cross.cur", WidthFill, Shape, true, false, true,
     "Draws a rectangle with the selected outline width and fill style",
     "Press and hold down SHIFT to draw a square", makeShapeTool},
    {"Ellipse", 6, 0, "cross.cur", WidthFill, Shape, true, false, true,
     "Draws an ellips with the selected outline width and fill style",
     "Press and hold down SHIFT to draw a circle", makeShapeTool},
    {"Text", 7, 0, "text.cur", PanelNone, NoPen, false, false, false,
     "Insert text into the picture", "Press ENTER or double-click to finish inserting the text", makeText},
    {"Arrow", 4, 1, "cross.cur", Width, Outline, true, false, true,
     "Draws an arrow with the selected arrow width",
     "Press and hold down CTRL to draw a horizontal or vertical arrow; SHIFT to draw a 45-degree arrow",
     makeShapeTool},
    {"Air Brush", 3, 0, "airbrush.cur", Width, NoPen, true, false, false,
     "Draws using an airbrush with the selected airbrush size", nullptr, makeAirBrush},
    {"Rounded Rectangle", 5, 1, "cross.cur", WidthFill, Shape, true, false, true,
     "Draws a rounded rectangle with the selected outline width and fill style",
     "Press and hold down SHIFT to draw a rounded-square", makeShapeTool},
    {"Polygon", 6, 1, "cross.cur", WidthFill, NoPen, false, false, false,
     "Draws a polygon with the selected outline width and fill area",
     "Press ENTER or double-click to finish drawing the polygon", makePolygon},
    {"Curve", 7, 1, "", Width, NoPen, false, false, false,
     "Draws a bezier curve with the selected curve width",
     "Press ENTER or double-click to finish drawing the curve", makeCurve},
    {"Filter Brush", 3, 1, "filter.cur", Width, NoPen, true, false, false,
     "Apply the selected filter to the image", nullptr, makeFilterBrush},
    {"Zoom", 0, 1, "zoom.cur", PanelNone, Shape, false, false, false,
     "Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)", nullptr, makeZoom},
    {"Brush", 8, 0, "brush.cur", WidthBrush, NoPen, true, false, false,
     "Draws using a brush with the selected shape", nullptr, makeBrush},
    {"Hand", 8, 1, "handflat.cur", PanelNone, NoPen, true, true, false,
     "Pan to see other part of the picture", nullptr, makeHand},
};
// clang-format on

}  // namespace

const ToolRow &toolRow(int index)
{
    static const ToolRow NoTool{"", 0, 0, "", PanelNone, NoPen, false, false, false, "", nullptr, nullptr};
    return index >= 0 && index < ToolCount ? Rows[index] : NoTool;
}

}  // namespace pinxel
