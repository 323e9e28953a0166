#pragma once
// The floating selection picSelect: a piece of the picture lying on the
// canvas, made by the Select Area tool or pasted, dragged (moved, or copied
// with Ctrl), marked by a dotted XOR marquee one pixel outside it, and
// dropped into the canvas, deleted or cropped to. It works on the two
// surfaces and the editor state only; the window wires its events and
// records the undo steps.

#include "document/EditorState.h"

#include <QImage>
#include <QRect>

#include <functional>

namespace pinxel {

class PictureSurface;

class FloatingSelection {
public:
    FloatingSelection(PictureSurface &canvas, PictureSurface &picSelect, EditorState &state);

    bool shown() const;

    // Lifts the canvas's pixels inside the rectangle into a new, unmoved
    // selection and draws its marquee.
    void create(int left, int top, int width, int height);
    // A pasted picture as a new, changed selection at the canvas origin.
    void paste(const QImage &picture);
    // Hides the selection without painting it (a refused rectangle, Redo, New).
    void discard();
    // Paints the selection into the canvas and hides it; true when it had
    // moved or changed, so that the drop is an undo step.
    bool drop();
    // Hides the selection and its marquee without painting it; a selection
    // still over its source leaves the background there (Delete, Cut). Its
    // image stays, for Cut's copy.
    void remove();
    // Hides the selection and makes its image the whole canvas (Crop).
    void crop();
    // Toggles the marquee; the selection now counts as changed.
    void DrawSelectionRect();

    // Makes a copy of the canvas the picture as the user will get it: the
    // marquee taken off and the selection painted at its place. The editor's
    // state is left as it is.
    void paintOnto(PictureSurface &copy) const;

    // A drag of the selection: a plain first drag clears its source to the
    // background, a Ctrl drag leaves it (a copy).
    void press(int button, int shift, double x, double y);
    void move(int button, double x, double y);
    void release(int button);

    // Told when Cut, Copy, Delete and Crop become available or not.
    std::function<void(bool)> commandsEnabled;

private:
    // Toggles the marquee on the canvas with its pen: dotted, XOR, one pixel wide.
    void toggleMarquee();
    void enableCommands(bool enabled);

    PictureSurface &m_canvas;
    PictureSurface &m_select;
    EditorState &m_state;
    bool m_marqueeShown = false;  // every XOR drawing toggles it
    QRect m_source;               // where a made selection was lifted from
};

}  // namespace pinxel
