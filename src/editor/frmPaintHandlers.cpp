// Every documented handler of the window under its name: a thin entry point
// that raises the element's event, as the element itself does, so that code
// calling a handler by name gets what a user's event gets (the model's
// handler, its failure reported once, ElementEvents::raise).

#include "editor/frmPaint.h"

namespace pinxel {

namespace {

ElementEvents::Args mouse(int Button, int Shift, double X, double Y) { return {double(Button), double(Shift), X, Y}; }

}  // namespace

#define PINXEL_CLICK(item)                                                                                             \
    void frmPaint::item##_Click() { m_model.events().raise(QStringLiteral(#item ".Click")); }
PINXEL_CLICK(mnuFile)
PINXEL_CLICK(mnuEdit)
PINXEL_CLICK(mnuEffect)
PINXEL_CLICK(mnuFilter)
PINXEL_CLICK(mnuNew)
PINXEL_CLICK(mnuOpen)
PINXEL_CLICK(mnuSave)
PINXEL_CLICK(mnuSaveAs)
PINXEL_CLICK(mnuPrint)
PINXEL_CLICK(mnuUndo)
PINXEL_CLICK(mnuRedo)
PINXEL_CLICK(mnuCut)
PINXEL_CLICK(mnuCopy)
PINXEL_CLICK(mnuPaste)
PINXEL_CLICK(mnuDelete)
PINXEL_CLICK(mnuCrop)
PINXEL_CLICK(mnuClear)
PINXEL_CLICK(mnuRotate180)
PINXEL_CLICK(mnuForegroundColor)
PINXEL_CLICK(mnuFillColor)
PINXEL_CLICK(mnuFont)
#undef PINXEL_CLICK

// A window closes itself; an editor inside a host's window closes that
// window, which asks each editor in it whether to save.
void frmPaint::mnuExit_Click() { isWindow() ? close() : window()->close(); }
void frmPaint::mnuFilterTools_Click(int Index)
{
    m_model.events().raise(ElementEvents::indexed("mnuFilterTools", Index, "Click"));
}
void frmPaint::mnuBS_Click(int Index) { m_model.events().raise(ElementEvents::indexed("mnuBS", Index, "Click")); }
void frmPaint::mnuFS_Click(int Index) { m_model.events().raise(ElementEvents::indexed("mnuFS", Index, "Click")); }
void frmPaint::picPaint_Resize() { m_model.CanvasResized = FlagTrue; }

#define PINXEL_MOUSE(element, event)                                                                                   \
    void frmPaint::element##_##event(int Button, int Shift, double X, double Y)                                        \
    {                                                                                                                  \
        m_model.events().raise(QStringLiteral(#element "." #event), mouse(Button, Shift, X, Y));                       \
    }
#define PINXEL_MOUSE_AT(element, event)                                                                                \
    void frmPaint::element##_##event(int Index, int Button, int Shift, double X, double Y)                             \
    {                                                                                                                  \
        m_model.events().raise(ElementEvents::indexed(#element, Index, #event), mouse(Button, Shift, X, Y));           \
    }
PINXEL_MOUSE_AT(picPaintResize, MouseDown)
PINXEL_MOUSE_AT(picPaintResize, MouseMove)
PINXEL_MOUSE_AT(picPaintResize, MouseUp)
PINXEL_MOUSE_AT(optTools, MouseDown)
PINXEL_MOUSE(picPaint, MouseDown)
PINXEL_MOUSE(picPaint, MouseMove)
PINXEL_MOUSE(picPaint, MouseUp)
PINXEL_MOUSE_AT(imgBezier, MouseDown)
PINXEL_MOUSE_AT(imgBezier, MouseMove)
PINXEL_MOUSE_AT(imgBezier, MouseUp)
PINXEL_MOUSE(picSelect, MouseDown)
PINXEL_MOUSE(picSelect, MouseMove)
PINXEL_MOUSE(picSelect, MouseUp)
PINXEL_MOUSE(fraOptDot, MouseDown)
PINXEL_MOUSE(fraOptFill, MouseDown)
PINXEL_MOUSE_AT(imgBrush, MouseDown)
PINXEL_MOUSE_AT(lblColor, MouseDown)
PINXEL_MOUSE_AT(lblColor, MouseMove)
PINXEL_MOUSE(lblForeColor, MouseMove)
PINXEL_MOUSE(lblFillColor, MouseMove)
#undef PINXEL_MOUSE
#undef PINXEL_MOUSE_AT

void frmPaint::optTools_Click(int Index) { m_model.events().raise(ElementEvents::indexed("optTools", Index, "Click")); }
void frmPaint::picPaint_DblClick() { m_model.events().raise(QStringLiteral("picPaint.DblClick")); }
void frmPaint::picPaint_KeyUp(int KeyCode, int Shift)
{
    m_model.events().raise(QStringLiteral("picPaint.KeyUp"), {double(KeyCode), double(Shift)});
}
// The box's key events as the handlers take them: without the box's own editing.
void frmPaint::txtText_KeyDown(int KeyCode, int Shift) { m_model.textKeyDown(KeyCode, Shift); }
void frmPaint::txtText_KeyUp(int KeyCode, int Shift)
{
    m_model.events().raise(QStringLiteral("txtText.KeyUp"), {double(KeyCode), double(Shift)});
}
void frmPaint::txtText_DblClick() { m_model.events().raise(QStringLiteral("txtText.DblClick")); }
void frmPaint::txtText_LostFocus() { m_model.events().raise(QStringLiteral("txtText.LostFocus")); }
void frmPaint::lblForeColor_DblClick() { m_model.events().raise(QStringLiteral("lblForeColor.DblClick")); }
void frmPaint::lblFillColor_DblClick() { m_model.events().raise(QStringLiteral("lblFillColor.DblClick")); }

}  // namespace pinxel
