#include "document/TiledPicture.h"

#include "platform/raster/RowBands.h"

#include <atomic>
#include <cstring>
#include <new>
#include <unordered_set>

namespace pinxel {

namespace {
const QRgb *pixelAt(const QImage &picture, int x, int y)
{
    return reinterpret_cast<const QRgb *>(picture.constScanLine(y)) + x;
}
}  // namespace

QRect TiledPicture::tileRect(int column, int row) const
{
    const int x = column * TileSide, y = row * TileSide;
    return QRect(x, y, std::min(TileSide, m_size.width() - x), std::min(TileSide, m_size.height() - y));
}

TiledPicture::Tile TiledPicture::copyTile(const QImage &picture, const QRect &area) const
{
    // Not value-initialised: every pixel is written below.
    std::shared_ptr<QRgb[]> tile(new QRgb[std::size_t(area.width()) * std::size_t(area.height())]);
    const std::size_t rowBytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(tile.get() + std::size_t(y) * std::size_t(area.width()),
                    pixelAt(picture, area.left(), area.top() + y), rowBytes);
    return Tile{std::move(tile), area.width()};
}

bool TiledPicture::tileEquals(const Tile &tile, const QImage &picture, const QRect &area)
{
    const std::size_t rowBytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y)
        if (std::memcmp(tile.pixels.get() + std::size_t(y) * std::size_t(tile.stride),
                        pixelAt(picture, area.left(), area.top() + y), rowBytes)
            != 0)
            return false;
    return true;
}

void TiledPicture::writeTile(QImage &raster, int column, int row) const
{
    const QRect area = tileRect(column, row);
    const Tile &tile = m_tiles[index(column, row)];
    const std::size_t rowBytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(reinterpret_cast<QRgb *>(raster.scanLine(area.top() + y)) + area.left(),
                    tile.pixels.get() + std::size_t(y) * std::size_t(tile.stride), rowBytes);
}

// Runs row(r) for every tile row, in bands on the cores when tiles is large
// enough; a band's failure to get memory is raised on the calling thread.
template <typename Row> void TiledPicture::forTileRows(std::int64_t tiles, const Row &row) const
{
    std::atomic<bool> outOfMemory = false;
    forRowBands(tileRows(m_size), tiles * TileSide * TileSide, [&](int first, int end) {
        try {
            for (int r = first; r < end && !outOfMemory; ++r)
                row(r);
        } catch (const std::bad_alloc &) {
            outOfMemory = true;
        }
    });
    if (outOfMemory)
        throw std::bad_alloc();
}

TiledPicture::TiledPicture(const QImage &picture) : m_size(picture.size()), m_columns(tileColumns(m_size))
{
    m_tiles.resize(std::size_t(m_columns) * std::size_t(tileRows(m_size)));
    forTileRows(std::int64_t(m_tiles.size()), [&](int row) {
        for (int column = 0; column < m_columns; ++column)
            m_tiles[index(column, row)] = copyTile(picture, tileRect(column, row));
    });
}

TiledPicture TiledPicture::sharing(const QImage &picture)
{
    TiledPicture shared;
    shared.m_size = picture.size();
    shared.m_columns = tileColumns(shared.m_size);
    shared.m_whole = picture;
    return shared;
}

void TiledPicture::cut() const
{
    if (m_whole.isNull())
        return;
    // The views keep the picture alive and read it through a const handle;
    // the canvas that shared it copies before drawing, as any QImage does.
    // A picture made on a buffer of the host's is the host's to keep.
    const auto picture = std::make_shared<const QImage>(m_whole);
    const int stride = int(picture->bytesPerLine() / qsizetype(sizeof(QRgb)));
    m_tiles.resize(std::size_t(m_columns) * std::size_t(tileRows(m_size)));
    for (int row = 0; row < tileRows(m_size); ++row)
        for (int column = 0; column < m_columns; ++column) {
            const QRect area = tileRect(column, row);
            m_tiles[index(column, row)] =
                Tile{std::shared_ptr<const QRgb[]>(picture, pixelAt(*picture, area.left(), area.top())), stride};
        }
    m_whole = QImage();
}

