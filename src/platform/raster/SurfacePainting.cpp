#include "platform/raster/SurfacePainting.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pinxel {

using figures::makeBrush;
using figures::qColor;

namespace {

// Calls run(first, end) for each run of consecutive marked tiles in a row of
// marks. Most of a row is unmarked: it is skipped eight marks at a time.
template <typename Run> void forEachMarkedRun(const unsigned char *marks, int count, Run run)
{
    int t = 0;
    while (t < count) {
        for (std::uint64_t word; t + 8 <= count; t += 8) {
            std::memcpy(&word, marks + t, 8);
            if (word)
                break;
        }
        while (t < count && !marks[t])
            ++t;
        if (t == count)
            return;
        const int first = t;
        while (t < count && marks[t])
            ++t;
        run(first, t);
    }
}

// XORs sixteen overlay pixels, a row of a tile, onto the raster and clears
// them; false when they held nothing.
bool xorSixteen(QRgb *__restrict d, QRgb *__restrict o)
{
#if defined(__SSE2__)
    const auto in = [](const QRgb *p, int i) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p) + i); };
    const auto out = [](QRgb *p, int i, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i *>(p) + i, v); };
    const __m128i p0 = in(o, 0), p1 = in(o, 1), p2 = in(o, 2), p3 = in(o, 3);
    const __m128i any = _mm_or_si128(_mm_or_si128(p0, p1), _mm_or_si128(p2, p3));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(any, _mm_setzero_si128())) == 0xFFFF)
        return false;
    const __m128i colour = _mm_set1_epi32(0xFFFFFF);
    out(d, 0, _mm_xor_si128(in(d, 0), _mm_and_si128(p0, colour)));
    out(d, 1, _mm_xor_si128(in(d, 1), _mm_and_si128(p1, colour)));
    out(d, 2, _mm_xor_si128(in(d, 2), _mm_and_si128(p2, colour)));
    out(d, 3, _mm_xor_si128(in(d, 3), _mm_and_si128(p3, colour)));
    for (int i = 0; i < 4; ++i)
        out(o, i, _mm_setzero_si128());
    return true;
#else
    QRgb any = 0;
    for (int x = 0; x < 16; ++x)
        any |= o[x];
    if (!any)
        return false;
    for (int x = 0; x < 16; ++x) {
        d[x] ^= o[x] & 0xFFFFFF;
        o[x] = 0;
    }
    return true;
#endif
}

// The same for count pixels, where a hatch marker may be: it shows the
// pattern, which starts at the first pixel and repeats every eight.
bool xorPixels(QRgb *__restrict d, QRgb *__restrict o, int count, const QRgb *pattern, QRgb hatchMarker)
{
    QRgb any = 0;
    for (int x = 0; x < count; ++x)
        any |= o[x];
    if (!any)
        return false;
    for (int x = 0; x < count; ++x) {
        const QRgb v = o[x];
        d[x] ^= pattern && v == hatchMarker ? pattern[x & 7] : (v & 0xFFFFFF);
        o[x] = 0;
    }
    return true;
}

}  // namespace

QBrush figures::makeBrush(int fillStyle, Color color)
{
    if (fillStyle == FillTransparent || fillStyle < 0 || fillStyle > FillDiagonalCross)
        return Qt::NoBrush;
    if (fillStyle == FillSolid)
        return QBrush(qColor(color));
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QRgb ink = toQRgb(color);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, hatchCovers(fillStyle, x, y) ? ink : 0);
    return QBrush(tile);
}

PictureSurface::Painting::Painting(PictureSurface &surface, const QRect &bounds) : m_surface(surface)
{
    m_bounds = bounds & surface.m_raster.rect();
    if (m_bounds.isEmpty())
        return;
    m_xor = surface.DrawMode == DrawModeXorPen;
    if (m_xor) {
        const size_t count = size_t(m_bounds.width()) * size_t(m_bounds.height());
        auto &store = surface.m_overlayStore;
        if (store.size() < count)
            store.resize(count);
        m_overlay = QImage(reinterpret_cast<uchar *>(store.data()), m_bounds.width(), m_bounds.height(),
                           m_bounds.width() * 4, QImage::Format_ARGB32_Premultiplied);
        m_tilesWide = (m_bounds.width() + Tile - 1) / Tile;
        m_tilesHigh = (m_bounds.height() + Tile - 1) / Tile;
        m_tiles.assign(size_t(m_tilesWide) * size_t(m_tilesHigh), 0);
        m_rows.assign(m_tiles.size(), 0);
        m_painter.begin(&m_overlay);
        m_painter.translate(-m_bounds.x(), -m_bounds.y());
    } else {
        m_painter.begin(&surface.m_raster);
        m_painter.setClipRect(m_bounds);
    }
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, !m_xor);
}

