#pragma once
// The ten brush shapes (BrushIndex 0..9): what a brush stamp draws and what
// the brush panel shows, from this one table.

#include <QImage>

namespace pinxel {

class PictureSurface;

inline constexpr int BrushShapeCount = 10;

// Draws one stamp of radius r centred on (x, y) with the surface's pen and
// fill colour. Shapes 0 to 3 set the surface's fill style first: the filled
// square and disc to fillStyle (the square fills with the pen colour
// whatever it is), the hollow square and the ring to transparent; the others
// leave it. Any other shape draws nothing.
void drawBrushShape(PictureSurface &surface, int shape, double x, double y, int r, int fillStyle);

// The brush panel's image of a shape: a stamp of radius 3 in black on a
// transparent 9 x 9 image.
QImage brushShapeImage(int shape);

}  // namespace pinxel
