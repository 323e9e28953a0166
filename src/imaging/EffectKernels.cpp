#include "imaging/EffectKernels.h"

#include "platform/raster/RasterPool.h"
#include "platform/raster/RowBands.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pinxel::effects {

namespace {

QRgb *line(QImage &image, int y) { return reinterpret_cast<QRgb *>(image.scanLine(y)); }
const QRgb *line(const QImage &image, int y) { return reinterpret_cast<const QRgb *>(image.constScanLine(y)); }

void reverseRow(QRgb *row, int count)
{
    QRgb *left = row;
    QRgb *right = row + count;
#if defined(__SSE2__)
    // Four pixels from each end at a time, each group reversed in its register.
    while (right - left >= 8) {
        right -= 4;
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(left));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(right));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(left), _mm_shuffle_epi32(b, 0x1B));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(right), _mm_shuffle_epi32(a, 0x1B));
        left += 4;
    }
#endif
    std::reverse(left, right);
}

// ---------------------------------------------------------------- resample

// Weights in 1/256: a weighted sum of bytes then fits 16 bits, so that four
// channels share one 64-bit word and sixteen bytes one vector register.
constexpr int WeightBits = 8;
constexpr std::uint16_t WeightOne = 1u << WeightBits;
constexpr std::uint16_t WeightHalf = WeightOne / 2;

// The source pixels one new pixel covers along one axis, with their weights
// summing to exactly 256.
struct Taps {
    std::vector<int> first;   // per new pixel: its first source pixel
    std::vector<int> count;   // per new pixel: how many source pixels
    std::vector<int> offset;  // per new pixel: where its weights start
    std::vector<std::uint16_t> weights;
};

Taps axisTaps(int from, int to)
{
    // New pixel j covers [j * from, (j + 1) * from) and old pixel k covers
    // [k * to, (k + 1) * to), both in units of 1 / (from * to) of the axis.
    Taps taps;
    taps.first.resize(size_t(to));
    taps.count.resize(size_t(to));
    taps.offset.resize(size_t(to));
    taps.weights.reserve(size_t(to) * 2 + size_t(from));
    for (std::int64_t j = 0; j < to; ++j) {
        const std::int64_t start = j * from, end = start + from;
        const std::int64_t k0 = start / to, k1 = (end - 1) / to;
        taps.first[size_t(j)] = int(k0);
        taps.count[size_t(j)] = int(k1 - k0 + 1);
        taps.offset[size_t(j)] = int(taps.weights.size());
        std::uint16_t sum = 0, largest = 0;
        size_t largestAt = taps.weights.size();
        for (std::int64_t k = k0; k <= k1; ++k) {
            const std::int64_t overlap = std::min(end, (k + 1) * to) - std::max(start, k * to);
            const auto weight = std::uint16_t((overlap * WeightOne + from / 2) / from);
            if (weight > largest) {
                largest = weight;
                largestAt = taps.weights.size();
            }
            taps.weights.push_back(weight);
            sum += weight;
        }
        taps.weights[largestAt] = std::uint16_t(taps.weights[largestAt] + WeightOne - sum);  // the rounding left over
    }
    return taps;
}

// The widest vector set the processor has, chosen once at run time.
#if defined(__x86_64__) && defined(__GNUC__)
#define PINXEL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define PINXEL_VECTOR_CLONES
#endif

// The source rows a result row covers, blended byte by byte into one row.
PINXEL_VECTOR_CLONES
void blendRows(const QImage &source, int first, int count, const std::uint16_t *weights, std::uint16_t *sums,
               uchar *out)
{
    const size_t bytes = size_t(source.width()) * 4;
    const uchar *in = source.constScanLine(first);
    std::uint16_t w = weights[0];
    for (size_t b = 0; b < bytes; ++b)
        sums[b] = std::uint16_t(w * in[b] + WeightHalf);
    for (int k = 1; k < count; ++k) {
        in = source.constScanLine(first + k);
        w = weights[k];
        for (size_t b = 0; b < bytes; ++b)
            sums[b] = std::uint16_t(sums[b] + w * in[b]);
    }
    for (size_t b = 0; b < bytes; ++b)
        out[b] = uchar(sums[b] >> WeightBits);
}

