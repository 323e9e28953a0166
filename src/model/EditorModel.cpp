// The session's life (creation, Form_Load's set-up, the close question), the
// caption, the menu items' states, the status bar, and what tools see.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"
#include "model/MenuTable.h"
#include "tools/ToolTable.h"

#include <QCoreApplication>

namespace pinxel {

namespace {

// A number in its shortest decimal form: whole positions show as whole numbers.
QString shortest(double value) { return QString::number(value, 'g', 7); }

}  // namespace

EditorModel::EditorModel(EditorView *view) : m_view(view ? view : &m_headless)
{
    // The canvas: pixels inside, placed in the window's twips, white, single border.
    picPaint.setObjectName(QStringLiteral("picPaint"));
    picPaint.setScaleMode(ScalePixels);
    picPaint.BackColor = 0xFFFFFF;
    picPaint.AutoSize = true;
    picPaint.Move(855, 0, 6400, 6000);
    picPaint.Cls();
    // The floating selection lies on the canvas, placed in canvas pixels.
    picSelect.ContainerScaleMode = ScalePixels;
    picSelect.setScaleMode(ScalePixels);
    picSelect.AutoSize = true;
    picSelect.setVisible(false);
    picClipboard.AutoSize = true;
    picClipboard.setVisible(false);
    // The zoom store keeps the canvas's outer size; with the canvas's border
    // its pixels are exactly the picture's.
    picZoom.setVisible(false);
    picZoom.setBorderStyle(1);
    picImageEffect.setVisible(false);
    picImageEffect.AutoSize = true;
    // The Text tool's design font.
    QFont design(QStringLiteral("MS Sans Serif"));
    design.setPointSizeF(9.75);
    picPaint.Font = realFace(design);
    m_headless.textBox().setTextFont(picPaint.Font);
    m_caption = QStringLiteral("Dabstudio");
    cdlOpen.DialogTitle = QCoreApplication::translate("EditorModel", "Open");
    cdlSave.DialogTitle = QCoreApplication::translate("EditorModel", "Save As");

    createItems();
    registerEvents();
    // picPaint_Resize: the canvas changed size (a resize drag records it as a step).
    connect(&picPaint, &PictureSurface::geometryChanged, this, [this] {
        const QSize size(picPaint.pixelWidth(), picPaint.pixelHeight());
        if (size != m_canvasSize) {
            m_canvasSize = size;
            CanvasResized = FlagTrue;
            emit canvasSizeChanged(size);
        }
    });
    m_undoRing.availabilityChanged = [this](UndoRing::Availability available) {
        setItemEnabled(QStringLiteral("mnuUndo"), available.undo);
        setItemEnabled(QStringLiteral("mnuRedo"), available.redo);
        if (available.undo != m_undoAvailable)
            emit undoAvailable(m_undoAvailable = available.undo);
        if (available.redo != m_redoAvailable)
            emit redoAvailable(m_redoAvailable = available.redo);
        tellModified();
        notePictureChanged();  // the ring hears of every recorded, undone or redone change
    };
    m_selection.commandsEnabled = [this](bool enabled) {
        for (const char *name : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
            setItemEnabled(QString::fromLatin1(name), enabled);
        emit selectionChanged(enabled);  // its commands are enabled while it shows
        // A paste shows a new picture floating; a discard changes the picture only if one floated.
        if (enabled || m_selectionFloated)
            notePictureChanged();
        m_selectionFloated = enabled;
    };
    // The host hears of a picture's change once for each event, however many steps it took.
    m_events.setAfterEach([this] { tellPictureChanged(); });
    HostServices::watchClipboard(this, [this] { updatePasteItem(); });
}

EditorModel::~EditorModel()
{
    // The tools may still hold the view's elements; nothing may call back into the model.
    m_undoRing.availabilityChanged = nullptr;
    m_selection.commandsEnabled = nullptr;
}

void EditorModel::setView(EditorView *view) { m_view = view ? view : &m_headless; }

void EditorModel::createItems()
{
    for (const MenuRow &row : menuRows())
        if (row.kind != MenuRow::Separator)
            m_items[row.name] = row.state;
}

// ---------------------------------------------------------------- life

void EditorModel::load()
{
    try {
        // A new picture first; IsDirty is false, so nothing is asked.
        newPicture();
        FilterBrushFilter = 2;
        // The resize factors outlive a picture (the zoom writes them too):
        // each editor starts them at 1, as the replay of its session does.
        ResizeFactorX = ResizeFactorY = 1.0f;
        CurrentTool = ToolPencil;
        BrushIndex = 0;
        DotIndex = 0;
        ShapeFillStyle = 0;
        FillOption = 0;
        setItemChecked(QStringLiteral("mnuFilterTools(2)"), true);
        picPaint.setBorderStyle(1);
        cdlSave.Flags = 2054;
        cdlOpen.Flags = 4100;
        cdlFonts.Flags = 65795;
        cdlPrint.Flags = 12;
        picPaint.Move(picPaint.Left(), picPaint.Top(), 6400, 6000);
        layOut();
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        SetToolCursor();
        updatePasteItem();
    } catch (const Error &error) {
        // Called by the window's creation, not through an element event.
        ReportError(ReportDescription, error.description());
    }
}

bool EditorModel::queryUnload()
{
    if (!m_fileMenuShown || IsDirty != FlagTrue)
        return false;
    const int answer = host().MsgBox(QCoreApplication::translate("EditorModel", "Do you want to save the changes?"),
                                     MsgExclamationYesNoCancel);
    if (answer == AnswerYes) {
        save();
        return isSet(IsDirty);  // a cancelled or failed save keeps the window open
    }
    return answer == AnswerCancel;
}

void EditorModel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(caption);
}

void EditorModel::UpdateCaption()
{
    const QString name =
        CurrentFileName.isEmpty() ? QCoreApplication::translate("EditorModel", "untitled") : CurrentFileName;
    setCaption(name + QStringLiteral(" - Dabstudio"));
}

void EditorModel::setFileMenuShown(bool shown)
{
    m_fileMenuShown = shown;
    setItemVisible(QStringLiteral("mnuFile"), shown);
}

void EditorModel::notePictureChanged()
{
    m_pictureChangePending = true;
    if (!m_events.dispatching() && m_holdPictureChanges == 0)
        tellPictureChanged();
}

void EditorModel::tellPictureChanged()
{
    if (!m_pictureChangePending)
        return;
    m_pictureChangePending = false;
    emit pictureChanged();
}

void EditorModel::showPicture(const QImage &picture, UndoRing::HistoryStart start)
{
    // Its steps (a selection discarded, a new history) are one change.
    ++m_holdPictureChanges;
    struct Release {
        EditorModel &model;
        ~Release()
        {
            if (--model.m_holdPictureChanges == 0 && !model.m_events.dispatching())
                model.tellPictureChanged();
        }
    } release{*this};
    if (ZoomFactor != 1.0f)
        SetZoomView(0, 0, FlagTrue);  // the picture replaces the one at actual size
    picPaint.setPicture(picture);
    toolBox.forgetAll();
    m_selection.discard();
    m_undoRing.ClearImageBuffer(start);
    layOut();
}

// ---------------------------------------------------------------- menu items

ItemState EditorModel::item(const QString &name) const
{
    const auto found = m_items.find(name);
    return found == m_items.end() ? ItemState{} : found->second;
}

void EditorModel::setItemEnabled(const QString &name, bool enabled)
{
    const auto found = m_items.find(name);
    if (found == m_items.end() || found->second.enabled == enabled)
        return;
    found->second.enabled = enabled;
    emit itemChanged(name);
}

void EditorModel::setItemChecked(const QString &name, bool checked)
{
    const auto found = m_items.find(name);
    if (found == m_items.end() || found->second.checked == checked)
        return;
    found->second.checked = checked;
    emit itemChanged(name);
}

void EditorModel::setItemVisible(const QString &name, bool visible)
{
    const auto found = m_items.find(name);
    if (found == m_items.end() || found->second.visible == visible)
        return;
    found->second.visible = visible;
    emit itemChanged(name);
}

void EditorModel::checkOneOf(const QStringList &group, const QString &chosen)
{
    for (const QString &name : group)
        setItemChecked(name, name == chosen);
}

bool EditorModel::reachable(const QString &name) const
{
    if (!hasItem(name))
        return false;
    const std::vector<MenuRow> &rows = menuRows();
    QString at = name;
    for (;;) {
        const ItemState state = item(at);
        if (!state.visible || !state.enabled)
            return false;
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const MenuRow &r) { return r.name == at; });
        if (row->parent.isEmpty())
            return true;  // on the menu bar
        if (row->parent == QLatin1String("mnuTFilter"))
            return true;  // a pop-up: reachable whenever it is shown
        at = row->parent;
    }
}

