// Figures on a picture surface: lines, boxes, ellipses, polygons, Bezier
// curves, rounded rectangles, dots and text.
//
// Pixel rules, the same in both draw modes so that a preview matches the
// final figure:
// - coordinates name pixels; a figure runs through pixel centres;
// - a line covers both end points; wide solid lines have round caps;
// - a box from (x1, y1) to (x2, y2) covers x1..x2 and y1..y2 with a 1-pixel
//   pen; a wider pen grows it by (w - 1) / 2 outwards on the top-left and by
//   the rest on the bottom-right, so a zero-size box is a w x w square;
// - dashes keep their pixel lengths up to width 3 and grow in proportion to
//   the pen beyond it, with flat ends: a wide dash never turns into a bar;
// - hatches are 8 x 8 patterns fixed to the surface's origin; their gaps are
//   left untouched.
// In XOR mode (7) the whole figure, outline and fill, is drawn into a
// transparent overlay of its bounding box that is XORed onto the raster once:
// the figure shows without gaps where pen and fill overlap, and drawing it a
// second time restores every pixel.

#include "pinxel/PictureSurface.h"

#include "pinxel/Screen.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pinxel {

bool hatchCovers(int fillStyle, int x, int y)
{
    const int u = x & 7, v = y & 7;
    switch (fillStyle) {
    case FillHorizontal: return v == 0;
    case FillVertical: return u == 0;
    case FillUpwardDiagonal: return ((u + v) & 7) == 7;
    case FillDownwardDiagonal: return u == v;
    case FillCross: return u == 0 || v == 0;
    case FillDiagonalCross: return u == v || ((u + v) & 7) == 7;
    default: return fillStyle == FillSolid;
    }
}

namespace {

QColor qColor(Color c) { return QColor::fromRgb(toQRgb(c)); }

// The on and off lengths of a line style, in pixels, for a pen width:
// the classic lengths up to width 3, then in proportion to the pen.
std::vector<int> dashLengths(int drawStyle, int width)
{
    static const std::array<std::vector<int>, 5> base = {
        std::vector<int>{}, std::vector<int>{18, 6}, std::vector<int>{3, 3}, std::vector<int>{9, 6, 3, 6},
        std::vector<int>{9, 3, 3, 3, 3, 3}};
    if (drawStyle < StyleDash || drawStyle > StyleDashDotDot)
        return {};
    std::vector<int> lengths;
    for (int length : base[size_t(drawStyle)])
        lengths.push_back(std::max(length, (length * width + 2) / 3));
    return lengths;
}

// Walks a dash pattern one pixel at a time along a one-pixel line.
class DashWalker {
public:
    explicit DashWalker(std::vector<int> lengths) : m_lengths(std::move(lengths))
    {
        if (!m_lengths.empty())
            m_left = m_lengths[0];
    }
    // Whether the next pixel is drawn.
    bool step()
    {
        if (m_lengths.empty())
            return true;
        const bool on = (m_index % 2) == 0;
        if (--m_left == 0) {
            m_index = (m_index + 1) % m_lengths.size();
            m_left = m_lengths[m_index];
        }
        return on;
    }

private:
    std::vector<int> m_lengths;
    size_t m_index = 0;
    int m_left = 0;
};

// The fill of a FillStyle in a colour: nothing, solid, or an 8 x 8 hatch
// texture whose gaps are transparent.
QBrush makeBrush(int fillStyle, Color color)
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

}  // namespace

// A painter for one figure. In copy mode it paints on the raster, clipped to
// the figure's bounds.
//
// In XOR mode it paints into the overlay, a transparent image of the bounds
// kept all zero between figures, and XORs that onto the raster when it ends,
// so that pixels where outline and fill overlap are inverted once. The cost
// follows the figure's pixels, not its bounding box:
// - every painting call marks the 16 x 16 tiles of the overlay it may touch
//   (generously: pen width, joins and caps included), and the end visits
//   only those;
// - the fill waits until the outline has marked its tiles, and is then
//   painted into the marked tiles only. A tile that no outline or fill edge
//   marked lies wholly inside or wholly outside the fill, so the fill's
//   inside tiles are XORed straight onto the raster at the end, without
//   passing through the overlay;
// - a hatch is drawn as a marker and thinned to its 8 x 8 pattern while
//   XORing: the pixels of the copy-mode texture, at a fraction of its cost.
// Only tiles that received pixels are reported as changed.
class PictureSurface::Painting {
public:
    static constexpr int Tile = 16;