// A pixel's four bytes in the four 16-bit lanes of a word: blue, red, green, alpha.
inline std::uint64_t spread(QRgb p) { return (p & 0x00FF00FFu) | (std::uint64_t(p & 0xFF00FF00u) << 24); }

#if defined(__SSE2__)
// Where every new pixel covers at most two old ones (a resize by half or
// more), each new pixel's two weights, four lanes each, for one multiply.
// (Wrapped, as a vector of the bare vector type drops its alignment attribute.)
struct PairedWeight {
    __m128i lanes;
};

std::vector<PairedWeight> pairedWeights(const Taps &taps)
{
    if (std::all_of(taps.count.begin(), taps.count.end(), [](int count) { return count == 1; }))
        return {};  // whole-number enlargements copy pixels, faster still
    std::vector<PairedWeight> paired;
    for (size_t x = 0; x < taps.count.size(); ++x) {
        if (taps.count[x] > 2)
            return {};
        const std::uint16_t *w = &taps.weights[size_t(taps.offset[x])];
        const short second = taps.count[x] == 2 ? short(w[1]) : 0;
        paired.push_back(
            {_mm_set_epi16(second, second, second, second, short(w[0]), short(w[0]), short(w[0]), short(w[0]))});
    }
    return paired;
}

// The columns of one row blended as blendColumns does, a pixel's two old
// pixels in one register: the same sums, lane for lane.
void blendColumnPairs(const QRgb *in, int inWidth, QRgb *out, int width, const Taps &taps, const PairedWeight *weights)
{
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(WeightHalf);
    for (int x = 0; x < width; ++x) {
        const int first = taps.first[size_t(x)];
        // The last old pixel has no neighbour to read; its weight is 0 anyway.
        const __m128i two = first + 1 < inWidth ? _mm_loadl_epi64(reinterpret_cast<const __m128i *>(in + first))
                                                : _mm_cvtsi32_si128(int(in[first]));
        __m128i sum = _mm_mullo_epi16(_mm_unpacklo_epi8(two, zero), weights[x].lanes);
        sum = _mm_add_epi16(_mm_add_epi16(sum, _mm_srli_si128(sum, 8)), half);
        sum = _mm_srli_epi16(sum, WeightBits);
        out[x] = QRgb(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
    }
}
#endif

// The columns of one row blended into the columns of the result row.
void blendColumns(const QRgb *in, QRgb *out, int width, const Taps &taps)
{
    constexpr std::uint64_t Half = 0x0080008000800080ull;
    for (int x = 0; x < width; ++x) {
        const int count = taps.count[size_t(x)];
        const QRgb *pixel = in + taps.first[size_t(x)];
        if (count == 1) {
            out[x] = *pixel;
            continue;
        }
        const std::uint16_t *weights = &taps.weights[size_t(taps.offset[size_t(x)])];
        std::uint64_t sum = Half;
        for (int k = 0; k < count; ++k)
            sum += spread(pixel[k]) * weights[k];
        sum = (sum >> WeightBits) & 0x00FF00FF00FF00FFull;
        out[x] = QRgb(sum & 0x00FF00FFu) | (QRgb(sum >> 24) & 0xFF00FF00u);
    }
}

// One 4 x 4 block turned: rows in[0..3] (4 pixels each, strideIn apart) into
// rows out (strideOut apart). Anticlockwise, source column 3 becomes the
// first row; clockwise, source row 3 becomes the first column.
template <bool Anticlockwise, bool Stream>
inline void turnBlock(const QRgb *in, qsizetype strideIn, QRgb *out, qsizetype strideOut)
{
#if defined(__SSE2__)
    const auto load = [&](int r) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + r * strideIn)); };
    __m128i r0 = load(0), r1 = load(1), r2 = load(2), r3 = load(3);
    if constexpr (!Anticlockwise)
        std::swap(r0, r3), std::swap(r1, r2);  // clockwise: the rows read bottom up
    // Transpose: t[k] is column k of the block, top to bottom.
    const __m128i a = _mm_unpacklo_epi32(r0, r1), b = _mm_unpacklo_epi32(r2, r3);
    const __m128i c = _mm_unpackhi_epi32(r0, r1), d = _mm_unpackhi_epi32(r2, r3);
    __m128i t[4] = {_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b), _mm_unpacklo_epi64(c, d),
                    _mm_unpackhi_epi64(c, d)};
    for (int k = 0; k < 4; ++k) {
        const int row = Anticlockwise ? 3 - k : k;  // anticlockwise: the last column comes first
        // Past the cache when aligned: the result is not read again here, and its lines need not be fetched.
        auto *to = reinterpret_cast<__m128i *>(out + row * strideOut);
        if constexpr (Stream)
            _mm_stream_si128(to, t[k]);
        else
            _mm_storeu_si128(to, t[k]);
    }
