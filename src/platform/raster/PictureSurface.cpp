// Geometry, picture, pixels, blits and change notices of a picture surface.
// Figures (lines, boxes, ellipses, polygons, text) are in SurfaceFigures.cpp,
// the flood fill in FloodFill.cpp.

#include "pinxel/PictureSurface.h"

#include "pinxel/Screen.h"

#include <QMetaObject>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace pinxel {

namespace {
// Changes smaller than this gather in one box; larger ones keep their shape.
constexpr qint64 SmallChangeArea = 64 * 64;

// A pixel coordinate: beyond 32 bits (or not a number) raises Overflow, as
// every conversion does; within them it is kept a long way inside the range,
// so that the figures' own arithmetic cannot wrap.
int roundToInt(double value) { return std::clamp(toInt32(value), -1'000'000'000, 1'000'000'000); }
}  // namespace

PictureSurface::PictureSurface(QObject *parent) : QObject(parent)
{
    m_raster = QImage(1, 1, QImage::Format_RGB32);
    m_raster.fill(toQRgb(BackColor));
}

PictureSurface::~PictureSurface() = default;

// ---------------------------------------------------------------- geometry

int PictureSurface::borderPixels() const
{
    if (m_borderStyle == 0)
        return 0;
    return m_appearance == 1 ? 2 : 1;
}

double PictureSurface::containerUnitsPerPixelX() const
{
    return ContainerScaleMode == ScalePixels ? 1.0 : twipsPerPixelX();
}

double PictureSurface::containerUnitsPerPixelY() const
{
    return ContainerScaleMode == ScalePixels ? 1.0 : twipsPerPixelY();
}

double PictureSurface::Width() const { return (m_raster.width() + 2 * borderPixels()) * containerUnitsPerPixelX(); }

double PictureSurface::Height() const { return (m_raster.height() + 2 * borderPixels()) * containerUnitsPerPixelY(); }

void PictureSurface::Move(double left, double top, double width, double height)
{
    bool moved = left != m_left || top != m_top;
    m_left = left;
    m_top = top;
    int w = m_raster.width();
    int h = m_raster.height();
    if (width >= 0.0)
        w = std::max(0, roundToInt(width / containerUnitsPerPixelX()) - 2 * borderPixels());
    if (height >= 0.0)
        h = std::max(0, roundToInt(height / containerUnitsPerPixelY()) - 2 * borderPixels());
    if (w != m_raster.width() || h != m_raster.height()) {
        resizeRaster(w, h);
        moved = true;
    }
    if (moved)
        emit geometryChanged();
}

void PictureSurface::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit geometryChanged();
}

void PictureSurface::setBorderStyle(int style)
{
    // The element keeps its outer size; the drawable area gives way to the border.
    const double w = Width(), h = Height();
    m_borderStyle = style ? 1 : 0;
    Move(m_left, m_top, w, h);
    emit geometryChanged();
}

void PictureSurface::setAppearance(int appearance)
{
    const double w = Width(), h = Height();
    m_appearance = appearance ? 1 : 0;
    Move(m_left, m_top, w, h);
    emit geometryChanged();
}

void PictureSurface::setScaleMode(int mode) { m_scaleMode = mode == ScaleTwips ? ScaleTwips : ScalePixels; }

double PictureSurface::ScaleWidth() const { return fromPixelX(m_raster.width()); }
double PictureSurface::ScaleHeight() const { return fromPixelY(m_raster.height()); }

int PictureSurface::toPixelX(double x) const
{
    return roundToInt(m_scaleMode == ScaleTwips ? x / twipsPerPixelX() : x);
}

int PictureSurface::toPixelY(double y) const
{
    return roundToInt(m_scaleMode == ScaleTwips ? y / twipsPerPixelY() : y);
}

double PictureSurface::fromPixelX(double px) const { return m_scaleMode == ScaleTwips ? px * twipsPerPixelX() : px; }

double PictureSurface::fromPixelY(double py) const { return m_scaleMode == ScaleTwips ? py * twipsPerPixelY() : py; }

// ---------------------------------------------------------------- raster

void PictureSurface::resizeRaster(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (std::int64_t(width) * height > MaxSurfacePixels)
        throw Error(ErrOutOfMemory);
    QImage next(width, height, QImage::Format_RGB32);
    if (width > 0 && height > 0 && next.isNull())
        throw Error(ErrOutOfMemory);
    next.fill(toQRgb(BackColor));
    const int keepW = std::min(width, m_raster.width());
    const int keepH = std::min(height, m_raster.height());
    for (int y = 0; y < keepH; ++y)
        std::memcpy(next.scanLine(y), m_raster.constScanLine(y), size_t(keepW) * 4);
    m_raster = std::move(next);
    markChanged(m_raster.rect());
}

