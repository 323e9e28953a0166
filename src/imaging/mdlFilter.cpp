// The filter engine's frame, the point filters and the colour helpers. The
// filters that read a copy or their neighbours are in FilterPasses.cpp, their
// inner loops in FilterKernels.inl.

#include "imaging/mdlFilter.h"

#include "document/mdlGeneral.h"
#include "imaging/FilterKernels.h"
#include "imaging/FilterPass.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace pinxel {

Color ReplaceColorFrom = 0;
Color ReplaceColorTo = 0;

void SplitColor(Color color, int &red, int &green, int &blue)
{
    // C++ division truncates and its remainder keeps the dividend's sign, as the colours need.
    red = color % 256;
    green = (color / 256) % 256;
    blue = color / 65536;
}

// ---------------------------------------------------------------- colour array

namespace {
// The part of the inclusive bounds that lies in a picture of the given size.
QRect clippedRect(int left, int top, int right, int bottom, int width, int height)
{
    const int l = std::max(left, 0), t = std::max(top, 0);
    const int r = std::min(right, width - 1), b = std::min(bottom, height - 1);
    if (l > r || t > b)
        return QRect();
    return QRect(QPoint(l, t), QPoint(r, b));
}
}  // namespace

ColorArray::ColorArray() = default;
ColorArray::~ColorArray() = default;

void ColorArray::reserve(std::size_t pixels)
{
    if (pixels <= m_capacity)
        return;
    m_store.reset();
    m_capacity = 0;
    try {
        // Left uninitialised: fill() writes every pixel it will read.
        m_store.reset(new QRgb[pixels]);
    } catch (const std::bad_alloc &) {
        throw Error(ErrOutOfMemory);
    }
    m_capacity = pixels;
}

void ColorArray::fill(const QImage &raster, const QRect &region)
{
    m_region = region & raster.rect();
    if (m_region.isEmpty()) {
        m_region = QRect();
        m_stride = 0;
        return;
    }
    m_stride = m_region.width();
    reserve(std::size_t(m_stride) * std::size_t(m_region.height()));
    const std::size_t bytes = std::size_t(m_stride) * sizeof(QRgb);
    for (int y = m_region.top(); y <= m_region.bottom(); ++y)
        std::memcpy(m_store.get() + std::ptrdiff_t(y - m_region.top()) * m_stride,
                    reinterpret_cast<const QRgb *>(raster.constScanLine(y)) + m_region.left(), bytes);
}

const QRgb *ColorArray::at(int x, int y) const
{
    return m_store.get() + std::ptrdiff_t(y - m_region.top()) * m_stride + (x - m_region.left());
}

Color ColorArray::color(int x, int y) const
{
    if (!m_region.contains(x, y))
        return NoColor;
    return fromQRgb(*at(x, y));
}

void RetrieveColorInfo(const PictureSurface &target, ColorArray &colors, int left, int top, int right, int bottom)
{
    const QImage &raster = target.Image();
    colors.fill(raster, clippedRect(left, top, right, bottom, raster.width(), raster.height()));
}

// ---------------------------------------------------------------- passes