#else
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            if constexpr (Anticlockwise)
                out[(3 - x) * strideOut + y] = in[y * strideIn + x];
            else
                out[x * strideOut + (3 - y)] = in[y * strideIn + x];
        }
#endif
}

template <bool Anticlockwise, bool Stream> void turnTiles(const QImage &source, QImage &result)
{
    const int w = source.width(), h = source.height();
    const qsizetype strideIn = source.bytesPerLine() / 4, strideOut = result.bytesPerLine() / 4;
    const QRgb *in = line(source, 0);
    QRgb *out = line(result, 0);
    // Anticlockwise (x, y) lands at (y, w - 1 - x); clockwise at (h - 1 - y, x).
    const auto place = [&](int x, int y) -> QRgb & {
        return Anticlockwise ? out[qsizetype(w - 1 - x) * strideOut + y] : out[qsizetype(x) * strideOut + (h - 1 - y)];
    };
    // Tiles small enough that the rows read and the rows written stay in the
    // cache, turned 4 x 4 pixels at a time; the ragged edges pixel by pixel.
    // Bands of source rows write their own columns of the result, in whole
    // cache lines of it (16 rows).
    constexpr int TileRows = 256, TileColumns = 64, BandUnit = 16;
    const int w4 = w & ~3, h4 = h & ~3;
    forRowBands((h4 + BandUnit - 1) / BandUnit, std::int64_t(w) * h, [&](int firstUnit, int endUnit) {
        const int top = firstUnit * BandUnit, bottom = std::min(endUnit * BandUnit, h4);
        for (int y0 = top; y0 < bottom; y0 += TileRows) {
            const int y1 = std::min(y0 + TileRows, bottom);
            for (int x0 = 0; x0 < w4; x0 += TileColumns) {
                const int x1 = std::min(x0 + TileColumns, w4);
                // Down the tile's columns, so that the rows written fill in order.
                for (int x = x0; x < x1; x += 4)
                    for (int y = y0; y < y1; y += 4) {
                        // The block's corner that lands top left of its turned place.
                        QRgb *corner = Anticlockwise ? &place(x + 3, y) : &place(x, y + 3);
                        turnBlock<Anticlockwise, Stream>(in + qsizetype(y) * strideIn + x, strideIn, corner, strideOut);
                    }
            }
        }
#if defined(__SSE2__)
        _mm_sfence();  // the streamed stores land before the result is read
#endif
    });
    for (int y = 0; y < h; ++y)
        for (int x = (y < h4 ? w4 : 0); x < w; ++x)
            place(x, y) = in[qsizetype(y) * strideIn + x];
}

// ---------------------------------------------------------------- rotation by mapping

// Step (i, c)'s offsets exactly as documented: the library's arctangent,
// cosine and sine, the angles in single precision, halves rounded to even.
void exactOffset(int i, int c, float theta, double radius, int &dx, int &dy)
{
    const float a = i == 0 ? 1.5707964f : float(std::atan(double(c) / double(i)));
    const double phi = double(a) + double(theta);
    dx = int(std::nearbyint(radius * std::cos(phi)));
    dy = int(std::nearbyint(radius * std::sin(phi)));
}

