// The editor window's life: creation (Form_Load), activation, the close
// request with its save question, and the window's measures.

#include "editor/frmPaint.h"

#include "control/FileMenuShown.h"
#include "document/mdlGeneral.h"
#include "pinxel/Screen.h"
#include "view/Accessibility.h"
#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"
#include "view/ResizeHandle.h"
#include "view/StatusBar.h"
#include "view/TwipsPlacement.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>

namespace pinxel {

namespace {
QPointer<frmPaint> g_window;

}  // namespace

frmPaint &frmPaint::instance()
{
    if (!g_window) {
        g_window = new frmPaint;
        g_window->m_model.setAsksToSave(isSet(FileMenuShown));
        g_window->Form_Load();
    }
    return *g_window;
}

bool frmPaint::exists() { return !g_window.isNull(); }

frmPaint::frmPaint(QWidget *embedIn) : QWidget(embedIn)
{
    if (!embedIn)
        setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    setWindowTitle(m_model.caption());
    installAccessibility();  // before any element: none may keep an interface made without it
    createElements();
    createToolPanels();
    createPalette();
    createMenus();
    createAccess();
    wireEvents();
    m_model.setView(this);
    // A press on the window's background (around the canvas, between the
    // panels, on the status bar) takes the focus to the canvas, as a click
    // elsewhere in the window does: an open text is stamped.
    for (QWidget *background :
         {client, static_cast<QWidget *>(canvasViewport), static_cast<QWidget *>(fraTools),
          static_cast<QWidget *>(fraColor), static_cast<QWidget *>(fraScroll), static_cast<QWidget *>(sta)})
        background->installEventFilter(this);
}

frmPaint::~frmPaint()
{
    // The elements go before the model they show: none of their last
    // signals may reach it while it is destroyed.
    m_model.setView(nullptr);
    m_model.disconnect(this);
    delete client;
    delete menuBar;
    if (g_window == this)
        g_window = nullptr;
}

// ---------------------------------------------------------------- measures

double frmPaint::Width() const { return (width() + frameExtra().width()) * twipsPerPixelX(); }
double frmPaint::Height() const { return (height() + frameExtra().height()) * twipsPerPixelY(); }

QSize frmPaint::frameExtra() const
{
    const QSize real = frameGeometry().size() - size();
    return isVisible() || !m_assumedFrame.isValid() ? real : m_assumedFrame;
}
double frmPaint::ScaleHeight() const { return client->height() * twipsPerPixelY(); }
double frmPaint::ScaleWidth() const { return client->width() * twipsPerPixelX(); }

void frmPaint::setWidth(double twips)
{
    const int frame = frameExtra().width();
    resize(std::max(1, int(roundHalfEven(twips / twipsPerPixelX())) - frame), height());
    if (!isVisible()) {
        // A hidden window gets no resize event until it shows: lay out now.
        placeClient();
        Form_Resize();
    }
}

void frmPaint::setHeight(double twips)
{
    const int frame = frameExtra().height();
    resize(width(), std::max(1, int(roundHalfEven(twips / twipsPerPixelY())) - frame));
    if (!isVisible()) {
        placeClient();
        Form_Resize();
    }
}

// ---------------------------------------------------------------- elements

void frmPaint::createElements()
{
    // The menu bar on top, the client area below it; placed by resizeEvent,
    // also while the window is hidden, so the layout works headless.
    menuBar = new QMenuBar(this);
    client = new QWidget(this);

    fraTools = new QFrame(client);
    fraTools->setObjectName(QStringLiteral("fraTools"));
    placeInTwips(fraTools, 0, -90, 855, 6000);
    fraColor = new QFrame(client);
    fraColor->setObjectName(QStringLiteral("fraColor"));
    placeInTwips(fraColor, 0, 4000, 6000, 860);

    // It lies in the area the panels leave, placed in the client area's twips.
    canvasViewport = new CanvasViewport(client);
    picPaintView = new SurfaceView(&m_model.picPaint, canvasViewport);
    picPaintView->setObjectName(QStringLiteral("picPaint"));
    connect(canvasViewport, &CanvasViewport::moved, this, [this] {
        picPaintView->setContainerOffset(canvasViewport->fromClient(QPoint()));
        AdjustPaintResizeBox();
    });

    // The floating selection lies on the canvas, placed in canvas pixels.
    picSelectView = new SurfaceView(&m_model.picSelect, picPaintView);

    // The Text tool's box and its measuring label, in the canvas font (the
    // design font), and the curve handles: on the canvas, above the selection, hidden.
    lblTextSize = new QLabel(picPaintView);
    lblTextSize->setObjectName(QStringLiteral("lblTextSize"));
    txtText = new CanvasTextBox(m_model.picPaint, picPaintView, lblTextSize);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtText->setTextFont(m_model.picPaint.Font);
    for (size_t i = 0; i < imgBezier.size(); ++i) {
        imgBezier[i] = new CurveHandle(m_model.picPaint, picPaintView);
        imgBezier[i]->setObjectName(QStringLiteral("imgBezier(%1)").arg(i));
    }

    hscPaint = new QScrollBar(Qt::Horizontal, client);
    hscPaint->setObjectName(QStringLiteral("hscPaint"));
    hscPaint->setSingleStep(10);
    hscPaint->setPageStep(100);
    placeInTwips(hscPaint, 855, 0, 1000, 255);
    hscPaint->hide();
    vscPaint = new QScrollBar(Qt::Vertical, client);
    vscPaint->setObjectName(QStringLiteral("vscPaint"));
    vscPaint->setSingleStep(100);
    vscPaint->setPageStep(1000);
    placeInTwips(vscPaint, 0, 0, 255, 1000);
    vscPaint->hide();
    fraScroll = new QFrame(client);
    fraScroll->setObjectName(QStringLiteral("fraScroll"));
    fraScroll->setFrameShape(QFrame::NoFrame);
    fraScroll->setAutoFillBackground(true);
    placeInTwips(fraScroll, 0, 0, 255, 255);
    fraScroll->hide();

    sta = new StatusBar(client);
    sta->setObjectName(QStringLiteral("sta"));

    const Qt::CursorShape handleShapes[] = {Qt::SizeHorCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor};
    for (size_t i = 0; i < picPaintResize.size(); ++i) {
        picPaintResize[i] = new ResizeHandle(handleShapes[i], canvasViewport);
        picPaintResize[i]->setObjectName(QStringLiteral("picPaintResize(%1)").arg(i));
    }
}

// ---------------------------------------------------------------- life

void frmPaint::Form_Load() { m_model.load(); }

void frmPaint::Form_Activate() { picPaintView->setFocus(); }

bool frmPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *widget = static_cast<QWidget *>(watched);
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        // A press on an element of its own (a button, a swatch, a panel) is that element's.
        if (widget == sta || !widget->childAt(at))
            pressOnBackground();
    }
    return QWidget::eventFilter(watched, event);
}

