// ExtFloodFill: the connected area (4-neighbours) of one colour, or the area
// bounded by one colour, painted with the surface's fill colour and style.
//
// The search works on rows of bits, 64 pixels to a word: a row's pixels that
// may be filled are found when the search first reaches the row, spans grow
// and spread to the rows above and below by word operations, and the area is
// painted afterwards from its bits, so a hatch that leaves pixels of the old
// colour never lets the fill leak or stop early. A whole-picture fill reads
// and writes each pixel about once.

#include "pinxel/PictureSurface.h"

#include <bit>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pinxel {

namespace {

using Word = std::uint64_t;
constexpr int WordBits = 64;
constexpr Word AllOnes = ~Word(0);

// Bits from..to-1 of a word (0 <= from < to <= 64).
Word bitRange(int from, int to)
{
    const Word upTo = to >= WordBits ? AllOnes : (Word(1) << to) - 1;
    return upTo & ~((Word(1) << from) - 1);
}

// The bits of a row's pixels equal to the key, 64 to a word; bits past the
// row's end are zero.
void matchRow(const QRgb *line, int width, QRgb key, Word *bits)
{
    int x = 0;
    size_t word = 0;
#if defined(__SSE2__)
    const __m128i keys = _mm_set1_epi32(int(key));
    const auto equal16 = [&](const QRgb *at) {
        const auto load = [&](int i) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 4 * i)); };
        const __m128i a = _mm_packs_epi32(_mm_cmpeq_epi32(load(0), keys), _mm_cmpeq_epi32(load(1), keys));
        const __m128i b = _mm_packs_epi32(_mm_cmpeq_epi32(load(2), keys), _mm_cmpeq_epi32(load(3), keys));
        return Word(std::uint32_t(_mm_movemask_epi8(_mm_packs_epi16(a, b))));
    };
    for (; x + WordBits <= width; x += WordBits, ++word)
        bits[word] = equal16(line + x) | equal16(line + x + 16) << 16 | equal16(line + x + 32) << 32
                     | equal16(line + x + 48) << 48;
#endif
    for (; x < width; x += WordBits, ++word) {
        Word w = 0;
        for (int i = 0; i < WordBits && x + i < width; ++i)
            w |= Word(line[x + i] == key) << i;
        bits[word] = w;
    }
}

class FillSearch {
public:
    FillSearch(const QImage &raster, QRgb key, bool surface)
        : m_raster(raster), m_width(raster.width()), m_words((size_t(m_width) + WordBits - 1) / WordBits), m_key(key),
          m_surface(surface), m_open(m_words * size_t(raster.height()), 0),
          m_filled(m_words * size_t(raster.height()), 0), m_made(size_t(raster.height()), false)
    {}

    bool open(int x, int y)
    {
        make(y);
        return (m_open[index(y) + size_t(x / WordBits)] >> (x % WordBits)) & 1u;
    }

    // Fills the span of open pixels through (x, y) and pushes a seed for
    // every run of open pixels beside it in the rows above and below.
    void fillSpan(int x, int y, std::vector<QPoint> &seeds)
    {
        Word *row = &m_open[index(y)];
        const int left = spanLeft(row, x), right = spanRight(row, x);  // right exclusive
        forWords(left, right, [&](size_t w, Word mask) {
            row[w] &= ~mask;
            m_filled[index(y) + w] |= mask;
        });
        m_touched |= QRect(left, y, right - left, 1);
        for (const int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= m_raster.height())
                continue;
            make(ny);
            const Word *next = &m_open[index(ny)];
            Word carry = 0;  // whether the pixel before the word was open
            forWords(left, right, [&](size_t w, Word mask) {
                const Word open = next[w] & mask;
                Word starts = open & ~((open << 1) | carry);
                carry = open >> (WordBits - 1);
                while (starts) {
                    seeds.emplace_back(int(w) * WordBits + std::countr_zero(starts), ny);
                    starts &= starts - 1;
                }
            });
        }
    }

    QRect touched() const { return m_touched; }
    const Word *filledRow(int y) const { return &m_filled[index(y)]; }

