// The filters that read their neighbours: Blur, Emboss, Sharpen, Snow,
// Diffuse, Crease and Wave. Each writes in place yet reads only original
// pixels, so that no result feeds a later one: either it visits the pixels in
// an order in which what it reads is not written yet, or it keeps the few rows
// or the strip it reads aside just before writing them. No pass copies the
// whole picture.
//
// A large region's strips run in bands of rows, one per core. A band reads
// the few rows beyond its ends from copies kept before any band starts, and
// only the band that owns a row saves its last columns for the next strip, so
// the bands give the one thread's results whatever their number.
//
// Only a whole-picture region reaches past the picture (one column and one
// row). The few pixels whose neighbours lie there are computed one by one
// from colours with the outside read as -1; all others take the fast loops.

#include "imaging/FilterPass.h"

#include "imaging/FilterKernels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace pinxel::filters {

namespace {

constexpr QRgb Opaque = 0xFF000000u;
// What a write of the colour -1 (a read outside the picture) puts in the raster.
constexpr QRgb OutsideWritten = toQRgb(NoColor) | Opaque;

QRgb composed(int red, int green, int blue) { return toQRgb(composeColor(red, green, blue)) | Opaque; }

// Blur of one pixel from the original colours, the outside as -1.
template <typename Original> QRgb blurAt(const Original &original, int x, int y)
{
    int sum[3] = {0, 0, 0};
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            int c[3];
            SplitColor(original(x + dx, y + dy), c[0], c[1], c[2]);
            for (int i = 0; i < 3; ++i)
                sum[i] += c[i];
        }
    int result[3];
    for (int i = 0; i < 3; ++i)
        result[i] = toInt16(std::fabs(sum[i] / 10.0));
    return composed(result[0], result[1], result[2]);
}

}  // namespace

void blurPass(Pass &pass)
{
    // In place, each strip from the top row down. The three source rows of a
    // result row are kept aside before they are written, in a ring of three
    // row copies; their first column, left of the strip and written by the
    // strip before, comes from that strip's saved last column. A band keeps
    // the rows just outside it from the boundary copies, and saves the last
    // columns of its own rows only.
    const Region &rg = pass.region;
    const int w = pass.width, h = pass.height;
    const int xa = rg.left + 1, xb = std::min(rg.right - 1, w - 1);
    const int ya = rg.top + 1, yb = std::min(rg.bottom - 1, h - 1);
    if (xa > xb || ya > yb)
        return;
    Scratch &s = scratch();
    const int firstSource = ya - 1, lastSource = std::min(yb + 1, h - 1);  // source rows in the picture
    s.edge.resize(std::size_t(yb - ya + 3));
    s.nextEdge.resize(s.edge.size());
    const Kernels &k = kernels();
    // Beyond these the 3 x 3 cells reach the outside column or row.
    const int fastRight = std::min(xb, w - 2), fastBottom = std::min(yb, h - 2);
    const RowSplit split = pass.split(ya, yb);
    pass.sweep(xa, xb, ya, yb, [&](int a, int b) {
        // Slot 2i: the last row of band i; slot 2i + 1: the first row of band i + 1.
        BoundaryRows boundary(pass, a, b, 1, 2 * (split.count - 1));
        for (int i = 1; i < split.count; ++i) {
            boundary.keep(2 * i - 2, split.start(i) - 1);
            boundary.keep(2 * i - 1, split.start(i));
        }
        const std::size_t width = std::size_t(b - a + 3);  // columns a - 1 .. b + 1
        const int lastColumn = std::min(b + 1, w - 1);
        const int fb = std::min(b, fastRight);
        pass.inBands(split, [&](int band, int first, int last) {
            QRgb *ring = scratch().ring.get(3 * width);
            const auto slot = [&](int r) { return ring + std::size_t((r - firstSource) % 3) * width; };
            const int owned = band == 0 ? firstSource : first, ownedLast = band == split.count - 1 ? lastSource : last;
            const auto keep = [&](int r) {
                if (r > lastSource)
                    return;
                const std::size_t at = std::size_t(r - firstSource);
                const bool above = r < first && band > 0, below = r > last && band < split.count - 1;
                const QRgb *line = above   ? boundary.at(2 * band - 2)
                                   : below ? boundary.at(2 * band + 1)
                                           : pass.row(r) + a;  // at column a
                QRgb *copy = slot(r);
                std::copy(line, line + (lastColumn - a + 1), copy + 1);
                copy[0] = a == xa ? line[-1] : s.edge[at];
                if (b < xb && r >= owned && r <= ownedLast)
                    s.nextEdge[at] = line[b - a];
            };
            const auto original = [&](int x, int y) -> Color {
                if (x >= w || y >= h)
                    return NoColor;
                return fromQRgb(slot(y)[x - a + 1]);
            };
            keep(first - 1);
            keep(first);
            for (int y = first; y <= last; ++y) {
                keep(y + 1);
                QRgb *out = pass.row(y);
                int x = a;
                if (y <= fastBottom && a <= fb) {
                    k.blur(out + a, slot(y - 1) + 1, slot(y) + 1, slot(y + 1) + 1, fb - a + 1);
                    x = fb + 1;
                }
                for (; x <= b; ++x)
                    out[x] = blurAt(original, x, y);
            }
        });
        std::swap(s.edge, s.nextEdge);
    });
}

