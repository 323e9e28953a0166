#include "tools/ShapeTools.h"

#include "editor/frmPaint.h"
#include "editor/mdlGeneral.h"

#include <QLine>

#include <cmath>
#include <cstdlib>

namespace pinxel {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr int ArrowHeadLength = 10;
constexpr int CornerSize = 10;  // the rounded rectangle's corner ellipse

bool locksAxes(int tool) { return tool == ToolLine || tool == ToolArrow; }

// Removes the preview on the canvas, with the pen that drew it.
void removePreview(frmPaint &w)
{
    ShapePreview &preview = w.shapePreview;
    if (!preview.shown)
        return;
    preview.shown = false;
    drawWithPen(w.picPaint, preview.pen, [&] {
        ShapeTools::drawFigure(w.picPaint, preview.tool, preview.x1, preview.y1, preview.x2, preview.y2);
    });
}

// Draws the preview from the start to the end point with the canvas's pen.
void showPreview(frmPaint &w)
{
    const int tool = w.CurrentTool;
    if (!ShapeTools::drawsFigure(tool, w.StartX, w.EndX))
        return;
    if (tool == ToolArrow)
        w.DrawArrow(w.StartX, w.StartY, w.EndX, w.EndY);
    else
        ShapeTools::drawFigure(w.picPaint, tool, w.StartX, w.StartY, w.EndX, w.EndY);
    w.shapePreview = ShapePreview{true, tool, w.StartX, w.StartY, w.EndX, w.EndY, PenState::of(w.picPaint)};
}

}  // namespace

bool ShapeTools::isShapeTool(int tool)
{
    return tool == ToolLine || tool == ToolRectangle || tool == ToolEllipse || tool == ToolArrow
           || tool == ToolRoundedRectangle;
}

std::array<QPoint, 2> ShapeTools::arrowHead(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const double dx = double(sub32(x2, x1)), dy = double(sub32(y2, y1));
    const double a = x2 == x1 ? 90.0 : std::atan(dy / dx) * 180.0 / Pi;
    int d = 0;
    if (x1 < x2)
        d = 1;
    else if (x2 < x1)
        d = -1;
    else if (y1 < y2)
        d = 1;
    else if (y2 < y1)
        d = -1;
    const double length = ArrowHeadLength * d;
    const double up = (a + 45.0) * Pi / 180.0, down = (45.0 - a) * Pi / 180.0;
    return {QPoint(toInt16(x2 - std::cos(up) * length), toInt16(y2 - std::sin(up) * length)),
            QPoint(toInt16(x2 - std::cos(down) * length), toInt16(y2 + std::sin(down) * length))};
}

bool ShapeTools::drawsFigure(int tool, std::int32_t x1, std::int32_t x2) { return tool != ToolEllipse || x1 != x2; }

void ShapeTools::drawFigure(PictureSurface &surface, int tool, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                            std::int32_t y2)
{
    switch (tool) {
    case ToolLine: surface.Line(x1, y1, x2, y2); break;
    case ToolRectangle: surface.Line(x1, y1, x2, y2, std::nullopt, LineForm::Box); break;
    case ToolArrow: {
        // The shaft and the two head strokes are one figure: where they meet
        // at the tip an XOR preview shows them whole.
        const std::array<QPoint, 2> head = arrowHead(x1, y1, x2, y2);
        const QPoint tip(x2, y2);
        const QLine strokes[] = {QLine(QPoint(x1, y1), tip), QLine(tip, head[0]), QLine(tip, head[1])};
        surface.Lines(strokes);
        break;
    }
    case ToolEllipse: {
        // The ellipse inscribed in the box with corners start and end: the
        // radius is the larger half-axis, the aspect height over width.
        const double dx = std::abs(double(sub32(x2, x1))), dy = std::abs(double(sub32(y2, y1)));
        const double radius = dy < dx ? dx / 2.0 : dy / 2.0;
        const double aspect = std::abs(double(sub32(y2, y1)) / double(sub32(x2, x1)));
        surface.Circle((double(x1) + x2) / 2.0, (double(y1) + y2) / 2.0, radius, std::nullopt, aspect);
        break;
    }
    case ToolRoundedRectangle: surface.RoundRect(x1, y1, x2, y2, CornerSize, CornerSize); break;
    default: break;
    }
}

void frmPaint::DrawArrow(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    try {
        ShapeTools::drawFigure(picPaint, ToolArrow, x1, y1, x2, y2);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void ShapeTools::press(frmPaint &w)
{
    // A new stroke: whatever an earlier one recorded is no longer on the canvas.
    w.shapePreview.shown = false;
}

void ShapeTools::move(frmPaint &w, int shift, double X, double Y)
{
    removePreview(w);
    w.ConstrainEnd(X, Y, shift, toFlag(locksAxes(w.CurrentTool)));
    showPreview(w);
    if (w.CurrentTool == ToolRoundedRectangle)
        w.picPaint.Refresh();
}

void ShapeTools::release(frmPaint &w, int shift, double X, double Y)
{
    // The last preview goes first, so that nothing of it stays where the
    // final figure differs (another end point, a size that draws nothing).
    removePreview(w);
    PictureSurface &canvas = w.picPaint;
    const int tool = w.CurrentTool;
    canvas.DrawMode = DrawModeCopyPen;
    if (tool == ToolLine) {
        canvas.ForeColor = w.foregroundColor();
    } else {
        // The press mixed the true colours with the background; this unmixes them.
        canvas.ForeColor ^= canvas.BackColor;
        canvas.FillColor ^= canvas.BackColor;
    }
    w.ConstrainEnd(X, Y, shift, toFlag(locksAxes(tool)));
    if (tool == ToolRectangle && w.EndX == w.StartX && w.EndY == w.StartY)
        return;
    if (!drawsFigure(tool, w.StartX, w.EndX))
        return;
    if (tool == ToolArrow)
        w.DrawArrow(w.StartX, w.StartY, w.EndX, w.EndY);
    else
        drawFigure(canvas, tool, w.StartX, w.StartY, w.EndX, w.EndY);
}

}  // namespace pinxel