TiledPicture::TiledPicture(const QImage &picture, const TiledPicture &earlier, const TileStamps *stamps,
                           std::uint64_t since)
    : m_size(picture.size()), m_columns(tileColumns(m_size))
{
    earlier.cut();
    if (earlier.m_size != m_size) {
        *this = TiledPicture(picture);
        return;
    }
    if (stamps && stamps->rasterSize() != m_size)
        stamps = nullptr;  // stamps of another raster tell nothing of this one
    const int rows = tileRows(m_size);
    m_tiles = earlier.m_tiles;
    std::int64_t changed = 0;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < m_columns; ++column)
            if (!stamps || stamps->changedSince(column, row, since))
                ++changed;
    if (changed == 0)
        return;
    forTileRows(changed, [&](int row) {
        for (int column = 0; column < m_columns; ++column) {
            if (stamps && !stamps->changedSince(column, row, since))
                continue;
            Tile &tile = m_tiles[index(column, row)];
            const QRect area = tileRect(column, row);
            if (!tileEquals(tile, picture, area))
                tile = copyTile(picture, area);
        }
    });
}

QRect TiledPicture::writeOver(QImage &raster, const TiledPicture &shown, const TileStamps &stamps,
                              std::uint64_t since) const
{
    if (shown.m_size != m_size || stamps.rasterSize() != m_size || raster.size() != m_size) {
        writeAll(raster);
        return raster.rect();
    }
    cut();
    shown.cut();
    const auto differs = [&](int column, int row) {
        const std::size_t i = index(column, row);
        return m_tiles[i] != shown.m_tiles[i] || stamps.changedSince(column, row, since);
    };
    QRect written;
    std::int64_t tiles = 0;
    for (int row = 0; row < tileRows(m_size); ++row)
        for (int column = 0; column < m_columns; ++column)
            if (differs(column, row)) {
                written |= tileRect(column, row);
                ++tiles;
            }
    if (tiles == 0)
        return written;
    raster.bits();  // detached here, before the bands write
    forTileRows(tiles, [&](int row) {
        for (int column = 0; column < m_columns; ++column)
            if (differs(column, row))
                writeTile(raster, column, row);
    });
    return written;
}

void TiledPicture::writeAll(QImage &raster) const
{
    if (!m_whole.isNull()) {
        raster = m_whole;  // shared until one side draws
        return;
    }
    raster.bits();  // detached here, before the bands write
    forTileRows(std::int64_t(m_tiles.size()), [&](int row) {
        for (int column = 0; column < m_columns; ++column)
            writeTile(raster, column, row);
    });
}

bool TiledPicture::samePixels(const QImage &raster) const
{
    if (raster.size() != m_size || raster.format() != QImage::Format_RGB32)
        return false;
    if (!m_whole.isNull())
        return m_whole.constBits() == raster.constBits() || m_whole == raster;
    for (int row = 0; row < tileRows(m_size); ++row)
        for (int column = 0; column < m_columns; ++column)
            if (!tileEquals(m_tiles[index(column, row)], raster, tileRect(column, row)))
                return false;
    return true;
}

std::size_t TiledPicture::heldBytes(const std::vector<const TiledPicture *> &pictures)
{
    std::unordered_set<const QRgb *> counted;
    std::size_t bytes = 0;
    for (const TiledPicture *picture : pictures) {
        if (!picture)
            continue;
        if (!picture->m_whole.isNull()) {
            if (counted.insert(reinterpret_cast<const QRgb *>(picture->m_whole.constBits())).second)
                bytes += std::size_t(picture->m_size.width()) * std::size_t(picture->m_size.height()) * sizeof(QRgb);
            continue;
        }
        for (int row = 0; row < tileRows(picture->m_size); ++row)
            for (int column = 0; column < picture->m_columns; ++column) {
                if (!counted.insert(picture->m_tiles[picture->index(column, row)].pixels.get()).second)
                    continue;
                const QRect area = picture->tileRect(column, row);
                bytes += std::size_t(area.width()) * std::size_t(area.height()) * sizeof(QRgb);
            }
    }
    return bytes;
}

}  // namespace pinxel
