// Costs of the stamping tools, the curve and the text box on a 4000 x 3000
// canvas, each with the repaint it asks for, in the window shown offscreen:
// one pointer move of the air brush at its largest burst, of the brush with
// its largest shapes, of the eraser at its widest and of the filter brush at
// its largest square, Light (target 50 us each);
// one move of a canvas-wide curve 8 pixels wide, its preview removed and
// drawn again (1 ms); one keystroke in the text box (2 ms).

#include "BenchEditor.h"

#include "view/CanvasTextBox.h"

#include <QKeyEvent>
#include <benchmark/benchmark.h>

using namespace pinxel;
using namespace pinxel::bench;

namespace {

// One move of a stroke with the widest pen; the pointer steps along a row
// so that every stamp lands on fresh pixels.
void BM_StampMove(benchmark::State &state, int tool, int brushShape)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.show();
    w.model().CurrentTool = tool;  // the filter brush's button would ask for its filter
    w.model().DotIndex = 7;
    w.model().BrushIndex = brushShape;
    PaintedArea area(w);
    w.picPaint_MouseDown(1, 0, 100, 100);
    QCoreApplication::processEvents();
    int x = 100, step = 60;
    double paintedPixels = 0;
    for (auto _ : state) {
        if (x > 3800 || x < 100)
            step = -step;
        x += step;
        w.picPaint_MouseMove(1, 0, x, 100);
        QCoreApplication::processEvents();
        state.PauseTiming();
        for (const QRect &r : area.painted)
            paintedPixels += double(r.width()) * r.height();
        area.painted = QRegion();
        state.ResumeTiming();
    }
    w.picPaint_MouseUp(1, 0, x, 100);
    state.counters["painted_px"] = benchmark::Counter(paintedPixels / double(state.iterations()));
    state.counters["target_us"] = 50;
}
BENCHMARK_CAPTURE(BM_StampMove, air_brush, int(ToolAirBrush), 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StampMove, brush_filled_square, int(ToolBrush), 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StampMove, brush_filled_disc, int(ToolBrush), 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StampMove, eraser, int(ToolEraser), 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StampMove, filter_brush, int(ToolFilterBrush), 0)->Unit(benchmark::kMicrosecond);

// Drags handle i of the curve by (dx, dy).
void dragHandle(frmPaint &w, int index, int dx, int dy)
{
    w.imgBezier_MouseDown(index, 1, 0, 0, 0);
    w.imgBezier_MouseMove(index, 1, 0, dx, dy);
    w.imgBezier_MouseUp(index, 1, 0, dx, dy);
}

// One move of the whole curve, from corner to corner of the canvas and
// swinging across it: the old preview removed, the new one drawn, the repaint.
void BM_CurvePreviewMove(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.show();
    chooseTool(w, ToolCurve);
    w.model().DotIndex = 7;
    w.picPaint_MouseDown(1, 0, 2000, 1500);
    w.picPaint_MouseUp(1, 0, 2000, 1500);
    // The handles from 50 pixels around the middle out to the corners,
    // the control points crossed over.
    dragHandle(w, 0, 20 - 1950, 20 - 1450);
    dragHandle(w, 1, 20 - 2050, 2970 - 1450);
    dragHandle(w, 2, 3970 - 1950, 20 - 1550);
    dragHandle(w, 3, 3970 - 2050, 2970 - 1550);
    QCoreApplication::processEvents();
    w.picPaint_MouseDown(1, 0, 2000, 1500);
    int dx = 3;
    for (auto _ : state) {
        dx = -dx;
        w.picPaint_MouseMove(1, 0, 2000 + dx, 1500 + dx);
        QCoreApplication::processEvents();
    }
    w.picPaint_MouseUp(1, 0, 2000, 1500);
    state.counters["target_us"] = 1000;
}
BENCHMARK(BM_CurvePreviewMove)->Unit(benchmark::kMicrosecond);

// One key typed into the text box, as the keyboard delivers it: down (the
// box fits itself), the character, up (it fits itself again), the repaint.
void BM_TextKeystroke(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.show();
    chooseTool(w, ToolText);
    w.picPaint_MouseDown(1, 0, 100, 100);
    w.picPaint_MouseUp(1, 0, 100, 100);
    QCoreApplication::processEvents();
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 60 == 0) {
            state.PauseTiming();
            w.txtText->clear();  // a line as long as people type
            state.ResumeTiming();
        }
        QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(w.txtText, &down);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(w.txtText, &up);
        QCoreApplication::processEvents();
    }
    state.counters["target_us"] = 2000;
}
BENCHMARK(BM_TextKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
