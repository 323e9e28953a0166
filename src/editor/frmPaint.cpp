// The editor window's life: creation (Form_Load), activation, the close
// request with its save question, the caption and the canvas pointer shapes.

#include "editor/frmPaint.h"

#include "control/FileMenuShown.h"
#include "editor/mdlGeneral.h"
#include "pinxel/Screen.h"
#include "view/ResizeHandle.h"
#include "view/StatusBar.h"
#include "view/TwipsPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QMenuBar>
#include <QScrollBar>

namespace pinxel {

namespace {
QPointer<frmPaint> g_window;

const char *const DesignCaption = "Dabstudio";

// The pointer file of each tool, in the "Cursors" folder beside the library;
// empty for the default arrow.
const char *cursorFile(int tool)
{
    switch (tool) {
    case ToolPickColor: return "pick.cur";
    case ToolEraser: return "eraser.cur";
    case ToolFill: return "fill.cur";
    case ToolPencil: return "pencil.cur";
    case ToolText: return "text.cur";
    case ToolAirBrush: return "airbrush.cur";
    case ToolFilterBrush: return "filter.cur";
    case ToolZoom: return "zoom.cur";
    case ToolBrush: return "brush.cur";
    case ToolHand: return "handflat.cur";
    case ToolLine:
    case ToolRectangle:
    case ToolEllipse:
    case ToolArrow:
    case ToolRoundedRectangle:
    case ToolPolygon: return "cross.cur";
    default: return "";
    }
}
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
}

frmPaint::~frmPaint()
{
    if (g_window == this)
        g_window = nullptr;
}

// ---------------------------------------------------------------- measures

double frmPaint::Width() const { return frameGeometry().width() * twipsPerPixelX(); }
double frmPaint::Height() const { return frameGeometry().height() * twipsPerPixelY(); }
double frmPaint::ScaleHeight() const { return client->height() * twipsPerPixelY(); }
double frmPaint::ScaleWidth() const { return client->width() * twipsPerPixelX(); }

void frmPaint::setWidth(double twips)
{
    const int frame = frameGeometry().width() - width();
    resize(std::max(1, int(roundHalfEven(twips / twipsPerPixelX())) - frame), height());
    if (!isVisible()) {
        // A hidden window gets no resize event until it shows: lay out now.
        placeClient();
        Form_Resize();
    }
}

void frmPaint::setHeight(double twips)
{
    const int frame = frameGeometry().height() - height();
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
    picPaintView = new SurfaceView(&picPaint, client);
    picPaintView->setObjectName(QStringLiteral("picPaint"));

    // The floating selection lies on the canvas, placed in canvas pixels.
    picSelect.ContainerScaleMode = ScalePixels;
    picSelect.setScaleMode(ScalePixels);
    picSelect.AutoSize = true;
    picSelect.setVisible(false);
    picSelectView = new SurfaceView(&picSelect, picPaintView);
    picClipboard.AutoSize = true;
    picClipboard.setVisible(false);
    picZoom.setVisible(false);
    picImageEffect.setVisible(false);
    picImageEffect.AutoSize = true;

    // Slot 0 of the undo ring exists from the start: hidden, white, persistent.
    picBuffer[0] = std::make_unique<PictureSurface>();
    picBuffer[0]->AutoSize = true;
    picBuffer[0]->setVisible(false);

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
        picPaintResize[i] = new ResizeHandle(handleShapes[i], client);
        picPaintResize[i]->setObjectName(QStringLiteral("picPaintResize(%1)").arg(i));
    }

    // The tool buttons: two columns, nine rows, in the order of the palette.
    static const char *const toolTips[] = {"Select Area", "Pick Color", "Eraser", "Fill", "Pencil", "Line",
                                           "Rectangle", "Ellipse", "Text", "Arrow", "Air Brush",
                                           "Rounded Rectangle", "Polygon", "Curve", "Filter Brush", "Zoom",
                                           "Brush", "Hand"};
    static const int toolCells[][2] = {{0, 0}, {1, 0}, {2, 1}, {1, 1}, {2, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0},
                                       {4, 1}, {3, 0}, {5, 1}, {6, 1}, {7, 1}, {3, 1}, {0, 1}, {8, 0}, {8, 1}};
    for (size_t i = 0; i < optTools.size(); ++i) {
        auto *button = new QToolButton(fraTools);
        button->setObjectName(QStringLiteral("optTools(%1)").arg(i));
        button->setToolTip(QString::fromLatin1(toolTips[i]));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setFocusPolicy(Qt::NoFocus);
        placeInTwips(button, toolCells[i][1] == 0 ? 50 : 435, 120 + 375 * toolCells[i][0], 390, 375);
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
        picPaint.Font = QFont(QStringLiteral("DejaVu Sans"), 8);
        picPaint.Move(picPaint.Left(), picPaint.Top(), 6400, 6000);
        AdjustPaintResizeBox();
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        SetToolCursor();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::Form_Activate() { picPaintView->setFocus(); }

void frmPaint::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Activate();
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
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel != 0) {
        event->ignore();
        return;
    }
    event->accept();
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
    const QString file = QString::fromLatin1(cursorFile(CurrentTool));
    if (file.isEmpty()) {
        picPaintView->setCursor(Qt::ArrowCursor);
        return;
    }
    // A missing or unreadable pointer file keeps the previous pointer, silently.
    try {
        HostServices &host = HostServices::current();
        picPaintView->setCursor(host.LoadCursor(host.AppPath() + QStringLiteral("/Cursors/") + file));
    } catch (const Error &) {
    }
}

