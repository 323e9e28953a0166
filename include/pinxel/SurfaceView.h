#pragma once
/// \file
/// \brief pinxel::SurfaceView: a widget that shows a picture surface.
///
/// A widget that shows a picture surface and delivers its pointer and key
/// events in the surface's scale units, with the platform's button and shift
/// masks (button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt).
/// It follows the surface's position, size, border and visibility, repaints
/// only what the surface reports changed, and repaints at once on Refresh.

#include "pinxel/PictureSurface.h"

#include <QPointer>
#include <QSet>
#include <QWidget>

namespace pinxel {

/// The view of one PictureSurface: its pixels inside its border, its
/// pointer and keys as signals.
///
/// A widget of the GUI thread, like its surface.
class SurfaceView : public QWidget {
    Q_OBJECT
public:
    /// A view of surface, placed where the surface says inside parent. The
    /// view does not own the surface; it shows nothing once the surface is gone.
    explicit SurfaceView(PictureSurface *surface, QWidget *parent = nullptr);

    /// The surface shown; null once it was deleted.
    PictureSurface *surface() const { return m_surface; }

    /// Where the container's drawing area starts inside the parent widget: a
    /// surface placed on a bordered canvas sits inside that border.
    void setContainerOffset(const QPoint &offset);

    /// The platform's button mask for Qt's buttons: 1 left, 2 right, 4 middle.
    static int buttonMask(Qt::MouseButtons buttons);
    /// The platform's shift mask for Qt's modifiers: 1 Shift, 2 Ctrl, 4 Alt.
    static int shiftMask(Qt::KeyboardModifiers modifiers);
    /// The platform's key code for a Qt key (Enter 13, Escape 27, 'A' 65, ...).
    /// Letters and digits keep their codes, F1 is 112; 0 for a key without a code.
    static int keyCode(int qtKey);

signals:
    /// A button went down: the button pressed, the shift mask, the position in scale units.
    void MouseDown(int button, int shift, double x, double y);
    /// The pointer moved: the buttons held, the shift mask, the position in scale units.
    void MouseMove(int button, int shift, double x, double y);
    /// A button went up: the button released, the shift mask, the position in scale units.
    void MouseUp(int button, int shift, double x, double y);
    /// A button went up over the view, after MouseUp().
    void Click();
    /// A double-click, between its press and its second release.
    void DblClick();
    /// A key went down while the view had the focus (auto-repeats included):
    /// the platform's key code and the shift mask.
    void KeyDown(int keyCode, int shift);
    /// A key pressed while the view had the focus went up.
    void KeyUp(int keyCode, int shift);

protected:
    /// Paints the surface's raster inside its border.
    void paintEvent(QPaintEvent *event) override;
    /// Emits MouseDown().
    void mousePressEvent(QMouseEvent *event) override;
    /// Emits MouseMove().
    void mouseMoveEvent(QMouseEvent *event) override;
    /// Emits MouseUp(), then Click() when the pointer is over the view.
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// Emits DblClick().
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    /// Emits KeyDown().
    void keyPressEvent(QKeyEvent *event) override;
    /// Emits KeyUp() for a key that went down here.
    void keyReleaseEvent(QKeyEvent *event) override;
    /// Forgets the keys held: their releases go elsewhere.
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