namespace filters {

Scratch &scratch()
{
    thread_local Scratch store;
    return store;
}

EngineSwitches &engineSwitches()
{
    static EngineSwitches switches;
    return switches;
}

Pass::Pass(PictureSurface &target, const Region &region, bool smallRegion, RandomSource &random)
    : target(target), region(region), smallRegion(smallRegion), random(random), width(target.pixelWidth()),
      height(target.pixelHeight()), m_bits(target.raster().bits()),  // detaches a shared raster once, here
      m_bytesPerLine(target.raster().bytesPerLine()), m_pacer(target)
{
    // Split by the pixels of the region in the picture, as a whole-picture job.
    const std::int64_t columns = std::min(region.right, width - 1) - std::max(region.left, 0) + 1;
    const int rows = std::min(region.bottom, height - 1) - std::max(region.top, 0) + 1;
    m_bands = smallRegion || columns <= 0 || rows <= 0 ? 1 : rowBandCount(rows, columns * rows);
}

void Pass::columnsDone(int a, int b, int top, int bottom)
{
    if (a > b || top > bottom)
        return;
    const QRect done(QPoint(a, top), QPoint(b, bottom));
    if (smallRegion)
        target.markChanged(done);
    else
        m_pacer.changed(done);  // the sweep shows on screen
}

namespace {

// Runs kernel(row, count) over the region's pixels inside the picture.
template <typename Kernel> void pointPass(Pass &pass, Kernel &&kernel)
{
    const Region &rg = pass.region;
    const QRect area = clippedRect(rg.left, rg.top, rg.right, rg.bottom, pass.width, pass.height);
    if (area.isEmpty())
        return;  // reads outside give -1 and writes there vanish: nothing to do
    const int y0 = area.top(), y1 = area.bottom();
    pass.sweep(area.left(), area.right(), y0, y1, [&](int a, int b) {
        pass.inBands(pass.split(y0, y1), [&](int, int first, int last) {
            for (int y = first; y <= last; ++y)
                kernel(pass.row(y) + a, b - a + 1);
        });
    });
}

void brighten(Pass &pass, int sign)
{
    const int step = (pass.smallRegion ? 2 : 32) * sign;
    const Kernels &k = kernels();
    pointPass(pass, [&](QRgb *row, int n) { k.brighten(row, n, step); });
}

}  // namespace

void blackWhitePass(Pass &pass) { pointPass(pass, kernels().blackWhite); }
void brightnessPass(Pass &pass) { brighten(pass, 1); }
void darknessPass(Pass &pass) { brighten(pass, -1); }
void grayBlackWhitePass(Pass &pass) { pointPass(pass, kernels().grayBlackWhite); }
void grayscalePass(Pass &pass) { pointPass(pass, kernels().grayscale); }

void replaceColorsPass(Pass &pass)
{
    // Only a 24-bit colour can equal a pixel of the picture.
    const Color from = ReplaceColorFrom;
    if (from < 0 || from > 0xFFFFFF)
        return;
    const QRgb fromPixel = toQRgb(from) & 0xFFFFFFu;
    const QRgb toPixel = toQRgb(ReplaceColorTo);
    const Kernels &k = kernels();
    pointPass(pass, [&](QRgb *row, int n) { k.replaceColor(row, n, fromPixel, toPixel); });
}

}  // namespace filters

// ---------------------------------------------------------------- the frame

void FilterPicture(int filter, PictureSurface &target, int &left, int &top, int &right, int &bottom,
                   RandomSource &random)
{
    try {
        filters::Region region;
        if (left == -1 && top == -1 && right == -1 && bottom == -1) {
            left = 0;
            top = 0;
            right = target.pixelWidth();
            bottom = target.pixelHeight();
            region.whole = true;
        }
        // Measured as given; a region far outside the picture is clipped, not an overflow.
        // In double: bounds at the ends of the 32-bit range overflow a 64-bit product.
        const bool smallRegion = (double(bottom) - top) * (double(right) - left) < 256;
        if (region.whole) {
            region.left = left;
            region.top = top;
            region.right = right;
            region.bottom = bottom;
        } else {
            // Kept within a pixel of the picture, so that the passes' few
            // pixels of neighbourhood cannot overflow.
            region.left = std::clamp(left, 0, target.pixelWidth());
            region.top = std::clamp(top, 0, target.pixelHeight());
            region.right = std::clamp(right, -1, target.pixelWidth() - 1);
            region.bottom = std::clamp(bottom, -1, target.pixelHeight() - 1);
        }

        const int drawMode = target.DrawMode;
        target.DrawMode = DrawModeCopyPen;
        if (region.left <= region.right && region.top <= region.bottom) {  // else it covers no pixel
            filters::Pass pass(target, region, smallRegion, random);
            if (const FilterRow *row = filterRow(filter); row && row->run)
                row->run(pass);  // 9 and every unknown number: nothing
        }
        target.DrawMode = drawMode;
        target.Refresh();
    } catch (const Error &error) {
        // As documented, the draw mode stays at copy pen on this path and what was written stays.
        ReportError(ReportDescription, error.description());
    }
}

void FilterPicture(int filter, PictureSurface &target, int &left, int &top, int &right, int &bottom)
{
    FilterPicture(filter, target, left, top, right, bottom, HostServices::current().random());
}

}  // namespace pinxel
