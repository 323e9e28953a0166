#pragma once
// One editing session, with no widgets: the editor state under its names,
// the two colours, the styles and the effect choices, the canvas picture and
// the zoom store, the floating selection, the internal clipboard, the undo
// ring, the tool box, the edit path, the menu items' states, the status text
// and the caption. Tools see it through ToolContext, the edit path through
// EditSite; what only a view has (the elements on the canvas, focus, scroll
// bars, layout, the pointer's shape) it asks of its EditorView. It tells its
// view what changed through its signals, and the view never hands state back.
//
// Its commands are split by aspect, in this folder:
//   EditorModel.cpp        creation, the session's life, caption, status bar, what tools see
//   ModelEvents.cpp        the element events it handles, by name
//   MenuTable.cpp          the menus and items: one row each, with what a click runs
//   ModelFile.cpp          New, Open, Save, Save As, Print, the save question
//   ModelEdit.cpp          Cut, Copy, Paste, Delete, Crop, Clear, Undo, Redo
//   ModelEffects.cpp       Resize, Flip, Rotate, the filters and the filter brush's filter
//   ModelTools.cpp         the tool palette, the option panels, pointer input, text, the font
//   ModelColors.cpp        the palette, the two colours, the border and fill styles
//   ModelView.cpp          the zoom view and the canvas's resize drag
//   ModelHost.cpp          pictures a host hands in, modified, drops, notices

#include "document/EditPath.h"
#include "document/EditorState.h"
#include "document/UndoRing.h"
#include "model/EditorView.h"
#include "model/ElementEvents.h"
#include "model/HeadlessView.h"
#include "pinxel/FileHandler.h"
#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "selection/FloatingSelection.h"
#include "tools/ToolBox.h"
#include "tools/ToolContext.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <map>
#include <optional>

namespace pinxel {

// The state of a menu or menu item as the editor sets it.
struct ItemState {
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    bool operator==(const ItemState &) const = default;
};

// The axis the Resize commands change (the check marks Both, Width, Height).
enum class ResizeAxis {
    Both,
    Width,
    Height
};

class EditorModel : public QObject, public EditorState, public ToolContext, public EditSite {
    Q_OBJECT
public:
    // Without a view the model runs headless.
    explicit EditorModel(EditorView *view = nullptr);
    ~EditorModel() override;
    // The view that shows the model from now on (nullptr: none).
    void setView(EditorView *view);

    // --- The pictures: the canvas, the zoom store, the effects' scratch
    // surface, the floating selection and the internal clipboard.
    PictureSurface picPaint;
    PictureSurface picZoom;
    PictureSurface picImageEffect;
    PictureSurface picSelect;
    PictureSurface picClipboard;
    CommonDialog cdlOpen, cdlSave, cdlPrint, cdlFonts, cdlColor;

    // The module variables of the effects, as this editor set them last (the
    // zoom view writes them too); copied into the effect module for each run.
    float ResizeFactorX = 1.0f;
    float ResizeFactorY = 1.0f;
    float RotateAngle = 0.0f;

    // Every element event by its name ("picPaint.MouseDown", "mnuBS(2).Click").
    ElementEvents &events() { return m_events; }
    const ElementEvents &events() const { return m_events; }

    // --- Menus and items by name ("mnuFile", "mnuBS(2)"), as MenuTable lists them.
    bool hasItem(const QString &name) const { return m_items.count(name) != 0; }
    // The state of an item; a name without an item has the default state.
    ItemState item(const QString &name) const;
    const std::map<QString, ItemState> &items() const { return m_items; }
    void setItemEnabled(const QString &name, bool enabled);
    void setItemChecked(const QString &name, bool checked);
    void setItemVisible(const QString &name, bool visible);
    // Whether a user could click the item now: it and every menu above it are
    // visible and enabled (the filter brush's pop-up shows whenever it is asked for).
    bool reachable(const QString &name) const;
    // Moves a check mark within its group to one item.
    void checkOneOf(const QStringList &group, const QString &chosen);

