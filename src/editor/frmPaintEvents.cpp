// The window's elements raise the model's element events (registered by the
// model, model/ModelEvents.cpp), and the window registers the events that
// are its own: its size, activation and close, the scroll bars, the wheel
// over the canvas and the Exit command; drops go to the model. The model's
// signals set what the widgets show. Whatever Qt reports goes through the registry's raise(),
// also when it is not a plain signal, so a recording hears it.

#include "editor/frmPaint.h"

#include "tools/ToolTable.h"
#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"
#include "view/MouseRelay.h"
#include "view/ResizeHandle.h"
#include "view/StatusBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include <memory>

namespace pinxel {

void frmPaint::wireEvents()
{
    ElementEvents &e = m_model.events();
    const auto indexed = [](const char *array, size_t index, const char *event) {
        return ElementEvents::indexed(array, int(index), event);
    };
    const auto keys = [&e](const QString &name) {
        return [&e, name](int keyCode, int shift) { e.raise(name, {double(keyCode), double(shift)}); };
    };

    // The canvas and the floating selection on it.
    e.raiseMouseOn(QStringLiteral("picPaint.MouseDown"), picPaintView, &SurfaceView::MouseDown, this);
    e.raiseMouseOn(QStringLiteral("picPaint.MouseMove"), picPaintView, &SurfaceView::MouseMove, this);
    e.raiseMouseOn(QStringLiteral("picPaint.MouseUp"), picPaintView, &SurfaceView::MouseUp, this);
    e.raiseOn(QStringLiteral("picPaint.DblClick"), picPaintView, &SurfaceView::DblClick, this);
    connect(picPaintView, &SurfaceView::KeyUp, this, keys(QStringLiteral("picPaint.KeyUp")));
    e.raiseMouseOn(QStringLiteral("picSelect.MouseDown"), picSelectView, &SurfaceView::MouseDown, this);
    e.raiseMouseOn(QStringLiteral("picSelect.MouseMove"), picSelectView, &SurfaceView::MouseMove, this);
    e.raiseMouseOn(QStringLiteral("picSelect.MouseUp"), picSelectView, &SurfaceView::MouseUp, this);
    e.add(QStringLiteral("picPaint.MouseWheel"), 4,
          [this](const ElementEvents::Args &a) { picPaint_MouseWheel(int(a[0]), int(a[1]), a[2], a[3]); });
    connect(canvasViewport, &CanvasViewport::Wheel, this, [this](int delta, int shift, bool sideways, QPoint at) {
        const int border = m_model.picPaint.borderPixels();
        const QPoint pixel = at - picPaintView->pos() - QPoint(border, border);
        m_model.events().raise(
            QStringLiteral("picPaint.MouseWheel"),
            {double(delta), double(sideways ? shift | 1 : shift), double(pixel.x()), double(pixel.y())});
    });

    // The curve handles (X, Y in pixels within the handle) and the resize handles.
    for (size_t i = 0; i < imgBezier.size(); ++i) {
        e.raiseMouseOn(indexed("imgBezier", i, "MouseDown"), imgBezier[i], &CurveHandle::MouseDown, this);
        e.raiseMouseOn(indexed("imgBezier", i, "MouseMove"), imgBezier[i], &CurveHandle::MouseMove, this);
        e.raiseMouseOn(indexed("imgBezier", i, "MouseUp"), imgBezier[i], &CurveHandle::MouseUp, this);
    }
    for (size_t i = 0; i < picPaintResize.size(); ++i) {
        auto *handle = static_cast<ResizeHandle *>(picPaintResize[i]);
        e.raiseMouseOn(indexed("picPaintResize", i, "MouseDown"), handle, &ResizeHandle::MouseDown, this);
        e.raiseMouseOn(indexed("picPaintResize", i, "MouseMove"), handle, &ResizeHandle::MouseMove, this);
        e.raiseMouseOn(indexed("picPaintResize", i, "MouseUp"), handle, &ResizeHandle::MouseUp, this);
    }

    // The text box.
    connect(txtText, &CanvasTextBox::KeyDown, this, keys(QStringLiteral("txtText.KeyDown")));
    connect(txtText, &CanvasTextBox::KeyPress, this,
            [&e](int ascii) { e.raise(QStringLiteral("txtText.KeyPress"), {double(ascii)}); });
    connect(txtText, &CanvasTextBox::KeyUp, this, keys(QStringLiteral("txtText.KeyUp")));
    connect(txtText, &CanvasTextBox::SelChange, this, [&e](int start, int length) {
        e.raise(QStringLiteral("txtText.SelChange"), {double(start), double(length)});
    });
    e.raiseOn(QStringLiteral("txtText.DblClick"), txtText, &CanvasTextBox::DblClick, this);
    connect(txtText, &CanvasTextBox::LostFocus, this, [this, &e](Qt::FocusReason reason) {
        // A press on the canvas takes the focus before the press arrives;
        // its handler runs the loss of focus once the box has moved.
        if (reason == Qt::MouseFocusReason && QApplication::focusWidget() == picPaintView)
            return;
        e.raise(QStringLiteral("txtText.LostFocus"));
    });

    // The tool buttons. A click reports its press when the button is
    // released: a pop-up menu opened by the press would take the release
    // from the button, which then would never become the selected one.
    for (size_t i = 0; i < optTools.size(); ++i) {
        connect(optTools[i], &QAbstractButton::clicked, this, [&e, i, indexed] {
            e.raise(indexed("optTools", i, "MouseDown"), {1, 0, 0, 0});
            e.raise(indexed("optTools", i, "Click"));
        });
    }

    // The option panels (X, Y in twips within the panel).
    e.raiseMouseOn(QStringLiteral("fraOptDot.MouseDown"), new MouseRelay(fraOptDot), &MouseRelay::MouseDown, this);
    e.raiseMouseOn(QStringLiteral("fraOptFill.MouseDown"), new MouseRelay(fraOptFill), &MouseRelay::MouseDown, this);
    for (size_t i = 0; i < imgBrush.size(); ++i)
        e.raiseMouseOn(indexed("imgBrush", i, "MouseDown"), new MouseRelay(imgBrush[i]), &MouseRelay::MouseDown, this);

    // The palette and the two swatches; moves are reported with no button held.
    for (size_t i = 0; i < lblColor.size(); ++i) {
        auto *relay = new MouseRelay(lblColor[i], true);
        e.raiseMouseOn(indexed("lblColor", i, "MouseDown"), relay, &MouseRelay::MouseDown, this);
        e.raiseMouseOn(indexed("lblColor", i, "MouseMove"), relay, &MouseRelay::MouseMove, this);
    }
    auto *foreground = new MouseRelay(lblForeColor, true);
    e.raiseOn(QStringLiteral("lblForeColor.DblClick"), foreground, &MouseRelay::DblClick, this);
    e.raiseMouseOn(QStringLiteral("lblForeColor.MouseMove"), foreground, &MouseRelay::MouseMove, this);
    auto *fill = new MouseRelay(lblFillColor, true);
    e.raiseOn(QStringLiteral("lblFillColor.DblClick"), fill, &MouseRelay::DblClick, this);
    e.raiseMouseOn(QStringLiteral("lblFillColor.MouseMove"), fill, &MouseRelay::MouseMove, this);

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
        connect(bar, &QScrollBar::valueChanged, this, [this, &e, name, change = change, moved](int value) {
            if (e.dispatching()) {
                (this->*change)();
                return;
            }
            *moved = true;
            struct Reset {
                bool &flag;
                ~Reset() { flag = false; }
            } reset{*moved};
            e.raise(name, {double(value)});
        });
    }

