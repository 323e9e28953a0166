// The Edit menu's commands on the floating selection (Cut, Copy, Paste,
// Delete, Crop) with the internal clipboard picClipboard, and the Effect
// menu's Clear. Copy and Cut also put the picture on the desktop's
// clipboard, for other programs; Paste takes only the internal one.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"

#include <QAction>

namespace pinxel {

void frmPaint::mnuCopy_Click()
{
    try {
        picClipboard.setPicture(picSelect.Image());
        item(QStringLiteral("mnuPaste"))->setEnabled(true);
        HostServices::current().SetClipboardPicture(picClipboard.Image());
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuDelete_Click()
{
    try {
        m_selection.remove();
        focusCanvas();
        editPath.record();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuCut_Click()
{
    mnuDelete_Click();
    mnuCopy_Click();  // the hidden selection's image
}

void frmPaint::mnuPaste_Click()
{
    try {
        SetZoomView(0, 0, FlagTrue);  // the pasted picture lands on the picture, not on a view of it
        finishAction();               // drops a selection while Select Area is current
        if (!isSet(SelectionUnmoved))
            DropSelection();
        m_selection.paste(picClipboard.Image());
        if (CurrentTool != ToolSelectArea) {
            CurrentTool = ToolSelectArea;
            optTools_Click(ToolSelectArea);
        }
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuCrop_Click()
{
    try {
        m_selection.crop();
        editPath.record();
        layOut();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuClear_Click()
{
    try {
        editPath.applyToCanvas([](PictureSurface &canvas) { canvas.setPicture(QImage()); });
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
