#pragma once
// One of the four handles imgBezier of the curve being shaped: a 4 x 4
// pixel square on the canvas that reports its pointer events in pixels from
// its own top-left corner, so that a drag moves it with the pointer.

#include "tools/CanvasElements.h"
#include "view/CanvasPlacement.h"

#include <QWidget>

namespace pinxel {

class CurveHandle : public QWidget, public CanvasElement {
    Q_OBJECT
public:
    static constexpr int Side = 4;

    CurveHandle(const PictureSurface &canvas, QWidget *canvasView);

    QRect place() const override { return m_placement.place(); }
    void setPlace(const QRect &pixels) override { m_placement.setPlace(pixels); }
    bool isShown() const override { return !isHidden(); }
    void setShown(bool shown) override { setVisible(shown); }

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    CanvasPlacement m_placement;
};

}  // namespace pinxel
