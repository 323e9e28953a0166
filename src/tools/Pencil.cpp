#include "tools/Pencil.h"

#include "editor/frmPaint.h"

namespace pinxel::Pencil {

void press(frmPaint &w, int X, int Y)
{
    w.picPaint.DrawMode = DrawModeCopyPen;
    w.picPaint.ForeColor = w.foregroundColor();
    // A zero-size box drawn with the wide pen is a square dot of the pen width.
    w.picPaint.Line(X, Y, X, Y, std::nullopt, LineForm::Box);
}

void move(frmPaint &w, double X, double Y)
{
    w.EndX = w.StartX;
    w.EndY = w.StartY;
    w.StartX = toInt32(X);
    w.StartY = toInt32(Y);
    w.picPaint.Line(w.StartX, w.StartY, w.EndX, w.EndY);
}

}  // namespace pinxel::Pencil
