// The floating selection's handlers: its marquee, its drop into the picture
// through the edit path, and its drag.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"

namespace pinxel {

void frmPaint::DrawSelectionRect()
{
    try {
        m_selection.DrawSelectionRect();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::DropSelection()
{
    try {
        if (m_selection.drop())
            editPath.record();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

// While zoomed no selection floats and no preview shows (choosing the zoom's
// tools ended both), and the picture is the one kept at actual size.
QImage frmPaint::composedPicture() const
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

void frmPaint::picSelect_MouseDown(int Button, int Shift, double X, double Y)
{
    try {
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        m_selection.press(Button, Shift, X, Y);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picSelect_MouseMove(int Button, int, double X, double Y)
{
    try {
        m_selection.move(Button, X, Y);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picSelect_MouseUp(int Button, int, double, double)
{
    try {
        m_selection.release(Button);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
