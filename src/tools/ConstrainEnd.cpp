#include "tools/ConstrainEnd.h"

#include <cmath>

namespace pinxel {

void ConstrainEnd(EditorState &s, double x, double y, int shift, Flag allowAxisLock)
{
    const double dx = std::abs(x - s.StartX), dy = std::abs(y - s.StartY);
    if (shift == 1) {
        // On the diagonal through the start, in the pointer's quadrant, at the smaller distance.
        if (dy >= dx) {
            s.EndX = toInt32(x);
            s.EndY = toInt32(y > s.StartY ? s.StartY + dx : s.StartY - dx);
        } else {
            s.EndX = toInt32(x > s.StartX ? s.StartX + dy : s.StartX - dy);
            s.EndY = toInt32(y);
        }
    } else if (shift == 2 && isSet(allowAxisLock)) {
        if (dy >= dx) {
            s.EndX = s.StartX;
            s.EndY = toInt32(y);
        } else {
            s.EndX = toInt32(x);
            s.EndY = s.StartY;
        }
    } else {
        s.EndX = toInt32(x);
        s.EndY = toInt32(y);
    }
}

}  // namespace pinxel
