#pragma once
// Rasters for whole-picture results (a turned, resized or rotated picture).
// Memory fresh from the system costs about 15 ms per 48 MB the first time it
// is written (the kernel maps and clears every page), more than the effects
// themselves; so the memory of large rasters made here is kept when they are
// released and handed to the next one that fits. At most two are kept. Fresh
// memory is asked for in large pages, which the kernel clears faster.

#include <QImage>

#include <cstddef>
#include <thread>

namespace pinxel {

// An RGB32 raster of the size, its pixels not initialised; null when the
// memory cannot be had.
QImage newRaster(int width, int height);

// Gives the kept memory back to the system.
void releaseKeptRasters();

// Asks for 2 MB pages where the block holds whole ones: the kernel then maps
// and clears it in a few dozen steps instead of thousands, which halves the
// first write of fresh memory. Only a hint; nothing changes where the
// system does not take it.
void preferLargePages(void *data, std::size_t bytes);

}  // namespace pinxel

namespace pinxel {

// Maps a fresh block's pages on another core while this one fills it from
// the top: the kernel's clearing of 48 MB of fresh memory is a tenth of
// decoding a photo, and need not wait for the decoder to reach each page.
// The contents are never touched, so the decoder may write anywhere at
// once. Waits for the other core when it goes.
class PagesMappedAside {
public:
    PagesMappedAside(void *data, std::size_t bytes);
    ~PagesMappedAside();
    PagesMappedAside(const PagesMappedAside &) = delete;
    PagesMappedAside &operator=(const PagesMappedAside &) = delete;

private:
    std::thread m_thread;
};

}  // namespace pinxel