void PictureSurface::setPixelSize(int width, int height)
{
    if (width == m_raster.width() && height == m_raster.height())
        return;
    resizeRaster(width, height);
    emit geometryChanged();
}

void PictureSurface::setPicture(const QImage &picture)
{
    if (picture.isNull()) {
        m_raster.fill(toQRgb(BackColor));
        markChanged(m_raster.rect());
        return;
    }
    if (AutoSize && (picture.width() != m_raster.width() || picture.height() != m_raster.height())) {
        if (std::int64_t(picture.width()) * picture.height() > MaxSurfacePixels)
            throw Error(ErrOutOfMemory);
        if (picture.format() == QImage::Format_RGB32) {
            m_raster = picture;  // shared until one side draws
        } else {
            m_raster = QImage(picture.size(), QImage::Format_RGB32);
            m_raster.fill(toQRgb(BackColor));
            QPainter p(&m_raster);
            p.drawImage(0, 0, picture);
        }
        markChanged(m_raster.rect());
        emit geometryChanged();
        return;
    }
    if (picture.format() == QImage::Format_RGB32 && picture.size() == m_raster.size()) {
        m_raster = picture;
    } else {
        m_raster.fill(toQRgb(BackColor));
        QPainter p(&m_raster);
        p.setCompositionMode(picture.hasAlphaChannel() ? QPainter::CompositionMode_SourceOver
                                                       : QPainter::CompositionMode_Source);
        p.drawImage(0, 0, picture);
    }
    markChanged(m_raster.rect());
}

void PictureSurface::copyPicture(const QImage &picture)
{
    if (picture.isNull() || picture.format() != QImage::Format_RGB32 || picture.size() != m_raster.size()
        || m_raster.isDetached() == false) {
        setPicture(picture);
        if (!m_raster.isDetached() && !m_raster.isNull())
            m_raster.detach();
        return;
    }
    for (int y = 0; y < m_raster.height(); ++y)
        std::memcpy(m_raster.scanLine(y), picture.constScanLine(y), size_t(m_raster.width()) * 4);
    markChanged(m_raster.rect());
}

void PictureSurface::Cls()
{
    m_raster.fill(toQRgb(BackColor));
    CurrentX = 0.0;
    CurrentY = 0.0;
    markChanged(m_raster.rect());
}

// ---------------------------------------------------------------- pixels

void PictureSurface::SetPixel(int x, int y, Color color)
{
    if (x < 0 || y < 0 || x >= m_raster.width() || y >= m_raster.height())
        return;
    reinterpret_cast<QRgb *>(m_raster.scanLine(y))[x] = toQRgb(color);
    markChanged(QRect(x, y, 1, 1));
}

Color PictureSurface::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_raster.width() || y >= m_raster.height())
        return NoColor;
    return fromQRgb(reinterpret_cast<const QRgb *>(m_raster.constScanLine(y))[x]);
}

Color PictureSurface::Point(double x, double y) const { return GetPixel(toPixelX(x), toPixelY(y)); }

void PictureSurface::PSet(double x, double y, std::optional<Color> color)
{
    CurrentX = x;
    CurrentY = y;
    const int px = toPixelX(x), py = toPixelY(y);
    const Color c = color.value_or(ForeColor);
    if (DrawWidth > 1) {
        paintDot(px, py, c);
        return;
    }
    if (px < 0 || py < 0 || px >= m_raster.width() || py >= m_raster.height())
        return;
    QRgb &pixel = reinterpret_cast<QRgb *>(m_raster.scanLine(py))[px];
    pixel = DrawMode == DrawModeXorPen ? pixel ^ (toQRgb(c) & 0xFFFFFF) : toQRgb(c);
    markChanged(QRect(px, py, 1, 1));
}

// ---------------------------------------------------------------- blits

