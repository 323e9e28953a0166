#include "view/MouseRelay.h"

#include "pinxel/Screen.h"

#include <QMouseEvent>
#include <QWidget>

namespace pinxel {

namespace {

int buttonsOf(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

MouseRelay::MouseRelay(QWidget *element, bool tracking) : QObject(element)
{
    element->installEventFilter(this);
    if (tracking)
        element->setMouseTracking(true);
}

bool MouseRelay::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int shift = shiftOf(mouse->modifiers());
    const double x = mouse->position().x() * twipsPerPixelX(), y = mouse->position().y() * twipsPerPixelY();
    switch (type) {
    case QEvent::MouseButtonPress:
        emit MouseDown(buttonsOf(mouse->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        emit MouseMove(buttonsOf(mouse->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease:
        emit MouseUp(buttonsOf(mouse->button()), shift, x, y);
        break;
    default:
        emit DblClick();
        break;
    }
    return true;
}

}  // namespace pinxel
