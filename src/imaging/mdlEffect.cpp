#include "imaging/mdlEffect.h"

#include "document/mdlGeneral.h"
#include "imaging/EffectKernels.h"
#include "imaging/RepaintPacer.h"
#include "pinxel/Error.h"
#include "pinxel/PictureSurface.h"
#include "platform/raster/RasterPool.h"
#include "platform/raster/RowBands.h"

#include <algorithm>
#include <cmath>

namespace pinxel {

float ResizeFactorX = 1.0f;
float ResizeFactorY = 1.0f;
float RotateAngle = 0.0f;
Flag RotateClockwise = FlagTrue;

namespace {

constexpr double LargestTwips = 50000.0;

// Gives the target a new picture of any size, sharing its pixels.
void adopt(PictureSurface &target, const QImage &picture)
{
    if (picture.isNull())
        throw Error(ErrOutOfMemory);
    const bool autoSize = target.AutoSize;
    target.AutoSize = true;
    target.setPicture(picture);
    target.AutoSize = autoSize;
}

void checkSize(std::int64_t width, std::int64_t height)
{
    if (width * height > MaxSurfacePixels)
        throw Error(ErrOutOfMemory);
}

// The target cleared to its background colour, as a fresh raster of the
// given size (no copy of the old pixels is made to be overwritten).
QImage clearedRaster(const PictureSurface &target, int width, int height)
{
    checkSize(width, height);
    QImage cleared = newRaster(width, height);
    if (cleared.isNull())
        throw Error(ErrOutOfMemory);
    // In bands: a fresh raster's pages are first touched here.
    const QRgb background = toQRgb(target.BackColor);
    uchar *const bits = cleared.bits();
    const qsizetype stride = cleared.bytesPerLine();
    forRowBands(height, std::int64_t(width) * height, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            std::fill_n(reinterpret_cast<QRgb *>(bits + stride * y), width, background);
    });
    return cleared;
}

void markAll(PictureSurface &target) { target.markChanged(target.Image().rect()); }

// The target scaled by the resize factors with a kernel, from the scratch's
// share of the old pixels.
void resize(PictureSurface &target, PictureSurface &scratch, QImage (*kernel)(const QImage &, int, int))
{
    const int width = ResizedSide(target.pixelWidth(), ResizeFactorX);
    const int height = ResizedSide(target.pixelHeight(), ResizeFactorY);
    checkSize(width, height);
    scratch.AutoSize = true;
    scratch.setPicture(target.Image());
    adopt(target, kernel(scratch.Image(), width, height));
}

}  // namespace

bool EffectTooLarge(int pixelWidth, int pixelHeight, double factor, double twipsPerPixelX, double twipsPerPixelY)
{
    return pixelWidth * twipsPerPixelX * factor > LargestTwips || pixelHeight * twipsPerPixelY * factor > LargestTwips;
}

int ResizedSide(int side, float factor)
{
    const double scaled = roundHalfEven(double(side) * double(factor));
    return scaled < 1.0 ? 1 : int(std::min(scaled, double(MaxSurfacePixels)));
}

void ApplyPictureEffect(int kind, PictureSurface &target, PictureSurface &scratch)
{
    const bool autoSize = scratch.AutoSize;
    try {
        switch (kind) {
        case EffectFlipHorizontal:
            effects::mirrorRows(target.raster());
            markAll(target);
            break;
        case EffectFlipVertical:
            effects::mirrorColumns(target.raster());
            markAll(target);
            break;
        case EffectInvertColors:
            // The copy XOR the cleared target: each pixel XOR the background colour.
            effects::xorPixels(target.raster(), toQRgb(target.BackColor));
            markAll(target);
            break;
        case EffectResize:
            resize(target, scratch, effects::resample);
            break;
        case EffectRotate: {
            scratch.AutoSize = true;
            scratch.setPicture(target.Image());
            float angle = RotateAngle;
            RotatePicture(scratch, target, angle, isSet(RotateClockwise));
            break;
        }
        default:
            break;
        }
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
    scratch.setPixelSize(0, 0);  // the old picture's memory goes back now
    scratch.AutoSize = autoSize;
}

void ApplyZoomView(PictureSurface &target, PictureSurface &scratch)
{
    const bool autoSize = scratch.AutoSize;
    try {
        const bool enlarged = ResizeFactorX > 1.0f && ResizeFactorY > 1.0f;
        resize(target, scratch, enlarged ? effects::repeatPixels : effects::resample);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
    scratch.setPixelSize(0, 0);
    scratch.AutoSize = autoSize;
}

int ZoomViewSource(int index, int viewSide, int pictureSide)
{
    // A reduction shows the first of the pixels a view pixel averages.
    return effects::blockSource(index, viewSide, pictureSide);
}

void RotatePicture(PictureSurface &source, PictureSurface &target, float &angle, bool clockwise)
{
    if (clockwise)
        angle = 360.0f - angle;
    const float radians = float(angle * (3.14159265358979 / 180.0));
    const QImage &picture = source.Image();
    if (angle == 90.0f || angle == 270.0f) {
        adopt(target, effects::quarterTurn(picture, angle == 90.0f));
    } else {
        adopt(target, clearedRaster(target, target.pixelWidth(), target.pixelHeight()));
        const QImage &raster = target.raster();
        const int width = raster.width(), height = raster.height();
        const int cx = int(std::nearbyint(width / 2.0)), cy = int(std::nearbyint(height / 2.0));
        RepaintPacer pacer(target);
        effects::rotateByMapping(picture, target.raster(), radians, [&](int first, int last, int n) {
            // The columns and rows the band wrote, as the turn shows on screen.
            const int bands = last - first + 1, side = 2 * n + 1;
            for (const QRect &band : {QRect(cx + first, cy - n, bands, side), QRect(cx - last, cy - n, bands, side),
                                      QRect(cx - n, cy + first, side, bands), QRect(cx - n, cy - last, side, bands)})
                pacer.changed(band & QRect(0, 0, width, height));
        });
        markAll(target);
    }
    angle = radians;
    target.Refresh();
}

}  // namespace pinxel