void embossPass(Pass &pass)
{
    // In place: row y reads row y + 1 one column right, which neither this
    // strip (top to bottom) nor an earlier one (left of it) has written yet;
    // the last row of a band reads the next band's first from its copy.
    const Region &rg = pass.region;
    const int xa = rg.left, xb = std::min(rg.right - 1, pass.width - 1);
    const int ya = rg.top, yb = std::min(rg.bottom - 1, pass.height - 1);
    if (xa > xb || ya > yb)
        return;
    const Kernels &k = kernels();
    const int fastRight = std::min(xb, pass.width - 2), fastBottom = std::min(yb, pass.height - 2);
    const RowSplit split = pass.split(ya, yb);
    pass.sweep(xa, xb, ya, yb, [&](int a, int b) {
        BoundaryRows boundary(pass, a, b, 1, split.count - 1);  // slot i: the first row of band i + 1
        for (int i = 1; i < split.count; ++i)
            boundary.keep(i - 1, split.start(i));
        const int fb = std::min(b, fastRight);
        pass.inBands(split, [&](int band, int first, int last) {
            for (int y = first; y <= last; ++y) {
                QRgb *out = pass.row(y);
                int x = a;
                if (y <= fastBottom && a <= fb) {
                    const QRgb *below = y == last && band < split.count - 1 ? boundary.at(band) : pass.row(y + 1) + a;
                    k.emboss(out + a, below + 1, fb - a + 1);
                    x = fb + 1;
                }
                // The neighbour is outside: red -1, green 0, blue 0.
                for (; x <= b; ++x) {
                    const Color c = fromQRgb(out[x]);
                    out[x] = composed(std::abs(colorRed(c) + 1 - 128), std::abs(colorGreen(c) - 128),
                                      std::abs(colorBlue(c) - 128));
                }
            }
        });
    });
}

namespace {

void sharpenOrSnow(Pass &pass, bool snow)
{
    // In place, each strip from the bottom row up, so that the row above is
    // still the original; the column left of a strip was written by the strip
    // before, which kept its original last column aside. The first row of a
    // band reads the row above it from its copy, and each band keeps the last
    // columns of its own rows.
    const Region &rg = pass.region;
    const int xa = rg.left + 1, xb = std::min(rg.right, pass.width - 1);
    const int ya = rg.top + 1, yb = std::min(rg.bottom, pass.height - 1);
    if (xa > xb || ya > yb)
        return;
    const Kernels &k = kernels();
    const auto kernel = snow ? k.snow : k.sharpen;
    Scratch &s = scratch();
    const std::size_t rows = std::size_t(yb - ya + 1);
    s.edge.resize(rows);  // entry i: row ya - 1 + i
    s.nextEdge.resize(rows);
    const RowSplit split = pass.split(ya, yb);
    pass.sweep(xa, xb, ya, yb, [&](int a, int b) {
        BoundaryRows boundary(pass, a, b, 1, split.count - 1);  // slot i: the last row of band i
        for (int i = 1; i < split.count; ++i)
            boundary.keep(i - 1, split.start(i) - 1);
        const int n = b - a + 1;
        pass.inBands(split, [&](int band, int first, int last) {
            if (b < xb)
                for (int y = band == 0 ? ya - 1 : first; y <= std::min(last, yb - 1); ++y)
                    s.nextEdge[std::size_t(y - ya + 1)] = pass.row(y)[b];
            for (int y = last; y >= first; --y) {
                QRgb *out = pass.row(y) + a;
                const QRgb *above = y == first && band > 0 ? boundary.at(band - 1) : pass.row(y - 1) + a;
                if (a == xa) {
                    kernel(out, above - 1, n);
                } else {
                    kernel(out, &s.edge[std::size_t(y - ya)], 1);
                    kernel(out + 1, above, n - 1);
                }
            }
        });
        std::swap(s.edge, s.nextEdge);
    });
}

}  // namespace

