#include "view/CurveHandle.h"

#include "pinxel/SurfaceView.h"

#include <QMouseEvent>
#include <QPainter>

namespace pinxel {

CurveHandle::CurveHandle(const PictureSurface &canvas, QWidget *canvasView)
    : QWidget(canvasView), m_placement(*this, canvas)
{
    setCursor(Qt::SizeAllCursor);
    m_placement.setPlace(QRect(0, 0, Side, Side));
    hide();
}

void CurveHandle::paintEvent(QPaintEvent *)
{
    // Black with a white middle: it shows on light and dark pictures.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
}

void CurveHandle::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(SurfaceView::buttonMask(event->button()), SurfaceView::shiftMask(event->modifiers()),
                   event->position().x(), event->position().y());
}

void CurveHandle::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(SurfaceView::buttonMask(event->buttons()), SurfaceView::shiftMask(event->modifiers()),
                   event->position().x(), event->position().y());
}

void CurveHandle::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp(SurfaceView::buttonMask(event->button()), SurfaceView::shiftMask(event->modifiers()),
                 event->position().x(), event->position().y());
}

}  // namespace pinxel
