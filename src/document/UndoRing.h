#pragma once
// The undo history: a ring of eleven snapshots of the canvas, each with the
// canvas's outer size, walked by Undo and Redo. Its positions are the editor
// state's UndoCurrent, UndoNewest and UndoOldest.
//
// A snapshot is kept in tiles (TiledPicture) that it shares with the step
// before wherever the change left them alone, so a stroke costs what it
// touched. The ring knows which tiles a change touched from the tile stamps
// of the surface it last recorded or restored: it remembers that surface and
// the stamp of that moment.

#include "document/EditorState.h"
#include "document/TiledPicture.h"
#include "pinxel/PictureSurface.h"

#include <QPointer>

#include <array>
#include <functional>
#include <memory>

namespace pinxel {

class UndoRing {
public:
    UndoRing(EditorState &state, PictureSurface &canvas);

    // One slot: the picture and the canvas's outer size (twips) when it was recorded.
    struct Snapshot {
        TiledPicture picture;
        double width = 0.0;
        double height = 0.0;
    };
    // Slot 0 always exists; the others are made on demand and dropped when
    // the history is cleared.
    std::array<std::unique_ptr<Snapshot>, 11> picBuffer;

    // How a new history holds the canvas's picture: a copy of its own (the
    // canvas alone holds its pixels, so its strokes copy nothing), or the
    // picture shared (a host holds it too, so the canvas's first stroke
    // copies it anyway: the history then costs nothing).
    enum class HistoryStart {
        CopiesPicture,
        SharesPicture
    };
    // A new history holding only the canvas as it is.
    void ClearImageBuffer(HistoryStart start = HistoryStart::CopiesPicture);
    // Records the picture (the canvas, or the zoom store while the view is
    // zoomed) as the newest step and marks the picture changed. Only the
    // edit path calls it, so no change records twice or forgets to.
    void SetImageBuffer(const PictureSurface &picture);

    // One step back or forward, the canvas taking that snapshot's pixels and size.
    void stepBack();
    void stepForward();

    // Whether Undo and Redo can be chosen, told after every change of the ring.
    struct Availability {
        bool undo;
        bool redo;
    };
    std::function<void(Availability)> availabilityChanged;

    // Bytes of pixels the history holds, a tile shared by steps counted once.
    std::size_t heldBytes() const;

    // Called with a description whenever a recorded or restored snapshot
    // differs from its picture: a drawing path that changed pixels without
    // marking them. The tests install it; nothing checks without it.
    static void setMismatchCheck(std::function<void(const QString &)> check);

private:
    void tell(Availability availability);
    void record(Snapshot &slot, const PictureSurface &picture, const Snapshot *base, bool share = false);
    void restore(const Snapshot &slot, const Snapshot &shown);
    // Drops the pictures of the slots no Undo or Redo can reach any more.
    void dropUnreachable();

    EditorState &m_state;
    PictureSurface &m_canvas;
    // The surface that holds the current slot's picture except in the tiles
    // stamped after m_matchesSince.
    QPointer<const PictureSurface> m_matches;
    std::uint64_t m_matchesSince = 0;
};

}  // namespace pinxel