    Painting(PictureSurface &surface, const QRect &bounds) : m_surface(surface)
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
            m_painter.begin(&m_overlay);
            m_painter.translate(-m_bounds.x(), -m_bounds.y());
        } else {
            m_painter.begin(&surface.m_raster);
            m_painter.setClipRect(m_bounds);
        }
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setRenderHint(QPainter::TextAntialiasing, !m_xor);
    }

    ~Painting()
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

    bool active() const { return m_painter.isActive(); }

    // Sets one pixel of the figure directly, for one-pixel pens.
    void plot(int x, int y, QRgb ink)
    {
        if (!m_bounds.contains(x, y))
            return;
        if (m_xor) {
            if (m_fillWaiting)
                flushFill();
            const int ox = x - m_bounds.x(), oy = y - m_bounds.y();
            m_surface.m_overlayStore[size_t(oy) * size_t(m_bounds.width()) + size_t(ox)] = ink;
            m_tiles[size_t(oy / Tile) * size_t(m_tilesWide) + size_t(ox / Tile)] = 1;
        } else {
            reinterpret_cast<QRgb *>(m_surface.m_raster.scanLine(y))[x] = ink;
        }
    }

    void fillRect(const QRect &rect, const QColor &color)
    {
        markRect(rect);
        flushFill();
        m_painter.fillRect(rect, color);
    }

    // Marks tiles that painting calls to come will touch, so that a waiting
    // fill is painted into them first.
    void reserve(const QRect &rect) { markRect(rect); }
    void reserve(const QPainterPath &path, int penWidth, bool miterJoins)
    {
        if (!m_xor)
            return;
        const int w = std::max(1, penWidth);
        const int margin = (w + 1) / 2 + 2;
        markAlong(path, margin, miterJoins ? 2 * w + 2 : margin);
    }

    // The interior of a figure in a fill style; in XOR mode it is painted
    // when the figure ends, under its outline.
    void fillRect(const QRect &rect, int fillStyle, Color color)
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

    void fillPath(const QPainterPath &path, int fillStyle, Color color)
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

    void strokePath(const QPainterPath &path, const QPen &pen)
    {
        reserve(path, pen.width(), pen.joinStyle() == Qt::MiterJoin);
        flushFill();
        m_painter.strokePath(path, pen);
    }

    void fillDisc(const QPointF &centre, double radius, const QColor &color)
    {
        markRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)
                     .toAlignedRect()
                     .adjusted(-1, -1, 1, 1));
        flushFill();
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(color);
        m_painter.drawEllipse(centre, radius, radius);
    }

    // Text may cover its whole box.
    QPainter &textPainter()
    {
        markRect(m_bounds);
        flushFill();
        return m_painter;
    }

