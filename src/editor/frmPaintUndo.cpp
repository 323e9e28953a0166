// Undo and Redo: the ring itself is the document's (document/UndoRing); these
// handlers finish or drop what is pending and lay the window out afterwards.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"

#include <QAction>

namespace pinxel {

void frmPaint::ClearImageBuffer() { m_undoRing.ClearImageBuffer(); }

void frmPaint::mnuUndo_Click()
{
    try {
        SetZoomView(0, 0, FlagTrue);
        if (m_selection.shown()) {
            DropSelection();
            focusCanvas();
        } else {
            picPaint_DblClick();
        }
        m_undoRing.stepBack();
        layOut();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuRedo_Click()
{
    try {
        SetZoomView(0, 0, FlagTrue);
        if (m_selection.shown())
            m_selection.discard();  // discarded, not dropped
        m_undoRing.stepForward();
        picPaint_DblClick();
        layOut();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