void sharpenPass(Pass &pass) { sharpenOrSnow(pass, false); }
void snowPass(Pass &pass) { sharpenOrSnow(pass, true); }

// ---------------------------------------------------------------- Diffuse

namespace {

// The random source's step as an affine map modulo 2^24, and its powers, so
// that the state before any draw of the pass is known without drawing.
struct Affine {
    std::uint32_t mul = 1;
    std::uint32_t add = 0;
    std::uint32_t operator()(std::uint32_t s) const { return (mul * s + add) & RandomMask; }
    // This map after other.
    Affine after(const Affine &other) const { return {mul * other.mul, mul * other.add + add}; }
};

Affine stepPower(std::uint64_t n)
{
    Affine result, base{RandomMultiplier, RandomIncrement};
    for (; n != 0; n >>= 1) {
        if (n & 1)
            result = base.after(result);
        base = base.after(base);
    }
    return result;
}

// The state a draw was made from, given the state it left: the multiplier is
// odd, so the step can be undone.
std::uint32_t stateBefore(std::uint32_t after)
{
    std::uint32_t inverse = RandomMultiplier;  // Newton's iteration doubles the correct bits
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - RandomMultiplier * inverse;
    return (inverse * (after - RandomIncrement)) & RandomMask;
}

// Whether the random source steps as this file assumes; otherwise Diffuse draws one by one.
bool randomSourceMatches()
{
    static const bool matches = [] {
        RandomSource probe(0x2468AC);
        std::uint32_t state = 0x2468AC;
        for (int i = 0; i < 4; ++i) {
            state = Affine{RandomMultiplier, RandomIncrement}(state);
            if (std::uint32_t(probe.Rnd() * 16777216.0f) != state)
                return false;
        }
        return true;
    }();
    return matches;
}

int offsetOf(float draw) { return int(std::floor(5.0 * double(draw) - 2.0)); }

void diffuseOneByOne(Pass &pass, const ColorArray &colors, int xa, int xb, int ya, int yb)
{
    pass.sweep(xa, xb, ya, yb, [&](int a, int b) {
        for (int x = a; x <= b; ++x)
            for (int y = ya; y <= yb; ++y) {
                const int o1 = offsetOf(pass.random.Rnd());
                const int o2 = offsetOf(pass.random.Rnd());
                const int o3 = offsetOf(pass.random.Rnd());
                const int o4 = offsetOf(pass.random.Rnd());
                const int red = std::abs(colors.color(x, y + o1) % 256);
                const int green = std::abs((colors.color(x + o2, y) / 256) % 256);
                const int blue = std::abs(colors.color(x + o4, y + o3) / 65536);
                pass.row(y)[x] = composed(red, green, blue);
            }
    });
}

}  // namespace