private:
    // An overlay pixel of a hatched fill, before it is thinned to its
    // pattern: not opaque, so no drawn colour can take its value.
    static constexpr QRgb HatchMarker = 0x01000000;

    struct Fill {
        QPainterPath path;
        QRect rect;      // when the fill is a rectangle
        bool isRect = false;
        int style = FillSolid;
        QRgb ink = 0;    // the colour, without alpha
    };

    static bool fills(int fillStyle)
    {
        return fillStyle != FillTransparent && fillStyle >= FillSolid && fillStyle <= FillDiagonalCross;
    }

    // The XOR values of the fill for one surface row, by x & 7.
    std::array<QRgb, 8> fillPattern(int surfaceY) const
    {
        std::array<QRgb, 8> pattern{};
        for (int u = 0; u < 8; ++u)
            pattern[size_t(u)] = hatchCovers(m_fill->style, u, surfaceY) ? m_fill->ink : 0;
        return pattern;
    }

    // Marks the tiles of a rectangle in surface pixels.
    void markRect(const QRect &rect)
    {
        if (!m_xor)
            return;
        const QRect r = rect.normalized().translated(-m_bounds.topLeft()) & QRect(QPoint(0, 0), m_bounds.size());
        if (r.isEmpty())
            return;
        for (int ty = r.top() / Tile; ty <= r.bottom() / Tile; ++ty)
            std::fill_n(m_tiles.begin() + ptrdiff_t(ty) * m_tilesWide + r.left() / Tile,
                        r.right() / Tile - r.left() / Tile + 1, 1);
    }

    // Marks the tiles within a margin of every segment of a path, and within
    // a wider one of its vertices, where joins reach further.
    void markAlong(const QPainterPath &path, int margin, int vertexMargin)
    {
        const auto around = [](const QPointF &p, int m) {
            const int x = int(std::floor(p.x())), y = int(std::floor(p.y()));
            return QRect(x - m, y - m, 2 * m + 2, 2 * m + 2);
        };
        constexpr double Step = Tile / 2;  // every point of a segment is within Step / 2 of a sample
        for (const QPolygonF &polygon : path.toSubpathPolygons()) {
            for (qsizetype i = 0; i < polygon.size(); ++i) {
                markRect(around(polygon[i], vertexMargin));
                if (i + 1 == polygon.size())
                    break;
                const QPointF from = polygon[i], to = polygon[i + 1];
                if (from.x() == to.x() || from.y() == to.y()) {
                    markRect(around(from, margin) | around(to, margin));  // straight along an axis
                    continue;
                }
                const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
                const int steps = std::max(1, int(std::ceil(length / Step)));
                for (int s = 1; s < steps; ++s)
                    markRect(around(from + (to - from) * (double(s) / steps), margin + int(Step) / 2 + 1));
            }
        }
    }

    // Marked tiles as a banded region in surface pixels, clipped to the bounds.
    QRegion markedRegion(const std::vector<unsigned char> &tiles) const
    {
        std::vector<QRect> rects;
        for (int ty = 0; ty < m_tilesHigh; ++ty) {
            const unsigned char *marks = tiles.data() + size_t(ty) * size_t(m_tilesWide);
            for (int t = 0; t < m_tilesWide;) {
                if (!marks[t]) {
                    ++t;
                    continue;
                }
                const int first = t;
                while (t < m_tilesWide && marks[t])
                    ++t;
                rects.push_back(QRect(m_bounds.x() + first * Tile, m_bounds.y() + ty * Tile, (t - first) * Tile, Tile)
                                & m_bounds);
            }
        }
        QRegion region;
        if (!rects.empty())
            region.setRects(rects.data(), int(rects.size()));
        return region;
    }

    // Paints a waiting fill into the tiles marked so far, before anything
    // else is painted over it there.
    void flushFill()
    {
        if (!m_fillWaiting)
            return;
        m_fillWaiting = false;
        m_filledTiles = m_tiles;
        paintFillInto(markedRegion(m_tiles), QPainter::CompositionMode_SourceOver);
    }

    // Paints the fill in one of its colours into a region of the overlay.
    void paintFillInto(const QRegion &region, QPainter::CompositionMode mode)
    {
        if (region.isEmpty())
            return;
        const Fill &fill = *m_fill;
        const bool hatch = fill.style != FillSolid;
        m_painter.save();
        m_painter.setClipRegion(region);
        // A hatch marker replaces what is under it; an opaque colour does so anyway.
        m_painter.setCompositionMode(hatch && mode == QPainter::CompositionMode_SourceOver
                                         ? QPainter::CompositionMode_Source
                                         : mode);
        const QColor color = hatch ? QColor::fromRgba(HatchMarker) : QColor::fromRgb(fill.ink);
        if (fill.isRect)
            m_painter.fillRect(fill.rect, color);
        else
            m_painter.fillPath(fill.path, color);
        m_painter.restore();
        if (hatch)
            m_hatched = true;
    }

    // Completes the fill at the end of the figure: under what was painted
    // over it in tiles marked after it was painted, and straight onto the
    // raster in the unmarked tiles inside it.
    void finishFill()
    {
        flushFill();
        const Fill &fill = *m_fill;
        std::vector<unsigned char> late(m_tiles.size());
        bool anyLate = false;
        for (size_t i = 0; i < m_tiles.size(); ++i)
            anyLate |= (late[i] = m_tiles[i] && !m_filledTiles[i]) != 0;
        if (anyLate)
            paintFillInto(markedRegion(late), QPainter::CompositionMode_DestinationOver);
        // The inside tiles, each tested at one pixel centre: no fill edge crosses them.
        const QRect area = (fill.isRect ? fill.rect.normalized() : fill.path.controlPointRect().toAlignedRect())
                           & m_bounds;
        if (area.isEmpty())
            return;
        uchar *rasterBits = m_surface.m_raster.bits();
        const size_t stride = size_t(m_surface.m_raster.bytesPerLine());
        const QRect tiles(QPoint((area.left() - m_bounds.x()) / Tile, (area.top() - m_bounds.y()) / Tile),
                          QPoint((area.right() - m_bounds.x()) / Tile, (area.bottom() - m_bounds.y()) / Tile));
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

    // XORs the pixels left..right - 1 of a raster row with a pattern repeating
    // every 8 pixels of the surface; whole groups of 8 at a time.
    static void xorPattern(QRgb *__restrict d, int left, int right, const std::array<QRgb, 8> pattern)
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

    // XORs a block of overlay pixels onto the raster and clears them; false
    // when the block held nothing. The fixed length lets the compiler use
    // vector instructions.
    static bool xorBlock8(QRgb *__restrict d, QRgb *__restrict o)
    {
        QRgb any = 0;
        for (int x = 0; x < 8; ++x)
            any |= o[x];
        if (!any)
            return false;
        for (int x = 0; x < 8; ++x) {
            d[x] ^= o[x] & 0xFFFFFF;
            o[x] = 0;
        }
        return true;
    }
    static bool xorBlock(QRgb *__restrict d, QRgb *__restrict o, int count)
    {
        QRgb any = 0;
        for (int x = 0; x < count; ++x)
            any |= o[x];
        if (!any)
            return false;
        for (int x = 0; x < count; ++x) {
            d[x] ^= o[x] & 0xFFFFFF;
            o[x] = 0;
        }
        return true;
    }
    // The same where a hatch marker may be: it shows the fill's pattern.
    static bool xorHatchedBlock(QRgb *__restrict d, QRgb *__restrict o, int count, int surfaceX,
                                const std::array<QRgb, 8> &pattern)
    {
        QRgb any = 0;
        if (count == 8) {
            for (int x = 0; x < 8; ++x)
                any |= o[x];
        } else {
            for (int x = 0; x < count; ++x)
                any |= o[x];
        }
        if (!any)
            return false;
        for (int x = 0; x < count; ++x) {
            const QRgb v = o[x];
            d[x] ^= v == HatchMarker ? pattern[size_t((surfaceX + x) & 7)] : (v & 0xFFFFFF);
            o[x] = 0;
        }
        return true;
    }

    // XORs the overlay's drawn pixels in the marked tiles onto the raster,
    // clears them for the next figure, and records as changed the tiles that
    // held any, with the fill's inside tiles. An overlay pixel is zero where
    // nothing was drawn; drawn pixels are opaque, or the hatch marker.
    void xorOverlay()
    {
        constexpr int Block = 8;
        const int w = m_bounds.width(), h = m_bounds.height();
        QRgb *overlay = m_surface.m_overlayStore.data();
        uchar *rasterBits = m_surface.m_raster.bits();  // detaches once, not per row
        const size_t stride = size_t(m_surface.m_raster.bytesPerLine());
        std::vector<unsigned char> touched(static_cast<size_t>(m_tilesWide));
        std::vector<std::pair<int, int>> runs;  // marked tiles of a band, as [first, end)
        std::vector<QRect> rects;
        for (int band = 0, tileRow = 0; band < h; band += Tile, ++tileRow) {
            const unsigned char *marks = m_tiles.data() + size_t(tileRow) * size_t(m_tilesWide);
            runs.clear();
            for (int t = 0; t < m_tilesWide;) {
                if (!marks[t]) {
                    ++t;
                    continue;
                }
                const int first = t;
                while (t < m_tilesWide && marks[t])
                    ++t;
                runs.emplace_back(first, t);
            }
            if (m_direct.empty())
                std::fill(touched.begin(), touched.end(), 0);
            else
                std::copy_n(m_direct.begin() + ptrdiff_t(tileRow) * m_tilesWide, m_tilesWide, touched.begin());
            const int bandEnd = std::min(h, band + Tile);
            for (int y = band; y < bandEnd && !runs.empty(); ++y) {
                QRgb *o = overlay + size_t(y) * w;
                QRgb *d = reinterpret_cast<QRgb *>(rasterBits + size_t(m_bounds.y() + y) * stride) + m_bounds.x();
                std::array<QRgb, 8> pattern{};
                if (m_hatched)
                    pattern = fillPattern(m_bounds.y() + y);
                for (const auto &[firstTile, endTile] : runs) {
                    const int runEnd = std::min(w, endTile * Tile);
                    // Most of a thin figure's tiles are empty: skip them eight pixels at a time.
                    for (int block = firstTile * Tile; block < runEnd; block += Block) {
                        const int count = std::min(Block, runEnd - block);
                        const bool drawn = m_hatched ? xorHatchedBlock(d + block, o + block, count, m_bounds.x() + block, pattern)
                                                     : (count == Block ? xorBlock8(d + block, o + block)
                                                                       : xorBlock(d + block, o + block, count));
                        if (drawn)
                            touched[size_t(block / Tile)] = 1;
                    }
                }
            }
            for (size_t t = 0; t < touched.size();) {
                if (!touched[t]) {
                    ++t;
                    continue;
                }
                const size_t first = t;
                while (t < touched.size() && touched[t])
                    ++t;
                const QRect r(m_bounds.x() + int(first) * Tile, m_bounds.y() + band, int(t - first) * Tile,
                              bandEnd - band);
                rects.push_back(r & m_bounds);
            }
        }
        if (rects.empty())
            return;
        QRegion region;
        region.setRects(rects.data(), int(rects.size()));
        m_surface.markChanged(region);
    }

    PictureSurface &m_surface;
    QRect m_bounds;
    bool m_xor = false;
    QImage m_overlay;
    QPainter m_painter;
    int m_tilesWide = 0;
    int m_tilesHigh = 0;
    std::vector<unsigned char> m_tiles;   // 1 where a tile of the overlay may hold drawn pixels
    std::vector<unsigned char> m_direct;  // 1 where the fill was XORed straight onto the raster
    std::optional<Fill> m_fill;           // the fill of an XOR figure
    bool m_fillWaiting = false;           // not painted into the overlay yet
    std::vector<unsigned char> m_filledTiles;  // the tiles it was painted into
    bool m_hatched = false;               // the overlay holds hatch markers
};

