#pragma once
/// \file
/// \brief pinxel::TileStamps: when each 64 × 64 tile of a raster last changed.
///
/// When each 64 x 64 tile of a raster last changed. Every change a surface
/// records stamps the tiles it touches with a new number; whoever remembers
/// the number of an earlier moment learns which tiles changed since then
/// without comparing pixels. The undo history keeps only those tiles.

#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace pinxel {

/// The side of a tile, in pixels.
inline constexpr int TileSide = 64;

/// The change stamps of a raster's tiles (PictureSurface::tileStamps()).
///
/// A plain value without a lock: one thread at a time, that of its surface.
class TileStamps {
public:
    /// The number of the latest change; 0 before the first.
    std::uint64_t now() const { return m_now; }
    /// Stamps the tiles the area touches (in pixels, within the raster). A
    /// raster of another size than before counts as changed everywhere.
    void mark(const QRect &pixels, QSize rasterSize);
    /// Whether the tile changed after the moment whose number was stamp.
    /// column and row must lie within the raster's tiles (tileColumns(),
    /// tileRows() of rasterSize()); they are not checked.
    bool changedSince(int column, int row, std::uint64_t stamp) const
    {
        return m_stamps[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)] > stamp;
    }
    /// The raster's size at the latest mark(); empty before the first.
    QSize rasterSize() const { return m_size; }

private:
    QSize m_size;
    int m_columns = 0;
    std::uint64_t m_now = 0;
    std::vector<std::uint64_t> m_stamps;
};

/// Tiles across a raster of the size.
inline int tileColumns(QSize size) { return (size.width() + TileSide - 1) / TileSide; }
/// Tiles down a raster of the size.
inline int tileRows(QSize size) { return (size.height() + TileSide - 1) / TileSide; }

}  // namespace pinxel
