#include "view/TwipsPlacement.h"

#include "pinxel/Numeric.h"
#include "pinxel/Screen.h"

#include <QVariant>
#include <QWidget>

namespace pinxel {

void placeInTwips(QWidget *widget, double left, double top, double width, double height)
{
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    widget->setGeometry(int(roundHalfEven(left / tx)), int(roundHalfEven(top / ty)), int(roundHalfEven(width / tx)),
                        int(roundHalfEven(height / ty)));
    // Pixels lose up to half a pixel of the designed position.
    widget->setProperty("twips", QRectF(left, top, width, height));
}

QRectF twipsGeometry(const QWidget *widget)
{
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    const QRect g = widget->geometry();
    const QRectF placed = widget->property("twips").toRectF();
    // Moved in pixels since: the pixels tell.
    if (!placed.isNull()
        && g.topLeft() == QPoint(int(roundHalfEven(placed.left() / tx)), int(roundHalfEven(placed.top() / ty))))
        return placed;
    return QRectF(g.x() * tx, g.y() * ty, g.width() * tx, g.height() * ty);
}

}  // namespace pinxel