QPen PictureSurface::makePen(Color color) const
{
    const int w = std::max(1, DrawWidth);
    QPen pen(qColor(color));
    pen.setWidth(w);
    const std::vector<int> dashes = dashLengths(DrawStyle, w);
    if (!dashes.empty()) {
        QList<qreal> pattern;
        for (int length : dashes)
            pattern << qreal(length) / w;  // Qt counts in pen widths
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QRect PictureSurface::penBounds(const QRect &pixels) const
{
    const int margin = std::max(1, DrawWidth) + 2;
    return pixels.normalized().adjusted(-margin, -margin, margin, margin);
}

// Draws the outline of a path that runs through pixel coordinates. A one-pixel
// pen steps from pixel to pixel itself, covering every vertex and counting
// dashes in pixels; a wider pen is Qt's stroke centred on the pixel centres.
void PictureSurface::strokeFigure(Painting &painting, const QPainterPath &path, Color color)
{
    if (std::max(1, DrawWidth) > 1) {
        painting.strokePath(path.translated(0.5, 0.5), makePen(color));
        return;
    }
    painting.reserve(path, 1, false);
    const QRgb ink = toQRgb(color);
    DashWalker dashes(dashLengths(DrawStyle, 1));
    bool first = true;
    QPoint last;
    const auto plotFrom = [&](QPoint from, QPoint to, bool includeStart) {
        // Bresenham, both ends included unless the start was the previous segment's end.
        int x = from.x(), y = from.y();
        const int dx = std::abs(to.x() - x), sx = x < to.x() ? 1 : -1;
        const int dy = -std::abs(to.y() - y), sy = y < to.y() ? 1 : -1;
        int err = dx + dy;
        bool skip = !includeStart;
        for (;;) {
            if (!skip && dashes.step())
                painting.plot(x, y, ink);
            skip = false;
            if (x == to.x() && y == to.y())
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    };
    for (const QPolygonF &polygon : path.toSubpathPolygons()) {
        first = true;
        for (const QPointF &pointF : polygon) {
            const QPoint point(int(std::lround(pointF.x())), int(std::lround(pointF.y())));
            if (first) {
                plotFrom(point, point, true);
                first = false;
            } else if (point != last) {
                plotFrom(last, point, false);
            }
            last = point;
        }
    }
}

void PictureSurface::paintDot(int x, int y, Color color)
{
    const int w = std::max(1, DrawWidth);
    Painting painting(*this, penBounds(QRect(x, y, 1, 1)));
    if (!painting.active())
        return;
    if (w == 1) {
        painting.plot(x, y, toQRgb(color));
        return;
    }
    painting.fillDisc(QPointF(x + 0.5, y + 0.5), w / 2.0, qColor(color));
}

void PictureSurface::Line(double x1, double y1, double x2, double y2, std::optional<Color> color, LineForm form)
{
    const int px1 = toPixelX(x1), py1 = toPixelY(y1), px2 = toPixelX(x2), py2 = toPixelY(y2);
    CurrentX = x2;
    CurrentY = y2;
    const Color c = color.value_or(ForeColor);
    if (form != LineForm::Plain) {
        paintBox(px1, py1, px2, py2, c, form);
        return;
    }
    if (px1 == px2 && py1 == py2) {
        paintDot(px1, py1, c);
        return;
    }
    Painting painting(*this, penBounds(QRect(QPoint(px1, py1), QPoint(px2, py2))));
    if (!painting.active())
        return;
    QPainterPath path(QPointF(px1, py1));
    path.lineTo(px2, py2);
    strokeFigure(painting, path, c);
}

// Several lines as one figure: in XOR mode a pixel where they meet or
// overlap is inverted once, so a figure made of strokes (an arrow, the edges
// of an open polygon) shows whole at any width and a second drawing removes it.
void PictureSurface::Lines(std::span<const QLine> lines, std::optional<Color> color)
{
    if (lines.empty())
        return;
    const Color c = color.value_or(ForeColor);
    const int w = std::max(1, DrawWidth);
    QRect box;
    QPainterPath path;
    std::vector<QPoint> dots;
    for (const QLine &line : lines) {
        box |= QRect(line.p1(), line.p2()).normalized();
        if (line.p1() == line.p2()) {
            dots.push_back(line.p1());
        } else {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
    }
    CurrentX = fromPixelX(lines.back().x2());
    CurrentY = fromPixelY(lines.back().y2());
    Painting painting(*this, penBounds(box));
    if (!painting.active())
        return;
    if (!path.isEmpty())
        strokeFigure(painting, path, c);
    for (const QPoint &dot : dots) {
        if (w == 1)
            painting.plot(dot.x(), dot.y(), toQRgb(c));
        else
            painting.fillDisc(QPointF(dot.x() + 0.5, dot.y() + 0.5), w / 2.0, qColor(c));
    }
}

void PictureSurface::paintBox(int x1, int y1, int x2, int y2, Color lineColor, LineForm form)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int w = std::max(1, DrawWidth);
    const int lo = (w - 1) / 2, hi = w - 1 - lo;
    const QRect outer(QPoint(x1 - lo, y1 - lo), QPoint(x2 + hi, y2 + hi));
    Painting painting(*this, outer);
    if (!painting.active())
        return;
    if (form == LineForm::FilledBox) {
        painting.fillRect(outer, qColor(lineColor));
        return;
    }
    painting.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), FillStyle, FillColor);
    if (!dashLengths(DrawStyle, w).empty()) {
        QPainterPath path(QPointF(x1, y1));
        path.lineTo(x2, y1);
        path.lineTo(x2, y2);
        path.lineTo(x1, y2);
        path.closeSubpath();
        strokeFigure(painting, path, lineColor);
        return;
    }
    const QRect edges[] = {QRect(QPoint(outer.left(), y1 - lo), QPoint(outer.right(), y1 + hi)),
                           QRect(QPoint(outer.left(), y2 - lo), QPoint(outer.right(), y2 + hi)),
                           QRect(QPoint(x1 - lo, outer.top()), QPoint(x1 + hi, outer.bottom())),
                           QRect(QPoint(x2 - lo, outer.top()), QPoint(x2 + hi, outer.bottom()))};
    for (const QRect &edge : edges)
        painting.reserve(edge);
    const QColor ink = qColor(lineColor);
    for (const QRect &edge : edges)
        painting.fillRect(edge, ink);
}

void PictureSurface::Circle(double x, double y, double radius, std::optional<Color> color, double aspect)
{
    const Color c = color.value_or(ForeColor);
    const int cx = toPixelX(x), cy = toPixelY(y);
    const double r = std::abs(m_scaleMode == ScaleTwips ? radius / twipsPerPixelX() : radius);
    aspect = std::abs(aspect);
    const double rx = aspect <= 1.0 ? r : r / aspect;
    const double ry = aspect <= 1.0 ? r * aspect : r;
    const int irx = int(std::lround(rx)), iry = int(std::lround(ry));
    CurrentX = x;
    CurrentY = y;
    if (irx == 0 && iry == 0) {
        paintDot(cx, cy, c);
        return;
    }
    Painting painting(*this, penBounds(QRect(QPoint(cx - irx, cy - iry), QPoint(cx + irx, cy + iry))));
    if (!painting.active())
        return;
    QPainterPath path;
    if (irx == 0 || iry == 0) {
        // A flat ellipse is the line it collapses to.
        path.moveTo(cx - irx, cy - iry);
        path.lineTo(cx + irx, cy + iry);
    } else {
        path.addEllipse(QPointF(cx, cy), rx, ry);
        painting.fillPath(path, FillStyle, FillColor);
    }
    strokeFigure(painting, path, c);
}

void PictureSurface::Polygon(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    if (points.size() == 1) {
        paintDot(points.front().x(), points.front().y(), ForeColor);
        return;
    }
    QRect box(points.front(), QSize(1, 1));
    QPolygonF polygon;
    for (const QPoint &pt : points) {
        box |= QRect(pt, QSize(1, 1));
        polygon << QPointF(pt);
    }
    Painting painting(*this, penBounds(box));
    if (!painting.active())
        return;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(polygon);
    if (points.size() > 2) {
        path.closeSubpath();
        painting.fillPath(path, FillStyle, FillColor);
    }
    strokeFigure(painting, path, ForeColor);
}

void PictureSurface::PolyBezier(std::span<const QPoint> points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0)
        return;  // the call draws nothing for a count that is not 3n + 1
    QRect box(points.front(), QSize(1, 1));
    QPainterPath path{QPointF(points[0])};
    for (size_t i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(QPointF(points[i]), QPointF(points[i + 1]), QPointF(points[i + 2]));
    for (const QPoint &pt : points)
        box |= QRect(pt, QSize(1, 1));
    Painting painting(*this, penBounds(box));
    if (!painting.active())
        return;
    strokeFigure(painting, path, ForeColor);
}

void PictureSurface::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    // The right and bottom edges are exclusive, as the device call has them.
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int w = std::max(0, right - left - 1), h = std::max(0, bottom - top - 1);
    Painting painting(*this, penBounds(QRect(left, top, w + 1, h + 1)));
    if (!painting.active())
        return;
    QPainterPath path;
    if (w == 0 || h == 0) {
        path.moveTo(left, top);
        path.lineTo(left + w, top + h);
    } else {
        const double rx = std::min(cornerWidth / 2.0, w / 2.0), ry = std::min(cornerHeight / 2.0, h / 2.0);
        path.addRoundedRect(QRectF(left, top, w, h), rx, ry);
        painting.fillPath(path, FillStyle, FillColor);
    }
    strokeFigure(painting, path, ForeColor);
}

void PictureSurface::Print(const QString &text)
{
    const QFontMetrics metrics(Font);
    const int x = toPixelX(CurrentX), y = toPixelY(CurrentY);
    int top = y;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRect box = metrics.boundingRect(line).translated(x, top + metrics.ascent()) | QRect(x, top, 1, 1);
        Painting painting(*this, box.adjusted(-2, -2, 2, 2));
        if (painting.active()) {
            QPainter &p = painting.textPainter();
            QFont font = Font;
            if (DrawMode == DrawModeXorPen)
                font.setStyleStrategy(QFont::NoAntialias);  // partial pixels have no XOR colour
            p.setFont(font);
            p.setPen(qColor(ForeColor));
            p.drawText(QPointF(x, top + metrics.ascent()), line);
        }
        top += metrics.height();
    }
    CurrentX = 0.0;
    CurrentY = fromPixelY(top);
}

}  // namespace pinxel
