#pragma once
// The paint editor window: one window for the whole library, created on
// first use and again after it was closed, shown modally by the control.
//
// The window holds the elements and the editor state, and its handlers keep
// their documented names as short entry points into the layers below: the
// tool box (tools/), the floating selection (selection/), the undo ring and
// the edit path (document/). The handlers are split by aspect, in this folder:
//   frmPaint.cpp           creation, activation, closing, caption, pointer shapes
//   frmPaintEvents.cpp     every element event under its name, for Qt and scripts
//   frmPaintMenus.cpp      the menu bar: one row per item, with its handler
//   frmPaintFile.cpp       New, Open, Save, Save As, Print, Exit
//   frmPaintUndo.cpp       Undo and Redo
//   frmPaintLayout.cpp     Form_Resize, scroll bars, resize handles, zoom view
//   frmPaintStatus.cpp     the status bar
//   frmPaintPointer.cpp    pointer input on the canvas and the curve handles, and what tools may use
//   frmPaintText.cpp       the text box and the Font command
//   frmPaintTools.cpp      the tool buttons
//   frmPaintPanels.cpp     the width, brush and fill panels
//   frmPaintColors.cpp     the palette, the two swatches, the colour and style commands
//   frmPaintSelection.cpp  the floating selection's handlers
//   frmPaintEdit.cpp       Cut, Copy, Paste, Delete, Crop and Clear
//   frmPaintEffects.cpp    Resize, Flip, Rotate, the filters and the filter brush's filter

#include "document/EditPath.h"
#include "document/EditorState.h"
#include "document/UndoRing.h"
#include "editor/ElementEvents.h"
#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "pinxel/SurfaceView.h"
#include "selection/FloatingSelection.h"
#include "tools/ToolBox.h"
#include "tools/ToolContext.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;
class QEventLoop;
class QCloseEvent;

namespace pinxel {

class CanvasTextBox;
class CanvasViewport;
class CurveHandle;
class StatusBar;

class frmPaint : public QWidget, public EditorState, public ToolContext, public EditSite {
    Q_OBJECT
public:
    // The window, created (and initialised by Form_Load) when it does not exist.
    static frmPaint &instance();
    static bool exists();

    ~frmPaint() override;

    // --- Window measures in twips: outer width and height, inner (client) height.
    double Width() const;
    double Height() const;
    void setWidth(double twips);
    // What the window's frame adds to its size, in pixels. A hidden window
    // has none of its own: a replay gives it the frame of the recorded one.
    QSize frameExtra() const;
    void assumeFrame(QSize extra) { m_assumedFrame = extra; }
    void setHeight(double twips);
    double ScaleHeight() const;
    double ScaleWidth() const;

    // Shows the window modally; returns when it closes.
    void showModal(QWidget *owner);

    // --- Elements.
    PictureSurface picPaint;
    SurfaceView *picPaintView = nullptr;
    PictureSurface picZoom;
    PictureSurface picImageEffect;
    PictureSurface picSelect;
    PictureSurface picClipboard;
    SurfaceView *picSelectView = nullptr;
    QWidget *client = nullptr;  // the area below the menu bar, laid out in twips
    // The area of the client that the panels and scroll bars leave: the canvas
    // and its resize handles lie in it, clipped to it.
    CanvasViewport *canvasViewport = nullptr;
    QFrame *fraTools = nullptr;
    QFrame *fraColor = nullptr;
    QFrame *fraScroll = nullptr;
    QScrollBar *hscPaint = nullptr;
    QScrollBar *vscPaint = nullptr;
    std::array<QWidget *, 3> picPaintResize{};
    StatusBar *sta = nullptr;
    CommonDialog cdlOpen, cdlSave, cdlPrint, cdlFonts, cdlColor;
    QMenuBar *menuBar = nullptr;

    // Menus and items by name ("mnuFile", "mnuBS(2)"); every one exists.
    QMenu *menu(const QString &name) const;
    QAction *item(const QString &name) const;
    const std::map<QString, QAction *> &items() const { return m_items; }
    // Whether a user could click the item now: it and every menu above it are
    // visible and enabled.
    bool reachable(const QString &name) const;
    // Runs an item's click handler as a user's click would (items of parts
    // not built yet do nothing).
    bool clickMenuItem(const QString &name);
    // Every element event by its name ("picPaint.MouseDown", "mnuBS(2).Click").
    const ElementEvents &events() const { return m_events; }
    ElementEvents &events() { return m_events; }

