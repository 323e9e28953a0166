#pragma once
// A picture kept as 64 x 64 tiles, for the undo history: a step shares with
// the step before it every tile the change left alone, so a stroke costs
// the tiles it touched, not a copy of the picture.

#include "pinxel/TileStamps.h"

#include <QImage>

#include <memory>
#include <vector>

namespace pinxel {

class TiledPicture {
public:
    TiledPicture() = default;
    // The RGB32 picture, every tile its own. Throws std::bad_alloc.
    explicit TiledPicture(const QImage &picture);
    // The picture, sharing the earlier picture's tile wherever the stamps
    // show no change or the pixels are the same. Without a likeness (or of
    // another size) every tile is compared, so equal tiles are still shared.
    TiledPicture(const QImage &picture, const TiledPicture &earlier, const TileStamps *stamps, std::uint64_t since);
    // The picture shared, not copied: its tiles are views into its pixels,
    // made when a later step or a restore first needs them, and the picture
    // lives as long as one of them does. A picture a host hands in then
    // costs neither a copy nor memory of its own while the host holds it;
    // whoever draws on a picture that shares its pixels copies it first.
    static TiledPicture sharing(const QImage &picture);

    QSize size() const { return m_size; }
    // The shared picture while no tile was made of it, else null.
    const QImage &sharedPicture() const { return m_whole; }
    bool isNull() const { return m_tiles.empty() && m_whole.isNull(); }

    // Writes the picture into a raster of its size that holds `shown`
    // except where the stamps show changes after since; only the tiles that
    // differ are written. Returns the bounding box of what was written.
    QRect writeOver(QImage &raster, const TiledPicture &shown, const TileStamps &stamps, std::uint64_t since) const;
    // Writes every tile into a raster of its size.
    void writeAll(QImage &raster) const;
    // Whether the raster holds exactly this picture (for the checks of the tests).
    bool samePixels(const QImage &raster) const;

    // Bytes of pixels the pictures hold together, a shared tile counted once.
    static std::size_t heldBytes(const std::vector<const TiledPicture *> &pictures);

private:
    // A tile's pixels, row after row stride pixels apart: its own (stride
    // is its width) or a view into a shared picture (stride is the picture's).
    struct Tile {
        std::shared_ptr<const QRgb[]> pixels;
        int stride = 0;
        bool operator==(const Tile &other) const { return pixels == other.pixels; }
    };
    QRect tileRect(int column, int row) const;
    std::size_t index(int column, int row) const
    {
        return std::size_t(row) * std::size_t(m_columns) + std::size_t(column);
    }
    template <typename Row> void forTileRows(std::int64_t tiles, const Row &row) const;
    Tile copyTile(const QImage &picture, const QRect &area) const;
    static bool tileEquals(const Tile &tile, const QImage &picture, const QRect &area);
    void writeTile(QImage &raster, int column, int row) const;
    // Makes the tiles of a shared picture, views into it (see sharing()).
    void cut() const;

    QSize m_size;
    int m_columns = 0;
    mutable std::vector<Tile> m_tiles;  // row by row
    mutable QImage m_whole;             // a shared picture not cut yet
};

}  // namespace pinxel