private:
    size_t index(int y) const { return m_words * size_t(y); }

    // A row's open pixels, made when the search first reaches the row.
    void make(int y)
    {
        if (m_made[size_t(y)])
            return;
        m_made[size_t(y)] = true;
        Word *bits = &m_open[index(y)];
        matchRow(reinterpret_cast<const QRgb *>(m_raster.constScanLine(y)), m_width, m_key, bits);
        if (!m_surface) {  // bounded by the key colour: everything else is open
            for (size_t w = 0; w < m_words; ++w)
                bits[w] = ~bits[w];
            if (m_width % WordBits)
                bits[m_words - 1] &= bitRange(0, m_width % WordBits);
        }
    }

    // The first closed pixel right of x, or the row's end.
    int spanRight(const Word *row, int x) const
    {
        size_t w = size_t(x / WordBits);
        Word closed = ~row[w] & ~bitRange(0, x % WordBits);
        while (!closed) {
            if (++w == m_words)
                return m_width;
            closed = ~row[w];
        }
        return int(w) * WordBits + std::countr_zero(closed);
    }

    // The leftmost open pixel of the run through x.
    int spanLeft(const Word *row, int x) const
    {
        int w = x / WordBits;
        Word closed = ~row[w] & bitRange(0, x % WordBits + 1);
        while (!closed) {
            if (--w < 0)
                return 0;
            closed = ~row[w];
        }
        return w * WordBits + (WordBits - std::countl_zero(closed));
    }

    // Calls f(word, mask) for the words covering pixels left..right-1.
    template <typename F> static void forWords(int left, int right, F f)
    {
        const int first = left / WordBits, last = (right - 1) / WordBits;
        for (int w = first; w <= last; ++w) {
            const int from = w == first ? left % WordBits : 0;
            const int to = w == last ? right - last * WordBits : WordBits;
            f(size_t(w), bitRange(from, to));
        }
    }

    const QImage &m_raster;
    int m_width;
    size_t m_words;
    QRgb m_key;
    bool m_surface;
    std::vector<Word> m_open;
    std::vector<Word> m_filled;
    std::vector<bool> m_made;
    QRect m_touched;
};

// The hatch's pixels in a row, as a word: the pattern repeats every 8 pixels
// and words start at multiples of 64.
Word hatchRow(int fillStyle, int y)
{
    Word byte = 0;
    for (int u = 0; u < 8; ++u)
        byte |= Word(hatchCovers(fillStyle, u, y)) << u;
    return byte * 0x0101010101010101ull;
}

}  // namespace

void PictureSurface::ExtFloodFill(int x, int y, Color color, int fillType)
{
    const int width = m_raster.width(), height = m_raster.height();
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    if (FillStyle == FillTransparent)
        return;
    // Raster pixels are opaque, so whole-word compares are exact.
    FillSearch search(m_raster, toQRgb(color), fillType == FloodFillSurface);
    if (!search.open(x, y))
        return;
    std::vector<QPoint> seeds{QPoint(x, y)};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        if (search.open(seed.x(), seed.y()))
            search.fillSpan(seed.x(), seed.y(), seeds);
    }

    const QRgb ink = toQRgb(FillColor);
    const QRect touched = search.touched();
    const int firstWord = touched.left() / WordBits, lastWord = touched.right() / WordBits;
    for (int row = touched.top(); row <= touched.bottom(); ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(m_raster.scanLine(row));
        const Word *filled = search.filledRow(row);
        const Word pattern = FillStyle == FillSolid ? AllOnes : hatchRow(FillStyle, row);
        for (int w = firstWord; w <= lastWord; ++w) {
            Word bits = filled[w] & pattern;
            QRgb *at = line + w * WordBits;
            if (bits == AllOnes) {
                std::fill(at, at + WordBits, ink);
                continue;
            }
            if (pattern != AllOnes) {  // a hatch: single pixels mostly
                for (; bits; bits &= bits - 1)
                    at[std::countr_zero(bits)] = ink;
                continue;
            }
            while (bits) {  // runs of set bits
                const int start = std::countr_zero(bits);
                const int length = std::countr_one(bits >> start);
                std::fill(at + start, at + start + length, ink);
                bits &= ~bitRange(start, start + length);
            }
        }
    }
    markChanged(touched);
}

}  // namespace pinxel
