#pragma once
// The Select Area tool (tool 0) on the canvas: the dotted XOR rubber band and,
// at the release, the floating selection it encloses.

namespace pinxel {

class frmPaint;

namespace SelectArea {
void move(frmPaint &window, int shift, double X, double Y);
void release(frmPaint &window, int shift, double X, double Y);
}  // namespace SelectArea

}  // namespace pinxel
