#pragma once
// A small drawn sample inside an option panel: a circle (the width panel's
// dots) or a rectangle (the fill panel's samples), with an outline colour and
// a fill that is either a colour or nothing. It takes no pointer input: a
// press on it belongs to the panel beneath.

#include <QColor>
#include <QWidget>

namespace pinxel {

class ShapeSample : public QWidget {
    Q_OBJECT
public:
    enum Kind {
        Rectangle,
        Circle
    };

    ShapeSample(Kind kind, QWidget *parent);

    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor &color);
    // An invalid colour draws no outline.
    void setBorderVisible(bool visible);
    // An invalid colour leaves the inside transparent.
    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_border = Qt::black;
    QColor m_fill;
    bool m_borderVisible = true;
};

}  // namespace pinxel
