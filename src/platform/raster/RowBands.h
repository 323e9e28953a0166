#pragma once
// Whole-picture work split into bands of rows, one per core: the rows of a
// resample or a filter pass are independent, and a picture of millions of
// pixels takes long enough to repay starting threads. Small jobs stay on the
// calling thread.

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

namespace pinxel {

// Calls band(first, end) for bands covering rows [0, rows), each once; work
// is the job's size in pixels.
template <typename Band> void forRowBands(int rows, std::int64_t work, const Band &band)
{
    constexpr std::int64_t PixelsPerThread = 1 << 20;
    const int cores = int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    const int bands = int(std::clamp<std::int64_t>(work / PixelsPerThread, 1, std::min(cores, rows)));
    if (bands <= 1) {
        band(0, rows);
        return;
    }
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(bands - 1));
    for (int i = 1; i < bands; ++i)
        helpers.emplace_back([&band, i, rows, bands] { band(rows * i / bands, rows * (i + 1) / bands); });
    band(0, rows / bands);
    for (std::thread &helper : helpers)
        helper.join();
}

}  // namespace pinxel