    // --- The session's life (EditorModel.cpp).
    // What Form_Load sets up: a new picture, the first tool, styles and options.
    void load();
    // The question before the window closes; true keeps it open.
    bool queryUnload();
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void UpdateCaption();
    // FileMenuShown: the File menu shows, and New, Open and closing ask
    // whether to save the changes.
    bool fileMenuShown() const { return m_fileMenuShown; }
    void setFileMenuShown(bool shown);
    // Only the question, the menu as it is: a window made again after its
    // close asks as the control's EditMenuFile says, its File menu hidden
    // until the control opens it.
    void setAsksToSave(bool asks) { m_fileMenuShown = asks; }
    // A picture handed in as the control's load does: the canvas shows it,
    // at actual size, nothing pending or floating, a fresh history. A host
    // that keeps the picture has the history share it (SharesPicture).
    void showPicture(const QImage &picture, UndoRing::HistoryStart start = UndoRing::HistoryStart::CopiesPicture);

    // --- What a host that embeds the editor uses (ModelHost.cpp).
    // Refuses (481) a null or empty picture and one beyond the editor's
    // limits (MaxPictureSide, MaxPicturePixels), before anything is allocated.
    static void checkHandedPicture(const QImage &picture);
    // Changes since created, opened, handed in or saved (IsDirty).
    bool isModified() const { return isSet(IsDirty); }
    void setModified(bool modified);
    // With a handler the File menu shows and Open, Save and Save As ask it;
    // nullptr gives the files back.
    void setFileHandler(FileHandler *handler);
    FileHandler *fileHandler() const { return m_fileHandler; }
    // A picture file dropped on the editor whose File menu shows: read
    // first, so that one that cannot be read changes nothing (the status bar
    // says so), then opened as File > Open does, the save question before.
    void openDroppedFile(const QString &path);
    // Picture data dropped from another program: pasted as a floating
    // selection; a null picture changes nothing and the status bar says so.
    void pasteDroppedPicture(const QImage &picture);
    // A short notice in the status bar's first panel.
    void showNotice(const QString &text);

    // --- Status bar (EditorModel.cpp): panels 1 to 3.
    void UpdateStatusBar(int intInfo, double X, double Y, int intPercentage, Flag blnClear);
    QString statusText(int panel) const { return m_status.at(size_t(panel - 1)); }
    QString toolHint();
    // The hint of intInfo 1 (the palette), 2 (the foreground swatch) or 3 (the fill swatch); else empty.
    static QString swatchHint(int intInfo);

    // --- Tool palette and option panels (ModelTools.cpp).
    // The press on a tool button (optTools_MouseDown) and its click (optTools_Click).
    void pressTool(int index, int button);
    void chooseTool();
    // The tool whose button shows pressed, and the option panels shown (ToolPanel bits).
    int pressedTool() const { return m_pressedTool; }
    unsigned shownPanels() const { return m_shownPanels; }
    void choosePenWidth(int cell);
    // A press on the width panel or the fill panel, in twips within it
    // (PanelCells): chooses what lies under it.
    void pressPenWidthPanel(int Button, double X, double Y);
    void pressFillPanel(int Button, double Y);
    void chooseFillOption(int option);
    void chooseBrush(int index);
    void SetToolCursor();
    // The file of the canvas's pointer in the "Cursors" folder; empty for the arrow.
    QString canvasPointerFile() const { return m_canvasPointerFile; }

