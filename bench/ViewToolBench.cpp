// Costs of Fill, Zoom and Hand in the window shown offscreen, each with the
// repaint it asks for: a fill of the whole 4000 x 3000 picture, solid and
// hatched (target 20 ms; the release's undo step is not counted here); one
// zoom step from actual size, in on a 2000 x 1500 picture and out on the
// 4000 x 3000 one, the zoom store filled and the view rebuilt (30 ms); one
// move of a pan on the 4000 x 3000 picture (2 ms).

#include "BenchEditor.h"

#include <QScrollBar>
#include <benchmark/benchmark.h>

using namespace pinxel;
using namespace pinxel::bench;

namespace {

void BM_FillWholePicture(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.show();
    editor.fillUndoRing();
    chooseTool(w, ToolFill);
    w.model().ShapeFillStyle = std::int16_t(state.range(0));
    // A hatch would split the area for the next round: it paints the area's own colour.
    const bool hatched = state.range(0) != FillSolid;
    const Color colours[2] = {0xFFFFFF, 0x3366CC};
    int turn = 0;
    for (auto _ : state) {
        if (!hatched)
            turn ^= 1;
        w.model().setForegroundColor(colours[turn]);
        w.picPaint_MouseDown(1, 0, CanvasWidth / 2, CanvasHeight / 2);
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.picPaint_MouseUp(1, 0, CanvasWidth / 2, CanvasHeight / 2);
        state.ResumeTiming();
    }
    state.counters["target_ms"] = 20;
}
BENCHMARK(BM_FillWholePicture)->ArgName("style")->Arg(FillSolid)->Arg(FillDiagonalCross)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    const int width = int(state.range(0)), height = width * 3 / 4;
    const int shift = state.range(1) ? 2 : 0;  // Ctrl: out
    w.model().picPaint.setPixelSize(width, height);
    w.Form_Resize();
    w.show();
    chooseTool(w, ToolZoom);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.picPaint_MouseDown(1, shift, width / 2, height / 2);
        w.picPaint_MouseUp(1, shift, width / 2, height / 2);
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.model().SetZoomView(0, 0, FlagTrue);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["target_ms"] = 30;
}
BENCHMARK(BM_ZoomStep)->ArgNames({"width", "out"})->Args({2000, 0})->Args({4000, 1})->Unit(benchmark::kMillisecond);

// The pointer swings 40 pixels left and right of the press, in twips as the
// pan's canvas counts them.
void BM_HandMove(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.show();
    chooseTool(w, ToolHand);
    w.hscPaint->setValue(w.hscPaint->maximum() / 2);
    w.vscPaint->setValue(w.vscPaint->maximum() / 2);
    w.picPaint_MouseDown(1, 0, 2000, 1500);
    QCoreApplication::processEvents();
    int dx = 40 * 15;
    for (auto _ : state) {
        dx = -dx;
        w.picPaint_MouseMove(1, 0, 2000 * 15 + dx, 1500 * 15 + dx);
        QCoreApplication::processEvents();
    }
    w.picPaint_MouseUp(1, 0, 0, 0);
    state.counters["target_us"] = 2000;
}
BENCHMARK(BM_HandMove)->Unit(benchmark::kMicrosecond);

}  // namespace
