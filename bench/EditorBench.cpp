// Costs of the editor on a 4000 x 3000 canvas: one pencil move during a
// stroke (with the area it leaves to repaint), recording an undo snapshot,
// and one Undo step. Targets: under 1 ms, 20 ms and 30 ms.

#include "editor/EditorScript.h"
#include "editor/frmPaint.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

using namespace pinxel;

namespace {

constexpr int CanvasWidth = 4000;
constexpr int CanvasHeight = 3000;

// The editor, opened as the control opens it, with a large canvas and a clean history.
class Editor {
public:
    Editor()
    {
        m_script = std::make_unique<EditorScript>(m_services, true, [](const QString &) {});
        m_script->run(QStringLiteral("canvas %1 %2").arg(CanvasWidth).arg(CanvasHeight));
        window().ClearImageBuffer();
    }
    ~Editor()
    {
        m_script.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed window's memory
    }
    frmPaint &window() { return m_script->window(); }

private:
    ScriptedHostServices m_services;
    std::unique_ptr<EditorScript> m_script;
};

// One move event of a pencil stroke: a 20 x 7 pixel segment, going back and
// forth across the canvas so that every move draws.
void BM_PencilMove(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.picPaint.Refresh();
    int x = 100, y = 100, step = 20;
    w.picPaint_MouseDown(1, 0, x, y);
    const int margin = w.picPaint.DrawWidth + 2;
    double repaintArea = 0, segmentArea = 0;
    bool onlyTheSegment = true;
    for (auto _ : state) {
        const int fromX = x, fromY = y;
        x += step;
        y = y == 100 ? 107 : 100;
        if (x > CanvasWidth - 100 || x < 100)
            step = -step;
        state.PauseTiming();
        w.picPaint.Refresh();  // only this move's changes are pending below
        state.ResumeTiming();
        w.picPaint_MouseMove(1, 0, x, y);
        state.PauseTiming();
        const QRegion pending = w.picPaint.pendingChanges();
        const QRect segment(QPoint(std::min(fromX, x), std::min(fromY, y)), QPoint(std::max(fromX, x), std::max(fromY, y)));
        // The segment's box, with at most the pen's margin around it.
        const QRect box = pending.boundingRect();
        if (!segment.adjusted(-margin, -margin, margin, margin).contains(box) || !box.contains(segment))
            onlyTheSegment = false;
        repaintArea += double(box.width()) * box.height();
        segmentArea += double(segment.width()) * segment.height();
        state.ResumeTiming();
    }
    w.picPaint_MouseUp(1, 0, x, y);
    if (!onlyTheSegment)
        state.SkipWithError("a move left more than its segment to repaint");
    state.counters["repaint_px"] = benchmark::Counter(repaintArea / double(state.iterations()));
    state.counters["segment_px"] = benchmark::Counter(segmentArea / double(state.iterations()));
    state.counters["canvas_px"] = double(CanvasWidth) * CanvasHeight;
}
BENCHMARK(BM_PencilMove)->Unit(benchmark::kMicrosecond);

// Recording the canvas into the undo ring (the ring's slots exist after the first round).
void BM_SetImageBuffer(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    for (int i = 0; i < 11; ++i)
        w.undoRing().SetImageBuffer();
    for (auto _ : state)
        w.undoRing().SetImageBuffer();
    state.SetBytesProcessed(state.iterations() * int64_t(CanvasWidth) * CanvasHeight * 4);
}
BENCHMARK(BM_SetImageBuffer)->Unit(benchmark::kMillisecond);

// One Undo step: back to the previous snapshot, with the layout after it.
void BM_Undo(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    for (int i = 0; i < 11; ++i)
        w.undoRing().SetImageBuffer();
    for (auto _ : state) {
        state.PauseTiming();
        w.picPaint_MouseDown(1, 0, 50, 50);  // a change to undo, in a slot that already exists
        w.picPaint_MouseUp(1, 0, 50, 50);
        state.ResumeTiming();
        w.mnuUndo_Click();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(CanvasWidth) * CanvasHeight * 4);
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

}  // namespace