PictureSurface::Painting::~Painting()
{
    if (!m_painter.isActive())
        return;
    if (m_xor && m_fill)
        finishFill();
    m_painter.end();
    if (m_xor)
        xorOverlay();
    else
        m_surface.markChanged(m_bounds);
}

void PictureSurface::Painting::fillRect(const QRect &rect, const QColor &color)
{
    markRect(rect);
    flushFill();
    if (color.alpha() != 255) {
        m_painter.fillRect(rect, color);
        return;
    }
    // Opaque rectangles are written straight into the pixels: a wide dashed
    // outline is thousands of small ones, and QPainter's set-up per call
    // costs more than their pixels.
    const QRect r = rect.normalized() & m_bounds;
    const QRgb ink = color.rgba();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb *first = m_xor ? m_surface.m_overlayStore.data() + size_t(y - m_bounds.y()) * size_t(m_bounds.width())
                                  + size_t(r.left() - m_bounds.x())
                            : reinterpret_cast<QRgb *>(m_surface.m_raster.scanLine(y)) + r.left();
        std::fill_n(first, r.width(), ink);
    }
}

void PictureSurface::Painting::fillRects(const std::vector<QRect> &rects, const QColor &color,
                                         const QRegion &overlapZone)
{
    if (!m_xor || m_fill || color.alpha() != 255) {
        for (const QRect &rect : rects)
            markRect(rect);
        for (const QRect &rect : rects)
            fillRect(rect, color);
        return;
    }
    const QRgb ink = color.rgba();
    std::vector<QRect> shared;  // the parts inside the zone, through the overlay
    for (const QRect &rect : rects) {
        if (!overlapZone.intersects(rect)) {
            xorDirect(rect, ink);
            continue;
        }
        for (const QRect &part : QRegion(rect).subtracted(overlapZone))
            xorDirect(part, ink);
        for (const QRect &part : QRegion(rect).intersected(overlapZone))
            shared.push_back(part);
    }
    for (const QRect &rect : shared)
        fillRect(rect, color);
}

void PictureSurface::Painting::xorDirect(const QRect &rect, QRgb ink)
{
    const QRect r = rect.normalized() & m_bounds;
    if (r.isEmpty())
        return;
    ink &= 0xFFFFFF;
    uchar *rasterBits = m_surface.m_raster.bits();
    const size_t stride = size_t(m_surface.m_raster.bytesPerLine());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb *d = reinterpret_cast<QRgb *>(rasterBits + size_t(y) * stride) + r.left();
        for (int x = 0; x < r.width(); ++x)
            d[x] ^= ink;
    }
    if (m_direct.empty())
        m_direct.assign(m_tiles.size(), 0);
    const QRect tiles = r.translated(-m_bounds.topLeft());
    for (int ty = tiles.top() / Tile; ty <= tiles.bottom() / Tile; ++ty)
        std::fill_n(m_direct.begin() + ptrdiff_t(ty) * m_tilesWide + tiles.left() / Tile,
                    tiles.right() / Tile - tiles.left() / Tile + 1, 1);
}

void PictureSurface::Painting::reserve(const QPainterPath &path, int penWidth, bool miterJoins)
{
    if (!m_xor)
        return;
    const int w = std::max(1, penWidth);
    const int margin = (w + 1) / 2 + 2;
    markAlong(path, margin, miterJoins ? 2 * w + 2 : margin);
}

void PictureSurface::Painting::fillRect(const QRect &rect, int fillStyle, Color color)
{
    if (!fills(fillStyle))
        return;
    if (!m_xor) {
        m_painter.fillRect(rect, makeBrush(fillStyle, color));
        return;
    }
    QPainterPath path;
    path.addRect(rect);
    m_fill = Fill{path, rect, true, fillStyle, toQRgb(color) & 0xFFFFFF};
    m_fillWaiting = true;
    const QRect r = rect.normalized();
    markRect(QRect(r.left(), r.top(), r.width(), 1));
    markRect(QRect(r.left(), r.bottom(), r.width(), 1));
    markRect(QRect(r.left(), r.top(), 1, r.height()));
    markRect(QRect(r.right(), r.top(), 1, r.height()));
}

void PictureSurface::Painting::fillPath(const QPainterPath &path, int fillStyle, Color color)
{
    if (!fills(fillStyle))
        return;
    if (!m_xor) {
        m_painter.fillPath(path, makeBrush(fillStyle, color));
        return;
    }
    m_fill = Fill{path, QRect(), false, fillStyle, toQRgb(color) & 0xFFFFFF};
    m_fillWaiting = true;
    markAlong(path, 2, 2);
}

