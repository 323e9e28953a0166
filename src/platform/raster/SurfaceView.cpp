#include "pinxel/SurfaceView.h"

#include "pinxel/Screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pinxel {

SurfaceView::SurfaceView(PictureSurface *surface, QWidget *parent) : QWidget(parent), m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(surface, &PictureSurface::changed, this, [this](const QRegion &pixels) { update(toWidget(pixels)); });
    connect(surface, &PictureSurface::refreshRequested, this,
            [this](const QRegion &pixels) { repaint(toWidget(pixels)); });
    connect(surface, &PictureSurface::geometryChanged, this, &SurfaceView::followGeometry);
    followGeometry();
}

void SurfaceView::followGeometry()
{
    if (!m_surface)
        return;
    const bool pixelsContainer = m_surface->ContainerScaleMode == ScalePixels;
    const double ux = pixelsContainer ? 1.0 : twipsPerPixelX();
    const double uy = pixelsContainer ? 1.0 : twipsPerPixelY();
    const int border = m_surface->borderPixels();
    setGeometry(m_containerOffset.x() + int(roundHalfEven(m_surface->Left() / ux)),
                m_containerOffset.y() + int(roundHalfEven(m_surface->Top() / uy)), m_surface->pixelWidth() + 2 * border,
                m_surface->pixelHeight() + 2 * border);
    setVisible(m_surface->Visible());
    update();
}

void SurfaceView::setContainerOffset(const QPoint &offset)
{
    m_containerOffset = offset;
    followGeometry();
}

QRegion SurfaceView::toWidget(const QRegion &pixels) const
{
    const int border = m_surface ? m_surface->borderPixels() : 0;
    return pixels.translated(border, border);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    if (!m_surface)
        return;
    QPainter painter(this);
    const int border = m_surface->borderPixels();
    const QImage &image = m_surface->Image();
    // Each rectangle is clipped to itself: under the event's many-rectangle
    // clip Qt copies the pixels span by span, on helper threads that cost
    // more to wake than the copy.
    for (const QRect &rect : event->region()) {
        const QRect source = rect.translated(-border, -border) & image.rect();
        if (source.isEmpty())
            continue;
        painter.setClipRect(rect);
        painter.drawImage(source.topLeft() + QPoint(border, border), image, source);
    }
    painter.setClipping(false);
    if (border > 0) {
        // A sunken frame: dark on the top and left, light on the bottom and
        // right. Filled rectangles, not lines: at a fractional scale factor a
        // line of one pixel leaves device pixels of the opaque view unpainted.
        const auto frame = [&](const QRect &r, const QColor &dark, const QColor &light) {
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), dark);
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), dark);
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
            painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
        };
        frame(rect(), palette().color(QPalette::Mid), palette().color(QPalette::Light));
        if (border > 1)
            frame(rect().adjusted(1, 1, -1, -1), palette().color(QPalette::Dark), palette().color(QPalette::Midlight));
    }
}

int SurfaceView::buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int SurfaceView::shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

int SurfaceView::keyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;  // the same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

double SurfaceView::scaleX(double px) const
{
    return m_surface ? m_surface->fromPixelX(px - m_surface->borderPixels()) : px;
}

double SurfaceView::scaleY(double py) const
{
    return m_surface ? m_surface->fromPixelY(py - m_surface->borderPixels()) : py;
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(buttonMask(event->button()), shiftMask(event->modifiers()), scaleX(event->position().x()),
                   scaleY(event->position().y()));
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), scaleX(event->position().x()),
                   scaleY(event->position().y()));
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp(buttonMask(event->button()), shiftMask(event->modifiers()), scaleX(event->position().x()),
                 scaleY(event->position().y()));
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent *)
{
    // The platform's order for a double-click: press, release, double-click, release.
    emit DblClick();
}

void SurfaceView::keyPressEvent(QKeyEvent *event)
{
    m_pressedKeys.insert(event->key());
    emit KeyDown(keyCode(event->key()), shiftMask(event->modifiers()));
}

void SurfaceView::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || !m_pressedKeys.remove(event->key()))
        return;
    emit KeyUp(keyCode(event->key()), shiftMask(event->modifiers()));
}

void SurfaceView::focusOutEvent(QFocusEvent *event)
{
    m_pressedKeys.clear();
    QWidget::focusOutEvent(event);
}

}  // namespace pinxel
