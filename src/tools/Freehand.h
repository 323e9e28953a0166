#pragma once
// The stamps of the air brush and the brush, on the canvas with its pen.
// Each draws with a pen one pixel wide and restores the pen width after; a
// failure (a 16-bit overflow) goes to the error reporter, skips the rest of
// the stamp and leaves the width at 1.

#include <cstdint>

namespace pinxel {

class PictureSurface;
class RandomSource;

// One air-brush burst centred on (x, y): 4 x w x w dots for size 4 x w, each
// at fresh uniform offsets within the size x size square.
void SprayAt(PictureSurface &canvas, RandomSource &random, std::int16_t x, std::int16_t y, std::int16_t size);

// One brush stamp of a shape (BrushIndex) centred on (x, y), of radius three
// times the pen width; the filled disc takes shapeFillStyle.
void StampBrush(PictureSurface &canvas, std::int16_t shapeFillStyle, std::int32_t shape, float x, float y);

}  // namespace pinxel
