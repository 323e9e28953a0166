// Pointer input on the canvas: the stroke state, the pen set-up of every
// press, the XOR preview pen, ConstrainEnd, the finish action, the undo
// snapshot at release, and the dispatch to each tool.

#include "editor/frmPaint.h"

#include "editor/mdlGeneral.h"
#include "tools/Pencil.h"
#include "tools/Polygon.h"
#include "tools/SelectArea.h"
#include "tools/ShapeTools.h"

#include <cmath>

namespace pinxel {

namespace {

bool usesPreviewPen(int tool)
{
    switch (tool) {
    case ToolSelectArea:
    case ToolLine:
    case ToolRectangle:
    case ToolEllipse:
    case ToolArrow:
    case ToolRoundedRectangle:
    case ToolZoom: return true;
    default: return false;
    }
}

// Tools whose stroke is not an undo step of its own at release.
bool recordsNoSnapshot(int tool)
{
    return tool == ToolSelectArea || tool == ToolText || tool == ToolPolygon || tool == ToolCurve || tool == ToolZoom;
}

}  // namespace

// The preview pen: XOR mode with colours pre-mixed with the canvas
// background, so that a figure shows its true colour over the background and
// drawing it twice restores every pixel.
static void setUpPreviewPen(frmPaint &w, int X, int Y)
{
    PictureSurface &canvas = w.picPaint;
    const int tool = w.CurrentTool;
    // A dot with the mode and colour the last operation left. Line and Arrow
    // skip it: left in the XOR mode or another colour, it would stay beside
    // the final figure's start as a trace.
    if (tool == ToolSelectArea)
        canvas.Line(X, Y, X, Y);
    if (tool == ToolSelectArea) {
        canvas.DrawWidth = 1;
        w.DropSelection();
    }
    canvas.DrawMode = DrawModeXorPen;
    const Color back = canvas.BackColor;
    const Color fore = w.foregroundColor();
    const Color fill = w.fillColor();
    if (tool == ToolSelectArea || tool == ToolLine || tool == ToolArrow) {
        canvas.ForeColor = fore ^ back;
        canvas.FillStyle = FillTransparent;
    } else {
        switch (w.FillOption) {
        case 0:
            canvas.FillStyle = FillTransparent;
            canvas.ForeColor = fore ^ back;
            break;
        case 1:
            canvas.FillStyle = w.ShapeFillStyle;
            canvas.ForeColor = fore ^ back;
            canvas.FillColor = fill ^ back;
            break;
        case 2:
            canvas.FillStyle = w.ShapeFillStyle;
            canvas.ForeColor = fill ^ back;
            canvas.FillColor = fill ^ back;
            break;
        default: break;
        }
    }
    w.EndX = w.StartX;
    w.EndY = w.StartY;
}

void frmPaint::picPaint_MouseDown(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    try {
        if (Button == 1) {
            IsDrawing = FlagTrue;
            StartX = toInt32(X);
            StartY = toInt32(Y);
            if (CurrentTool == ToolSelectArea) {
                picPaint.DrawStyle = StyleDot;
                picPaint.DrawWidth = 1;
            } else {
                picPaint.DrawStyle = LineDrawStyle;
                picPaint.DrawWidth = DotIndex + 1;
            }
            if (usesPreviewPen(CurrentTool)) {
                setUpPreviewPen(*this, StartX, StartY);
                if (ShapeTools::isShapeTool(CurrentTool))
                    ShapeTools::press(*this);
            } else if (CurrentTool == ToolPencil) {
                Pencil::press(*this, StartX, StartY);
            } else if (CurrentTool == ToolPolygon) {
                Polygon::press(*this, StartX, StartY);
            }
        }
    } catch (const Error &) {
        ReportError(ReportDraw, QString());
    }
}

void frmPaint::picPaint_MouseMove(int Button, int Shift, double X, double Y)
{
    try {
        if (Button == 1 && isSet(IsDrawing)) {
            switch (CurrentTool) {
            case ToolSelectArea: SelectArea::move(*this, Shift, X, Y); break;
            case ToolPencil: Pencil::move(*this, X, Y); break;
            case ToolLine:
            case ToolRectangle:
            case ToolEllipse:
            case ToolArrow:
            case ToolRoundedRectangle: ShapeTools::move(*this, Shift, X, Y); break;
            case ToolPolygon: Polygon::move(*this, X, Y); break;
            default: break;
            }
        }
        UpdateStatusBar(0, X, Y, 0, FlagFalse);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_MouseUp(int Button, int Shift, double X, double Y)
{
    try {
        if (Button == 1 && isSet(IsDrawing)) {
            EndX = toInt32(X);
            EndY = toInt32(Y);
            if (CurrentTool == ToolSelectArea)
                SelectArea::release(*this, Shift, X, Y);
            else if (ShapeTools::isShapeTool(CurrentTool))
                ShapeTools::release(*this, Shift, X, Y);
            IsDrawing = FlagFalse;
            if (!recordsNoSnapshot(CurrentTool))
                SetImageBuffer();
        }
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_DblClick()
{
    try {
        switch (CurrentTool) {
        case ToolSelectArea: DropSelection(); break;
        case ToolPolygon: Polygon::finish(*this); break;
        default: break;  // the curve finishes with its tool
        }
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_KeyUp(int KeyCode, int)
{
    if (KeyCode == 13)
        picPaint_DblClick();
}

void frmPaint::ConstrainEnd(double x, double y, int shift, Flag allowAxisLock)
{
    const double dx = std::abs(x - StartX), dy = std::abs(y - StartY);
    if (shift == 1) {
        // On the diagonal through the start, in the pointer's quadrant, at the smaller distance.
        if (dy >= dx) {
            EndX = toInt32(x);
            EndY = toInt32(y > StartY ? StartY + dx : StartY - dx);
        } else {
            EndX = toInt32(x > StartX ? StartX + dy : StartX - dy);
            EndY = toInt32(y);
        }
    } else if (shift == 2 && isSet(allowAxisLock)) {
        if (dy >= dx) {
            EndX = StartX;
            EndY = toInt32(y);
        } else {
            EndX = toInt32(x);
            EndY = StartY;
        }
    } else {
        EndX = toInt32(x);
        EndY = toInt32(y);
    }
}

}  // namespace pinxel
