// Pointer input on the canvas: the documented handlers, each trapping its
// failures, forward to the tool box; and what the window offers the tools.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"

namespace pinxel {

void frmPaint::picPaint_MouseDown(int Button, int Shift, double X, double Y)
{
    try {
        toolBox.press(Button, Shift, X, Y);
    } catch (const Error &) {
        ReportError(ReportDraw, QString());
    }
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

// ---------------------------------------------------------------- what tools and commands see

PictureSurface &frmPaint::canvas() { return picPaint; }
EditorState &frmPaint::state() { return *this; }
FloatingSelection &frmPaint::selection() { return m_selection; }
UndoRing &frmPaint::undoRing() { return m_undoRing; }
HostServices &frmPaint::host() { return HostServices::current(); }
QWidget *frmPaint::canvasWidget() { return picPaintView; }
PictureSurface *frmPaint::shownSelection() { return m_selection.shown() ? &picSelect : nullptr; }
void frmPaint::finishAction() { picPaint_DblClick(); }

void frmPaint::layOut()
{
    AdjustPaintResizeBox();
    Form_Resize();
}

}  // namespace pinxel