void PictureSurface::PaintPicture(const QImage &picture, double x, double y, std::optional<double> width,
                                  std::optional<double> height, double srcX, double srcY,
                                  std::optional<double> srcWidth, std::optional<double> srcHeight, int rasterOp)
{
    if (picture.isNull())
        return;
    // The surface drawn onto itself: read from a copy, as source and
    // destination rows may overlap.
    if (picture.constBits() == std::as_const(m_raster).constBits()) {
        const QImage own = picture.copy();
        PaintPicture(own, x, y, width, height, srcX, srcY, srcWidth, srcHeight, rasterOp);
        return;
    }
    // Destination and source in pixels; negative extents mirror.
    int dx = toPixelX(x), dy = toPixelY(y);
    int dw = width ? toPixelX(*width) : picture.width();
    int dh = height ? toPixelY(*height) : picture.height();
    int sx = toPixelX(srcX), sy = toPixelY(srcY);
    int sw = srcWidth ? toPixelX(*srcWidth) : picture.width() - sx;
    int sh = srcHeight ? toPixelY(*srcHeight) : picture.height() - sy;
    bool mirrorX = (dw < 0) != (sw < 0);
    bool mirrorY = (dh < 0) != (sh < 0);
    if (dw < 0) {
        dx += dw;
        dw = -dw;
    }
    if (dh < 0) {
        dy += dh;
        dh = -dh;
    }
    if (sw < 0) {
        sx += sw;
        sw = -sw;
    }
    if (sh < 0) {
        sy += sh;
        sh = -sh;
    }
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return;

    const QRect srcRect = QRect(sx, sy, sw, sh);
    const bool plainCopy = !mirrorX && !mirrorY && sw == dw && sh == dh && picture.rect().contains(srcRect);
    QImage scratch;
    const QImage *source = &picture;
    QPoint origin(sx, sy);
    if (!plainCopy || (picture.format() != QImage::Format_RGB32 && !picture.hasAlphaChannel())) {
        // Pixels outside the source picture come out black, as a blit from a
        // smaller bitmap does.
        scratch = picture.copy(srcRect);
        if (mirrorX || mirrorY)
            scratch = scratch.mirrored(mirrorX, mirrorY);
        if (scratch.size() != QSize(dw, dh))
            scratch = scratch.scaled(dw, dh, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!scratch.hasAlphaChannel() && scratch.format() != QImage::Format_RGB32)
            scratch = scratch.convertToFormat(QImage::Format_RGB32);
        source = &scratch;
        origin = QPoint(0, 0);
    }

    const QRect target = QRect(dx, dy, dw, dh) & m_raster.rect();
    if (target.isEmpty())
        return;
    const int ox = origin.x() + (target.x() - dx);
    const int oy = origin.y() + (target.y() - dy);

    if (source->hasAlphaChannel() && rasterOp != RopSourceInvert) {
        // A picture with transparency (an icon) shows the surface through it.
        QPainter p(&m_raster);
        p.drawImage(target.topLeft(), *source, QRect(QPoint(ox, oy), target.size()));
    } else if (rasterOp == RopSourceInvert) {
        const QImage rgb = source->format() == QImage::Format_RGB32 || source->format() == QImage::Format_ARGB32
                               ? *source
                               : source->convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < target.height(); ++row) {
            const QRgb *s = reinterpret_cast<const QRgb *>(rgb.constScanLine(oy + row)) + ox;
            QRgb *d = reinterpret_cast<QRgb *>(m_raster.scanLine(target.y() + row)) + target.x();
            for (int i = 0; i < target.width(); ++i)
                d[i] ^= s[i] & 0xFFFFFF;
        }
    } else {
        for (int row = 0; row < target.height(); ++row) {
            const uchar *s = source->constScanLine(oy + row) + size_t(ox) * 4;
            uchar *d = m_raster.scanLine(target.y() + row) + size_t(target.x()) * 4;
            std::memcpy(d, s, size_t(target.width()) * 4);
        }
    }
    markChanged(target);
}

// ---------------------------------------------------------------- change notices

void PictureSurface::markChanged(const QRect &pixels)
{
    const QRect r = pixels & m_raster.rect();
    if (r.isEmpty())
        return;
    m_tileStamps.mark(r, m_raster.size());
    if (qint64(r.width()) * r.height() <= SmallChangeArea)
        m_dirtyBox |= r;
    else
        m_dirty += r;
    scheduleNotify();
}

void PictureSurface::markChanged(const QRegion &pixels)
{
    if (pixels.isEmpty())
        return;
    const QRegion within = pixels & m_raster.rect();
    for (const QRect &r : within)
        m_tileStamps.mark(r, m_raster.size());
    m_dirty += within;
    scheduleNotify();
}

QRegion PictureSurface::pendingChanges() const
{
    QRegion all = m_dirty;
    if (!m_dirtyBox.isEmpty())
        all += m_dirtyBox;
    return all;
}

void PictureSurface::scheduleNotify()
{
    if (m_notifyScheduled)
        return;
    m_notifyScheduled = true;
    QMetaObject::invokeMethod(this, &PictureSurface::notifyChanged, Qt::QueuedConnection);
}

void PictureSurface::notifyChanged()
{
    m_notifyScheduled = false;
    const QRegion region = pendingChanges();
    m_dirty = QRegion();
    m_dirtyBox = QRect();
    if (!region.isEmpty())
        emit changed(region);
}

void PictureSurface::Refresh()
{
    const QRegion region = pendingChanges();
    m_dirty = QRegion();
    m_dirtyBox = QRect();
    if (!region.isEmpty())
        emit refreshRequested(region);
}

}  // namespace pinxel
