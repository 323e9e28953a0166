#pragma once
// Where a picture lands on a printed page, in the printer's device units.

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <algorithm>

namespace pinxel {

// At its own size from (x, y), one picture pixel covering what a screen pixel
// does (unitsPerPixel); a picture that would run past the printable area is
// scaled down as a whole, keeping its aspect, to fit what is left of it.
inline QRectF printPlacement(QSize picture, QPoint at, QSizeF unitsPerPixel, QSizeF printable)
{
    const QPointF corner(at.x() * unitsPerPixel.width(), at.y() * unitsPerPixel.height());
    const QSizeF natural(picture.width() * unitsPerPixel.width(), picture.height() * unitsPerPixel.height());
    const double roomX = printable.width() - corner.x(), roomY = printable.height() - corner.y();
    if (natural.isEmpty() || roomX <= 0 || roomY <= 0)
        return QRectF(corner, natural);
    const double scale = std::min({1.0, roomX / natural.width(), roomY / natural.height()});
    return QRectF(corner, natural * scale);
}

}  // namespace pinxel
