#pragma once
// The one path by which commands change the picture or the floating
// selection (filters, effects, rotation, Clear, Delete, Cut, Crop, the drop
// of a selection, the end of a resize drag). It chooses the target, applies the
// change, then records the undo step for the canvas or toggles the marquee
// around a change of the selection, and lays the window out again when the
// canvas changed size. A command cannot forget any of these steps.

#include "document/UndoRing.h"

#include <functional>

namespace pinxel {

class PictureSurface;

// What the edit path needs of the editor around it.
class EditSite {
public:
    virtual ~EditSite() = default;
    virtual PictureSurface &canvas() = 0;
    // The picture at its real size: the canvas, or the zoom store while the
    // view is zoomed. Undo steps record it, so that they never keep a view.
    virtual const PictureSurface &pictureAtActualSize() = 0;
    // Returns a zoomed view to actual size, before a command changes the picture.
    virtual void showActualSize() = 0;
    // The floating selection's surface while it shows, else nullptr.
    virtual PictureSurface *shownSelection() = 0;
    // Completes pending work on the canvas (an open polygon, a curve, text).
    virtual void finishAction() = 0;
    // Toggles the selection's XOR marquee (DrawSelectionRect).
    virtual void DrawSelectionRect() = 0;
    // Places the resize handles and lays the window out (AdjustPaintResizeBox, Form_Resize).
    virtual void layOut() = 0;
};

class EditPath {
public:
    EditPath(EditSite &site, UndoRing &ring) : m_site(site), m_ring(ring) {}

    using Change = std::function<void(PictureSurface &target)>;

    // A command's change: on the floating selection while it shows (its
    // marquee toggled off before and on after), else on the canvas after
    // the finish action, recorded as one undo step. Either works on the
    // picture at actual size: a zoomed view returns to it first.
    void apply(const Change &change);
    // A change of the whole canvas, whether a selection floats or not
    // (Clear): the finish action first, then the change, as one undo step.
    void applyToCanvas(const Change &change);
    // A change already made on the canvas (a dropped selection, the end of
    // a resize drag, which lay themselves out, a tool's stroke): its undo
    // step, of the picture at actual size.
    void record();

private:
    EditSite &m_site;
    UndoRing &m_ring;
};

}  // namespace pinxel