    // --- Pointer and keys on the canvas, the curve handles and the text box (ModelTools.cpp).
    void canvasMouseDown(int Button, int Shift, double X, double Y);
    void canvasMouseMove(int Button, int Shift, double X, double Y);
    void canvasMouseUp(int Button, int Shift, double X, double Y);
    void canvasDblClick();
    void canvasKeyUp(int KeyCode, int Shift);
    void curveHandleMouseDown(int Index, int Button, int Shift, double X, double Y);
    void curveHandleMouseMove(int Index, int Button, int Shift, double X, double Y);
    void curveHandleMouseUp(int Index, int Button, int Shift, double X, double Y);
    void textKeyDown(int KeyCode, int Shift);
    void textKeyUp(int KeyCode, int Shift);
    void textDblClick();
    void textLostFocus();
    void chooseFont();
    // The font with the face the platform draws it in: a face the machine
    // lacks is replaced by its closest match, which the font dialog then shows.
    static QFont realFace(QFont font);

    // --- The floating selection (ModelEdit.cpp).
    void DrawSelectionRect() override;
    void DropSelection() override;
    void selectionMouseDown(int Button, int Shift, double X, double Y);
    void selectionMouseMove(int Button, double X, double Y);
    void selectionMouseUp(int Button);
    // The picture as the user sees it, for every write out of the editor
    // (files, printer, the control's copy): a floating selection painted at
    // its place, no marquee, no preview.
    QImage composedPicture() const;

    // --- Edit commands and the undo ring (ModelEdit.cpp).
    void cut();
    void copy();
    // The picture the desktop's clipboard holds when another program (or
    // another editor) put it there after this editor's own copy, else the
    // own copy; transparency is laid over the canvas's background colour.
    void paste();
    // Whether this editor copied or cut (its own clipboard holds a picture).
    bool holdsOwnCopy() const { return m_ownCopy.has_value(); }
    void deleteSelection();
    void crop();
    void clear();
    void ClearImageBuffer(UndoRing::HistoryStart start = UndoRing::HistoryStart::CopiesPicture);
    void undo();
    void redo();

    // --- Effects and filters (ModelEffects.cpp).
    void ApplyEffect(int kind, float factor, float angle);
    void ApplyFilter(int filter, int x, int y) override;
    void rotate180();
    void chooseBrushFilter(int index);
    ResizeAxis resizeAxis() const { return m_resizeAxis; }
    void chooseResizeAxis(ResizeAxis axis);
    bool rotatesClockwise() const { return m_rotateClockwise; }
    void chooseRotation(bool clockwise);
    // The filter brush's pop-up at the pointer: the visible items of
    // mnuTFilter; the chosen one runs as a click on it, a dismissal changes nothing.
    void showFilterMenu() override;

    // --- Colours and styles (ModelColors.cpp).
    Color foregroundColor() const override { return m_foreColor; }
    Color fillColor() const override { return m_fillColor; }
    void setForegroundColor(Color color) override;
    void setFillColor(Color color) override;
    // The foreground colour and the preview pen made from it.
    void SetForeColor(Color color);
    static constexpr int PaletteSize = 26;
    static Color paletteColor(int index);
    // A press on the palette: Button 1 the foreground, 2 the fill colour.
    void pickPaletteColor(int index, int button);
    // The colour dialog for either colour.
    void chooseForegroundColor();
    void chooseFillColor();
    void chooseBorderStyle(int index);
    void chooseFillStyle(int index);

    // --- File commands (ModelFile.cpp).
    void newPicture();
    void openPicture();
    void save();
    void saveAs();
    void print();
    Flag ReadOnlyPrompt(const QString &path);

    // --- The zoom view and the canvas's resize drag (ModelView.cpp).
    void SetZoomView(std::int32_t x, std::int32_t y, Flag reset) override;
    void beginResizeDrag(double X, double Y);
    void resizeDrag(int Index, double X, double Y);
    void endResizeDrag();