void diffusePass(Pass &pass)
{
    // The margins keep every neighbour inside the region and the picture.
    const Region &rg = pass.region;
    const int xa = rg.left + 2, xb = rg.right - 3;
    const int ya = rg.top + 2, yb = rg.bottom - 3;
    if (xa > xb || ya > yb)
        return;
    Scratch &s = scratch();
    if (engineSwitches().drawOneByOne || !randomSourceMatches()) {
        RetrieveColorInfo(pass.target, s.colors, rg.left, rg.top, rg.right, rg.bottom);
        diffuseOneByOne(pass, s.colors, xa, xb, ya, yb);
        return;
    }
    // Draw k of the pass (k = 0, 1, ...) belongs to pixel k / 4 in column-major
    // order; a row of a strip needs the states of draws H * 4 apart, and a
    // band's first row those of the draws before its rows in each column.
    const std::uint64_t rows = std::uint64_t(yb - ya + 1);
    const std::uint64_t pixels = rows * std::uint64_t(xb - xa + 1);
    const std::uint32_t start = stateBefore(std::uint32_t(pass.random.Rnd() * 16777216.0f));
    const Affine nextColumn = stepPower(4 * rows);
    const Kernels &k = kernels();
    // In place, each strip from the top row down, reading the five source rows
    // around a result row from copies kept before they were written: a ring
    // of five rows, each stored twice (slots i and i + 5), so that any five
    // consecutive rows lie at one stride. Its first two columns, left of the
    // strip and written by the strip before, come from that strip's last two.
    // A band reads the two rows on either side of it from the boundary copies
    // and saves the last columns of its own rows only.
    const int firstSource = ya - 2, lastSource = yb + 2;
    const std::size_t sourceRows = std::size_t(yb - ya + 5);
    s.edge.resize(2 * sourceRows);
    s.nextEdge.resize(2 * sourceRows);
    const RowSplit split = pass.split(ya, yb);
    pass.sweep(xa, xb, ya, yb, [&](int a, int b) {
        // Slots 4i .. 4i + 3: the two rows above band i, the two below it.
        BoundaryRows boundary(pass, a, b, 2, 4 * split.count);
        for (int i = 0; i < split.count; ++i) {
            const int first = split.start(i), last = split.start(i + 1) - 1;
            if (i > 0) {
                boundary.keep(4 * i, first - 2);
                boundary.keep(4 * i + 1, first - 1);
            }
            if (i < split.count - 1) {
                boundary.keep(4 * i + 2, last + 1);
                boundary.keep(4 * i + 3, last + 2);
            }
        }
        const int n = b - a + 1;
        const std::size_t width = std::size_t(n + 4);  // columns a - 2 .. b + 2
        pass.inBands(split, [&](int band, int first, int last) {
            Scratch &own = scratch();
            QRgb *ring = own.ring.get(10 * width);
            const int owned = band == 0 ? firstSource : first, ownedLast = band == split.count - 1 ? lastSource : last;
            const auto keep = [&](int r) {
                const std::size_t at = std::size_t(r - firstSource);
                QRgb *copy = ring + (at % 5) * width;
                const QRgb *line = r < first && band > 0                ? boundary.at(4 * band + (r - first + 2))
                                   : r > last && band < split.count - 1 ? boundary.at(4 * band + 1 + (r - last))
                                                                        : pass.row(r) + a;  // at column a
                std::copy(line, line + n + 2, copy + 2);
                if (a == xa) {
                    copy[0] = line[-2];
                    copy[1] = line[-1];
                } else {
                    copy[0] = s.edge[2 * at];
                    copy[1] = s.edge[2 * at + 1];
                }
                if (r >= owned && r <= ownedLast) {
                    s.nextEdge[2 * at] = copy[width - 4];  // columns b - 1 and b
                    s.nextEdge[2 * at + 1] = copy[width - 3];
                }
                std::copy(copy, copy + width, copy + 5 * width);
            };
            std::vector<std::uint32_t> &states = own.states;
            states.resize(std::size_t(n));
            states[0] = stepPower(4 * (rows * std::uint64_t(a - xa) + std::uint64_t(first - ya)))(start);
            for (int i = 1; i < n; ++i)
                states[std::size_t(i)] = nextColumn(states[std::size_t(i - 1)]);
            for (int r = first - 2; r < first + 2; ++r)
                keep(r);
            for (int y = first; y <= last; ++y) {
                keep(y + 2);
                const std::size_t window = std::size_t(y - 2 - firstSource) % 5;
                const QRgb *centre = ring + (window + 2) * width + 2;
                k.diffuse(pass.row(y) + a, centre, std::ptrdiff_t(width), states.data(), n);
            }
        });
        std::swap(s.edge, s.nextEdge);
    });
    pass.random.seed(stepPower(4 * pixels)(start));
}

// ---------------------------------------------------------------- Crease and Wave

