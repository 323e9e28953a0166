#pragma once
// The filter engine: one operation, FilterPicture, that rewrites a rectangular
// region of a picture surface by one of fourteen filter numbers, and the two
// helpers it is built on.
//
// The filters and their numbers are the rows of imaging/FilterTable.h.
//
// The region is four inclusive bounds in pixels. All four at -1 mean the
// whole picture, which then reaches one column and one row past the last
// pixel: reads there give -1 (red -1, green 0, blue 0) and writes there
// vanish, and the filters at the right and bottom borders depend on that.
// Any other region is clipped to the picture, for every filter alike, and
// never fails for lying partly outside.

#include "imaging/FilterTable.h"
#include "pinxel/HostServices.h"
#include "pinxel/Numeric.h"
#include "pinxel/PictureSurface.h"

#include <QImage>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace pinxel {

// The colours Replace Colors (10) looks for and writes; the filter commands
// set them before every run. The engine only reads them.
extern Color ReplaceColorFrom;
extern Color ReplaceColorTo;

// Filters the region of the target in place. When all four bounds are -1 they
// become the whole picture, in the caller's variables too; any other region is
// left as the caller gave it. Failures are reported (ReportError code 0), not
// thrown. Diffuse draws from the editor's shared random source.
void FilterPicture(int filter, PictureSurface &target, int &left, int &top, int &right, int &bottom);
// The same with the random source given, so that a seeded run repeats.
void FilterPicture(int filter, PictureSurface &target, int &left, int &top, int &right, int &bottom,
                   RandomSource &random);

// Red = colour modulo 256, green = (colour / 256) modulo 256, blue = colour /
// 65536, divisions truncating and remainders keeping the dividend's sign:
// -1 splits into red -1, green 0, blue 0.
void SplitColor(Color color, int &red, int &green, int &blue);

// The colours of a region as they were before a pass, so that a filter that
// must not read its own output reads them from here. Its storage is kept
// between uses: refilling it allocates only when a larger region comes.
class ColorArray {
public:
    ColorArray();
    ~ColorArray();
    ColorArray(const ColorArray &) = delete;
    ColorArray &operator=(const ColorArray &) = delete;

    // The region held, in picture pixels; empty when nothing is held.
    const QRect &region() const { return m_region; }
    // The raster pixel (0xFFRRGGBB) at (x, y) of the picture, inside region();
    // the rows are stride() pixels apart.
    const QRgb *at(int x, int y) const;
    std::ptrdiff_t stride() const { return m_stride; }
    // The colour at (x, y), -1 outside the picture (everything outside the
    // region held counts as outside).
    Color color(int x, int y) const;

    // Copies the region of the raster (clipped to it) into the array.
    void fill(const QImage &raster, const QRect &region);

private:
    void reserve(std::size_t pixels);

    std::unique_ptr<QRgb[]> m_store;
    std::size_t m_capacity = 0;
    QRect m_region;
    std::ptrdiff_t m_stride = 0;
};

// Copies the colours of the region (left..right, top..bottom, inclusive, clipped
// to the picture) of the target into the array, as the filters that read a
// copy need them.
void RetrieveColorInfo(const PictureSurface &target, ColorArray &colors, int left, int top, int right, int bottom);

}  // namespace pinxel