    // --- What tools see (ToolContext) and what the edit path needs (EditSite).
    PictureSurface &canvas() override { return picPaint; }
    EditorState &state() override { return *this; }
    FloatingSelection &selection() override { return m_selection; }
    const FloatingSelection &selection() const { return m_selection; }
    UndoRing &undoRing() { return m_undoRing; }
    void recordStep() override { editPath.record(); }
    HostServices &host() override;
    CanvasElement &curveHandle(int index) override { return m_view->curveHandle(index); }
    const CanvasElement &curveHandle(int index) const { return m_view->curveHandle(index); }
    TextBox &textBox() override { return m_view->textBox(); }
    const TextBox &textBox() const { return m_view->textBox(); }
    // Gives the keyboard focus to the canvas; an open text box loses it, as
    // it does when a user clicks elsewhere.
    void focusCanvas() override;
    PictureSurface *shownSelection() override;
    PictureSurface &zoomStore() override { return picZoom; }
    const PictureSurface &pictureAtActualSize() override;
    void showActualSize() override;
    ScrollPosition scrollPosition(ScrollAxis axis) const override { return m_view->scrollPosition(axis); }
    void scrollTo(ScrollAxis axis, int value) override { m_view->scrollTo(axis, value); }
    void setCanvasPointer(const QString &file) override;
    void finishAction() override { canvasDblClick(); }
    void layOut() override { m_view->layOut(); }

signals:
    void colorsChanged();
    // A menu or item's enabled, checked or visible state changed.
    void itemChanged(const QString &name);
    void statusChanged();
    void captionChanged(const QString &caption);
    // The pressed tool button, the panels shown, or a panel's choice.
    void paletteChanged();
    void undoAvailable(bool available);
    void redoAvailable(bool available);
    // The canvas's picture changed size; a floating selection appeared or went.
    void canvasSizeChanged(QSize pixels);
    void selectionChanged(bool shown);
    // The picture as composedPicture() gives it changed: a stroke or a
    // command recorded, Undo, Redo, a new history, a selection pasted,
    // dropped, moved or removed.
    void pictureChanged();
    void modifiedChanged(bool modified);

private:
    void registerEvents();
    void createItems();
    void setStatus(int panel, const QString &text);
    void useEffectSettings() const;
    // Enables Paste while the own clipboard or the desktop's holds a picture.
    void updatePasteItem();
    // Tells modifiedChanged when IsDirty changed since it was last told.
    void tellModified();
    // pictureChanged, once an event (or a host's call) has ended.
    void notePictureChanged();
    void tellPictureChanged();
    // Shows a picture opened (from a file, the host or a drop) as File > Open does.
    void showOpened(const QImage &picture, const QString &name);
    bool askToSaveChanges();
    void pasteFloating(const QImage &picture);

    HeadlessView m_headless;
    EditorView *m_view;
    ElementEvents m_events;
    std::map<QString, ItemState> m_items;
    std::array<QString, 3> m_status;
    QString m_caption;
    QString m_canvasPointerFile;
    QSize m_canvasSize;
    Color m_foreColor = 0;
    Color m_fillColor = 0xFFFFFF;
    int m_pressedTool = ToolPencil;
    unsigned m_shownPanels = PanelWidth;
    bool m_fileMenuShown = false;
    bool m_chosenByPress = false;  // what choosing a tool does ran at its press, not again at its click
    ResizeAxis m_resizeAxis = ResizeAxis::Both;
    bool m_rotateClockwise = true;
    FileHandler *m_fileHandler = nullptr;
    bool m_toldModified = false;
    bool m_selectionFloated = false;
    bool m_pictureChangePending = false;
    int m_holdPictureChanges = 0;
    bool m_undoAvailable = false, m_redoAvailable = false;  // as last told
    QPointF m_selectionPressedAt;                           // where the selection lay at the press
    std::optional<std::uint64_t> m_ownCopy;                 // the clipboard's change count at the own copy
    UndoRing m_undoRing{*this, picPaint};
    FloatingSelection m_selection{picPaint, picSelect, *this};

public:
    // The one path of commands that change the picture or the selection, and the tools.
    EditPath editPath{*this, m_undoRing};
    ToolBox toolBox{*this};
};

}  // namespace pinxel
