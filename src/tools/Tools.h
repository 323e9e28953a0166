#pragma once
// The make functions of the tools, one per tool file, for the tool table.

#include <memory>

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

}  // namespace pinxel