// The offsets of steps (i, c0..c0 + count - 1) in the fast form, cos(a + theta) =
// (i cos theta - c sin theta) / |(i, c)|. It differs from the documented
// single-precision angle by less than 1e-7 radians, so a value is marked for
// the exact form when it lies that near a half. Straight-line code over c,
// which the compiler vectorises.
PINXEL_VECTOR_CLONES
void fastOffsets(int i, int c0, int count, double cosT, double sinT, int *dxs, int *dys, unsigned char *nearHalf)
{
    // Adding and taking away 1.5 x 2^52 rounds to the nearest, halves to even.
    constexpr double Round = 6755399441055744.0;
    const double fi = i;
    for (int k = 0; k < count; ++k) {
        const double fc = c0 + k;
        const double rho = std::sqrt(fi * fi + fc * fc);
        const double radius = (rho + Round) - Round;
        const double scale = radius / std::max(rho, 1e-300);  // 0 at the centre, without a branch
        const double vx = scale * (fi * cosT - fc * sinT), vy = scale * (fi * sinT + fc * cosT);
        const double rx = (vx + Round) - Round, ry = (vy + Round) - Round;
        const double limit = 0.5 - 4e-7 * (radius + 1.0);
        dxs[k] = int(rx);
        dys[k] = int(ry);
        nearHalf[k] = (std::fabs(vx - rx) > limit) | (std::fabs(vy - ry) > limit);
    }
}

}  // namespace

// The bits are taken once, before the bands: a band must not detach the image.
void mirrorRows(QImage &image)
{
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width(), height = image.height();
    forRowBands(height, std::int64_t(width) * height, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            reverseRow(reinterpret_cast<QRgb *>(bits + stride * y), width);
    });
}

void mirrorColumns(QImage &image)
{
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int height = image.height();
    const size_t bytes = size_t(image.width()) * 4;
    // Bands of the pairs of rows that change places.
    forRowBands(height / 2, std::int64_t(image.width()) * height, [&](int first, int end) {
        for (int top = first; top < end; ++top) {
            uchar *const upper = bits + stride * top;
            std::swap_ranges(upper, upper + bytes, bits + stride * (height - 1 - top));
        }
    });
}

void xorPixels(QImage &image, QRgb colour)
{
    const QRgb mask = colour & 0xFFFFFFu;
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width(), height = image.height();
    forRowBands(height, std::int64_t(width) * height, [&](int first, int end) {
        for (int y = first; y < end; ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(bits + stride * y);
            for (int x = 0; x < width; ++x)
                row[x] ^= mask;
        }
    });
}

QImage resample(const QImage &source, int width, int height)
{
    QImage result = newRaster(width, height);
    if (result.isNull())
        return result;
    const Taps rows = axisTaps(source.height(), height), columns = axisTaps(source.width(), width);
    uchar *const bits = result.bits();  // taken once: the bands must not detach the result
    const qsizetype stride = result.bytesPerLine();
#if defined(__SSE2__)
    const std::vector<PairedWeight> paired = pairedWeights(columns);
#endif
    forRowBands(height, std::int64_t(width) * height, [&](int firstRow, int endRow) {
        // One row at a time: the rows blended into a row that stays in the cache, then its columns.
        std::vector<std::uint16_t> sums(size_t(source.width()) * 4);
        std::vector<QRgb> blended(size_t(source.width()));
        for (int y = firstRow; y < endRow; ++y) {
            const int first = rows.first[size_t(y)], count = rows.count[size_t(y)];
            const QRgb *in = line(source, first);
            if (count > 1) {
                blendRows(source, first, count, &rows.weights[size_t(rows.offset[size_t(y)])], sums.data(),
                          reinterpret_cast<uchar *>(blended.data()));
                in = blended.data();
            }
            QRgb *out = reinterpret_cast<QRgb *>(bits + stride * y);
#if defined(__SSE2__)
            if (!paired.empty()) {
                blendColumnPairs(in, source.width(), out, width, columns, paired.data());
                continue;
            }
#endif
            blendColumns(in, out, width, columns);
        }
    });
    return result;
}

QImage repeatPixels(const QImage &source, int width, int height)
{
    QImage result = newRaster(width, height);
    if (result.isNull())
        return result;
    std::vector<int> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[size_t(x)] = blockSource(x, width, source.width());
    uchar *const bits = result.bits();  // taken once: the bands must not detach the result
    const qsizetype stride = result.bytesPerLine();
    forRowBands(height, std::int64_t(width) * height, [&](int firstRow, int endRow) {
        for (int y = firstRow; y < endRow; ++y) {
            QRgb *out = reinterpret_cast<QRgb *>(bits + stride * y);
            const int from = blockSource(y, height, source.height());
            if (y > firstRow && from == blockSource(y - 1, height, source.height())) {
                std::memcpy(out, bits + stride * (y - 1), size_t(width) * sizeof(QRgb));  // the block's next row
                continue;
            }
            const QRgb *in = line(source, from);
            for (int x = 0; x < width; ++x)
                out[x] = in[columns[size_t(x)]];
        }
    });
    return result;
}

