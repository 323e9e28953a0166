// The icons of the tools' buttons, one painter per tool, drawn in a 16 x 16
// design space; each tool's row in the tool table names its painter.

#include "tools/Tools.h"

#include <QPainter>
#include <QPainterPath>

namespace pinxel {

namespace {
const QColor Ink(32, 32, 32);

QPen pen(const QColor &color, qreal width = 1.0)
{
    QPen p(color, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

}  // namespace

void paintSelectAreaIcon(QPainter &p)
{
    QPen dashed = pen(Ink);
    dashed.setCapStyle(Qt::FlatCap);
    dashed.setDashPattern({2.0, 2.0});
    p.setPen(dashed);
    p.drawRect(QRectF(2.5, 3.5, 11, 9));
}

void paintPickColorIcon(QPainter &p)
{
    // An eyedropper: glass tube, collar, rubber bulb.
    p.setPen(pen(Ink));
    p.setBrush(QColor(200, 230, 250));
    QPolygonF tube;
    tube << QPointF(2.0, 14.0) << QPointF(3.0, 11.5) << QPointF(9.0, 5.5) << QPointF(10.5, 7.0) << QPointF(4.5, 13.0);
    p.drawPolygon(tube);
    p.setPen(pen(Ink, 1.6));
    p.drawLine(QPointF(8.0, 4.5), QPointF(11.5, 8.0));
    p.setPen(pen(Ink));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(11.8, 4.2), 2.4, 2.4);
}

void paintEraserIcon(QPainter &p)
{
    QPolygonF body;
    body << QPointF(1.5, 10.5) << QPointF(7.5, 4.5) << QPointF(13.5, 10.5) << QPointF(7.5, 15.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 160, 176));
    p.drawPolygon(body);
    QPolygonF sleeve;  // the white end that rubs
    sleeve << QPointF(1.5, 10.5) << QPointF(4.5, 7.5) << QPointF(10.5, 13.5) << QPointF(7.5, 15.0);
    p.setBrush(Qt::white);
    p.drawPolygon(sleeve);
    p.setPen(pen(Ink));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(body);
    p.drawLine(QPointF(4.5, 7.5), QPointF(10.5, 13.5));
}

void paintFillIcon(QPainter &p)
{
    // A tipped paint bucket pouring to the right.
    QPolygonF bucket;
    bucket << QPointF(2.0, 8.0) << QPointF(7.5, 2.5) << QPointF(13.0, 8.0) << QPointF(7.5, 13.5);
    QPolygonF paint;
    paint << QPointF(4.75, 10.75) << QPointF(10.25, 5.25) << QPointF(13.0, 8.0) << QPointF(7.5, 13.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(bucket);
    p.setBrush(QColor(40, 110, 220));
    p.drawPolygon(paint);
    p.setPen(pen(Ink));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(bucket);
    p.drawArc(QRectF(4.0, 0.5, 7.0, 7.0), 30 * 16, 160 * 16);  // the handle
    p.setPen(pen(QColor(40, 110, 220), 1.4));
    p.drawLine(QPointF(13.5, 8.5), QPointF(13.8, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QPointF(13.8, 13.0), 1.6, 1.9);
}

void paintPencilIcon(QPainter &p)
{
    QPolygonF body;
    body << QPointF(4.0, 10.0) << QPointF(11.0, 3.0) << QPointF(13.0, 5.0) << QPointF(6.0, 12.0);
    QPolygonF wood;
    wood << QPointF(4.0, 10.0) << QPointF(6.0, 12.0) << QPointF(2.0, 14.0);
    QPolygonF cap;
    cap << QPointF(11.0, 3.0) << QPointF(12.5, 1.5) << QPointF(14.5, 3.5) << QPointF(13.0, 5.0);
    p.setPen(pen(Ink));
    p.setBrush(QColor(250, 204, 60));
    p.drawPolygon(body);
    p.setBrush(QColor(236, 200, 150));
    p.drawPolygon(wood);
    p.setBrush(QColor(244, 160, 176));
    p.drawPolygon(cap);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    QPolygonF lead;
    lead << QPointF(2.0, 14.0) << QPointF(2.9, 12.2) << QPointF(3.8, 13.1);
    p.drawPolygon(lead);
}

void paintLineIcon(QPainter &p)
{
    p.setPen(pen(Ink, 1.4));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
}

void paintRectangleIcon(QPainter &p)
{
    p.setPen(pen(Ink));
    p.drawRect(QRectF(2.5, 3.5, 11, 9));
}

void paintEllipseIcon(QPainter &p)
{
    p.setPen(pen(Ink));
    p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
}

void paintTextIcon(QPainter &p)
{
    p.setPen(pen(Ink, 1.6));
    QPainterPath letter;
    letter.moveTo(3.0, 14.0);
    letter.lineTo(8.0, 2.0);
    letter.lineTo(13.0, 14.0);
    letter.moveTo(5.0, 10.0);
    letter.lineTo(11.0, 10.0);
    p.drawPath(letter);
}

void paintArrowIcon(QPainter &p)
{
    p.setPen(pen(Ink, 1.4));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    p.drawLine(QPointF(13.5, 2.5), QPointF(8.0, 2.5));
    p.drawLine(QPointF(13.5, 2.5), QPointF(13.5, 8.0));
}

void paintAirBrushIcon(QPainter &p)
{
    p.setPen(pen(Ink));
    p.setBrush(QColor(170, 180, 195));
    p.drawRoundedRect(QRectF(1.5, 7.5, 6, 8), 1.5, 1.5);
    p.setBrush(Ink);
    p.drawRect(QRectF(3.5, 5.5, 2, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    const QPointF dots[] = {{8.5, 3.5}, {10.5, 1.5}, {12.5, 4.0}, {10.0, 5.5}, {14.0, 6.5}, {14.5, 2.0},
                            {8.5, 7.0}, {11.5, 8.0}, {13.5, 9.5}, {9.5, 10.0}, {12.0, 11.5}};
    for (const QPointF &dot : dots)
        p.drawEllipse(dot, 0.75, 0.75);
}

void paintRoundedRectangleIcon(QPainter &p)
{
    p.setPen(pen(Ink));
    p.drawRoundedRect(QRectF(2.5, 3.5, 11, 9), 3.0, 3.0);
}

void paintPolygonIcon(QPainter &p)
{
    p.setPen(pen(Ink));
    QPolygonF shape;
    shape << QPointF(2.5, 12.5) << QPointF(5.5, 3.5) << QPointF(9.5, 7.5) << QPointF(13.5, 2.5) << QPointF(12.5, 13.5);
    p.drawPolygon(shape);
}

void paintCurveIcon(QPainter &p)
{
    p.setPen(pen(Ink, 1.3));
    QPainterPath path(QPointF(2.0, 13.0));
    path.cubicTo(QPointF(4.0, -1.0), QPointF(11.0, 17.0), QPointF(14.0, 3.0));
    p.drawPath(path);
}

namespace {

// A round paint brush: handle, ferrule and bristles, the bristles in a colour.
void brushShape(QPainter &p, const QColor &bristles)
{
    p.setPen(pen(QColor(120, 72, 30), 2.2));
    p.drawLine(QPointF(9.5, 6.5), QPointF(14.5, 1.5));
    p.setPen(pen(QColor(150, 150, 160), 3.0));
    p.drawLine(QPointF(7.8, 8.2), QPointF(9.2, 6.8));
    QPainterPath tuft(QPointF(6.5, 8.0));
    tuft.cubicTo(QPointF(4.0, 8.5), QPointF(3.5, 12.5), QPointF(1.5, 14.5));
    tuft.cubicTo(QPointF(5.0, 14.0), QPointF(8.0, 12.0), QPointF(8.0, 9.5));
    tuft.closeSubpath();
    p.setPen(pen(Ink, 0.8));
    p.setBrush(bristles);
    p.drawPath(tuft);
}

}  // namespace

void paintFilterBrushIcon(QPainter &p)
{
    brushShape(p, QColor(140, 80, 200));
    // A sparkle: the brush changes what it touches.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 170, 0));
    QPainterPath star;
    const QPointF c(4.0, 4.0);
    star.moveTo(c + QPointF(0, -3.5));
    star.lineTo(c + QPointF(0.9, -0.9));
    star.lineTo(c + QPointF(3.5, 0));
    star.lineTo(c + QPointF(0.9, 0.9));
    star.lineTo(c + QPointF(0, 3.5));
    star.lineTo(c + QPointF(-0.9, 0.9));
    star.lineTo(c + QPointF(-3.5, 0));
    star.lineTo(c + QPointF(-0.9, -0.9));
    star.closeSubpath();
    p.drawPath(star);
}

void paintZoomIcon(QPainter &p)
{
    p.setPen(pen(Ink, 2.5));
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.0, 14.0));
    p.setPen(pen(Ink, 1.3));
    p.setBrush(QColor(215, 235, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
}

void paintBrushIcon(QPainter &p) { brushShape(p, QColor(30, 30, 30)); }

void paintHandIcon(QPainter &p)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(4.0, 7.0, 9.0, 8.0), 2.5, 2.5);
    const qreal fingerTops[] = {3.0, 1.5, 2.0, 3.5};
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(4.0 + 2.25 * i, fingerTops[i], 2.25, 8.0), 1.1, 1.1);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.2, -1.2, 6.0, 2.4), 1.2, 1.2);
    hand.addPath(QTransform().translate(3.0, 10.0).rotate(40).map(thumb));
    p.setPen(pen(Ink, 0.9));
    p.setBrush(QColor(248, 218, 182));
    p.drawPath(hand.simplified());
}

}  // namespace pinxel
