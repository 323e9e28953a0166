#pragma once
// The shape tools that live for one stroke: Line (5), Rectangle (6), Ellipse
// (7), Arrow (9) and Rounded Rectangle (11). The tool box's press sets up
// the preview pen; every move removes the previous preview and draws the new
// one; the release removes the last preview and draws the final figure in the
// true colours, and the tool box stores its undo step.

#include <QPoint>

#include <array>
#include <cstdint>

namespace pinxel {

class PictureSurface;

namespace ShapeTools {

// The ends of the arrow head's two strokes at (x2, y2): 10 pixels back from
// the tip at 45 degrees on either side of the shaft; both at the tip when the
// arrow has no length.
std::array<QPoint, 2> arrowHead(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The figure of a shape tool from one corner (or end) to the other, with the
// surface's pen and fill, drawn as one figure so that drawing it twice in
// the XOR mode restores every pixel. The ellipse needs two different x's.
void drawFigure(PictureSurface &surface, int tool, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// Whether the tool shows a figure between these points: the ellipse needs
// two different x's (its aspect divides by the width).
bool drawsFigure(int tool, std::int32_t x1, std::int32_t x2);

// The arrow: its shaft and head drawn with the surface's pen; a failure
// goes to the error reporter.
void DrawArrow(PictureSurface &surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

}  // namespace ShapeTools

}  // namespace pinxel
