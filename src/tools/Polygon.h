#pragma once
// The Polygon tool (tool 12): every press adds a vertex, a drag moves the
// vertex just placed, and the finish action (double-click, Enter, or choosing
// a tool) closes and fills the polygon as one undo step.
//
// While it is open its edges show as one XOR figure, drawn with the preview
// pen. Every change removes that figure with the pen it was drawn with and
// draws the new one, so the preview never leaves a trace, whatever changed
// in between (a vertex, the pen width, the colour), and the final polygon is
// drawn on a clean picture.

#include <QLine>
#include <QPoint>

#include <vector>

namespace pinxel {

class frmPaint;

namespace Polygon {

// The edges from each vertex to the next, or only the last one.
std::vector<QLine> edges(const std::vector<QPoint> &points, bool lastOnly);

void press(frmPaint &window, int X, int Y);
void move(frmPaint &window, double X, double Y);
// The finish action's share: closes an open polygon.
void finish(frmPaint &window);
// Drops an open polygon without drawing it, with its preview: the picture
// it was on has been replaced.
void forget(frmPaint &window);

// Removes the open polygon's preview, and draws it again with the canvas's
// present pen; for changes of the pen while a polygon is open.
void hidePreview(frmPaint &window);
void showPreview(frmPaint &window);

}  // namespace Polygon

}  // namespace pinxel
