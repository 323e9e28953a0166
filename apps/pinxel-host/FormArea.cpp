#include "FormArea.h"

#include <QMouseEvent>
#include <QPainter>

FormArea::FormArea(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setMinimumSize(160, 120);
}

void FormArea::setControl(QWidget *control)
{
    m_control = control;
    if (m_control) {
        m_control->setParent(this);
        m_control->setAttribute(Qt::WA_TransparentForMouseEvents, m_design);
        placeControl();
        m_control->show();
    }
    update();
}

void FormArea::setDesignMode(bool design)
{
    m_design = design;
    if (m_control)
        m_control->setAttribute(Qt::WA_TransparentForMouseEvents, design);
    update();
}

void FormArea::placeControl()
{
    if (m_control)
        m_control->setGeometry(rect().adjusted(Margin, Margin, -Margin, -Margin));
}

void FormArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControl();
}

void FormArea::paintEvent(QPaintEvent *)
{
    if (!m_design)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    constexpr int grid = 8;
    for (int y = grid / 2; y < height(); y += grid)
        for (int x = grid / 2; x < width(); x += grid)
            painter.drawPoint(x, y);
    if (!m_control)
        return;
    // The selection frame with its eight handles.
    const QRect frame = m_control->geometry().adjusted(-4, -4, 3, 3);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    painter.drawRect(frame);
    const int xs[] = {frame.left(), frame.center().x(), frame.right()};
    const int ys[] = {frame.top(), frame.center().y(), frame.bottom()};
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    for (int y : ys)
        for (int x : xs)
            if (x != xs[1] || y != ys[1])
                painter.drawRect(x - 3, y - 3, 6, 6);
}

void FormArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_design && m_control && m_control->geometry().contains(event->position().toPoint()))
        emit controlDoubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
