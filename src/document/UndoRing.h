#pragma once
// The undo history: a ring of eleven snapshots of the canvas, each with the
// canvas's outer size, walked by Undo and Redo. Its positions are the editor
// state's UndoCurrent, UndoNewest and UndoOldest.

#include "document/EditorState.h"
#include "pinxel/PictureSurface.h"

#include <array>
#include <functional>
#include <memory>

namespace pinxel {

class UndoRing {
public:
    UndoRing(EditorState &state, PictureSurface &canvas);

    // Slot 0 always exists; the others are made on demand and dropped when
    // the history is cleared.
    std::array<std::unique_ptr<PictureSurface>, 11> picBuffer;

    // A new history holding only the canvas as it is.
    void ClearImageBuffer();
    // Records the picture (the canvas, or the zoom store while the view is
    // zoomed) as the newest step and marks the picture changed. Only the
    // edit path calls it, so no change records twice or forgets to.
    void SetImageBuffer(const PictureSurface &picture);
    void SetImageBuffer() { SetImageBuffer(m_canvas); }

    // One step back or forward, the canvas taking that snapshot's pixels and size.
    void stepBack();
    void stepForward();

    // Whether Undo and Redo can be chosen, told after every change of the ring.
    struct Availability {
        bool undo;
        bool redo;
    };
    std::function<void(Availability)> availabilityChanged;

private:
    void tell(Availability availability);

    EditorState &m_state;
    PictureSurface &m_canvas;
};

}  // namespace pinxel
