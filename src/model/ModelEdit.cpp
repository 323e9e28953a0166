// The floating selection's handlers (its marquee, its drop into the picture
// through the edit path, its drag), the Edit menu's commands with the
// internal clipboard picClipboard, the Effect menu's Clear, and Undo and
// Redo: the ring itself is the document's (document/UndoRing); these finish
// or drop what is pending and lay the view out afterwards. Copy and Cut also
// put the picture on the desktop's clipboard; Paste takes the internal one,
// or the desktop's when another program put a picture there since.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"

#include <QCoreApplication>

namespace pinxel {

// ---------------------------------------------------------------- the floating selection

void EditorModel::DrawSelectionRect() { m_selection.DrawSelectionRect(); }

void EditorModel::DropSelection()
{
    if (m_selection.drop())
        editPath.record();
}

// While zoomed no selection floats and no preview shows (choosing the zoom's
// tools ended both), and the picture is the one kept at actual size.
QImage EditorModel::composedPicture() const
{
    if (ZoomFactor != 1.0f)
        return picZoom.Image();
    // The copy shares the canvas's pixels until a preview or the selection
    // is drawn on it. XOR drawings commute: each comes off whatever the order.
    PictureSurface composed;
    composed.setScaleMode(ScalePixels);
    composed.AutoSize = true;
    composed.BackColor = picPaint.BackColor;
    composed.setPicture(picPaint.Image());
    toolBox.removePreviewsFrom(composed);
    m_selection.paintOnto(composed);
    return composed.Image();
}

void EditorModel::selectionMouseDown(int Button, int Shift, double X, double Y)
{
    UpdateStatusBar(0, 0, 0, 0, FlagFalse);
    m_selectionPressedAt = QPointF(picSelect.Left(), picSelect.Top());
    m_selection.press(Button, Shift, X, Y);
}

void EditorModel::selectionMouseMove(int Button, double X, double Y) { m_selection.move(Button, X, Y); }
void EditorModel::selectionMouseUp(int Button)
{
    m_selection.release(Button);
    if (m_selection.shown() && QPointF(picSelect.Left(), picSelect.Top()) != m_selectionPressedAt)
        notePictureChanged();  // it moved
}

// ---------------------------------------------------------------- edit commands

void EditorModel::copy()
{
    picClipboard.setPicture(picSelect.Image());
    host().SetClipboardPicture(picClipboard.Image());
    m_ownCopy = HostServices::ClipboardChanges();  // the desktop's change that this copy made counts as its own
    updatePasteItem();
}

void EditorModel::updatePasteItem()
{
    setItemEnabled(QStringLiteral("mnuPaste"), m_ownCopy.has_value() || host().ClipboardHasPicture());
}

void EditorModel::deleteSelection()
{
    m_selection.remove();
    focusCanvas();
    editPath.record();
}

void EditorModel::cut()
{
    deleteSelection();
    copy();  // the hidden selection's image
}

void EditorModel::paste()
{
    HostServices &services = host();
    if (!m_ownCopy || HostServices::ClipboardChanges() > *m_ownCopy) {
        if (services.ClipboardHasPicture()) {
            const QImage desktop = services.ClipboardPicture();
            try {
                checkHandedPicture(desktop);
            } catch (const Error &) {
                showNotice(
                    QCoreApplication::translate("EditorModel", "The clipboard holds no picture the editor can read."));
                return;
            }
            pasteFloating(desktop);
            return;
        }
    }
    if (m_ownCopy)
        pasteFloating(picClipboard.Image());
}

void EditorModel::pasteFloating(const QImage &picture)
{
    SetZoomView(0, 0, FlagTrue);  // the pasted picture lands on the picture, not on a view of it
    finishAction();               // drops a selection while Select Area is current
    if (!isSet(SelectionUnmoved))
        DropSelection();
    picSelect.BackColor = picPaint.BackColor;  // another program's transparency lies over the canvas's background
    m_selection.paste(picture);
    if (CurrentTool != ToolSelectArea) {
        CurrentTool = ToolSelectArea;
        chooseTool();
    }
}

void EditorModel::crop()
{
    m_selection.crop();
    editPath.record();
    layOut();
}

void EditorModel::clear()
{
    editPath.applyToCanvas([](PictureSurface &canvas) { canvas.setPicture(QImage()); });
}

// ---------------------------------------------------------------- undo and redo

void EditorModel::ClearImageBuffer(UndoRing::HistoryStart start) { m_undoRing.ClearImageBuffer(start); }

void EditorModel::undo()
{
    SetZoomView(0, 0, FlagTrue);
    if (m_selection.shown()) {
        DropSelection();
        focusCanvas();
    } else {
        canvasDblClick();
    }
    m_undoRing.stepBack();
    layOut();
}

void EditorModel::redo()
{
    SetZoomView(0, 0, FlagTrue);
    if (m_selection.shown())
        m_selection.discard();  // discarded, not dropped
    m_undoRing.stepForward();
    canvasDblClick();
    layOut();
}

}  // namespace pinxel
