// Costs of the undo history on a 4000 x 3000 canvas, whose steps keep only
// the tiles a change touched (targets: a step recorded within 5 ms, also in
// a slot used for the first time; Undo and Redo within 5 ms; ten one-pixel
// strokes add under 72 MB, 1.5 pictures, to the process's peak memory, also
// measured on a 10000 x 10000 canvas). A new history and a step that changes
// every pixel copy the whole picture; they are measured beside memcpy.

#include "BenchEditor.h"
#include "imaging/mdlEffect.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

using namespace pinxel;
using namespace pinxel::bench;

namespace {

// A one-pixel pencil click: one change, recorded as one step when the button goes up.
void click(frmPaint &w, int i)
{
    const int x = 10 + (i * 37) % (w.model().picPaint.pixelWidth() - 20);
    const int y = 10 + (i * 53) % (w.model().picPaint.pixelHeight() - 20);
    w.picPaint_MouseDown(1, 0, x, y);
    w.picPaint_MouseUp(1, 0, x, y);
}

// The click that records a step. first_use 1: every slot is new, as after
// Open or New (a new history every ten clicks, not timed); 0: the ring is
// full and every step reuses the slot of the oldest.
void BM_RecordOnePixelStroke(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    chooseTool(w, ToolPencil);
    const bool firstUse = state.range(0) != 0;
    if (!firstUse)
        for (int i = 0; i < 11; ++i)
            click(w, i);
    int i = 0;
    for (auto _ : state) {
        if (firstUse && i % 10 == 0) {
            state.PauseTiming();
            w.model().ClearImageBuffer();
            state.ResumeTiming();
        }
        click(w, i++);
    }
    state.counters["held_MB"] = double(w.model().undoRing().heldBytes()) / 1e6;
}
BENCHMARK(BM_RecordOnePixelStroke)->ArgName("first_use")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Undo (0) or Redo (1) of a one-pixel stroke, with the layout after it.
void BM_UndoRedoOnePixelStroke(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    chooseTool(w, ToolPencil);
    const bool redo = state.range(0) != 0;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!redo || i == 0)
            click(w, i);
        else
            w.mnuUndo_Click();
        ++i;
        state.ResumeTiming();
        redo ? w.mnuRedo_Click() : w.mnuUndo_Click();
    }
}
BENCHMARK(BM_UndoRedoOnePixelStroke)->ArgName("redo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A step that changes every pixel (Invert Colors): the effect, not timed,
// then the record, which compares and copies the whole picture; and the Undo
// of such a step, which writes it back.
void BM_WholePictureStep(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    const bool undo = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The effect alone, as a change the ring has not seen yet.
        PictureSurface scratch;
        ApplyPictureEffect(EffectInvertColors, w.model().picPaint, scratch);
        if (undo)
            w.model().undoRing().SetImageBuffer(w.model().picPaint);
        state.ResumeTiming();
        undo ? w.mnuUndo_Click() : w.model().undoRing().SetImageBuffer(w.model().picPaint);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(CanvasWidth) * CanvasHeight * 4);
}
BENCHMARK(BM_WholePictureStep)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A new history (Open, New): the whole picture into tiles of its own.
void BM_ClearImageBuffer(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    for (auto _ : state)
        w.model().ClearImageBuffer();
    state.SetBytesProcessed(state.iterations() * int64_t(CanvasWidth) * CanvasHeight * 4);
}
BENCHMARK(BM_ClearImageBuffer)->Unit(benchmark::kMillisecond);

// Kilobytes of one line of /proc/self/status ("VmHWM:", "VmRSS:").
double statusKilobytes(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(std::strlen(key)));
    return 0;
}

// Ten one-pixel strokes on an open picture of the size: how much they add
// to the process's peak memory (the peak is reset first), in MB (of 2^20
// bytes) and in pictures.
void BM_TenStrokesPeakMemory(benchmark::State &state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    double addedMB = 0, historyMB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            Editor editor(width, height);
            frmPaint &w = editor.window();
            chooseTool(w, ToolPencil);
            std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
            const double before = statusKilobytes("VmRSS:");
            state.ResumeTiming();
            for (int i = 0; i < 10; ++i)
                click(w, i);
            state.PauseTiming();
            addedMB = (statusKilobytes("VmHWM:") - before) / 1024;
            historyMB = double(w.model().undoRing().heldBytes()) / (1024 * 1024);
        }
        state.ResumeTiming();
    }
    const double pictureMB = double(width) * height * 4 / (1024 * 1024);
    state.counters["peak_added_MB"] = addedMB;
    state.counters["pictures"] = addedMB / pictureMB;
    // The history: the picture at the clear plus the strokes' tiles.
    state.counters["history_MB"] = historyMB;
}
BENCHMARK(BM_TenStrokesPeakMemory)
    ->ArgNames({"width", "height"})
    ->Args({4000, 3000})
    ->Args({10000, 10000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The case a fuzzing run found costly: a script's `canvas 10000 10000`, then
// eleven strokes through the script's lines, each with its undo step. The
// peak is the whole of what the canvas and its history added, in MB.
void BM_ScriptCanvasElevenStrokesPeakMemory(benchmark::State &state)
{
    double addedMB = 0, historyMB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            Editor editor(64, 48);
            editor.run(QStringLiteral("optTools(4).Click"));
            std::ofstream("/proc/self/clear_refs") << "5";
            const double before = statusKilobytes("VmRSS:");
            state.ResumeTiming();
            editor.run(QStringLiteral("canvas 10000 10000"));
            for (int i = 0; i < 11; ++i) {
                const QString at = QStringLiteral("%1 %2").arg(100 + 500 * i).arg(100 + 400 * i);
                editor.run(QStringLiteral("picPaint.MouseDown 1 0 ") + at);
                editor.run(QStringLiteral("picPaint.MouseMove 1 0 ") + at);
                editor.run(QStringLiteral("picPaint.MouseUp 1 0 ") + at);
            }
            state.PauseTiming();
            addedMB = (statusKilobytes("VmHWM:") - before) / 1024;
            historyMB = double(editor.model().undoRing().heldBytes()) / (1024 * 1024);
        }
        state.ResumeTiming();
    }
    state.counters["peak_added_MB"] = addedMB;
    state.counters["pictures"] = addedMB / (10000.0 * 10000 * 4 / (1024 * 1024));
    state.counters["history_MB"] = historyMB;
}
BENCHMARK(BM_ScriptCanvasElevenStrokesPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
