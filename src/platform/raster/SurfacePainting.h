#pragma once
// The painter of one figure on a picture surface, in copy or XOR mode: what
// SurfaceFigures.cpp draws every figure with. Private to the raster folder.

#include "pinxel/PictureSurface.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRegion>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pinxel {

namespace figures {

inline QColor qColor(Color c) { return QColor::fromRgb(toQRgb(c)); }

// The fill of a FillStyle in a colour: nothing, solid, or an 8 x 8 hatch
// texture whose gaps are transparent.
QBrush makeBrush(int fillStyle, Color color);

}  // namespace figures

// A painter for one figure. In copy mode it paints on the raster, clipped to
// the figure's bounds.
//
// In XOR mode it paints into the overlay, a transparent image of the bounds
// kept all zero between figures, and XORs that onto the raster when it ends,
// so that pixels where outline and fill overlap are inverted once. The cost
// follows the figure's pixels, not its bounding box:
// - every painting call marks the 16 x 16 tiles of the overlay it may touch
//   (generously: pen width, joins and caps included) with the rows it may
//   touch in them, and the end visits only those rows of those tiles;
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
    using RowMask = std::uint16_t;
    static_assert(sizeof(RowMask) * 8 == Tile);
    static constexpr RowMask AllRows = 0xFFFF;

    Painting(PictureSurface &surface, const QRect &bounds);

    ~Painting();

    bool active() const { return m_painter.isActive(); }
    // Where the figure can change pixels: its bounds within the raster.
    const QRect &bounds() const { return m_bounds; }

    // Sets one pixel of the figure directly, for one-pixel pens.
    void plot(int x, int y, QRgb ink);

    void fillRect(const QRect &rect, const QColor &color);

    // Opaque rectangles of one colour that overlap one another only inside
    // the given zone, such as a box outline's edges meeting at its corners.
    // In XOR mode, a figure without a fill XORs their parts outside the zone
    // straight onto the raster, sparing the overlay pass over their tiles.
    void fillRects(const std::vector<QRect> &rects, const QColor &color, const QRegion &overlapZone);

    // Marks tiles that painting calls to come will touch, so that a waiting
    // fill is painted into them first.
    void reserve(const QRect &rect) { markRect(rect); }
    void reserve(const QPainterPath &path, int penWidth, bool miterJoins);

    // The interior of a figure in a fill style; in XOR mode it is painted
    // when the figure ends, under its outline.
    void fillRect(const QRect &rect, int fillStyle, Color color);

    void fillPath(const QPainterPath &path, int fillStyle, Color color);

    void strokePath(const QPainterPath &path, const QPen &pen);

    void fillDisc(const QPointF &centre, double radius, const QColor &color);

    // Text may cover its whole box.
    QPainter &textPainter();

private:
    // An overlay pixel of a hatched fill, before it is thinned to its
    // pattern: not opaque, so no drawn colour can take its value.
    static constexpr QRgb HatchMarker = 0x01000000;

    struct Fill {
        QPainterPath path;
        QRect rect;  // when the fill is a rectangle
        bool isRect = false;
        int style = FillSolid;
        QRgb ink = 0;  // the colour, without alpha
    };

    static bool fills(int fillStyle);

    // The XOR values of the fill for one surface row, by x & 7.
    std::array<QRgb, 8> fillPattern(int surfaceY) const;

    // Marks the tiles of a rectangle in surface pixels, and its rows in them.
    void markRect(const QRect &rect);

    // Marks every row of the given tiles: a fill was painted into them.
    void markWholeTiles(const std::vector<unsigned char> &tiles);

    // XORs an opaque rectangle straight onto the raster and records its
    // tiles as changed.
    void xorDirect(const QRect &rect, QRgb ink);

    // Marks the tiles within a margin of every segment of a path, and within
    // a wider one of its vertices, where joins reach further.
    void markAlong(const QPainterPath &path, int margin, int vertexMargin);

    // Marked tiles as a banded region in surface pixels, clipped to the bounds.
    QRegion markedRegion(const std::vector<unsigned char> &tiles) const;

    // Paints a waiting fill into the tiles marked so far, before anything
    // else is painted over it there.
    void flushFill();

    // Paints the fill in one of its colours into a region of the overlay.
    void paintFillInto(const QRegion &region, QPainter::CompositionMode mode);

    // Completes the fill at the end of the figure: under what was painted
    // over it in tiles marked after it was painted, and straight onto the
    // raster in the unmarked tiles inside it.
    void finishFill();

    // XORs the pixels left..right - 1 of a raster row with a pattern repeating
    // every 8 pixels of the surface; whole groups of 8 at a time.
    static void xorPattern(QRgb *__restrict d, int left, int right, const std::array<QRgb, 8> pattern);

    // XORs the overlay's drawn pixels in the marked tiles onto the raster,
    // clears them for the next figure, and records as changed the tiles that
    // held any, with the fill's inside tiles. An overlay pixel is zero where
    // nothing was drawn; drawn pixels are opaque, or the hatch marker.
    void xorOverlay();

    PictureSurface &m_surface;
    QRect m_bounds;
    bool m_xor = false;
    QImage m_overlay;
    QPainter m_painter;
    int m_tilesWide = 0;
    int m_tilesHigh = 0;
    std::vector<unsigned char> m_tiles;        // 1 where a tile of the overlay may hold drawn pixels
    std::vector<RowMask> m_rows;               // of each tile, a bit for each of its rows that may hold
                                               // drawn pixels: a thin edge's tiles are read in its rows only
    std::vector<unsigned char> m_direct;       // 1 where pixels were XORed straight onto the raster
    std::optional<Fill> m_fill;                // the fill of an XOR figure
    bool m_fillWaiting = false;                // not painted into the overlay yet
    std::vector<unsigned char> m_filledTiles;  // the tiles it was painted into
    bool m_hatched = false;                    // the overlay holds hatch markers
};

// Hot: called for every pixel of a one-pixel pen.
inline void PictureSurface::Painting::plot(int x, int y, QRgb ink)
{
    if (!m_bounds.contains(x, y))
        return;
    if (m_xor) {
        if (m_fillWaiting)
            flushFill();
        const int ox = x - m_bounds.x(), oy = y - m_bounds.y();
        m_surface.m_overlayStore[size_t(oy) * size_t(m_bounds.width()) + size_t(ox)] = ink;
        const size_t tile = size_t(oy / Tile) * size_t(m_tilesWide) + size_t(ox / Tile);
        m_tiles[tile] = 1;
        m_rows[tile] |= RowMask(1u << (oy % Tile));
    } else {
        reinterpret_cast<QRgb *>(m_surface.m_raster.scanLine(y))[x] = ink;
    }
}

}  // namespace pinxel
