#pragma once
// What each tool's file gives the tool table: the make function, the
// painter of the button's icon (16 x 16 design space) and what choosing the
// tool does, where it does something.

#include <memory>

class QPainter;

namespace pinxel {

class Tool;
class ToolContext;

std::unique_ptr<Tool> makeSelectArea(ToolContext &context, int index);
std::unique_ptr<Tool> makeEraser(ToolContext &context, int index);
std::unique_ptr<Tool> makePencil(ToolContext &context, int index);
// Line, Rectangle, Ellipse, Arrow and Rounded Rectangle: one family, the index says which.
std::unique_ptr<Tool> makeShapeTool(ToolContext &context, int index);
std::unique_ptr<Tool> makeText(ToolContext &context, int index);
std::unique_ptr<Tool> makeAirBrush(ToolContext &context, int index);
std::unique_ptr<Tool> makePolygon(ToolContext &context, int index);
std::unique_ptr<Tool> makeCurve(ToolContext &context, int index);
std::unique_ptr<Tool> makeFilterBrush(ToolContext &context, int index);
std::unique_ptr<Tool> makeBrush(ToolContext &context, int index);
std::unique_ptr<Tool> makePickColor(ToolContext &context, int index);
std::unique_ptr<Tool> makeFill(ToolContext &context, int index);
std::unique_ptr<Tool> makeZoom(ToolContext &context, int index);
std::unique_ptr<Tool> makeHand(ToolContext &context, int index);

void paintSelectAreaIcon(QPainter &p);
void paintPickColorIcon(QPainter &p);
void paintEraserIcon(QPainter &p);
void paintFillIcon(QPainter &p);
void paintPencilIcon(QPainter &p);
void paintLineIcon(QPainter &p);
void paintRectangleIcon(QPainter &p);
void paintEllipseIcon(QPainter &p);
void paintTextIcon(QPainter &p);
void paintArrowIcon(QPainter &p);
void paintAirBrushIcon(QPainter &p);
void paintRoundedRectangleIcon(QPainter &p);
void paintPolygonIcon(QPainter &p);
void paintCurveIcon(QPainter &p);
void paintFilterBrushIcon(QPainter &p);
void paintZoomIcon(QPainter &p);
void paintBrushIcon(QPainter &p);
void paintHandIcon(QPainter &p);

// The Filter Brush asks for its filter (the pop-up); the Zoom keeps the
// picture at actual size in the zoom store, unless the view is zoomed already.
void askForBrushFilter(ToolContext &context);
void keepPictureAtActualSize(ToolContext &context);

}  // namespace pinxel
