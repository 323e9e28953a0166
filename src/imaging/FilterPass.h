#pragma once
// What one run of FilterPicture works with: the raster's scan lines, the
// region, the scratch storage kept between runs, and the sweep that repaints
// the columns done at most once per displayed frame. Internal to the engine.

#include "imaging/RepaintPacer.h"
#include "imaging/mdlFilter.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace pinxel::filters {

// The region after the whole-picture substitution, any other region clipped
// to the picture; empty when left > right or top > bottom.
struct Region {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    bool whole = false;  // reaches one column and one row past the picture
};

// Uninitialised storage that only grows.
template <typename T> class ScratchBuffer {
public:
    T *get(std::size_t count)
    {
        if (count > m_capacity) {
            m_store.reset();
            m_capacity = 0;
            try {
                m_store.reset(new T[count]);
            } catch (const std::bad_alloc &) {
                throw Error(ErrOutOfMemory);
            }
            m_capacity = count;
        }
        return m_store.get();
    }

private:
    std::unique_ptr<T[]> m_store;
    std::size_t m_capacity = 0;
};

// Scratch storage kept between runs, so that a run on a large picture does not
// pay for fresh pages every time.
struct Scratch {
    ColorArray colors;
    ScratchBuffer<QRgb> tiles;
    ScratchBuffer<QRgb> ring;
    std::vector<std::uint32_t> states;
    std::vector<int> shifts;
    std::vector<QRgb> edge;
    std::vector<QRgb> nextEdge;
};
Scratch &scratch();

// Switches for tests: run the exact per-pixel paths that the fast paths stand in for.
struct EngineSwitches {
    bool drawOneByOne = false;          // Diffuse: one Rnd() call per draw
    bool exactShiftEverywhere = false;  // Crease, Wave: per-pixel rounding in every column
};
EngineSwitches &engineSwitches();

class Pass {
public:
    Pass(PictureSurface &target, const Region &region, bool smallRegion, RandomSource &random);

    PictureSurface &target;
    const Region region;
    const bool smallRegion;
    RandomSource &random;
    const int width;  // of the picture, in pixels
    const int height;

    QRgb *row(int y) { return reinterpret_cast<QRgb *>(m_bits + std::ptrdiff_t(y) * m_bytesPerLine); }

    // Calls strip(a, b) for column strips of first..last, left to right, and
    // marks rows top..bottom of each strip changed. For a large region the
    // surface repaints what was done once a frame's time has passed.
    template <typename Strip>
    void sweep(int first, int last, int top, int bottom, Strip &&strip, int columns = StripColumns)
    {
        for (int a = first; a <= last;) {
            const int b = last - a < columns ? last : a + columns - 1;
            strip(a, b);
            columnsDone(a, b, top, bottom);
            if (b == last)
                break;
            a = b + 1;
        }
    }

    // Columns per strip: 2 KB of each row, long runs for the loops while a
    // strip's rows stay few enough pages apart.
    static constexpr int StripColumns = 512;

private:
    void columnsDone(int a, int b, int top, int bottom);

    uchar *m_bits;
    std::ptrdiff_t m_bytesPerLine;
    RepaintPacer m_pacer;
};

// What the filter table runs for each filter: the point filters (in
// mdlFilter.cpp) and the filters that read a copy of the region or their
// neighbours (in FilterPasses.cpp).
void blackWhitePass(Pass &pass);
void brightnessPass(Pass &pass);
void darknessPass(Pass &pass);
void grayBlackWhitePass(Pass &pass);
void grayscalePass(Pass &pass);
void replaceColorsPass(Pass &pass);
void blurPass(Pass &pass);
void embossPass(Pass &pass);
void sharpenPass(Pass &pass);
void snowPass(Pass &pass);
void diffusePass(Pass &pass);
void creasePass(Pass &pass);
void wavePass(Pass &pass);

}  // namespace pinxel::filters
