#include "control/ImageElement.h"

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "pinxel/Numeric.h"
#include "pinxel/Screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

namespace pinxel {

namespace {

std::int16_t buttonMask(Qt::MouseButtons buttons)
{
    std::int16_t mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= 1;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

std::int16_t shiftMask(Qt::KeyboardModifiers modifiers)
{
    std::int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

float twipsX(double pixels) { return static_cast<float>(pixels * twipsPerPixelX()); }
float twipsY(double pixels) { return static_cast<float>(pixels * twipsPerPixelY()); }

int pixelsX(double twips) { return static_cast<int>(roundHalfEven(twips / twipsPerPixelX())); }
int pixelsY(double twips) { return static_cast<int>(roundHalfEven(twips / twipsPerPixelY())); }

}  // namespace

ImageElement::ImageElement(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
}

void ImageElement::setPicture(const QImage &picture, const std::optional<FileIdentity> &source)
{
    // The editor hands back the very picture it was given when nothing
    // changed it: that picture still is the file's.
    const bool same = !picture.isNull() && picture.cacheKey() == m_picture.cacheKey();
    m_picture = picture;
    if (!same || source)
        m_source = source;
    update();
}

QImage ImageElement::reloadPicture(const QString &path, std::optional<FileIdentity> *source) const
{
    const std::optional<FileIdentity> before = FileIdentity::of(path);
    if (before && before->settled() && before == m_source) {
        if (source)
            *source = m_source;
        return m_picture;
    }
    const QImage picture = HostServices::current().LoadPicture(path);
    // A file that changed while it was read is read again next time.
    if (source)
        *source = before && before->settled() && FileIdentity::of(path) == before ? before : std::nullopt;
    return picture;
}

void ImageElement::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void ImageElement::setBorderStyle(int style)
{
    if (style != 0 && style != 1)
        throw Error(ErrPropertyNotFound);
    m_borderStyle = style;
    update();
}

void ImageElement::setAppearance(int appearance)
{
    if (appearance != 0 && appearance != 1)
        throw Error(ErrPropertyNotFound);
    m_appearance = appearance;
    update();
}

double ImageElement::Left() const { return x() * twipsPerPixelX(); }
double ImageElement::Top() const { return y() * twipsPerPixelY(); }
double ImageElement::Width() const { return width() * twipsPerPixelX(); }
double ImageElement::Height() const { return height() * twipsPerPixelY(); }

void ImageElement::Move(double left, double top, double width, double height)
{
    setGeometry(pixelsX(left), pixelsY(top), std::max(0, pixelsX(width)), std::max(0, pixelsY(height)));
}

QRect ImageElement::innerRect() const
{
    const int border = m_borderStyle == 0 ? 0 : (m_appearance == 1 ? 2 : 1);
    return rect().adjusted(border, border, -border, -border);
}

void ImageElement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect inner = innerRect();
    if (!m_picture.isNull() && inner.isValid()) {
        painter.save();
        painter.setClipRect(inner);
        if (m_stretch)
            painter.drawImage(inner, m_picture);
        else
            painter.drawImage(inner.topLeft(), m_picture);
        painter.restore();
    }
    if (m_borderStyle == 1) {
        if (m_appearance == 1) {
            qDrawWinPanel(&painter, rect(), palette(), true);
        } else {
            painter.setPen(Qt::black);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
}

namespace {

// An image is clicked with the left or the right button.
bool clicks(Qt::MouseButton button) { return button == Qt::LeftButton || button == Qt::RightButton; }

}  // namespace

void ImageElement::mousePressEvent(QMouseEvent *event)
{
    if (clicks(event->button()))
        m_clickPending = true;
    const QPointF at = event->position();
    emit MouseDown(buttonMask(event->button()), shiftMask(event->modifiers()), twipsX(at.x()), twipsY(at.y()));
}

void ImageElement::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), twipsX(at.x()), twipsY(at.y()));
}

void ImageElement::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    // A click is a left or right press and release over the image; the
    // release that ends a double click follows no press and makes none.
    const bool click = clicks(event->button()) && m_clickPending && rect().contains(at.toPoint());
    if (clicks(event->button()))
        m_clickPending = false;
    emit MouseUp(buttonMask(event->button()), shiftMask(event->modifiers()), twipsX(at.x()), twipsY(at.y()));
    if (click)
        emit Click();
}

void ImageElement::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is the double click itself, not a MouseDown.
    if (clicks(event->button()))
        emit DblClick();
}

}  // namespace pinxel
