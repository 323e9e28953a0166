#pragma once
// The pixel loops of the effects on RGB32 rasters: the two mirrors and the
// XOR in place, and the resample and the quarter turn into a new raster.
// Each is one pass over the pixels, written so that the compiler vectorises
// it, with no intermediate whole-picture copy, and a large picture's rows
// run in bands across the cores.

#include <QImage>

#include <cstdint>

#include <functional>

namespace pinxel::effects {

// Flip horizontal: every row reversed, in place.
void mirrorRows(QImage &image);
// Flip vertical: row y swapped with row height - 1 - y, in place.
void mirrorColumns(QImage &image);
// Every pixel XOR the colour (its alpha is left alone), in place.
void xorPixels(QImage &image, QRgb colour);

// The picture stretched to width x height by area averaging: each new pixel
// is the mean of the old pixels it covers, weighted by how much of each it
// covers. Whole-number enlargements repeat pixels exactly; a reduction by
// 2 averages 2 x 2 blocks. A null image when the raster cannot be allocated.
QImage resample(const QImage &source, int width, int height);

// The picture stretched to width x height by repeating pixels: every new
// pixel takes the colour of the one old pixel it lies on (blockSource), so an
// enlargement shows each old pixel as a block of its exact colour. A null
// image when the raster cannot be allocated.
QImage repeatPixels(const QImage &source, int width, int height);
// The old pixel that new pixel index lies on, along a side of newSide pixels
// stretched from oldSide pixels.
inline int blockSource(int index, int newSide, int oldSide) { return int(std::int64_t(index) * oldSide / newSide); }

// The picture turned by a quarter, width and height exchanged: every pixel
// lands once, and four turns give the picture back.
QImage quarterTurn(const QImage &source, bool anticlockwise);

// The turn by an angle as the rotation maps it: for every step (i, c) of the
// square of half-width n around the target's centre (i outer, c inner,
// 0..n), the offset rotated by theta in polar form, with the angle
// arctan(c / i) and theta in single precision and the radius rounded, reads
// four source pixels around the source's centre and writes each one that
// lies in the source into the four mirrored quadrants around the target's
// centre. Target pixels with no source keep their colour. Centres are half
// the sizes rounded halves to even, n half the larger target side rounded.
// The result is as if the steps ran in that order; rowsDone(first, last, n)
// follows each band of steps i = first..last, on the calling thread, for the
// progress on screen.
void rotateByMapping(const QImage &source, QImage &target, float theta,
                     const std::function<void(int first, int last, int n)> &rowsDone = {});

}  // namespace pinxel::effects