void frmPaint::pressOnBackground()
{
    picPaintView->setFocus(Qt::MouseFocusReason);
    // An inactive window (headless, or behind another) reports no loss of
    // focus: the box's event is raised here, as one a user set off.
    if (txtText->isShown())
        m_model.events().raise(QStringLiteral("txtText.LostFocus"));
}

void frmPaint::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_model.events().dispatching())
        Form_Activate();
    else
        m_model.events().raise(QStringLiteral("frmPaint.Activate"));
}

void frmPaint::Form_QueryUnload(int &Cancel) { Cancel = m_model.queryUnload() ? FlagTrue : 0; }

void frmPaint::closeEvent(QCloseEvent *event)
{
    if (m_model.events().dispatching()) {
        Form_Unload(*event);  // a handler closes the window (Exit, a script's Unload)
        return;
    }
    // The user or the host closes it: the element event decides.
    m_closing = event;
    m_model.events().raise(QStringLiteral("frmPaint.Unload"));
    m_closing = nullptr;
}

void frmPaint::Form_Unload(QCloseEvent &event)
{
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel != 0) {
        event.ignore();
        return;
    }
    event.accept();
    if (g_window == this)
        g_window = nullptr;  // the next use creates the window anew
    if (m_modalLoop)
        m_modalLoop->quit();
    emit closed();
}

void frmPaint::showModal(QWidget *owner)
{
    if (owner && owner->window() != this)
        setParent(owner->window(), Qt::Window);
    setWindowModality(Qt::ApplicationModal);
    show();
    QPointer<frmPaint> self(this);
    QEventLoop loop;
    m_modalLoop = &loop;
    connect(this, &frmPaint::closed, &loop, &QEventLoop::quit);
    loop.exec();
    if (self)
        self->m_modalLoop = nullptr;
}

void frmPaint::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeClient();
    if (m_model.events().dispatching())
        Form_Resize();
    else
        m_model.events().raise(QStringLiteral("frmPaint.Resize"), {double(Width()), double(Height())});
}

void frmPaint::setMenuBarVisible(bool visible)
{
    menuBar->setHidden(!visible);
    offerShortcuts(visible);  // a host that hides the bar has keys of its own
    placeClient();
    Form_Resize();
}

bool frmPaint::isMenuBarVisible() const { return !menuBar->isHidden(); }

void frmPaint::placeClient()
{
    const int hfw = menuBar->heightForWidth(width());
    const int barHeight = menuBar->isHidden() ? 0 : hfw > 0 ? hfw : menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), barHeight);
    client->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

}  // namespace pinxel
