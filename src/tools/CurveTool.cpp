#include "tools/CurveTool.h"

#include "document/mdlGeneral.h"
#include "pinxel/PictureSurface.h"
#include "tools/CanvasElements.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {
constexpr int PlacementOffset = 50;
constexpr int HandleCount = 4;
}  // namespace

bool CurveTool::shaping() const { return ctx.curveHandle(0).isShown(); }

std::array<QPoint, 4> CurveTool::points() const
{
    const QSize size = ctx.curveHandle(0).place().size();
    std::array<QPoint, 4> result;
    for (int i = 0; i < HandleCount; ++i) {
        const QRect place = ctx.curveHandle(i).place();
        result[size_t(i)] =
            QPoint(toInt32(place.left() + size.width() / 2.0), toInt32(place.top() + size.height() / 2.0));
    }
    return result;
}

void CurveTool::DrawCurve(Flag place, Flag final, float x, float y)
{
    try {
        if (isSet(place)) {
            const int offsets[HandleCount][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
            for (int i = 0; i < HandleCount; ++i)
                ctx.curveHandle(i).moveTo(toInt32(x + offsets[i][0] * PlacementOffset),
                                          toInt32(y + offsets[i][1] * PlacementOffset));
            for (int i = 0; i < HandleCount; ++i)
                ctx.curveHandle(i).setShown(true);
        }
        PictureSurface &canvas = ctx.canvas();
        if (isSet(final))
            canvas.DrawMode = DrawModeCopyPen;
        const std::array<QPoint, 4> curve = points();
        canvas.PolyBezier(curve);
        canvas.Refresh();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void CurveTool::hidePreview()
{
    if (!m_preview.shown)
        return;
    m_preview.shown = false;
    // The redrawn preview or the final curve that follows refreshes the canvas.
    drawPreviewAgain(ctx.canvas());
}

void CurveTool::drawPreviewAgain(PictureSurface &surface) const
{
    drawWithPen(surface, m_preview.pen, [&] { surface.PolyBezier(m_preview.points); });
}

void CurveTool::drawPreview(Flag place, float x, float y)
{
    DrawCurve(place, FlagFalse, x, y);
    m_preview = CurvePreview{true, points(), PenState::of(ctx.canvas())};
}

void CurveTool::showPreview()
{
    if (shaping() && !m_preview.shown)
        drawPreview(FlagFalse, 0, 0);
}

void CurveTool::press(int, int x, int y)
{
    // A press while a curve shows starts a drag of the whole curve (the tool
    // box has put StartX, StartY at the pointer).
    if (shaping())
        return;
    PictureSurface &canvas = ctx.canvas();
    canvas.DrawMode = DrawModeXorPen;
    canvas.ForeColor = ctx.foregroundColor() ^ canvas.BackColor;
    drawPreview(FlagTrue, float(x), float(y));
}

void CurveTool::move(int, double x, double y)
{
    if (!shaping())
        return;
    EditorState &s = ctx.state();
    hidePreview();
    for (int i = 0; i < HandleCount; ++i) {
        const QRect place = ctx.curveHandle(i).place();
        ctx.curveHandle(i).moveTo(toInt32(place.left() + (x - s.StartX)), toInt32(place.top() + (y - s.StartY)));
    }
    showPreview();
    s.StartX = toInt32(x);
    s.StartY = toInt32(y);
}

bool CurveTool::finish()
{
    if (!shaping())
        return false;
    hidePreview();
    useCopyPen(ctx.foregroundColor());
    DrawCurve(FlagFalse, FlagTrue, 0, 0);
    for (int i = 0; i < HandleCount; ++i)
        ctx.curveHandle(i).setShown(false);
    return true;
}

void CurveTool::forget()
{
    m_preview.shown = false;  // it was on the picture that was replaced
    for (int i = 0; i < HandleCount; ++i)
        ctx.curveHandle(i).setShown(false);
}

void CurveTool::handleMouseDown(int, int, int, double x, double y)
{
    if (!shaping())
        return;
    EditorState &s = ctx.state();
    s.DragOriginX = toInt32(x);
    s.DragOriginY = toInt32(y);
    s.IsDragging = FlagTrue;
}

void CurveTool::handleMouseMove(int index, int, int, double x, double y)
{
    EditorState &s = ctx.state();
    if (!isSet(s.IsDragging) || !shaping() || index < 0 || index >= HandleCount)
        return;
    hidePreview();
    CanvasElement &handle = ctx.curveHandle(index);
    const QRect place = handle.place();
    handle.moveTo(toInt32(place.left() + (x - s.DragOriginX)), toInt32(place.top() + (y - s.DragOriginY)));
    showPreview();
}

void CurveTool::handleMouseUp(int, int, int, double, double) { ctx.state().IsDragging = FlagFalse; }

std::unique_ptr<Tool> makeCurve(ToolContext &context, int index) { return std::make_unique<CurveTool>(context, index); }

}  // namespace pinxel