void frmPaint::wireEvents()
{
    const auto onClick = [this](const char *name, void (frmPaint::*handler)()) {
        m_clicks[QString::fromLatin1(name)] = [this, handler] { (this->*handler)(); };
        connect(item(QString::fromLatin1(name)), &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    // Items of an indexed menu array: the handler takes the index.
    const auto onIndexedClick = [this](const char *array, int count, void (frmPaint::*handler)(int)) {
        for (int index = 0; index < count; ++index) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
            m_clicks[name] = [this, handler, index] { (this->*handler)(index); };
            connect(item(name), &QAction::triggered, this, [this, handler, index] { (this->*handler)(index); });
        }
    };
    // The menus of the bar run their Click as they drop down (see
    // createMenus); a script's click on one runs the same handler.
    for (const auto &[name, handler] : {std::pair{"mnuFile", &frmPaint::mnuFile_Click},
                                        std::pair{"mnuEdit", &frmPaint::mnuEdit_Click},
                                        std::pair{"mnuEffect", &frmPaint::mnuEffect_Click},
                                        std::pair{"mnuFilter", &frmPaint::mnuFilter_Click}})
        m_clicks[QString::fromLatin1(name)] = [this, handler = handler] { (this->*handler)(); };
    onClick("mnuNew", &frmPaint::mnuNew_Click);
    onClick("mnuOpen", &frmPaint::mnuOpen_Click);
    onClick("mnuSave", &frmPaint::mnuSave_Click);
    onClick("mnuSaveAs", &frmPaint::mnuSaveAs_Click);
    onClick("mnuPrint", &frmPaint::mnuPrint_Click);
    onClick("mnuExit", &frmPaint::mnuExit_Click);
    onClick("mnuUndo", &frmPaint::mnuUndo_Click);
    onClick("mnuRedo", &frmPaint::mnuRedo_Click);
    onClick("mnuForegroundColor", &frmPaint::mnuForegroundColor_Click);
    onClick("mnuFillColor", &frmPaint::mnuFillColor_Click);
    onIndexedClick("mnuBS", 5, &frmPaint::mnuBS_Click);
    onIndexedClick("mnuFS", 8, &frmPaint::mnuFS_Click);

    connect(picPaintView, &SurfaceView::MouseDown, this, &frmPaint::picPaint_MouseDown);
    connect(picPaintView, &SurfaceView::MouseMove, this, &frmPaint::picPaint_MouseMove);
    connect(picPaintView, &SurfaceView::MouseUp, this, &frmPaint::picPaint_MouseUp);
    connect(picPaintView, &SurfaceView::DblClick, this, &frmPaint::picPaint_DblClick);
    connect(picPaintView, &SurfaceView::KeyUp, this, &frmPaint::picPaint_KeyUp);
    connect(picSelectView, &SurfaceView::MouseDown, this, &frmPaint::picSelect_MouseDown);
    connect(picSelectView, &SurfaceView::MouseMove, this, &frmPaint::picSelect_MouseMove);
    connect(picSelectView, &SurfaceView::MouseUp, this, &frmPaint::picSelect_MouseUp);
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

    connect(hscPaint, &QScrollBar::valueChanged, this, &frmPaint::hscPaint_Change);
    connect(vscPaint, &QScrollBar::valueChanged, this, &frmPaint::vscPaint_Change);
    for (size_t i = 0; i < picPaintResize.size(); ++i) {
        auto *handle = static_cast<ResizeHandle *>(picPaintResize[i]);
        const int index = int(i);
        connect(handle, &ResizeHandle::MouseDown, this,
                [this, index](int b, int s, double x, double y) { picPaintResize_MouseDown(index, b, s, x, y); });
        connect(handle, &ResizeHandle::MouseMove, this,
                [this, index](int b, int s, double x, double y) { picPaintResize_MouseMove(index, b, s, x, y); });
        connect(handle, &ResizeHandle::MouseUp, this,
                [this, index](int b, int s, double x, double y) { picPaintResize_MouseUp(index, b, s, x, y); });
    }
    for (size_t i = 0; i < optTools.size(); ++i) {
        const int index = int(i);
        // A click reports its press when the button is released: a pop-up
        // menu opened by the press would take the release from the button,
        // which then would never become the selected one.
        connect(optTools[i], &QAbstractButton::clicked, this, [this, index] {
            optTools_MouseDown(index, 1, 0, 0, 0);
            optTools_Click(index);
        });
    }
}

bool frmPaint::clickMenuItem(const QString &name)
{
    const auto handler = m_clicks.find(name);
    if (handler != m_clicks.end())
        handler->second();
    return true;
}

void frmPaint::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeClient();
    Form_Resize();
}

void frmPaint::placeClient()
{
    const int hfw = menuBar->heightForWidth(width());
    const int barHeight = hfw > 0 ? hfw : menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), barHeight);
    client->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

}  // namespace pinxel
