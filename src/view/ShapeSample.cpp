#include "view/ShapeSample.h"

#include <QPainter>

namespace pinxel {

ShapeSample::ShapeSample(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShapeSample::setBorderColor(const QColor &color)
{
    m_border = color;
    update();
}

void ShapeSample::setBorderVisible(bool visible)
{
    m_borderVisible = visible;
    update();
}

void ShapeSample::setFillColor(const QColor &color)
{
    m_fill = color;
    update();
}

void ShapeSample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(m_borderVisible ? QPen(m_border, 1.0) : QPen(Qt::NoPen));
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    if (m_kind == Circle) {
        // Small dots read best smooth; the sample is at most 9 pixels across.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
}

}  // namespace pinxel
