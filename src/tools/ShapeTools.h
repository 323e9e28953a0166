#pragma once
// The shape tools that live for one stroke: Line (5), Rectangle (6), Ellipse
// (7), Arrow (9) and Rounded Rectangle (11). The dispatcher's press sets up
// the preview pen; every move removes the previous preview and draws the new
// one; the release removes the last preview and draws the final figure in the
// true colours, and the dispatcher stores its undo step.

#include <QPoint>

#include <array>
#include <cstdint>

namespace pinxel {

class frmPaint;
class PictureSurface;

namespace ShapeTools {

bool isShapeTool(int tool);

// The ends of the arrow head's two strokes at (x2, y2): 10 pixels back from
// the tip at 45 degrees on either side of the shaft; both at the tip when the
// arrow has no length.
std::array<QPoint, 2> arrowHead(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The figure of a shape tool from one corner (or end) to the other, with the
// surface's pen and fill, drawn as one figure so that drawing it twice in
// the XOR mode restores every pixel. The ellipse needs two different x's.
void drawFigure(PictureSurface &surface, int tool, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2);

// Whether the tool shows a figure between these points: the ellipse needs
// two different x's (its aspect divides by the width).
bool drawsFigure(int tool, std::int32_t x1, std::int32_t x2);

void press(frmPaint &window);
void move(frmPaint &window, int shift, double X, double Y);
void release(frmPaint &window, int shift, double X, double Y);

}  // namespace ShapeTools

}  // namespace pinxel
