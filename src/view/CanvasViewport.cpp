#include "view/CanvasViewport.h"

#include "pinxel/SurfaceView.h"

#include <QWheelEvent>

namespace pinxel {

CanvasViewport::CanvasViewport(QWidget *client) : QWidget(client) { setObjectName(QStringLiteral("canvasViewport")); }

void CanvasViewport::setArea(const QRect &area)
{
    const QRect placed(area.topLeft(), area.size().expandedTo(QSize(0, 0)));
    const bool moving = placed.topLeft() != pos();
    setGeometry(placed);
    if (moving)
        emit moved();
}

void CanvasViewport::wheelEvent(QWheelEvent *event)
{
    const int shift = SurfaceView::shiftMask(event->modifiers());
    const QPoint angle = event->angleDelta();
    // Some platforms turn Shift+wheel into a sideways turn themselves.
    const bool sideways = angle.y() == 0 || (shift & 1);
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta != 0)
        emit Wheel(delta, shift, sideways, event->position().toPoint());
    event->accept();
}

}  // namespace pinxel