// ---------------------------------------------------------------- status bar

void EditorModel::setStatus(int panel, const QString &text) { m_status.at(size_t(panel - 1)) = text; }

// The hint of the current tool in its present state.
QString EditorModel::toolHint() { return toolBox.current().hint(); }

QString EditorModel::swatchHint(int intInfo)
{
    switch (intInfo) {
    case 1:
        return QCoreApplication::translate(
            "EditorModel", "Click to set the foreground color; Right-click to set the background color");
    case 2:
        return QCoreApplication::translate("EditorModel", "Double-click to set the foreground color with custom color");
    case 3:
        return QCoreApplication::translate("EditorModel", "Double-click to set the background color with custom color");
    default:
        return QString();
    }
}

void EditorModel::UpdateStatusBar(int intInfo, double X, double Y, int intPercentage, Flag blnClear)
{
    Q_UNUSED(intPercentage);  // every caller passes 0 and no panel shows it
    // The panels change together: the view hears of it once, if at all.
    const std::array<QString, 3> before = m_status;
    struct Notify {
        EditorModel &model;
        const std::array<QString, 3> &before;
        ~Notify()
        {
            if (model.m_status != before)
                emit model.statusChanged();
        }
    } notify{*this, before};
    if (isSet(blnClear)) {
        for (int panel = 1; panel <= 3; ++panel)
            setStatus(panel, QString());
        return;
    }
    setStatus(1, intInfo == 0 ? toolHint() : swatchHint(intInfo));
    if (intInfo != 0) {
        setStatus(2, QString());
        setStatus(3, QString());
        return;
    }
    const bool sizing = toolRow(CurrentTool).showsDragSize;
    if (isSet(IsDrawing) && sizing) {
        setStatus(3, QStringLiteral("%1x%2").arg(sub32(EndX, StartX)).arg(sub32(EndY, StartY)));
        return;
    }
    setStatus(2, shortest(X) + QLatin1Char(',') + shortest(Y));
    setStatus(3, QString());
}

