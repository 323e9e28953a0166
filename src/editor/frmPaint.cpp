// The editor window's life: creation (Form_Load), activation, the close
// request with its save question, the caption and the canvas pointer shapes.

#include "editor/frmPaint.h"

#include "control/FileMenuShown.h"
#include "document/mdlGeneral.h"
#include "imaging/mdlEffect.h"
#include "pinxel/Screen.h"
#include "tools/ToolTable.h"
#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"
#include "view/ResizeHandle.h"
#include "view/StatusBar.h"
#include "view/TwipsPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

namespace pinxel {

namespace {
QPointer<frmPaint> g_window;

const char *const DesignCaption = "Dabstudio";

}  // namespace

frmPaint &frmPaint::instance()
{
    if (!g_window) {
        g_window = new frmPaint;
        g_window->Form_Load();
    }
    return *g_window;
}

bool frmPaint::exists() { return !g_window.isNull(); }

frmPaint::frmPaint() : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(DesignCaption));
    createElements();
    createToolPanels();
    createPalette();
    createMenus();
    wireEvents();
    // A press on the window's background (around the canvas, between the
    // panels, on the status bar) takes the focus to the canvas, as a click
    // elsewhere in the window does: an open text is stamped.
    for (QWidget *background :
         {client, static_cast<QWidget *>(canvasViewport), static_cast<QWidget *>(fraTools),
          static_cast<QWidget *>(fraColor), static_cast<QWidget *>(fraScroll), static_cast<QWidget *>(sta)})
        background->installEventFilter(this);
    m_undoRing.availabilityChanged = [this](UndoRing::Availability available) {
        item(QStringLiteral("mnuUndo"))->setEnabled(available.undo);
        item(QStringLiteral("mnuRedo"))->setEnabled(available.redo);
    };
    m_selection.commandsEnabled = [this](bool enabled) {
        for (const char *name : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
            item(QString::fromLatin1(name))->setEnabled(enabled);
    };
}

frmPaint::~frmPaint()
{
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

    // The canvas: pixels inside, placed in the window's twips, white, single border.
    picPaint.setObjectName(QStringLiteral("picPaint"));
    picPaint.setScaleMode(ScalePixels);
    picPaint.BackColor = 0xFFFFFF;
    picPaint.AutoSize = true;
    picPaint.Move(855, 0, 6400, 6000);
    picPaint.Cls();
    // It lies in the area the panels leave, placed in the client area's twips.
    canvasViewport = new CanvasViewport(client);
    picPaintView = new SurfaceView(&picPaint, canvasViewport);
    picPaintView->setObjectName(QStringLiteral("picPaint"));
    connect(canvasViewport, &CanvasViewport::moved, this, [this] {
        picPaintView->setContainerOffset(canvasViewport->fromClient(QPoint()));
        AdjustPaintResizeBox();
    });

    // The floating selection lies on the canvas, placed in canvas pixels.
    picSelect.ContainerScaleMode = ScalePixels;
    picSelect.setScaleMode(ScalePixels);
    picSelect.AutoSize = true;
    picSelect.setVisible(false);
    picSelectView = new SurfaceView(&picSelect, picPaintView);

    // The Text tool's box and its measuring label, in the design font, and
    // the curve handles: on the canvas, above the selection, hidden.
    lblTextSize = new QLabel(picPaintView);
    lblTextSize->setObjectName(QStringLiteral("lblTextSize"));
    txtText = new CanvasTextBox(picPaint, picPaintView, lblTextSize);
    txtText->setObjectName(QStringLiteral("txtText"));
    QFont design(QStringLiteral("MS Sans Serif"));
    design.setPointSizeF(9.75);
    design = realFace(design);
    txtText->setFont(design);
    lblTextSize->setFont(design);
    for (size_t i = 0; i < imgBezier.size(); ++i) {
        imgBezier[i] = new CurveHandle(picPaint, picPaintView);
        imgBezier[i]->setObjectName(QStringLiteral("imgBezier(%1)").arg(i));
    }
    picClipboard.AutoSize = true;
    picClipboard.setVisible(false);
    // The zoom store keeps the canvas's outer size; with the canvas's border
    // its pixels are exactly the picture's.
    picZoom.setVisible(false);
    picZoom.setBorderStyle(1);
    picImageEffect.setVisible(false);
    picImageEffect.AutoSize = true;

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

    // The tool buttons: two columns, nine rows, as the tool table places them.
    for (size_t i = 0; i < optTools.size(); ++i) {
        const ToolRow &row = toolRow(int(i));
        auto *button = new QToolButton(fraTools);
        button->setObjectName(QStringLiteral("optTools(%1)").arg(i));
        button->setToolTip(QString::fromLatin1(row.tooltip));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setFocusPolicy(Qt::NoFocus);
        placeInTwips(button, row.column == 0 ? 50 : 435, 120 + 375 * row.row, 390, 375);
        optTools[i] = button;
    }
    optTools[ToolPencil]->setChecked(true);

    // The two colour swatches: foreground black, fill white, overlapping.
    auto *swatchArea = new QLabel(fraColor);
    swatchArea->setAutoFillBackground(true);
    setSwatchColor(swatchArea, composeColor(224, 224, 224));
    placeInTwips(swatchArea, 150, 210, 555, 555);
    lblForeColor = new QLabel(fraColor);
    lblForeColor->setObjectName(QStringLiteral("lblForeColor"));
    lblFillColor = new QLabel(fraColor);
    lblFillColor->setObjectName(QStringLiteral("lblFillColor"));
    for (QLabel *swatch : {lblForeColor, lblFillColor}) {
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
    }
    setSwatchColor(lblForeColor, 0);
    setSwatchColor(lblFillColor, 0xFFFFFF);
    placeInTwips(lblFillColor, 375, 420, 255, 255);
    placeInTwips(lblForeColor, 255, 300, 255, 255);
    lblForeColor->raise();

    cdlOpen.DialogTitle = QStringLiteral("Open");
    cdlSave.DialogTitle = QStringLiteral("Save As");
}

