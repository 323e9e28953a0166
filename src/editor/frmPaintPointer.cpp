// Pointer input on the canvas and on the curve handles: the documented
// handlers, each trapping its failures, forward to the tool box; and what the
// window offers the tools.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "tools/CurveTool.h"
#include "view/CanvasTextBox.h"
#include "view/CurveHandle.h"

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
        UpdateStatusBar(0, X, Y, 0, FlagFalse);
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
void frmPaint::finishAction() { picPaint_DblClick(); }

void frmPaint::layOut()
{
    AdjustPaintResizeBox();
    Form_Resize();
}

}  // namespace pinxel