// ---------------------------------------------------------------- what tools see

HostServices &EditorModel::host() { return HostServices::current(); }

void EditorModel::focusCanvas()
{
    m_view->focusCanvas();
    // In a window that is not active (headless, or behind another) the
    // platform reports no loss of focus: the box is told here.
    if (textBox().isShown())
        textLostFocus();
}

PictureSurface *EditorModel::shownSelection() { return m_selection.shown() ? &picSelect : nullptr; }
const PictureSurface &EditorModel::pictureAtActualSize() { return ZoomFactor == 1.0f ? picPaint : picZoom; }
void EditorModel::showActualSize() { SetZoomView(0, 0, FlagTrue); }

void EditorModel::setCanvasPointer(const QString &file)
{
    HostServices &services = host();
    m_view->showPointer(services.LoadCursor(services.AppPath() + QStringLiteral("/Cursors/") + file));
    m_canvasPointerFile = file;
}

void EditorModel::SetToolCursor()
{
    const QString file = QString::fromLatin1(toolRow(CurrentTool).cursorFile);
    if (file.isEmpty()) {
        m_view->showPointer(QCursor(Qt::ArrowCursor));
        m_canvasPointerFile.clear();
        return;
    }
    // A missing or unreadable pointer file keeps the previous pointer, silently.
    try {
        setCanvasPointer(file);
    } catch (const Error &) {
    }
}

}  // namespace pinxel
