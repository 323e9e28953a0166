// Every element event of the window, registered once under its name: the
// registration connects the Qt element to the handler, and scripts raise the
// same handler by name. Menu items register theirs with their rows
// (frmPaintMenus.cpp). Whatever Qt reports goes through the registry's
// raise(), also when it is not a plain signal, so a recording hears it.

#include "editor/frmPaint.h"

#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"
#include "view/MouseRelay.h"
#include "view/ResizeHandle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>

#include <memory>

namespace pinxel {

void frmPaint::wireEvents()
{
    ElementEvents &e = m_events;
    const auto mouse = [this](auto handler) {
        return [this, handler](int b, int s, double x, double y) { (this->*handler)(b, s, x, y); };
    };
    const auto mouseAt = [this](auto handler, int index) {
        return [this, handler, index](int b, int s, double x, double y) { (this->*handler)(index, b, s, x, y); };
    };

    // The canvas and the floating selection on it.
    e.addMouse(QStringLiteral("picPaint.MouseDown"), picPaintView, &SurfaceView::MouseDown, this,
               mouse(&frmPaint::picPaint_MouseDown));
    e.addMouse(QStringLiteral("picPaint.MouseMove"), picPaintView, &SurfaceView::MouseMove, this,
               mouse(&frmPaint::picPaint_MouseMove));
    e.addMouse(QStringLiteral("picPaint.MouseUp"), picPaintView, &SurfaceView::MouseUp, this,
               mouse(&frmPaint::picPaint_MouseUp));
    e.add(QStringLiteral("picPaint.DblClick"), picPaintView, &SurfaceView::DblClick, this,
          [this] { picPaint_DblClick(); });
    e.add(QStringLiteral("picPaint.MouseWheel"), 4,
          [this](const ElementEvents::Args &a) { picPaint_MouseWheel(int(a[0]), int(a[1]), a[2], a[3]); });
    connect(canvasViewport, &CanvasViewport::Wheel, this, [this](int delta, int shift, bool sideways, QPoint at) {
        const int border = picPaint.borderPixels();
        const QPoint pixel = at - picPaintView->pos() - QPoint(border, border);
        m_events.raise(QStringLiteral("picPaint.MouseWheel"),
                       {double(delta), double(sideways ? shift | 1 : shift), double(pixel.x()), double(pixel.y())});
    });
    const auto keys = [this](const QString &name) {
        return [this, name](int keyCode, int shift) { m_events.raise(name, {double(keyCode), double(shift)}); };
    };
    e.add(QStringLiteral("picPaint.KeyUp"), 2,
          [this](const ElementEvents::Args &a) { picPaint_KeyUp(int(a[0]), int(a[1])); });
    connect(picPaintView, &SurfaceView::KeyUp, this, keys(QStringLiteral("picPaint.KeyUp")));
    e.addMouse(QStringLiteral("picSelect.MouseDown"), picSelectView, &SurfaceView::MouseDown, this,
               mouse(&frmPaint::picSelect_MouseDown));
    e.addMouse(QStringLiteral("picSelect.MouseMove"), picSelectView, &SurfaceView::MouseMove, this,
               mouse(&frmPaint::picSelect_MouseMove));
    e.addMouse(QStringLiteral("picSelect.MouseUp"), picSelectView, &SurfaceView::MouseUp, this,
               mouse(&frmPaint::picSelect_MouseUp));

    // The curve handles (X, Y in pixels within the handle).
    for (size_t i = 0; i < imgBezier.size(); ++i) {
        CurveHandle *handle = imgBezier[i];
        const QString name = ElementEvents::indexed(QStringLiteral("imgBezier"), int(i));
        e.addMouse(name + QStringLiteral(".MouseDown"), handle, &CurveHandle::MouseDown, this,
                   mouseAt(&frmPaint::imgBezier_MouseDown, int(i)));
        e.addMouse(name + QStringLiteral(".MouseMove"), handle, &CurveHandle::MouseMove, this,
                   mouseAt(&frmPaint::imgBezier_MouseMove, int(i)));
        e.addMouse(name + QStringLiteral(".MouseUp"), handle, &CurveHandle::MouseUp, this,
                   mouseAt(&frmPaint::imgBezier_MouseUp, int(i)));
    }

    // The text box: a key goes down (the handler, then the box moves its
    // cursor or deletes), types its character and comes up; a press or drag
    // in the box places its cursor and selection.
    e.add(QStringLiteral("txtText.KeyDown"), 2, [this](const ElementEvents::Args &a) {
        txtText_KeyDown(int(a[0]), int(a[1]));
        txtText->editKey(int(a[0]), int(a[1]));
    });
    connect(txtText, &CanvasTextBox::KeyDown, this, keys(QStringLiteral("txtText.KeyDown")));
    e.add(QStringLiteral("txtText.KeyPress"), 1,
          [this](const ElementEvents::Args &a) { txtText->typeCharacter(int(a[0])); });
    connect(txtText, &CanvasTextBox::KeyPress, this,
            [this](int ascii) { m_events.raise(QStringLiteral("txtText.KeyPress"), {double(ascii)}); });
    e.add(QStringLiteral("txtText.KeyUp"), 2,
          [this](const ElementEvents::Args &a) { txtText_KeyUp(int(a[0]), int(a[1])); });
    connect(txtText, &CanvasTextBox::KeyUp, this, keys(QStringLiteral("txtText.KeyUp")));
    e.add(QStringLiteral("txtText.SelChange"), 2,
          [this](const ElementEvents::Args &a) { txtText->select(int(a[0]), int(a[1])); });
    connect(txtText, &CanvasTextBox::SelChange, this, [this](int start, int length) {
        m_events.raise(QStringLiteral("txtText.SelChange"), {double(start), double(length)});
    });
    e.add(QStringLiteral("txtText.DblClick"), txtText, &CanvasTextBox::DblClick, this, [this] { txtText_DblClick(); });
    e.add(QStringLiteral("txtText.LostFocus"), [this] { txtText_LostFocus(); });
    connect(txtText, &CanvasTextBox::LostFocus, this, [this](Qt::FocusReason reason) {
        // A press on the canvas takes the focus before the press arrives;
        // its handler runs the loss of focus once the box has moved.
        if (reason == Qt::MouseFocusReason && QApplication::focusWidget() == picPaintView)
            return;
        m_events.raise(QStringLiteral("txtText.LostFocus"));
    });

    // The resize handles.
    for (size_t i = 0; i < picPaintResize.size(); ++i) {
        auto *handle = static_cast<ResizeHandle *>(picPaintResize[i]);
        const QString name = ElementEvents::indexed(QStringLiteral("picPaintResize"), int(i));
        e.addMouse(name + QStringLiteral(".MouseDown"), handle, &ResizeHandle::MouseDown, this,
                   mouseAt(&frmPaint::picPaintResize_MouseDown, int(i)));
        e.addMouse(name + QStringLiteral(".MouseMove"), handle, &ResizeHandle::MouseMove, this,
                   mouseAt(&frmPaint::picPaintResize_MouseMove, int(i)));
        e.addMouse(name + QStringLiteral(".MouseUp"), handle, &ResizeHandle::MouseUp, this,
                   mouseAt(&frmPaint::picPaintResize_MouseUp, int(i)));
    }

    // The tool buttons. A click reports its press when the button is
    // released: a pop-up menu opened by the press would take the release
    // from the button, which then would never become the selected one.
    for (size_t i = 0; i < optTools.size(); ++i) {
        const int index = int(i);
        const QString name = ElementEvents::indexed(QStringLiteral("optTools"), index);
        e.addMouse(name + QStringLiteral(".MouseDown"), mouseAt(&frmPaint::optTools_MouseDown, index));
        e.add(name + QStringLiteral(".Click"), [this, index] { optTools_Click(index); });
        connect(optTools[i], &QAbstractButton::clicked, this, [this, name] {
            m_events.raise(name + QStringLiteral(".MouseDown"), {1, 0, 0, 0});
            m_events.raise(name + QStringLiteral(".Click"));
        });
    }

    // The option panels (X, Y in twips within the panel).
    e.addMouse(QStringLiteral("fraOptDot.MouseDown"), new MouseRelay(fraOptDot), &MouseRelay::MouseDown, this,
               mouse(&frmPaint::fraOptDot_MouseDown));
    e.addMouse(QStringLiteral("fraOptFill.MouseDown"), new MouseRelay(fraOptFill), &MouseRelay::MouseDown, this,
               mouse(&frmPaint::fraOptFill_MouseDown));
    for (size_t i = 0; i < imgBrush.size(); ++i)
        e.addMouse(ElementEvents::indexed(QStringLiteral("imgBrush"), int(i)) + QStringLiteral(".MouseDown"),
                   new MouseRelay(imgBrush[i]), &MouseRelay::MouseDown, this,
                   mouseAt(&frmPaint::imgBrush_MouseDown, int(i)));

    // The palette and the two swatches; moves are reported with no button held.
    for (size_t i = 0; i < lblColor.size(); ++i) {
        auto *relay = new MouseRelay(lblColor[i], true);
        const QString name = ElementEvents::indexed(QStringLiteral("lblColor"), int(i));
        e.addMouse(name + QStringLiteral(".MouseDown"), relay, &MouseRelay::MouseDown, this,
                   mouseAt(&frmPaint::lblColor_MouseDown, int(i)));
        e.addMouse(name + QStringLiteral(".MouseMove"), relay, &MouseRelay::MouseMove, this,
                   mouseAt(&frmPaint::lblColor_MouseMove, int(i)));
    }
    auto *foreground = new MouseRelay(lblForeColor, true);
    e.add(QStringLiteral("lblForeColor.DblClick"), foreground, &MouseRelay::DblClick, this,
          [this] { lblForeColor_DblClick(); });
    e.addMouse(QStringLiteral("lblForeColor.MouseMove"), foreground, &MouseRelay::MouseMove, this,
               mouse(&frmPaint::lblForeColor_MouseMove));
    auto *fill = new MouseRelay(lblFillColor, true);
    e.add(QStringLiteral("lblFillColor.DblClick"), fill, &MouseRelay::DblClick, this,
          [this] { lblFillColor_DblClick(); });
    e.addMouse(QStringLiteral("lblFillColor.MouseMove"), fill, &MouseRelay::MouseMove, this,
               mouse(&frmPaint::lblFillColor_MouseMove));

    // The scroll bars: the event carries the value, whose change moves the
    // canvas. A user's move has already put the bar there; a change made by
    // a handler (a resize) belongs to that handler.
    for (const auto &[bar, change] :
         {std::pair{hscPaint, &frmPaint::hscPaint_Change}, std::pair{vscPaint, &frmPaint::vscPaint_Change}}) {
        const QString name = bar->objectName() + QStringLiteral(".Change");
        const auto moved = std::make_shared<bool>(false);
        e.add(name, 1, [this, bar = bar, change = change, moved](const ElementEvents::Args &a) {
            if (*moved)
                (this->*change)();
            else
                bar->setValue(int(a[0]));
        });
        connect(bar, &QScrollBar::valueChanged, this, [this, name, change = change, moved](int value) {
            if (m_events.dispatching()) {
                (this->*change)();
                return;
            }
            *moved = true;
            struct Reset {
                bool &flag;
                ~Reset() { flag = false; }
            } reset{*moved};
            m_events.raise(name, {double(value)});
        });
    }

    // The window itself.
    e.add(QStringLiteral("frmPaint.Resize"), 2, [this](const ElementEvents::Args &a) {
        setWidth(a[0]);
        setHeight(a[1]);
        Form_Resize();
    });
    // A close asked by the user or the host runs within its close event (closeEvent).
    e.add(QStringLiteral("frmPaint.Unload"), [this] { m_closing ? Form_Unload(*m_closing) : void(close()); });
    e.add(QStringLiteral("frmPaint.Activate"), [this] { Form_Activate(); });

    // The selection lies inside the canvas's border.
    const auto followBorder = [this] {
        const int border = picPaint.borderPixels();
        picSelectView->setContainerOffset(QPoint(border, border));
    };
    connect(&picPaint, &PictureSurface::geometryChanged, this, followBorder);
    followBorder();
    connect(&picPaint, &PictureSurface::geometryChanged, this, [this] {
        const QSize size(picPaint.pixelWidth(), picPaint.pixelHeight());
        if (size != m_canvasSize) {
            m_canvasSize = size;
            picPaint_Resize();
        }
    });
}

bool frmPaint::clickMenuItem(const QString &name)
{
    m_events.raise(name + QStringLiteral(".Click"));
    return true;
}

}  // namespace pinxel