void PictureSurface::Painting::strokePath(const QPainterPath &path, const QPen &pen)
{
    reserve(path, pen.width(), pen.joinStyle() == Qt::MiterJoin);
    flushFill();
    m_painter.strokePath(path, pen);
}

void PictureSurface::Painting::fillDisc(const QPointF &centre, double radius, const QColor &color)
{
    markRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)
                 .toAlignedRect()
                 .adjusted(-1, -1, 1, 1));
    flushFill();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color);
    m_painter.drawEllipse(centre, radius, radius);
}

QPainter &PictureSurface::Painting::textPainter()
{
    markRect(m_bounds);
    flushFill();
    return m_painter;
}

bool PictureSurface::Painting::fills(int fillStyle)
{
    return fillStyle != FillTransparent && fillStyle >= FillSolid && fillStyle <= FillDiagonalCross;
}

std::array<QRgb, 8> PictureSurface::Painting::fillPattern(int surfaceY) const
{
    std::array<QRgb, 8> pattern{};
    for (int u = 0; u < 8; ++u)
        pattern[size_t(u)] = hatchCovers(m_fill->style, u, surfaceY) ? m_fill->ink : 0;
    return pattern;
}

void PictureSurface::Painting::markRect(const QRect &rect)
{
    if (!m_xor)
        return;
    // Called for every sample along a figure's edges: plain arithmetic, in
    // overlay pixels.
    const QRect r = rect.normalized();
    const int left = std::max(r.left() - m_bounds.x(), 0);
    const int right = std::min(r.right() - m_bounds.x(), m_bounds.width() - 1);
    const int top = std::max(r.top() - m_bounds.y(), 0);
    const int bottom = std::min(r.bottom() - m_bounds.y(), m_bounds.height() - 1);
    if (left > right || top > bottom)
        return;
    const int firstTile = left / Tile, endTile = right / Tile + 1;
    for (int ty = top / Tile; ty <= bottom / Tile; ++ty) {
        const int from = std::max(top, ty * Tile) - ty * Tile, to = std::min(bottom, ty * Tile + Tile - 1) - ty * Tile;
        const auto rows = RowMask(((1u << (to - from + 1)) - 1) << from);
        const size_t first = size_t(ty) * size_t(m_tilesWide);
        for (int tx = firstTile; tx < endTile; ++tx) {
            m_tiles[first + size_t(tx)] = 1;
            m_rows[first + size_t(tx)] |= rows;
        }
    }
}

void PictureSurface::Painting::markWholeTiles(const std::vector<unsigned char> &tiles)
{
    for (size_t i = 0; i < tiles.size(); ++i)
        if (tiles[i])
            m_rows[i] = AllRows;
}

namespace {

// Cuts a segment to the part inside a box (Liang and Barsky); false when
// none of it is.
bool clipSegment(QPointF &from, QPointF &to, const QRectF &box)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    const auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!edge(-dx, from.x() - box.left()) || !edge(dx, box.right() - from.x()) || !edge(-dy, from.y() - box.top())
        || !edge(dy, box.bottom() - from.y()))
        return false;
    const QPointF start = from;
    from = start + QPointF(dx, dy) * t0;
    to = start + QPointF(dx, dy) * t1;
    return true;
}

}  // namespace

void PictureSurface::Painting::markAlong(const QPainterPath &path, int margin, int vertexMargin)
{
    const auto around = [](const QPointF &p, int m) {
        const int x = int(std::floor(p.x())), y = int(std::floor(p.y()));
        return QRect(x - m, y - m, 2 * m + 2, 2 * m + 2);
    };
    constexpr double Step = Tile / 2;  // the longest piece a slanting segment is marked in
    // Only the part of a segment near the bounds can mark tiles: the rest is
    // cut off first, so a segment running far outside costs nothing.
    const double reach = std::max(margin + Step, double(vertexMargin)) + 2;
    const QRectF near = QRectF(m_bounds).adjusted(-reach, -reach, reach, reach);
    for (const QPolygonF &polygon : path.toSubpathPolygons()) {
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            if (near.contains(polygon[i]))
                markRect(around(polygon[i], vertexMargin));
            if (i + 1 == polygon.size())
                break;
            QPointF from = polygon[i], to = polygon[i + 1];
            if (!clipSegment(from, to, near))
                continue;
            if (from.x() == to.x() || from.y() == to.y()) {
                markRect(around(from, margin) | around(to, margin));  // straight along an axis
                continue;
            }
            // Piece by piece, a pixel more than the margin around each, as
            // far as points along it reached: short pieces keep the boxes
            // close to a slanting segment.
            const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
            const int pieces = std::max(1, int(std::ceil(length / Step)));
            QPointF start = from;
            for (int piece = 1; piece <= pieces; ++piece) {
                const QPointF end = piece == pieces ? to : from + (to - from) * (double(piece) / pieces);
                markRect(around(start, margin + 1) | around(end, margin + 1));
                start = end;
            }
        }
    }
}