    // --- Creation, activation, closing (frmPaint.cpp).
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(int &Cancel);
    // Asks Form_QueryUnload and closes the window or keeps it open.
    void Form_Unload(QCloseEvent &event);
    void UpdateCaption();
    void SetToolCursor();

    // --- Menus (frmPaintMenus.cpp).
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuEffect_Click();
    void mnuFilter_Click();

    // --- File commands (frmPaintFile.cpp).
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuPrint_Click();
    void mnuExit_Click();
    Flag ReadOnlyPrompt(const QString &path);

    // --- Undo (frmPaintUndo.cpp); the ring records through the tool box and the edit path.
    void ClearImageBuffer();
    void mnuUndo_Click();
    void mnuRedo_Click();

    // --- Layout and viewport (frmPaintLayout.cpp).
    void Form_Resize();
    void AdjustPaintResizeBox();
    void hscPaint_Change();
    void vscPaint_Change();
    void picPaint_Resize();
    void picPaintResize_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void picPaintResize_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void picPaintResize_MouseUp(int Index, int Button, int Shift, double X, double Y);
    void SetZoomView(std::int32_t x, std::int32_t y, Flag reset) override;
    // The wheel over the canvas (X, Y in canvas pixels): scrolls, sideways
    // with Shift; with Ctrl zooms about the pointer while a tool that keeps
    // the zoomed view is current.
    void picPaint_MouseWheel(int Delta, int Shift, double X, double Y);

    // --- Status bar (frmPaintStatus.cpp).
    void UpdateStatusBar(int intInfo, double X, double Y, int intPercentage, Flag blnClear);
    QString toolHint();

    // --- Tool palette (frmPaintTools.cpp).
    void optTools_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void optTools_Click(int Index);

    // --- Pointer input on the canvas (frmPaintPointer.cpp).
    void picPaint_MouseDown(int Button, int Shift, double X, double Y);
    void picPaint_MouseMove(int Button, int Shift, double X, double Y);
    void picPaint_MouseUp(int Button, int Shift, double X, double Y);
    void picPaint_DblClick();
    void picPaint_KeyUp(int KeyCode, int Shift);
    // The four handles of the curve being shaped, on the canvas.
    std::array<CurveHandle *, 4> imgBezier{};
    void imgBezier_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void imgBezier_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void imgBezier_MouseUp(int Index, int Button, int Shift, double X, double Y);

    // --- The Text tool's box on the canvas and the font (frmPaintText.cpp).
    CanvasTextBox *txtText = nullptr;
    QLabel *lblTextSize = nullptr;  // hidden: measures the box's text
    void txtText_KeyDown(int KeyCode, int Shift);
    void txtText_KeyUp(int KeyCode, int Shift);
    void txtText_DblClick();
    void txtText_LostFocus();
    void mnuFont_Click();
    // The font with the face the platform draws it in: a face the machine
    // lacks is replaced by its closest match, which the font dialog then shows.
    static QFont realFace(QFont font);

    // --- The floating selection (frmPaintSelection.cpp).
    void DrawSelectionRect() override;
    void DropSelection() override;
    void picSelect_MouseDown(int Button, int Shift, double X, double Y);
    void picSelect_MouseMove(int Button, int Shift, double X, double Y);
    void picSelect_MouseUp(int Button, int Shift, double X, double Y);
    // The picture as the user sees it, for every write out of the editor
    // (files, printer, the control's copy): a floating selection painted at
    // its place, no marquee.
    QImage composedPicture() const;

    // --- Edit commands on the selection and the clipboard (frmPaintEdit.cpp).
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuCrop_Click();
    void mnuClear_Click();

    // --- Effects and filters (frmPaintEffects.cpp); the menu rows call these.
    void ApplyEffect(int kind, float factor, float angle);
    void ApplyFilter(int filter, int x, int y) override;
    void mnuRotate180_Click();
    void mnuFilterTools_Click(int Index);
    // Moves a check mark within its group (Both/Width/Height, Clockwise/Anti-Clockwise).
    void checkOneOf(std::initializer_list<const char *> group, const char *chosen);

