#pragma once
// The pencil (tool 4): a square dot of the pen width at the press, then a
// chain of straight segments between consecutive pointer positions.

namespace pinxel {

class frmPaint;

namespace Pencil {
void press(frmPaint &window, int X, int Y);
void move(frmPaint &window, double X, double Y);
}  // namespace Pencil

}  // namespace pinxel
