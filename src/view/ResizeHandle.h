#pragma once
// One of the three small handles on the canvas's right edge, bottom edge and
// bottom-right corner. It reports its pointer events in its own twips, so a
// drag can move it and keep measuring from the same origin.

#include <QWidget>

namespace pinxel {

class ResizeHandle : public QWidget {
    Q_OBJECT
public:
    ResizeHandle(Qt::CursorShape shape, QWidget *parent);

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

}  // namespace pinxel