// ---------------------------------------------------------------- life

void frmPaint::Form_Load()
{
    try {
        // A new picture first; IsDirty is false, so nothing is asked.
        mnuNew_Click();
        FilterBrushFilter = 2;
        // The resize factors belong to the effects module and outlive a
        // window (the zoom writes them too): each editor starts them at 1, as
        // the replay of its session does.
        ResizeFactorX = ResizeFactorY = 1.0f;
        CurrentTool = ToolPencil;
        BrushIndex = 0;
        DotIndex = 0;
        ShapeFillStyle = 0;
        FillOption = 0;
        item(QStringLiteral("mnuFilterTools(2)"))->setChecked(true);
        picPaint.setBorderStyle(1);
        cdlSave.Flags = 2054;
        cdlOpen.Flags = 4100;
        cdlFonts.Flags = 65795;
        cdlPrint.Flags = 12;
        picPaint.Font = txtText->font();  // the text box's design font
        picPaint.Move(picPaint.Left(), picPaint.Top(), 6400, 6000);
        AdjustPaintResizeBox();
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        SetToolCursor();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

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
        m_events.raise(QStringLiteral("txtText.LostFocus"));
}

void frmPaint::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_events.dispatching())
        Form_Activate();
    else
        m_events.raise(QStringLiteral("frmPaint.Activate"));
}

void frmPaint::Form_QueryUnload(int &Cancel)
{
    try {
        if (!isSet(FileMenuShown) || IsDirty != FlagTrue)
            return;
        const int answer = HostServices::current().MsgBox(QStringLiteral("Do you want to save the changes?"),
                                                          MsgExclamationYesNoCancel);
        if (answer == AnswerYes) {
            mnuSave_Click();
            Cancel = IsDirty;  // a cancelled or failed save keeps the window open
        } else if (answer == AnswerCancel) {
            Cancel = FlagTrue;
        }
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::closeEvent(QCloseEvent *event)
{
    if (m_events.dispatching()) {
        Form_Unload(*event);  // a handler closes the window (Exit, a script's Unload)
        return;
    }
    // The user or the host closes it: the element event decides.
    m_closing = event;
    m_events.raise(QStringLiteral("frmPaint.Unload"));
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

void frmPaint::UpdateCaption()
{
    try {
        const QString name = CurrentFileName.isEmpty() ? QStringLiteral("untitled") : CurrentFileName;
        setWindowTitle(name + QStringLiteral(" - ") + QString::fromLatin1(DesignCaption));
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::SetToolCursor()
{
    const QString file = QString::fromLatin1(toolRow(CurrentTool).cursorFile);
    if (file.isEmpty()) {
        picPaintView->setCursor(Qt::ArrowCursor);
        canvasPointerFile.clear();
        return;
    }
    // A missing or unreadable pointer file keeps the previous pointer, silently.
    try {
        setCanvasPointer(file);
    } catch (const Error &) {
    }
}

void frmPaint::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeClient();
    if (m_events.dispatching())
        Form_Resize();
    else
        m_events.raise(QStringLiteral("frmPaint.Resize"), {double(Width()), double(Height())});
}

void frmPaint::placeClient()
{
    const int hfw = menuBar->heightForWidth(width());
    const int barHeight = hfw > 0 ? hfw : menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), barHeight);
    client->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

}  // namespace pinxel
