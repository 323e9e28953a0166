#pragma once
// The inner loops of the filter engine, one row segment at a time, on raster
// pixels (0xFFRRGGBB). Every loop is straight-line code the compiler turns
// into vector instructions; the engine chooses the widest set the processor
// has. Results are identical whichever set runs.

#include <QRgb>

#include <cstddef>
#include <cstdint>

namespace pinxel::filters {

// The random source's step, s -> (s * RandomMultiplier + RandomIncrement) mod 2^24.
inline constexpr std::uint32_t RandomMultiplier = 1140671485u;
inline constexpr std::uint32_t RandomIncrement = 12820163u;
inline constexpr std::uint32_t RandomMask = 0xFFFFFFu;

struct Kernels {
    const char *name;
    // Point filters, in place on count pixels.
    void (*blackWhite)(QRgb *row, int count);
    void (*brighten)(QRgb *row, int count, int step);  // |c + step| capped at 255; step may be negative
    void (*grayBlackWhite)(QRgb *row, int count);
    void (*grayscale)(QRgb *row, int count);
    void (*replaceColor)(QRgb *row, int count, QRgb from, QRgb to);  // from and to without alpha
    // Blur: out[i] from the 3 x 3 cells around column i of the three source rows.
    void (*blur)(QRgb *out, const QRgb *up, const QRgb *mid, const QRgb *down, int count);
    // Emboss in place: row[i] against belowRight[i], the pixel one down and one right.
    void (*emboss)(QRgb *row, const QRgb *belowRight, int count);
    // Sharpen (factor 0.5) and Snow (factor 24) in place against upLeft[i].
    void (*sharpen)(QRgb *row, const QRgb *upLeft, int count);
    void (*snow)(QRgb *row, const QRgb *upLeft, int count);
    // Diffuse: for each i, four draws advance states[i] and pick the red, green
    // and blue of three neighbours of centre[i] (rows stride apart).
    void (*diffuse)(QRgb *out, const QRgb *centre, std::ptrdiff_t stride, std::uint32_t *states, int count);
    // Wave and Crease, one row of the result for count columns: column i takes
    // row (row - shifts[i]) of its source tile (rows of tileWidth pixels)
    // when that is one of its rows 0..rows-1, and keeps its pixel otherwise.
    void (*shiftRow)(QRgb *out, const QRgb *tile, int tileWidth, const int *shifts, int count, int row, int rows);
};

// The kernels for this processor, unless useBaselineKernels(true) was called.
const Kernels &kernels();
// Forces the baseline set (SSE2 on x86-64), so that tests can compare both.
void useBaselineKernels(bool baseline);

}  // namespace pinxel::filters
