// ExtFloodFill: the connected area (4-neighbours) of one colour, or the area
// bounded by one colour, painted with the surface's fill colour and style.
// The area is found first and painted afterwards, so a hatch that leaves
// pixels of the old colour never lets the fill leak or stop early.

#include "pinxel/PictureSurface.h"

#include <QPainter>

#include <cstdint>
#include <vector>

namespace pinxel {

namespace {

struct Span {
    int y, left, right;  // inclusive
};

class VisitedMask {
public:
    VisitedMask(int width, int height)
        : m_wordsPerRow((size_t(width) + 63) / 64), m_bits(m_wordsPerRow * size_t(height), 0)
    {
    }
    bool test(int x, int y) const { return (word(x, y) >> (x & 63)) & 1u; }
    // Whether the 64 pixels from x (a multiple of 64) on are all visited.
    bool fullWord(int x, int y) const { return word(x, y) == ~std::uint64_t(0); }
    void set(int x, int y) { m_bits[m_wordsPerRow * size_t(y) + size_t(x >> 6)] |= std::uint64_t(1) << (x & 63); }

private:
    std::uint64_t word(int x, int y) const { return m_bits[m_wordsPerRow * size_t(y) + size_t(x >> 6)]; }
    size_t m_wordsPerRow;
    std::vector<std::uint64_t> m_bits;
};

}  // namespace

void PictureSurface::ExtFloodFill(int x, int y, Color color, int fillType)
{
    const int width = m_raster.width(), height = m_raster.height();
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    if (FillStyle == FillTransparent)
        return;
    const QRgb key = toQRgb(color);
    const bool surface = fillType == FloodFillSurface;
    auto row = [this](int yy) { return reinterpret_cast<const QRgb *>(m_raster.constScanLine(yy)); };
    // Raster pixels are opaque, so whole-word compares are exact.
    auto inside = [&](QRgb pixel) { return surface ? pixel == key : pixel != key; };
    if (!inside(row(y)[x]))
        return;

    VisitedMask visited(width, height);
    std::vector<Span> spans;
    std::vector<QPoint> seeds{QPoint(x, y)};
    QRect touched;
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const QRgb *line = row(seed.y());
        if (visited.test(seed.x(), seed.y()) || !inside(line[seed.x()]))
            continue;
        int left = seed.x(), right = seed.x();
        while (left > 0 && inside(line[left - 1]) && !visited.test(left - 1, seed.y()))
            --left;
        while (right + 1 < width && inside(line[right + 1]) && !visited.test(right + 1, seed.y()))
            ++right;
        for (int i = left; i <= right; ++i)
            visited.set(i, seed.y());
        spans.push_back({seed.y(), left, right});
        touched |= QRect(left, seed.y(), right - left + 1, 1);
        for (int ny : {seed.y() - 1, seed.y() + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const QRgb *next = row(ny);
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                // A row already filled is skipped a word at a time.
                if ((i & 63) == 0 && i + 63 <= right && visited.fullWord(i, ny)) {
                    i += 63;
                    inRun = false;
                    continue;
                }
                const bool open = inside(next[i]) && !visited.test(i, ny);
                if (open && !inRun)
                    seeds.emplace_back(i, ny);
                inRun = open;
            }
        }
    }

    const QRgb ink = toQRgb(FillColor);
    for (const Span &span : spans) {
        QRgb *line = reinterpret_cast<QRgb *>(m_raster.scanLine(span.y));
        if (FillStyle == FillSolid) {
            std::fill(line + span.left, line + span.right + 1, ink);
        } else {
            for (int i = span.left; i <= span.right; ++i)
                if (hatchCovers(FillStyle, i, span.y))
                    line[i] = ink;
        }
    }
    markChanged(touched);
}

}  // namespace pinxel
