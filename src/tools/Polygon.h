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

namespace Polygon {

// The edges from each vertex to the next, or only the last one.
std::vector<QLine> edges(const std::vector<QPoint> &points, bool lastOnly);

}  // namespace Polygon

}  // namespace pinxel