    // --- Colours held by the two swatches.
    Color foregroundColor() const override;
    Color fillColor() const override;
    void setForegroundColor(Color color) override;
    void setFillColor(Color color) override;
    QLabel *lblForeColor = nullptr;
    QLabel *lblFillColor = nullptr;
    static void setSwatchColor(QLabel *swatch, Color color);
    std::array<QAbstractButton *, 18> optTools{};

    // --- Option panels (frmPaintPanels.cpp), placed in fraTools.
    QFrame *fraOptDot = nullptr;
    QLabel *lblDot = nullptr;
    std::array<QWidget *, 8> shpDot{};
    QFrame *fraBrush = nullptr;
    QLabel *lblBrush = nullptr;
    std::array<QLabel *, 10> imgBrush{};
    QFrame *fraOptFill = nullptr;
    QLabel *lblFill = nullptr;
    std::array<QWidget *, 3> shpRect{};
    void fraOptDot_MouseDown(int Button, int Shift, double X, double Y);
    void fraOptFill_MouseDown(int Button, int Shift, double X, double Y);
    void imgBrush_MouseDown(int Index, int Button, int Shift, double X, double Y);

    // --- Palette, colours and styles (frmPaintColors.cpp).
    std::array<QLabel *, 26> lblColor{};
    void lblColor_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void lblColor_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void lblForeColor_DblClick();
    void lblForeColor_MouseMove(int Button, int Shift, double X, double Y);
    void lblFillColor_DblClick();
    void lblFillColor_MouseMove(int Button, int Shift, double X, double Y);
    void mnuForegroundColor_Click();
    void mnuFillColor_Click();
    void mnuBS_Click(int Index);
    void mnuFS_Click(int Index);
    // The foreground colour and the preview pen made from it.
    void SetForeColor(Color color);

    // --- What tools see (ToolContext) and what the edit path needs (EditSite).
    PictureSurface &canvas() override;
    EditorState &state() override;
    FloatingSelection &selection() override;
    UndoRing &undoRing();
    void recordStep() override;
    HostServices &host() override;
    CanvasElement &curveHandle(int index) override;
    TextBox &textBox() override;
    // Gives the keyboard focus to the canvas; an open text box loses it, as
    // it does when a user clicks elsewhere.
    void focusCanvas() override;
    PictureSurface *shownSelection() override;
    PictureSurface &zoomStore() override;
    const PictureSurface &pictureAtActualSize() override;
    void showActualSize() override;
    ScrollPosition scrollPosition(ScrollAxis axis) const override;
    void scrollTo(ScrollAxis axis, int value) override;
    void setCanvasPointer(const QString &file) override;
    // The file of the canvas's pointer in the "Cursors" folder; empty for the arrow.
    QString canvasPointerFile;
    void finishAction() override;
    void layOut() override;

signals:
    // The window has closed; the next instance() creates a new one.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    frmPaint();
    void createElements();
    void createToolPanels();
    void createPalette();
    void showFilterMenu();
    void createMenus();
    QMenu *addMenu(QWidget *parent, const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {},
                     std::function<void()> click = {});
    void wireEvents();
    void zoomAbout(bool out, double X, double Y);
    void placeClient();
    void pressOnBackground();

    std::map<QString, QMenu *> m_menus;
    std::map<QString, QAction *> m_items;
    ElementEvents m_events;
    UndoRing m_undoRing{*this, picPaint};
    FloatingSelection m_selection{picPaint, picSelect, *this};

public:
    // The one path of commands that change the picture or the selection, and the tools.
    EditPath editPath{*this, m_undoRing};
    ToolBox toolBox{*this};

private:
    bool m_filterMenuShownByPress = false;  // one pop-up per click of the Filter Brush button
    QSize m_canvasSize;
    QPointer<QEventLoop> m_modalLoop;
    QCloseEvent *m_closing = nullptr;
    QSize m_assumedFrame;  // invalid: none assumed  // the user's or host's close being decided
};

}  // namespace pinxel