namespace {

void shiftPass(Pass &pass, double amplitude)
{
    // Each pixel moves within its column by nearest(y + amplitude sin x) - y.
    // That is nearest(amplitude sin x) for every y unless its fraction is
    // within rounding reach of a half; such columns are rounded pixel by pixel.
    //
    // Neighbouring columns move by very different amounts (Crease up to 512
    // rows each way), so a row of the result may gather from rows far apart.
    // The result is therefore built in strips of 32 columns: a strip's source
    // is kept aside, its rows together, just before the strip is written, and
    // stays in the cache while the strip's rows gather from it. A column only
    // ever writes itself, so no strip reads what another wrote.
    const Region &rg = pass.region;
    const int xa = rg.left, xb = std::min(rg.right, pass.width - 1);  // writes past the picture vanish
    const int top = rg.top, bottom = rg.bottom;
    const int lastInside = std::min(bottom, pass.height - 1);  // row bottom may be the outside row
    if (xa > xb || top > bottom || top > lastInside)
        return;
    constexpr int TileColumns = 32;
    const int columns = xb - xa + 1, rows = bottom - top + 1;
    Scratch &s = scratch();

    // An exact column gets a shift no row can take here and is done pixel by pixel afterwards.
    constexpr int Never = 1 << 30;
    std::vector<int> &shifts = s.shifts;
    shifts.resize(std::size_t(columns));
    int lowest = 0, highest = 0;
    bool anyExact = false;
    const bool exactEverywhere = engineSwitches().exactShiftEverywhere;
    for (int i = 0; i < columns; ++i) {
        const double d = amplitude * std::sin(double(xa + i));
        const int shift = int(std::nearbyint(d));
        const bool exact = exactEverywhere || std::fabs(d - std::floor(d) - 0.5) < 1e-6;
        shifts[std::size_t(i)] = exact ? Never : shift;
        lowest = std::min(lowest, shift - 1);
        highest = std::max(highest, shift + 1);
        anyExact |= exact;
    }
    const int firstRow = std::max(0, top + lowest), lastRow = std::min(pass.height - 1, bottom + highest);
    const Kernels &k = kernels();
    // In bands, each round gathers the rows of one strip from its tile and
    // fills the next strip's tile (those columns are not written yet), so
    // that a strip takes one round; the two tiles take turns. The exact
    // columns, which write rows far from the one they read, follow the round.
    const RowSplit sourceRows = pass.split(top, bottom), resultRows = pass.split(firstRow, lastRow);
    const int bands = std::min(sourceRows.count, resultRows.count);
    const RowSplit sourceBands{sourceRows.first, sourceRows.rows, bands};
    const RowSplit resultBands{resultRows.first, resultRows.rows, bands};
    const std::size_t tileSize = std::size_t(rows) * TileColumns;
    QRgb *const tiles = s.tiles.get(2 * tileSize);
    const auto tileOf = [&](int a) { return tiles + std::size_t((a - xa) / TileColumns % 2) * tileSize; };
    const auto fill = [&](int a, int first, int last) {
        const int n = std::min(a + TileColumns - 1, xb) - a + 1;
        QRgb *const tile = tileOf(a);
        for (int y = first; y <= last; ++y) {
            QRgb *kept = tile + std::size_t(y - top) * TileColumns;
            if (y > lastInside)
                std::fill_n(kept, n, OutsideWritten);  // the outside row reads -1, and -1 written is this
            else if (n == TileColumns)
                std::memcpy(kept, pass.row(y) + a, TileColumns * sizeof(QRgb));
            else
                std::copy_n(pass.row(y) + a, n, kept);
        }
    };
    pass.sweep(
        xa, xb, firstRow, lastRow,
        [&](int a, int b) {
            const int n = b - a + 1;
            if (a == xa)
                pass.inBands(sourceBands, [&](int, int first, int last) { fill(a, first, last); });
            const QRgb *const tile = tileOf(a);
            const int *stripShifts = shifts.data() + (a - xa);
            pass.inBands(resultBands, [&](int band, int first, int last) {
                for (int y = first; y <= last; ++y)
                    k.shiftRow(pass.row(y) + a, tile, TileColumns, stripShifts, n, y - top, rows);
                if (b < xb)
                    fill(b + 1, sourceBands.start(band), sourceBands.start(band + 1) - 1);
            });
            if (!anyExact)
                return;
            for (int x = a; x <= b; ++x) {
                if (shifts[std::size_t(x - xa)] != Never)
                    continue;
                const double d = amplitude * std::sin(double(x));
                for (int y = top; y <= bottom; ++y) {
                    const double to = std::nearbyint(double(y) + d);
                    if (to >= 0.0 && to < double(pass.height))
                        pass.row(int(to))[x] = tile[std::size_t(y - top) * TileColumns + std::size_t(x - a)] | Opaque;
                }
            }
        },
        TileColumns);
}

}  // namespace

void creasePass(Pass &pass) { shiftPass(pass, 512.0); }
void wavePass(Pass &pass) { shiftPass(pass, 4.0); }

}  // namespace pinxel::filters
