#pragma once
// What the editor model asks of whatever shows it: the window (editor/), or
// nothing at all (HeadlessView) when a script or a test runs the model alone.
// Everything here is the view's: the elements on the canvas, the keyboard
// focus, the scroll bars, the layout and the pointer's shape. What the model
// shows otherwise (colours, menus, status, caption, the palette's choices)
// reaches the view through the model's signals.

#include "tools/ToolContext.h"

#include <QCursor>

namespace pinxel {

class CanvasElement;
class TextBox;

class EditorView {
public:
    virtual ~EditorView() = default;

    // The curve handles imgBezier(0..3) and the text box txtText.
    virtual CanvasElement &curveHandle(int index) = 0;
    virtual TextBox &textBox() = 0;
    // Gives the keyboard focus to the canvas.
    virtual void focusCanvas() = 0;
    // The scroll bars hscPaint and vscPaint, in units of 10 twips.
    virtual ScrollPosition scrollPosition(ScrollAxis axis) const = 0;
    virtual void scrollTo(ScrollAxis axis, int value) = 0;
    // Places the resize handles and lays the window out (AdjustPaintResizeBox,
    // Form_Resize): the canvas changed size or place, or the zoom changed.
    virtual void layOut() = 0;
    // Places the resize handles at the canvas's edges (AdjustPaintResizeBox) only.
    virtual void placeResizeHandles() = 0;
    // After a zoom: scrolls so that (x, y) of the canvas is in the middle of
    // what shows, as near as the bars go.
    virtual void centreOn(int x, int y) = 0;
    virtual void showPointer(const QCursor &pointer) = 0;
};

}  // namespace pinxel
