#include "pinxel/TileStamps.h"

#include <algorithm>

namespace pinxel {

void TileStamps::mark(const QRect &pixels, QSize rasterSize)
{
    ++m_now;
    if (rasterSize != m_size) {
        m_size = rasterSize;
        m_columns = tileColumns(rasterSize);
        m_stamps.assign(std::size_t(m_columns) * std::size_t(tileRows(rasterSize)), m_now);
        return;
    }
    const QRect area = pixels & QRect(QPoint(0, 0), m_size);
    if (area.isEmpty())
        return;
    const int firstColumn = area.left() / TileSide, lastColumn = area.right() / TileSide;
    for (int row = area.top() / TileSide; row <= area.bottom() / TileSide; ++row) {
        auto first = m_stamps.begin() + std::ptrdiff_t(row) * m_columns;
        std::fill(first + firstColumn, first + lastColumn + 1, m_now);
    }
}

}  // namespace pinxel
