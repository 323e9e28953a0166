#pragma once
// A widget that shows a picture surface and delivers its pointer and key
// events in the surface's scale units, with the platform's button and shift
// masks (button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt).
// It follows the surface's position, size, border and visibility, repaints
// only what the surface reports changed, and repaints at once on Refresh.

#include "pinxel/PictureSurface.h"

#include <QPointer>
#include <QSet>
#include <QWidget>

namespace pinxel {

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(PictureSurface *surface, QWidget *parent = nullptr);

    PictureSurface *surface() const { return m_surface; }

    // Where the container's drawing area starts inside the parent widget: a
    // surface placed on a bordered canvas sits inside that border.
    void setContainerOffset(const QPoint &offset);

    // The platform's masks for a Qt event.
    static int buttonMask(Qt::MouseButtons buttons);
    static int shiftMask(Qt::KeyboardModifiers modifiers);
    // The platform's key code for a Qt key (Enter 13, Escape 27, 'A' 65, ...).
    static int keyCode(int qtKey);

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void Click();
    void DblClick();
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void followGeometry();
    QRegion toWidget(const QRegion &pixels) const;
    double scaleX(double px) const;
    double scaleY(double py) const;

    QPointer<PictureSurface> m_surface;
    QPoint m_containerOffset;
    // The keys pressed while the view had the focus: a release counts only
    // for them, as the Enter that confirmed a dialog or the shortcut that
    // opened the editor goes up over whatever has the focus afterwards.
    QSet<int> m_pressedKeys;
};

}  // namespace pinxel
