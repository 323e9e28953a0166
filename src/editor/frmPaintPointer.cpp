// Pointer input on the canvas and on the curve handles: the documented
// handlers, each trapping its failures, forward to the tool box; and what the
// window offers the tools.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "pinxel/Screen.h"
#include "tools/CurveTool.h"
#include "view/CanvasTextBox.h"
#include "view/CurveHandle.h"

#include <QScrollBar>

namespace pinxel {

void frmPaint::picPaint_MouseDown(int Button, int Shift, double X, double Y)
{
    // The press takes the focus from an open text box. The text tool's
    // press has tagged it "moving" by then, so that loss does not stamp it.
    const bool textOpen = txtText->isShown();
    try {
        toolBox.press(Button, Shift, X, Y);
    } catch (const Error &) {
        ReportError(ReportDraw, QString());
    }
    if (textOpen)
        txtText_LostFocus();
}

void frmPaint::picPaint_MouseMove(int Button, int Shift, double X, double Y)
{
    try {
        toolBox.move(Button, Shift, X, Y);
        // A pan counts the canvas in twips; the position shows in pixels still.
        const bool twips = picPaint.ScaleMode() == ScaleTwips;
        UpdateStatusBar(0, twips ? X / twipsPerPixelX() : X, twips ? Y / twipsPerPixelY() : Y, 0, FlagFalse);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_MouseUp(int Button, int Shift, double X, double Y)
{
    try {
        toolBox.release(Button, Shift, X, Y);
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_DblClick()
{
    try {
        toolBox.finish();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_KeyUp(int KeyCode, int)
{
    if (KeyCode == 13)
        picPaint_DblClick();
}

void frmPaint::imgBezier_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    try {
        toolBox.toolAs<CurveTool>(ToolCurve).handleMouseDown(Index, Button, Shift, X, Y);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::imgBezier_MouseMove(int Index, int Button, int Shift, double X, double Y)
{
    try {
        toolBox.toolAs<CurveTool>(ToolCurve).handleMouseMove(Index, Button, Shift, X, Y);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::imgBezier_MouseUp(int Index, int Button, int Shift, double X, double Y)
{
    try {
        toolBox.toolAs<CurveTool>(ToolCurve).handleMouseUp(Index, Button, Shift, X, Y);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

// ---------------------------------------------------------------- what tools and commands see

PictureSurface &frmPaint::canvas() { return picPaint; }
EditorState &frmPaint::state() { return *this; }
FloatingSelection &frmPaint::selection() { return m_selection; }
UndoRing &frmPaint::undoRing() { return m_undoRing; }
void frmPaint::recordStep() { editPath.record(); }
HostServices &frmPaint::host() { return HostServices::current(); }
CanvasElement &frmPaint::curveHandle(int index) { return *imgBezier.at(size_t(index)); }
TextBox &frmPaint::textBox() { return *txtText; }
PictureSurface *frmPaint::shownSelection() { return m_selection.shown() ? &picSelect : nullptr; }
PictureSurface &frmPaint::zoomStore() { return picZoom; }
const PictureSurface &frmPaint::pictureAtActualSize() { return ZoomFactor == 1.0f ? picPaint : picZoom; }
void frmPaint::showActualSize() { SetZoomView(0, 0, FlagTrue); }

ScrollPosition frmPaint::scrollPosition(ScrollAxis axis) const
{
    const QScrollBar *bar = axis == ScrollAxis::Horizontal ? hscPaint : vscPaint;
    return {bar->isVisibleTo(client), bar->value(), bar->minimum(), bar->maximum()};
}

void frmPaint::scrollTo(ScrollAxis axis, int value)
{
    (axis == ScrollAxis::Horizontal ? hscPaint : vscPaint)->setValue(value);
}

void frmPaint::setCanvasPointer(const QString &file)
{
    HostServices &host = HostServices::current();
    picPaintView->setCursor(host.LoadCursor(host.AppPath() + QStringLiteral("/Cursors/") + file));
    canvasPointerFile = file;
}
void frmPaint::finishAction() { picPaint_DblClick(); }

void frmPaint::layOut()
{
    AdjustPaintResizeBox();
    Form_Resize();
}

}  // namespace pinxel
