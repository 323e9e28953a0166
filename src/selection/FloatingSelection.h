#pragma once
// The floating selection picSelect: a piece of the picture lying on the
// canvas, made by the Select Area tool, dragged (moved, or copied with Ctrl),
// marked by a dotted XOR marquee one pixel outside it, and dropped into the
// canvas. It works on the two surfaces and the editor state only; the
// window wires its events and records the drop's undo step.

#include "document/EditorState.h"

#include <functional>

namespace pinxel {

class PictureSurface;

class FloatingSelection {
public:
    FloatingSelection(PictureSurface &canvas, PictureSurface &picSelect, EditorState &state);

    bool shown() const;

    // Lifts the canvas's pixels inside the rectangle into a new, unmoved selection.
    void create(int left, int top, int width, int height);
    // Hides the selection without painting it (a refused rectangle, Redo, New).
    void discard();
    // Paints the selection into the canvas and hides it; true when it had
    // moved or changed, so that the drop is an undo step.
    bool drop();
    // Toggles the marquee; the selection now counts as changed.
    void DrawSelectionRect();

    // A drag of the selection: a plain first drag clears its source to the
    // background, a Ctrl drag leaves it (a copy).
    void press(int button, int shift, double x, double y);
    void move(int button, double x, double y);
    void release(int button);

    // Told when Cut, Copy, Delete and Crop become available or not.
    std::function<void(bool)> commandsEnabled;

private:
    void drawMarquee();
    // The marquee's pen on the canvas: dotted, XOR, one pixel wide.
    void useMarqueePen();
    void enableCommands(bool enabled);

    PictureSurface &m_canvas;
    PictureSurface &m_select;
    EditorState &m_state;
};

}  // namespace pinxel