QRegion PictureSurface::Painting::markedRegion(const std::vector<unsigned char> &tiles) const
{
    std::vector<QRect> rects;
    for (int ty = 0; ty < m_tilesHigh; ++ty) {
        forEachMarkedRun(tiles.data() + size_t(ty) * size_t(m_tilesWide), m_tilesWide, [&](int first, int end) {
            rects.push_back(QRect(m_bounds.x() + first * Tile, m_bounds.y() + ty * Tile, (end - first) * Tile, Tile)
                            & m_bounds);
        });
    }
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

void PictureSurface::Painting::flushFill()
{
    if (!m_fillWaiting)
        return;
    m_fillWaiting = false;
    m_filledTiles = m_tiles;
    paintFillInto(markedRegion(m_tiles), QPainter::CompositionMode_SourceOver);
    markWholeTiles(m_tiles);
}

void PictureSurface::Painting::paintFillInto(const QRegion &region, QPainter::CompositionMode mode)
{
    if (region.isEmpty())
        return;
    const Fill &fill = *m_fill;
    const bool hatch = fill.style != FillSolid;
    m_painter.save();
    m_painter.setClipRegion(region);
    // A hatch marker replaces what is under it; an opaque colour does so anyway.
    m_painter.setCompositionMode(
        hatch && mode == QPainter::CompositionMode_SourceOver ? QPainter::CompositionMode_Source : mode);
    const QColor color = hatch ? QColor::fromRgba(HatchMarker) : QColor::fromRgb(fill.ink);
    if (fill.isRect)
        m_painter.fillRect(fill.rect, color);
    else
        m_painter.fillPath(fill.path, color);
    m_painter.restore();
    if (hatch)
        m_hatched = true;
}

void PictureSurface::Painting::finishFill()
{
    flushFill();
    const Fill &fill = *m_fill;
    std::vector<unsigned char> late(m_tiles.size());
    bool anyLate = false;
    for (size_t i = 0; i < m_tiles.size(); ++i)
        anyLate |= (late[i] = m_tiles[i] && !m_filledTiles[i]) != 0;
    if (anyLate) {
        paintFillInto(markedRegion(late), QPainter::CompositionMode_DestinationOver);
        markWholeTiles(late);
    }
    // The inside tiles, each tested at one pixel centre: no fill edge crosses them.
    const QRect area = (fill.isRect ? fill.rect.normalized() : fill.path.controlPointRect().toAlignedRect()) & m_bounds;
    if (area.isEmpty())
        return;
    uchar *rasterBits = m_surface.m_raster.bits();
    const size_t stride = size_t(m_surface.m_raster.bytesPerLine());
    const QRect tiles(QPoint((area.left() - m_bounds.x()) / Tile, (area.top() - m_bounds.y()) / Tile),
                      QPoint((area.right() - m_bounds.x()) / Tile, (area.bottom() - m_bounds.y()) / Tile));
    if (m_direct.empty())
        m_direct.assign(m_tiles.size(), 0);
    const QPolygonF outline = fill.isRect ? QPolygonF() : fill.path.toFillPolygon();
    const Qt::FillRule rule = fill.path.fillRule();
    for (int ty = tiles.top(); ty <= tiles.bottom(); ++ty) {
        const QRect band = QRect(m_bounds.x(), m_bounds.y() + ty * Tile, m_bounds.width(), Tile) & m_bounds;
        for (int tx = tiles.left(); tx <= tiles.right();) {
            if (m_tiles[size_t(ty) * size_t(m_tilesWide) + size_t(tx)]) {
                ++tx;
                continue;
            }
            // A run of unmarked tiles: no edge of the fill crosses it, so
            // one pixel tells whether all of it is inside.
            const int first = tx;
            while (tx <= tiles.right() && !m_tiles[size_t(ty) * size_t(m_tilesWide) + size_t(tx)])
                ++tx;
            const QPoint pixel(m_bounds.x() + first * Tile, band.top());
            if (!(fill.isRect ? fill.rect.normalized().contains(pixel)
                              : outline.containsPoint(QPointF(pixel) + QPointF(0.5, 0.5), rule)))
                continue;
            std::fill_n(m_direct.begin() + ptrdiff_t(ty) * m_tilesWide + first, tx - first, 1);
            const int left = m_bounds.x() + first * Tile;
            const int right = std::min(m_bounds.right() + 1, m_bounds.x() + tx * Tile);
            for (int y = band.top(); y <= band.bottom(); ++y)
                xorPattern(reinterpret_cast<QRgb *>(rasterBits + size_t(y) * stride), left, right, fillPattern(y));
        }
    }
}

void PictureSurface::Painting::xorPattern(QRgb *__restrict d, int left, int right, const std::array<QRgb, 8> pattern)
{
    int x = left;
    for (; x < right && (x & 7) != 0; ++x)
        d[x] ^= pattern[size_t(x & 7)];
    for (; x + 8 <= right; x += 8)
        for (int k = 0; k < 8; ++k)
            d[x + k] ^= pattern[size_t(k)];
    for (; x < right; ++x)
        d[x] ^= pattern[size_t(x & 7)];
}

void PictureSurface::Painting::xorOverlay()
{
    static_assert(Tile == 16, "xorSixteen takes a row of a tile");
    const int w = m_bounds.width(), h = m_bounds.height();
    QRgb *overlay = m_surface.m_overlayStore.data();
    uchar *rasterBits = m_surface.m_raster.bits();  // detaches once, not per row
    const size_t stride = size_t(m_surface.m_raster.bytesPerLine());
    std::vector<unsigned char> touched(static_cast<size_t>(m_tilesWide));
    std::vector<QRect> rects;
    std::vector<int> tiles;  // the marked tiles of a band
    // The hatch of each row of a band, starting at the overlay's left edge,
    // where every tile starts on a multiple of eight pixels.
    std::array<std::array<QRgb, 8>, Tile> patterns{};
    for (int band = 0, tileRow = 0; band < h; band += Tile, ++tileRow) {
        const unsigned char *marks = m_tiles.data() + size_t(tileRow) * size_t(m_tilesWide);
        const RowMask *rowMasks = m_rows.data() + size_t(tileRow) * size_t(m_tilesWide);
        const unsigned char *direct =
            m_direct.empty() ? nullptr : m_direct.data() + size_t(tileRow) * size_t(m_tilesWide);
        // Most bands of a thin figure hold nothing at all.
        const bool marked = std::memchr(marks, 1, size_t(m_tilesWide)) != nullptr;
        if (!marked && !(direct && std::memchr(direct, 1, size_t(m_tilesWide))))
            continue;
        if (direct)
            std::copy_n(direct, m_tilesWide, touched.begin());
        else
            std::fill(touched.begin(), touched.end(), 0);
        const int bandEnd = std::min(h, band + Tile);
        if (m_hatched) {
            for (int y = band; y < bandEnd; ++y) {
                const std::array<QRgb, 8> surfacePattern = fillPattern(m_bounds.y() + y);
                for (int k = 0; k < 8; ++k)
                    patterns[size_t(y - band)][size_t(k)] = surfacePattern[size_t((m_bounds.x() + k) & 7)];
            }
        }
        tiles.clear();
        forEachMarkedRun(marks, marked ? m_tilesWide : 0, [&](int first, int end) {
            for (int tile = first; tile < end; ++tile)
                tiles.push_back(tile);
        });
        // Row by row, as the pixels lie in memory.
        for (int row = 0; row < bandEnd - band; ++row) {
            const RowMask bit = RowMask(1u << row);
            QRgb *o = overlay + size_t(band + row) * size_t(w);
            QRgb *d = reinterpret_cast<QRgb *>(rasterBits + size_t(m_bounds.y() + band + row) * stride) + m_bounds.x();
            for (const int tile : tiles) {
                if (!(rowMasks[tile] & bit))  // nothing was drawn in this row of the tile
                    continue;
                const int left = tile * Tile, count = std::min(Tile, w - left);
                const bool drawn = count == Tile && !m_hatched
                                       ? xorSixteen(d + left, o + left)
                                       : xorPixels(d + left, o + left, count,
                                                   m_hatched ? patterns[size_t(row)].data() : nullptr, HatchMarker);
                if (drawn)
                    touched[size_t(tile)] = 1;
            }
        }
        forEachMarkedRun(touched.data(), m_tilesWide, [&](int first, int end) {
            rects.push_back(
                QRect(m_bounds.x() + first * Tile, m_bounds.y() + band, (end - first) * Tile, bandEnd - band)
                & m_bounds);
        });
    }
    if (rects.empty())
        return;
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    m_surface.markChanged(region);
}

}  // namespace pinxel
