#pragma once
// The Shift and Ctrl constraints on a stroke's end point.

#include "document/EditorState.h"

namespace pinxel {

// Sets EndX, EndY from the pointer: with Shift alone on the 45-degree
// diagonal through the start, with Ctrl alone (when allowAxisLock) on the
// start's row or column, otherwise at the pointer.
void ConstrainEnd(EditorState &state, double x, double y, int shift, Flag allowAxisLock);

}  // namespace pinxel