    // The window itself, and its Exit command.
    e.add(QStringLiteral("frmPaint.Resize"), 2, [this](const ElementEvents::Args &a) {
        setWidth(a[0]);
        setHeight(a[1]);
        Form_Resize();
    });
    // A close asked by the user or the host runs within its close event (closeEvent).
    e.add(QStringLiteral("frmPaint.Unload"), [this] { m_closing ? Form_Unload(*m_closing) : void(close()); });
    e.add(QStringLiteral("frmPaint.Activate"), [this] { Form_Activate(); });
    e.add(QStringLiteral("mnuExit.Click"), [this] { mnuExit_Click(); });

    // The selection lies inside the canvas's border.
    const auto followBorder = [this] {
        const int border = m_model.picPaint.borderPixels();
        picSelectView->setContainerOffset(QPoint(border, border));
    };
    connect(&m_model.picPaint, &PictureSurface::geometryChanged, this, followBorder);
    followBorder();

    // What the model shows.
    connect(&m_model, &EditorModel::colorsChanged, this, &frmPaint::showColors);
    connect(&m_model, &EditorModel::paletteChanged, this, &frmPaint::showPalette);
    connect(&m_model, &EditorModel::statusChanged, this, &frmPaint::showStatus);
    connect(&m_model, &EditorModel::captionChanged, this, &QWidget::setWindowTitle);
}

// ---------------------------------------------------------------- drops

QString frmPaint::droppedFile(const QMimeData &data) const
{
    if (!m_model.fileMenuShown() || !data.hasUrls())
        return QString();
    for (const QUrl &url : data.urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}

void frmPaint::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data && (data->hasImage() || !droppedFile(*data).isEmpty()))
        event->acceptProposedAction();
}

void frmPaint::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data)
        return;
    event->acceptProposedAction();
    const QString file = droppedFile(*data);
    const QImage picture = file.isEmpty() ? qvariant_cast<QImage>(data->imageData()) : QImage();
    // After the drop has returned: the save question must not hold up the
    // program the drag came from. Through the registry, so a recording has it.
    QMetaObject::invokeMethod(
        this,
        [this, file, picture] {
            ElementEvents &events = m_model.events();
            if (!file.isEmpty())
                events.perform(QStringLiteral("drop file ") + QFileInfo(file).absoluteFilePath(), QImage(),
                               [&] { m_model.openDroppedFile(file); });
            else
                events.perform(picture.isNull() ? QStringLiteral("drop picture none") : QStringLiteral("drop picture"),
                               picture, [&] { m_model.pasteDroppedPicture(picture); });
        },
        Qt::QueuedConnection);
}

void frmPaint::showStatus()
{
    for (int panel = 1; panel <= 3; ++panel)
        sta->setPanelText(panel, m_model.statusText(panel));
}

}  // namespace pinxel
