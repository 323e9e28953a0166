#pragma once
// The paint editor window: one window for the whole library, created on
// first use and again after it was closed, shown modally by the control.
//
// The class is split by aspect over the subsystem folders; each file defines
// the handlers of its own concern under their own names:
//   editor/frmPaint.cpp          creation, activation, closing, caption, pointer shapes
//   editor/frmPaintMenus.cpp     the menu bar and the drop-down handlers
//   editor/frmPaintFile.cpp      New, Open, Save, Save As, Print, Exit
//   editor/frmPaintUndo.cpp      the undo ring
//   view/frmPaintLayout.cpp      Form_Resize, scroll bars, resize handles, zoom view
//   view/frmPaintStatus.cpp      the status bar
//   tools/frmPaintPointer.cpp    pointer dispatch, ConstrainEnd, the finish action
//   tools/Pencil.cpp             the pencil
//   tools/ShapeTools.cpp         line, arrow (DrawArrow), rectangle, ellipse, rounded rectangle
//   tools/Polygon.cpp            the polygon (DrawPolygon)
//   view/frmPaintPanels.cpp      the width, brush and fill panels
//   view/frmPaintColors.cpp      the palette, the two swatches, the colour and style commands
//   tools/SelectArea + selection/frmPaintSelection.cpp   the floating selection

#include "editor/EditorState.h"
#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "pinxel/SurfaceView.h"
#include "tools/ShapePreview.h"

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

namespace pinxel {

class StatusBar;

class frmPaint : public QWidget, public EditorState {
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
    void setHeight(double twips);
    double ScaleHeight() const;
    double ScaleWidth() const;

    // Shows the window modally; returns when it closes.
    void showModal(QWidget *owner);

    // --- Elements.
    PictureSurface picPaint;
    SurfaceView *picPaintView = nullptr;
    std::array<std::unique_ptr<PictureSurface>, 11> picBuffer;  // the undo ring; 0 always exists
    PictureSurface picZoom;
    PictureSurface picImageEffect;
    PictureSurface picSelect;
    PictureSurface picClipboard;
    SurfaceView *picSelectView = nullptr;
    QWidget *client = nullptr;  // the area below the menu bar, laid out in twips
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

    // --- Creation, activation, closing (editor/frmPaint.cpp).
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(int &Cancel);
    void UpdateCaption();
    void SetToolCursor();

    // --- Menus (editor/frmPaintMenus.cpp).
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuEffect_Click();
    void mnuFilter_Click();

    // --- File commands (editor/frmPaintFile.cpp).
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuPrint_Click();
    void mnuExit_Click();
    Flag ReadOnlyPrompt(const QString &path);

    // --- Undo ring (editor/frmPaintUndo.cpp).
    void ClearImageBuffer();
    void SetImageBuffer();
    void mnuUndo_Click();
    void mnuRedo_Click();

    // --- Layout and viewport (view/frmPaintLayout.cpp).
    void Form_Resize();
    void AdjustPaintResizeBox();
    void hscPaint_Change();
    void vscPaint_Change();
    void picPaint_Resize();
    void picPaintResize_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void picPaintResize_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void picPaintResize_MouseUp(int Index, int Button, int Shift, double X, double Y);
    void SetZoomView(std::int32_t x, std::int32_t y, Flag reset);

    // --- Status bar (view/frmPaintStatus.cpp).
    void UpdateStatusBar(int intInfo, double X, double Y, int intPercentage, Flag blnClear);
    QString toolHint() const;
    // The text tool's box and the curve's handles (their tools fill these in).
    bool textBoxVisible() const { return false; }
    bool curveHandlesVisible() const { return false; }

    // --- Tool palette (view/frmPaintTools.cpp).
    void optTools_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void optTools_Click(int Index);

    // --- Pointer input on the canvas (tools/frmPaintPointer.cpp).
    void picPaint_MouseDown(int Button, int Shift, double X, double Y);
    void picPaint_MouseMove(int Button, int Shift, double X, double Y);
    void picPaint_MouseUp(int Button, int Shift, double X, double Y);
    void picPaint_DblClick();
    void picPaint_KeyUp(int KeyCode, int Shift);
    void ConstrainEnd(double x, double y, int shift, Flag allowAxisLock);

    // --- The floating selection (selection/frmPaintSelection.cpp).
    void DrawSelectionRect();
    void DropSelection();
    void picSelect_MouseDown(int Button, int Shift, double X, double Y);
    void picSelect_MouseMove(int Button, int Shift, double X, double Y);
    void picSelect_MouseUp(int Button, int Shift, double X, double Y);

    // --- Colours held by the two swatches (view/).
    Color foregroundColor() const;
    Color fillColor() const;
    QLabel *lblForeColor = nullptr;
    QLabel *lblFillColor = nullptr;
    static void setSwatchColor(QLabel *swatch, Color color);
    std::array<QAbstractButton *, 18> optTools{};

    // --- Option panels (view/frmPaintPanels.cpp), placed in fraTools.
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

    // --- Palette, colours and styles (view/frmPaintColors.cpp).
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

    // --- Shape tools (tools/ShapeTools.cpp, tools/Polygon.cpp).
    void DrawArrow(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void DrawPolygon(Flag final, Flag lastOnly);
    ShapePreview shapePreview;      // the rubber band of a shape being dragged
    PolygonPreview polygonPreview;  // the edges of an open polygon

signals:
    // The window has closed; the next instance() creates a new one.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
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
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});
    void wireEvents();
    void placeClient();

    std::map<QString, QMenu *> m_menus;
    std::map<QString, QAction *> m_items;
    std::map<QString, std::function<void()>> m_clicks;
    bool m_filterMenuShownByPress = false;  // one pop-up per click of the Filter Brush button
    QSize m_canvasSize;
    QPointer<QEventLoop> m_modalLoop;
};

}  // namespace pinxel
