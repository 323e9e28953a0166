#pragma once
// Rasters for whole-picture results (a turned, resized or rotated picture).
// Memory fresh from the system costs about 15 ms per 48 MB the first time it
// is written (the kernel maps and clears every page), more than the effects
// themselves; so the memory of large rasters made here is kept when they are
// released and handed to the next one that fits. At most two are kept. Fresh
// memory is asked for in large pages, which the kernel clears faster.

#include <QImage>

namespace pinxel {

// An RGB32 raster of the size, its pixels not initialised; null when the
// memory cannot be had.
QImage newRaster(int width, int height);

// Gives the kept memory back to the system.
void releaseKeptRasters();

}  // namespace pinxel
