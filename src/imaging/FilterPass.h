#pragma once
// What one run of FilterPicture works with: the raster's scan lines, the
// region, the scratch storage kept between runs, the sweep that repaints
// the columns done at most once per displayed frame, and the bands of rows
// a large region's strips are split into across the cores. Internal to the
// engine.

#include "imaging/RepaintPacer.h"
#include "imaging/mdlFilter.h"
#include "platform/raster/RowBands.h"

#include <QImage>

#include <algorithm>
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
// pay for fresh pages every time. One per thread: a band's own rows (ring,
// states) come from its thread's; what the bands share (tiles, boundary,
// edge) is the calling thread's.
struct Scratch {
    ColorArray colors;
    ScratchBuffer<QRgb> tiles;
    ScratchBuffer<QRgb> ring;
    ScratchBuffer<QRgb> boundary;
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

    // Rows top..bottom of a strip in bands: one per core for a large region,
    // the same for every strip of the pass; one band for a small region.
    RowSplit split(int top, int bottom) const
    {
        const int rows = std::max(bottom - top + 1, 0);
        return {top, rows, std::max(1, std::min(m_bands, rows))};
    }
    // Calls band(i, first, last) for every band i of split, on this thread
    // and the pass's helper threads at once, and returns when all are done.
    template <typename Band> void inBands(const RowSplit &split, const Band &band)
    {
        if (split.count == 1) {
            if (split.rows > 0)
                band(0, split.first, split.first + split.rows - 1);
            return;
        }
        if (!m_team)
            m_team = std::make_unique<RowBandTeam>(m_bands);
        m_team->run([&](int i) {
            if (i < split.count)
                band(i, split.start(i), split.start(i + 1) - 1);
        });
    }

private:
    void columnsDone(int a, int b, int top, int bottom);

    uchar *m_bits;
    std::ptrdiff_t m_bytesPerLine;
    RepaintPacer m_pacer;
    int m_bands;
    std::unique_ptr<RowBandTeam> m_team;  // started by the first split strip
};

// Rows that a strip's bands read across their boundaries, kept before any
// band writes them: each copy holds columns a - margin .. b + margin of its
// row (those in the picture), and at(slot) points at its column a.
class BoundaryRows {
public:
    BoundaryRows(Pass &pass, int a, int b, int margin, int rows)
        : m_pass(pass), m_a(a), m_b(b), m_margin(margin), m_stride(std::size_t(b - a + 1 + 2 * margin)),
          m_rows(scratch().boundary.get(std::size_t(rows) * m_stride))
    {}

    void keep(int slot, int y)
    {
        const int from = std::max(0, m_a - m_margin), to = std::min(m_pass.width - 1, m_b + m_margin);
        const QRgb *line = m_pass.row(y);
        std::copy(line + from, line + to + 1, at(slot) + (from - m_a));
    }
    QRgb *at(int slot) const { return m_rows + std::size_t(slot) * m_stride + std::size_t(m_margin); }

private:
    Pass &m_pass;
    const int m_a, m_b, m_margin;
    const std::size_t m_stride;
    QRgb *const m_rows;
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
