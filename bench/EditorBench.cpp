// Costs of the editor on a 4000 x 3000 canvas: one pencil move during a
// stroke, with the area it leaves to repaint (target: under 1 ms); one pointer move
// of a 2000 x 1500 floating selection with its repaint (2 ms, and only the
// old and new places repainted), and Copy, Paste and Crop of it (10 ms each).
// The stamping tools' moves are in ToolBench, the undo history in UndoBench.

#include "BenchEditor.h"

#include "editor/RecoveryJournal.h"
#include "editor/SessionRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>

using namespace pinxel;
using namespace pinxel::bench;

namespace {

// One move event of a pencil stroke: a 20 x 7 pixel segment, going back and
// forth across the canvas so that every move draws.
void BM_PencilMove(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.model().picPaint.Refresh();
    int x = 100, y = 100, step = 20;
    w.picPaint_MouseDown(1, 0, x, y);
    const int margin = w.model().picPaint.DrawWidth + 2;
    double repaintArea = 0, segmentArea = 0;
    bool onlyTheSegment = true;
    for (auto _ : state) {
        const int fromX = x, fromY = y;
        x += step;
        y = y == 100 ? 107 : 100;
        if (x > CanvasWidth - 100 || x < 100)
            step = -step;
        state.PauseTiming();
        w.model().picPaint.Refresh();  // only this move's changes are pending below
        state.ResumeTiming();
        w.picPaint_MouseMove(1, 0, x, y);
        state.PauseTiming();
        const QRegion pending = w.model().picPaint.pendingChanges();
        const QRect segment(QPoint(std::min(fromX, x), std::min(fromY, y)),
                            QPoint(std::max(fromX, x), std::max(fromY, y)));
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

constexpr int SelectionWidth = 2000;
constexpr int SelectionHeight = 1500;

void countSelectionBytes(benchmark::State &state)
{
    state.SetBytesProcessed(state.iterations() * int64_t(SelectionWidth) * SelectionHeight * 4);
}

// A 2000 x 1500 selection made with the Select Area tool at (100, 100).
void makeSelection(frmPaint &w)
{
    chooseTool(w, ToolSelectArea);
    w.picPaint_MouseDown(1, 0, 99, 99);
    w.picPaint_MouseMove(1, 0, 100 + SelectionWidth, 100 + SelectionHeight);
    w.picPaint_MouseUp(1, 0, 100 + SelectionWidth, 100 + SelectionHeight);
}

// One pencil move raised through the window's event registry, as the real
// mouse raises it: without a recording (0), with one (1), which writes and
// flushes the move's line before the handler runs, and with a recovery
// journal (2), which does the same into the journal's folder.
void BM_RecordedPencilMove(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    QTemporaryDir folder;
    std::unique_ptr<SessionRecorder> recorder;
    if (state.range(0) == 1) {
        recorder = std::make_unique<SessionRecorder>(folder.filePath(QStringLiteral("moves.pxs")));
        recorder->attach(w);
    } else if (state.range(0) == 2) {
        RecoveryJournal::Opening opening;
        opening.editor = QStringLiteral("bench");
        opening.picture = w.model().composedPicture();
        recorder = std::make_unique<RecoveryJournal>(folder.path(), w, opening);
    }
    timePencilMoves(state, w.model().events());
    if (recorder) {
        qint64 bytes = 0;
        for (const QFileInfo &file : QDir(folder.path()).entryInfoList({QStringLiteral("*.pxs")}, QDir::Files))
            bytes += file.size();
        state.counters["file_bytes_per_move"] = double(bytes) / double(state.iterations());
        recorder.reset();
    }
}
BENCHMARK(BM_RecordedPencilMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Restoring a journal of 10,000 events (pencil strokes of 100 moves across
// the canvas, and a filter every 2,000 events) into a fresh editor, as
// `pinxel recover` does.
void BM_RestoreJournal(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.pxs"));
    {
        QFile journal(path);
        journal.open(QIODevice::WriteOnly);
        QString text = QStringLiteral("# journal editor bench\n# journal size %1 %2\ncanvas %1 %2\n"
                                      "optTools(4).MouseDown 1 0 0 0\noptTools(4).Click\n")
                           .arg(CanvasWidth)
                           .arg(CanvasHeight);
        int events = 2;
        for (int stroke = 0; events < 10000; ++stroke) {
            const int y = 50 + (stroke * 37) % (CanvasHeight - 100);
            text += QStringLiteral("picPaint.MouseDown 1 0 50 %1\n").arg(y);
            for (int i = 1; i <= 98; ++i)
                text += QStringLiteral("picPaint.MouseMove 1 0 %1 %2\n").arg(50 + i * 39).arg(y + (i % 7));
            text += QStringLiteral("picPaint.MouseUp 1 0 %1 %2\n").arg(50 + 98 * 39).arg(y);
            events += 100;
            if (events % 2000 < 100)
                text += QStringLiteral("mnuBlur.Click\n"), ++events;
        }
        journal.write(text.toUtf8());
    }
    const std::optional<RecoveryJournal::Info> info = RecoveryJournal::read(path);
    int restored = 0;
    for (auto _ : state) {
        ScriptedHostServices services;
        EditorScript script(services, true, [](const QString &) {});
        restored = RecoveryJournal::replay(script, *info, false).events;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.counters["events"] = restored;
}
BENCHMARK(BM_RestoreJournal)->Iterations(1)->Unit(benchmark::kSecond);

// One pointer move while the selection is dragged: the handler, then the
// repaint the move asks for, in the window shown offscreen.
void BM_SelectionDragMove(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    w.show();
    makeSelection(w);
    PaintedArea area(w);
    w.picSelect_MouseDown(1, 0, 10, 10);
    QCoreApplication::processEvents();  // the press's own repaint: the marquee went
    int dx = 7, dy = 3;
    double paintedPixels = 0, boundPixels = 0;
    bool onlyOldAndNew = true;
    for (auto _ : state) {
        state.PauseTiming();
        const QRect before = w.picSelectView->geometry();
        area.painted = QRegion();
        if (w.model().picSelect.Left() > 400 || w.model().picSelect.Left() < 20)
            dx = -dx;
        dy = -dy;  // back and forth, so that the selection stays in view
        state.ResumeTiming();
        w.picSelect_MouseMove(1, 0, 10 + dx, 10 + dy);
        QCoreApplication::processEvents();
        state.PauseTiming();
        const QRegion places = QRegion(before) + QRegion(w.picSelectView->geometry());
        if (!(area.painted - places).isEmpty()) {
            onlyOldAndNew = false;
        }
        for (const QRect &r : area.painted)
            paintedPixels += double(r.width()) * r.height();
        const QRect visible = w.picPaintView->visibleRegion().boundingRect();
        for (const QRect &r : places &visible)
            boundPixels += double(r.width()) * r.height();
        state.ResumeTiming();
    }
    w.picSelect_MouseUp(1, 0, 10, 13);
    if (!onlyOldAndNew)
        state.SkipWithError("a move repainted more than the selection's old and new places");
    state.counters["painted_px"] = benchmark::Counter(paintedPixels / double(state.iterations()));
    state.counters["places_px"] = benchmark::Counter(boundPixels / double(state.iterations()));
}
BENCHMARK(BM_SelectionDragMove)->Unit(benchmark::kMicrosecond);

void BM_Copy(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    makeSelection(w);
    for (auto _ : state)
        w.mnuCopy_Click();
    countSelectionBytes(state);
}
BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond);

// Paste with no selection floating (a floating one is first dropped, as the
// drop benchmark measures).
void BM_Paste(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    makeSelection(w);
    w.mnuCopy_Click();
    for (auto _ : state) {
        state.PauseTiming();
        w.model().selection().discard();
        state.ResumeTiming();
        w.mnuPaste_Click();
    }
    countSelectionBytes(state);
}
BENCHMARK(BM_Paste)->Unit(benchmark::kMillisecond);

// The drop of a moved selection: painting it in and recording the undo step.
void BM_DropSelection(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    makeSelection(w);
    w.mnuCopy_Click();
    editor.fillUndoRing();
    for (auto _ : state) {
        state.PauseTiming();
        w.mnuPaste_Click();
        state.ResumeTiming();
        w.model().DropSelection();
    }
    countSelectionBytes(state);
}
BENCHMARK(BM_DropSelection)->Unit(benchmark::kMillisecond);

// Crop to the selection, with its undo step and the layout, from the
// 4000 x 3000 picture each time (undo slots already in use).
void BM_Crop(benchmark::State &state)
{
    Editor editor;
    frmPaint &w = editor.window();
    const QImage picture = w.model().picPaint.Image().copy();
    editor.fillUndoRing();
    for (auto _ : state) {
        state.PauseTiming();
        w.model().picPaint.setPicture(picture);
        w.AdjustPaintResizeBox();
        makeSelection(w);
        state.ResumeTiming();
        w.mnuCrop_Click();
    }
    countSelectionBytes(state);
}
BENCHMARK(BM_Crop)->Unit(benchmark::kMillisecond);

}  // namespace
