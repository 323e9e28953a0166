#pragma once
// The paint editor window: it shows an editor model (model/EditorModel) and
// forwards its elements' events to it. The control's one shared window is
// instance(), created on first use and again after it was closed, shown
// modally by the control; any number of other windows can be made, each with
// a model of its own.
//
// The window holds the elements; the model holds the state. Menu check
// marks, enabled flags, swatches, panels and the status bar are set from the
// model's signals and never read back. The handlers keep their documented
// names as thin entry points into the model. The window is split by aspect,
// in this folder:
//   frmPaint.cpp           creation, activation, closing, the window's measures
//   frmPaintEvents.cpp     the elements' signals to the model's events, and the window's own events
//   frmPaintMenus.cpp      the menu bar, built from the model's menu rows
//   frmPaintHandlers.cpp   every documented handler, forwarding to the model
//   frmPaintLayout.cpp     Form_Resize, scroll bars, resize handles, the wheel
//   frmPaintPanels.cpp     the tool buttons and the width, brush and fill panels
//   frmPaintColors.cpp     the palette and the two swatches
//   frmPaintAccess.cpp     the keyboard's groups, the tab order, names for assistive tools

#include "model/EditorModel.h"
#include "model/EditorView.h"
#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "pinxel/SurfaceView.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <map>
#include <vector>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;
class QEventLoop;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;

namespace pinxel {

class CanvasTextBox;
class CellGrid;
class CanvasViewport;
class CurveHandle;
class StatusBar;

class frmPaint : public QWidget, private EditorView {
    Q_OBJECT
public:
    // The control's window, created (and initialised by Form_Load) when it does not exist.
    static frmPaint &instance();
    static bool exists();

    // A window of its own with its own model; Form_Load initialises it.
    // With a parent it is no window but a part of the parent (EditorWidget):
    // closing it does not delete it, and Exit closes the parent's window.
    explicit frmPaint(QWidget *embedIn = nullptr);
    ~frmPaint() override;

    // What the window shows.
    EditorModel &model() { return m_model; }
    const EditorModel &model() const { return m_model; }

    // --- Window measures in twips: outer width and height, inner (client) height.
    double Width() const;
    double Height() const;
    void setWidth(double twips);
    void setHeight(double twips);
    double ScaleHeight() const;
    double ScaleWidth() const;
    // What the window's frame adds to its size, in pixels. A hidden window
    // has none of its own: a replay gives it the frame of the recorded one.
    QSize frameExtra() const;
    void assumeFrame(QSize extra) { m_assumedFrame = extra; }

    // Shows the window modally; returns when it closes.
    void showModal(QWidget *owner);
    // The menu bar shows or not (a host with menus of its own hides it).
    void setMenuBarVisible(bool visible);
    bool isMenuBarVisible() const;

    // --- Elements.
    SurfaceView *picPaintView = nullptr;
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
    QMenuBar *menuBar = nullptr;
    // The four handles of the curve being shaped and the Text tool's box, on the canvas.
    std::array<CurveHandle *, 4> imgBezier{};
    CanvasTextBox *txtText = nullptr;
    QLabel *lblTextSize = nullptr;  // hidden: measures the box's text
    QLabel *lblForeColor = nullptr;
    QLabel *lblFillColor = nullptr;
    std::vector<QAbstractButton *> optTools;  // one per row of the tool table
    QFrame *fraOptDot = nullptr;
    QLabel *lblDot = nullptr;
    std::array<QWidget *, 8> shpDot{};
    QFrame *fraBrush = nullptr;
    QLabel *lblBrush = nullptr;
    std::array<QLabel *, 10> imgBrush{};
    QFrame *fraOptFill = nullptr;
    QLabel *lblFill = nullptr;
    std::array<QWidget *, 3> shpRect{};
    std::array<QLabel *, EditorModel::PaletteSize> lblColor{};

    // The menus and items by name ("mnuFile", "mnuBS(2)"), as the model's rows make them.
    QMenu *menu(const QString &name) const;
    QAction *action(const QString &name) const;

    // --- Creation, activation, closing (frmPaint.cpp).
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(int &Cancel);
    // Asks Form_QueryUnload and closes the window or keeps it open.
    void Form_Unload(QCloseEvent &event);

