#include "view/ResizeHandle.h"

#include "pinxel/Screen.h"
#include "pinxel/SurfaceView.h"

#include <QMouseEvent>
#include <QPainter>

namespace pinxel {

ResizeHandle::ResizeHandle(Qt::CursorShape shape, QWidget *parent) : QWidget(parent) { setCursor(shape); }

void ResizeHandle::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), QColor(0, 0, 128));  // navy
}

void ResizeHandle::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(SurfaceView::buttonMask(event->button()), SurfaceView::shiftMask(event->modifiers()),
                   event->position().x() * twipsPerPixelX(), event->position().y() * twipsPerPixelY());
}

void ResizeHandle::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(SurfaceView::buttonMask(event->buttons()), SurfaceView::shiftMask(event->modifiers()),
                   event->position().x() * twipsPerPixelX(), event->position().y() * twipsPerPixelY());
}

void ResizeHandle::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp(SurfaceView::buttonMask(event->button()), SurfaceView::shiftMask(event->modifiers()),
                 event->position().x() * twipsPerPixelX(), event->position().y() * twipsPerPixelY());
}

}  // namespace pinxel
