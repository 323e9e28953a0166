// One rubber-band move of the shape tools on a 4000 x 3000 canvas: remove the
// previous XOR preview (drawn again) and draw the new one, one pixel further,
// then collect what must be repainted. The repainted counter is the area of
// the region a view repaints for that move, in pixels.

#include "document/EditorState.h"
#include "pinxel/PictureSurface.h"
#include "tools/ShapeTools.h"
#include "tools/ToolTable.h"

#include "BenchCanvas.h"

#include <benchmark/benchmark.h>

using namespace pinxel;

namespace {

using bench::canvas;
using bench::CanvasHeight;
using bench::CanvasWidth;

// A preview of a tool from (x1, y1) to an end that moves by one pixel each time.
void previewMoves(benchmark::State &state, int tool, QPoint from, QPoint to, int fillStyle)
{
    PictureSurface &s = canvas();
    s.DrawMode = DrawModeXorPen;
    s.DrawWidth = int(state.range(0));
    s.DrawStyle = int(state.range(1));
    s.FillStyle = fillStyle;
    s.ForeColor = 0x0000FF ^ s.BackColor;
    s.FillColor = 0xFF8000 ^ s.BackColor;
    QPoint end = to;
    ShapeTools::drawFigure(s, tool, from.x(), from.y(), end.x(), end.y());
    s.Refresh();
    double repainted = 0;
    for (auto _ : state) {
        const QPoint next = end == to ? to - QPoint(1, 1) : to;
        ShapeTools::drawFigure(s, tool, from.x(), from.y(), end.x(), end.y());
        ShapeTools::drawFigure(s, tool, from.x(), from.y(), next.x(), next.y());
        end = next;
        const QRegion region = s.pendingChanges();
        s.Refresh();
        for (const QRect &r : region)
            repainted += double(r.width()) * r.height();
    }
    ShapeTools::drawFigure(s, tool, from.x(), from.y(), end.x(), end.y());  // leave the canvas clean
    s.Refresh();
    state.counters["repainted"] = benchmark::Counter(repainted / double(state.iterations()));
}

void BM_OutlineRectangleMove(benchmark::State &state)
{
    previewMoves(state, ToolRectangle, QPoint(10, 10), QPoint(3990, 2990), FillTransparent);
}
BENCHMARK(BM_OutlineRectangleMove)
    ->ArgNames({"width", "style"})
    ->Args({1, StyleSolid})
    ->Args({8, StyleSolid})
    ->Args({1, StyleDash})
    ->Args({8, StyleDash})
    ->Args({3, StyleDot})
    ->Unit(benchmark::kMicrosecond);

void BM_LineMove(benchmark::State &state)
{
    previewMoves(state, ToolLine, QPoint(10, 10), QPoint(3990, 2990), FillTransparent);
}
BENCHMARK(BM_LineMove)
    ->ArgNames({"width", "style"})
    ->Args({1, StyleSolid})
    ->Args({8, StyleSolid})
    ->Args({1, StyleDash})
    ->Args({8, StyleDash})
    ->Unit(benchmark::kMicrosecond);

void BM_ArrowMove(benchmark::State &state)
{
    previewMoves(state, ToolArrow, QPoint(10, 2990), QPoint(3990, 10), FillTransparent);
}
BENCHMARK(BM_ArrowMove)
    ->ArgNames({"width", "style"})
    ->Args({1, StyleSolid})
    ->Args({8, StyleSolid})
    ->Args({8, StyleDash})
    ->Unit(benchmark::kMicrosecond);

// A 2000 x 1500 ellipse filled solid (range 2 = 0) or with the cross hatch (6).
void BM_FilledEllipseMove(benchmark::State &state)
{
    previewMoves(state, ToolEllipse, QPoint(1000, 750), QPoint(3000, 2250), int(state.range(2)));
}
BENCHMARK(BM_FilledEllipseMove)
    ->ArgNames({"width", "style", "fill"})
    ->Args({1, StyleSolid, FillSolid})
    ->Args({8, StyleSolid, FillSolid})
    ->Args({1, StyleSolid, FillCross})
    ->Args({8, StyleDash, FillCross})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