    // --- Layout (frmPaintLayout.cpp).
    void Form_Resize();
    void AdjustPaintResizeBox();
    void hscPaint_Change();
    void vscPaint_Change();
    // The wheel over the canvas (X, Y in canvas pixels): scrolls, sideways
    // with Shift; with Ctrl zooms about the pointer while a tool that keeps
    // the zoomed view is current.
    void picPaint_MouseWheel(int Delta, int Shift, double X, double Y);

    // --- The documented handlers, each forwarding to the model (frmPaintHandlers.cpp).
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuEffect_Click();
    void mnuFilter_Click();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuCrop_Click();
    void mnuClear_Click();
    void mnuRotate180_Click();
    void mnuFilterTools_Click(int Index);
    void mnuForegroundColor_Click();
    void mnuFillColor_Click();
    void mnuFont_Click();
    void mnuBS_Click(int Index);
    void mnuFS_Click(int Index);
    void picPaint_Resize();
    void picPaintResize_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void picPaintResize_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void picPaintResize_MouseUp(int Index, int Button, int Shift, double X, double Y);
    void optTools_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void optTools_Click(int Index);
    void picPaint_MouseDown(int Button, int Shift, double X, double Y);
    void picPaint_MouseMove(int Button, int Shift, double X, double Y);
    void picPaint_MouseUp(int Button, int Shift, double X, double Y);
    void picPaint_DblClick();
    void picPaint_KeyUp(int KeyCode, int Shift);
    void imgBezier_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void imgBezier_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void imgBezier_MouseUp(int Index, int Button, int Shift, double X, double Y);
    void txtText_KeyDown(int KeyCode, int Shift);
    void txtText_KeyUp(int KeyCode, int Shift);
    void txtText_DblClick();
    void txtText_LostFocus();
    void picSelect_MouseDown(int Button, int Shift, double X, double Y);
    void picSelect_MouseMove(int Button, int Shift, double X, double Y);
    void picSelect_MouseUp(int Button, int Shift, double X, double Y);
    void fraOptDot_MouseDown(int Button, int Shift, double X, double Y);
    void fraOptFill_MouseDown(int Button, int Shift, double X, double Y);
    void imgBrush_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void lblColor_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void lblColor_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void lblForeColor_DblClick();
    void lblForeColor_MouseMove(int Button, int Shift, double X, double Y);
    void lblFillColor_DblClick();
    void lblFillColor_MouseMove(int Button, int Shift, double X, double Y);

signals:
    // The window has closed; the next instance() creates a new one.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // What the model asks of its view (EditorView).
    CanvasElement &curveHandle(int index) override;
    TextBox &textBox() override;
    void focusCanvas() override;
    ScrollPosition scrollPosition(ScrollAxis axis) const override;
    void scrollTo(ScrollAxis axis, int value) override;
    void layOut() override;
    void placeResizeHandles() override { AdjustPaintResizeBox(); }
    void centreOn(int x, int y) override;
    void showPointer(const QCursor &pointer) override;

    void createElements();
    void createToolPanels();
    void createPalette();
    void createMenus();
    void createAccess();
    void followChoices();
    // The items' keys of an embedded editor, offered or taken back with its menu bar.
    void offerShortcuts(bool offered);
    void wireEvents();
    // The model's state shown in the widgets: each runs at its model's signal.
    void showItem(const QString &name);
    void showColors();
    void showPalette();
    void showStatus();
    void zoomAbout(bool out, double X, double Y);
    void placeClient();
    void pressOnBackground();
    // The local picture file a drop brings, where the File menu shows; else empty.
    QString droppedFile(const QMimeData &data) const;

    EditorModel m_model;
    std::map<QString, QMenu *> m_menus;
    std::map<QString, QAction *> m_actions;
    std::vector<QAction *> m_shortcutActions;  // an embedded editor's items that have keys
    QPointer<QEventLoop> m_modalLoop;
    QCloseEvent *m_closing = nullptr;                       // the user's or host's close being decided
    QSize m_assumedFrame;                                   // invalid: none assumed
    int m_shownDot = 0, m_shownFill = 0, m_shownBrush = 0;  // the panels' choices as shown
    // The groups the keyboard chooses from (frmPaintAccess.cpp).
    CellGrid *m_toolGrid = nullptr, *m_dotGrid = nullptr, *m_brushGrid = nullptr, *m_fillGrid = nullptr,
             *m_colorGrid = nullptr;
};

}  // namespace pinxel
