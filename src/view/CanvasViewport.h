#pragma once
// The part of the editor window that the panels leave for the canvas. The
// canvas and its resize handles lie in it and are clipped to it, so that no
// picture covers the tool palette, the colour palette, the scroll bars, their
// corner or the status bar, or takes their clicks. Its children are placed in
// the coordinates of the window's client area, as the layout computes them.

#include <QWidget>

namespace pinxel {

class CanvasViewport : public QWidget {
    Q_OBJECT
public:
    explicit CanvasViewport(QWidget *client);

    // Takes a rectangle of the client area, in pixels.
    void setArea(const QRect &area);
    // A point of the client area in the viewport's own pixels.
    QPoint fromClient(const QPoint &point) const { return point - pos(); }

signals:
    // The wheel turned over the canvas: delta in eighths of a degree (120 a
    // notch, positive away from the user), the platform's shift mask, and
    // whether it turned sideways (Shift held, or a sideways wheel); the
    // pointer in the viewport's pixels.
    void Wheel(int delta, int shift, bool sideways, QPoint at);
    // The viewport moved in the client area.
    void moved();

protected:
    void wheelEvent(QWheelEvent *event) override;
};

}  // namespace pinxel
