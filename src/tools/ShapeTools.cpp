#include "tools/ShapeTools.h"

#include "tools/ToolTable.h"

#include "document/mdlGeneral.h"
#include "pinxel/PictureSurface.h"
#include "tools/ConstrainEnd.h"
#include "tools/ShapePreview.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

#include <QLine>

#include <cmath>
#include <cstdlib>

namespace pinxel {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr int ArrowHeadLength = 10;
constexpr int CornerSize = 10;  // the rounded rectangle's corner ellipse

}  // namespace

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
    case ToolLine:
        surface.Line(x1, y1, x2, y2);
        break;
    case ToolRectangle:
        surface.Line(x1, y1, x2, y2, std::nullopt, LineForm::Box);
        break;
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
    case ToolRoundedRectangle:
        surface.RoundRect(x1, y1, x2, y2, CornerSize, CornerSize);
        break;
    default:
        break;
    }
}

void ShapeTools::DrawArrow(PictureSurface &surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    try {
        drawFigure(surface, ToolArrow, x1, y1, x2, y2);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

namespace {

class ShapeTool : public Tool {
public:
    using Tool::Tool;

    void press(int, int, int) override
    {
        // A new stroke: whatever an earlier one recorded is no longer on the canvas.
        m_preview.shown = false;
    }

    void move(int shift, double x, double y) override
    {
        removePreview();
        ConstrainEnd(ctx.state(), x, y, shift, toFlag(locksAxes()));
        drawPreview();
        if (index() == ToolRoundedRectangle)
            ctx.canvas().Refresh();
    }

    void release(int shift, double x, double y) override
    {
        // The last preview goes first, so that nothing of it stays where the
        // final figure differs (another end point, a size that draws nothing).
        removePreview();
        PictureSurface &canvas = ctx.canvas();
        EditorState &s = ctx.state();
        const int tool = index();
        canvas.DrawMode = DrawModeCopyPen;
        if (tool == ToolLine) {
            canvas.ForeColor = ctx.foregroundColor();
        } else {
            // The press mixed the true colours with the background; this unmixes them.
            canvas.ForeColor ^= canvas.BackColor;
            canvas.FillColor ^= canvas.BackColor;
        }
        ConstrainEnd(s, x, y, shift, toFlag(locksAxes()));
        if (tool == ToolRectangle && s.EndX == s.StartX && s.EndY == s.StartY)
            return;
        if (!ShapeTools::drawsFigure(tool, s.StartX, s.EndX))
            return;
        draw(s.StartX, s.StartY, s.EndX, s.EndY);
    }

    void forget() override { m_preview.shown = false; }

protected:
    bool busy() const override { return isSet(ctx.state().IsDrawing); }
    bool previewShown() const override { return m_preview.shown; }
    void drawPreviewAgain(PictureSurface &surface) const override
    {
        drawWithPen(surface, m_preview.pen, [&] {
            ShapeTools::drawFigure(surface, index(), m_preview.x1, m_preview.y1, m_preview.x2, m_preview.y2);
        });
    }

private:
    bool locksAxes() const { return index() == ToolLine || index() == ToolArrow; }

    void draw(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        if (index() == ToolArrow)
            ShapeTools::DrawArrow(ctx.canvas(), x1, y1, x2, y2);
        else
            ShapeTools::drawFigure(ctx.canvas(), index(), x1, y1, x2, y2);
    }

    // Removes the preview on the canvas, with the pen that drew it.
    void removePreview()
    {
        if (!m_preview.shown)
            return;
        m_preview.shown = false;
        drawPreviewAgain(ctx.canvas());
    }

    // Draws the preview from the start to the end point with the canvas's pen.
    void drawPreview()
    {
        const EditorState &s = ctx.state();
        if (!ShapeTools::drawsFigure(index(), s.StartX, s.EndX))
            return;
        draw(s.StartX, s.StartY, s.EndX, s.EndY);
        m_preview = ShapePreview{true, index(), s.StartX, s.StartY, s.EndX, s.EndY, PenState::of(ctx.canvas())};
    }

    ShapePreview m_preview;  // the rubber band of the shape being dragged
};

}  // namespace

std::unique_ptr<Tool> makeShapeTool(ToolContext &context, int index)
{
    return std::make_unique<ShapeTool>(context, index);
}

}  // namespace pinxel
