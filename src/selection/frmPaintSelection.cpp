// The floating selection: made by the Select Area tool, dragged (moved, or
// copied with Ctrl), marked by a dotted XOR marquee, and dropped into the canvas.

#include "editor/frmPaint.h"

#include "editor/mdlGeneral.h"
#include "tools/SelectArea.h"

#include <QAction>

#include <cmath>

namespace pinxel {

namespace {

void enableSelectionCommands(frmPaint &w, bool enabled)
{
    for (const char *name : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
        w.item(QString::fromLatin1(name))->setEnabled(enabled);
}

// The marquee: one pixel outside the selection, drawn in XOR, so a second drawing erases it.
void drawMarquee(frmPaint &w)
{
    const PictureSurface &s = w.picSelect;
    w.picPaint.Line(s.Left() - 1, s.Top() - 1, s.Left() + s.pixelWidth(), s.Top() + s.pixelHeight(),
                    w.picPaint.BackColor, LineForm::Box);
}

}  // namespace

void SelectArea::move(frmPaint &w, int shift, double X, double Y)
{
    const Color back = w.picPaint.BackColor;
    w.picPaint.Line(w.StartX, w.StartY, w.EndX, w.EndY, back, LineForm::Box);
    w.ConstrainEnd(X, Y, shift, FlagFalse);
    w.picPaint.Line(w.StartX, w.StartY, w.EndX, w.EndY, back, LineForm::Box);
}

void SelectArea::release(frmPaint &w, int shift, double X, double Y)
{
    if (std::abs(w.EndX - w.StartX) >= 2 && std::abs(w.EndY - w.StartY) >= 2) {
        w.ConstrainEnd(X, Y, shift, FlagFalse);
        PictureSurface &s = w.picSelect;
        const int left = std::min(w.StartX, w.EndX) + 1, top = std::min(w.StartY, w.EndY) + 1;
        const int width = std::abs(w.EndX - w.StartX) - 1, height = std::abs(w.EndY - w.StartY) - 1;
        s.setPixelSize(width, height);
        s.Move(left, top);
        s.setVisible(true);
        s.setPicture(QImage());
        s.PaintPicture(w.picPaint.Image(), 0, 0, width, height, left, top, width, height);
        enableSelectionCommands(w, true);
        w.SelectionUnmoved = FlagTrue;
    } else {
        w.picSelect.setVisible(false);
        w.picPaint.Line(w.StartX, w.StartY, w.EndX, w.EndY, w.picPaint.BackColor, LineForm::Box);
        enableSelectionCommands(w, false);
        w.SelectionUnmoved = FlagFalse;
    }
    w.picPaint.DrawWidth = w.DotIndex + 1;
}

void frmPaint::DrawSelectionRect()
{
    try {
        if (!picSelect.Visible())
            return;
        const int mode = picPaint.DrawMode, width = picPaint.DrawWidth;
        picPaint.DrawStyle = StyleDot;
        picPaint.DrawMode = DrawModeXorPen;
        picPaint.DrawWidth = 1;
        SelectionUnmoved = FlagFalse;
        drawMarquee(*this);
        picPaint.DrawStyle = StyleSolid;
        picPaint.DrawMode = mode;
        picPaint.DrawWidth = width;
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::DropSelection()
{
    try {
        if (!picSelect.Visible())
            return;
        picSelect.setVisible(false);
        picPaint.PaintPicture(picSelect.Image(), picSelect.Left(), picSelect.Top());
        picPaint.DrawStyle = StyleDot;
        picPaint.DrawMode = DrawModeXorPen;
        picPaint.DrawWidth = 1;
        drawMarquee(*this);
        if (!isSet(SelectionUnmoved))
            SetImageBuffer();
        enableSelectionCommands(*this, false);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picSelect_MouseDown(int Button, int Shift, double X, double Y)
{
    try {
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        if (Button != 1)
            return;
        SelectionDragging = FlagTrue;
        picPaint.DrawWidth = 1;
        if (Shift != 2 && isSet(SelectionUnmoved)) {
            // A plain drag of a fresh selection lifts it: its source becomes background.
            picPaint.DrawStyle = LineDrawStyle;
            picPaint.DrawMode = DrawModeCopyPen;
            picPaint.Line(picSelect.Left(), picSelect.Top(), picSelect.Left() + picSelect.pixelWidth() - 1,
                          picSelect.Top() + picSelect.pixelHeight() - 1, picPaint.BackColor, LineForm::FilledBox);
            SelectionUnmoved = FlagFalse;
        }
        picPaint.DrawStyle = StyleDot;
        picPaint.DrawMode = DrawModeXorPen;
        drawMarquee(*this);
        StartX = toInt32(X);
        StartY = toInt32(Y);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picSelect_MouseMove(int Button, int, double X, double Y)
{
    try {
        if (Button != 1 || !isSet(SelectionDragging))
            return;
        EndX = toInt32(X);
        EndY = toInt32(Y);
        picSelect.Move(picSelect.Left() + (EndX - StartX), picSelect.Top() + (EndY - StartY));
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picSelect_MouseUp(int Button, int, double, double)
{
    try {
        if (Button != 1)
            return;
        drawMarquee(*this);
        SelectionUnmoved = FlagFalse;
        SelectionDragging = FlagFalse;
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