QImage quarterTurn(const QImage &source, bool anticlockwise)
{
    QImage result = newRaster(source.height(), source.width());
    if (result.isNull())
        return result;
    // Streamed stores need every block's place 16-byte aligned.
    const bool aligned = reinterpret_cast<std::uintptr_t>(result.constBits()) % 16 == 0
                         && result.bytesPerLine() % 16 == 0 && (anticlockwise || source.height() % 4 == 0);
    if (anticlockwise)
        aligned ? turnTiles<true, true>(source, result) : turnTiles<true, false>(source, result);
    else
        aligned ? turnTiles<false, true>(source, result) : turnTiles<false, false>(source, result);
    return result;
}

void rotateByMapping(const QImage &source, QImage &target, float theta,
                     const std::function<void(int, int, int)> &rowsDone)
{
    // nearbyint rounds halves to even in the default rounding mode, as the documents round.
    const int sw = source.width(), sh = source.height(), tw = target.width(), th = target.height();
    const int sx = int(std::nearbyint(sw / 2.0)), sy = int(std::nearbyint(sh / 2.0));
    const int tx = int(std::nearbyint(tw / 2.0)), ty = int(std::nearbyint(th / 2.0));
    const int n = int(std::nearbyint(float(std::max(tw, th)) / 2.0f));
    const qsizetype sstride = source.bytesPerLine() / 4, tstride = target.bytesPerLine() / 4;
    const QRgb *in = line(source, 0);
    QRgb *out = line(target, 0);
    // A source pixel to a target pixel; a read outside the source (the
    // documents' -1) writes nothing, a write outside the target vanishes.
    const auto copy = [&](int fromX, int fromY, int toX, int toY) {
        if (unsigned(fromX) < unsigned(sw) && unsigned(fromY) < unsigned(sh) && unsigned(toX) < unsigned(tw)
            && unsigned(toY) < unsigned(th))
            out[qsizetype(toY) * tstride + toX] = in[qsizetype(fromY) * sstride + fromX];
    };
    const double cosT = std::cos(double(theta)), sinT = std::sin(double(theta));
    constexpr int Tile = 64;
    // The offsets of a tile of steps, each thread its own.
    struct Offsets {
        int dxs[Tile * Tile], dys[Tile * Tile];
        unsigned char nearHalf[Tile];
    };
    // The offsets of steps i0..i1 x c0..c1, row (i - i0) of the tile.
    const auto offsets = [&](Offsets &o, int i0, int i1, int c0, int c1) {
        const int count = c1 - c0 + 1;
        for (int i = i0; i <= i1; ++i) {
            int *dx = o.dxs + (i - i0) * Tile, *dy = o.dys + (i - i0) * Tile;
            fastOffsets(i, c0, count, cosT, sinT, dx, dy, o.nearHalf);
            for (int k = 0; k < count; ++k)
                if (o.nearHalf[k]) {
                    const int c = c0 + k;
                    exactOffset(i, c, theta, std::nearbyint(std::sqrt(double(i) * i + double(c) * c)), dx[k], dy[k]);
                }
        }
    };

    // Steps with i and c both above 0 write pixels off the two axes through
    // the centre, each pixel once, so their order is free: tile by tile,
    // each quadrant in the order that writes along the target's rows; the
    // rows of tiles i0..i0 + 63 in bands across the cores.
    const auto tileRow = [&](int i0) {
        const int i1 = std::min(i0 + Tile - 1, n);
        Offsets o;
        const int *const dxs = o.dxs, *const dys = o.dys;
        for (int c0 = 1; c0 <= n; c0 += Tile) {
            const int c1 = std::min(c0 + Tile - 1, n);
            // Quadrants whose pixels all lie outside the target write nothing.
            const bool right = tx + i0 < tw, left = tx - i0 >= 0, below = ty + c0 < th, above = ty - c0 >= 0;
            const bool rowsBelow = ty + i0 < th, rowsAbove = ty - i0 >= 0, columnsRight = tx + c0 < tw,
                       columnsLeft = tx - c0 >= 0;
            const bool q0 = right && below, q1 = left && above, q2 = columnsRight && rowsAbove,
                       q3 = columnsLeft && rowsBelow;
            if (!(q0 || q1 || q2 || q3))
                continue;
            offsets(o, i0, i1, c0, c1);
            // One quadrant: lines of the target's rows in turn; the source
            // pixels of the next line are fetched while this one is copied.
            const auto quadrant = [&](bool active, bool rowsByC, auto &&from, auto &&to) {
                if (!active)
                    return;
                const int outer0 = rowsByC ? c0 : i0, outer1 = rowsByC ? c1 : i1;
                const int inner0 = rowsByC ? i0 : c0, inner1 = rowsByC ? i1 : c1;
                const auto step = [&](int o, int k) {
                    const int i = rowsByC ? k : o, c = rowsByC ? o : k;
                    const int t = (i - i0) * Tile + (c - c0);
                    return std::pair{from(dxs[t], dys[t]), to(i, c)};
                };
                for (int o = outer0; o <= outer1; ++o) {
                    if (o < outer1)
                        for (int k = inner0; k <= inner1; ++k) {
                            // An address only, never read: it may lie outside the picture.
                            const QPoint p = step(o + 1, k).first;
                            const std::uintptr_t at =
                                reinterpret_cast<std::uintptr_t>(in)
                                + std::uintptr_t((qsizetype(p.y()) * sstride + p.x()) * qsizetype(sizeof(QRgb)));
                            __builtin_prefetch(reinterpret_cast<const void *>(at));
                        }
                    for (int k = inner0; k <= inner1; ++k) {
                        const auto [f, t] = step(o, k);
                        copy(f.x(), f.y(), t.x(), t.y());
                    }
                }
            };
            quadrant(
                q0, true, [&](int dx, int dy) { return QPoint(sx + dx, sy + dy); },
                [&](int i, int c) { return QPoint(tx + i, ty + c); });
            quadrant(
                q1, true, [&](int dx, int dy) { return QPoint(sx - dx, sy - dy); },
                [&](int i, int c) { return QPoint(tx - i, ty - c); });
            quadrant(
                q2, false, [&](int dx, int dy) { return QPoint(sx + dy, sy - dx); },
                [&](int i, int c) { return QPoint(tx + c, ty - i); });
            quadrant(
                q3, false, [&](int dx, int dy) { return QPoint(sx - dy, sy + dx); },
                [&](int i, int c) { return QPoint(tx - c, ty + i); });
        }
    };
    const int tileRows = (n + Tile - 1) / Tile;
    RowBandTeam team(rowBandCount(tileRows, std::int64_t(tw) * th));
    for (int first = 0; first < tileRows; first += team.bands()) {
        const int end = std::min(first + team.bands(), tileRows);
        team.run([&](int band) {
            if (first + band < end)
                tileRow(1 + (first + band) * Tile);
        });
        if (rowsDone)
            rowsDone(1 + first * Tile, std::min(end * Tile, n), n);
    }

    // Steps on the axes write the axes' pixels, some twice (step (0, k) and
    // step (k, 0) meet), so they keep the documented order: i = 0 with every
    // c, then c = 0 for every further i, each step's four writes in turn.
    const auto axisStep = [&](int i, int c, int dx, int dy) {
        copy(sx + dx, sy + dy, tx + i, ty + c);
        copy(sx - dx, sy - dy, tx - i, ty - c);
        copy(sx + dy, sy - dx, tx + c, ty - i);
        copy(sx - dy, sy + dx, tx - c, ty + i);
    };
    Offsets o;
    for (int c0 = 0; c0 <= n; c0 += Tile) {
        const int c1 = std::min(c0 + Tile - 1, n);
        offsets(o, 0, 0, c0, c1);
        for (int c = c0; c <= c1; ++c)
            axisStep(0, c, o.dxs[c - c0], o.dys[c - c0]);
    }
    for (int i = 1; i <= n; ++i) {
        offsets(o, i, i, 0, 0);
        axisStep(i, 0, o.dxs[0], o.dys[0]);
    }
}

}  // namespace pinxel::effects
