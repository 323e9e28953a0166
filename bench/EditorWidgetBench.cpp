// Costs of the editor as a host's widget on a 4000 x 3000 picture:
// setPicture and picture() with nothing changed in between share the pixels
// (target: each under 1 ms), and a pencil move costs no more with a host
// listening to pictureChanged (target: under 5 us more than without). The
// first stroke on a picture the host still holds pays the one copy of it
// (the history shares the host's pixels instead of copying them).

#include "BenchEditor.h"

#include "pinxel/EditorWidget.h"
#include "pinxel/ScriptedHostServices.h"

#include <benchmark/benchmark.h>

using namespace pinxel;
using namespace pinxel::bench;

namespace {

QImage photo(QRgb colour)
{
    QImage picture(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// An editor widget over scripted services, as a host embeds it.
struct HostedEditor {
    HostedEditor() { HostServices::setCurrent(&services); }
    ~HostedEditor()
    {
        editor.reset();
        HostServices::setCurrent(nullptr);
    }
    ElementEvents &events() { return editor->findChild<frmPaint *>()->model().events(); }

    ScriptedHostServices services;
    std::unique_ptr<EditorWidget> editor = std::make_unique<EditorWidget>();
};

// A host hands in one of two pictures in turn: each starts a new history.
void BM_SetPicture(benchmark::State &state)
{
    HostedEditor hosted;
    const QImage pictures[] = {photo(qRgb(200, 10, 10)), photo(qRgb(10, 200, 10))};
    int turn = 0;
    for (auto _ : state)
        hosted.editor->setPicture(pictures[turn++ % 2]);
    if (hosted.editor->picture().constBits() != pictures[(turn - 1) % 2].constBits())
        state.SkipWithError("the picture was copied");
}
BENCHMARK(BM_SetPicture)->Unit(benchmark::kMillisecond);

// The host takes the picture it handed in, nothing changed since.
void BM_TakePicture(benchmark::State &state)
{
    HostedEditor hosted;
    const QImage handed = photo(qRgb(10, 10, 200));
    hosted.editor->setPicture(handed);
    bool shared = true;
    for (auto _ : state)
        shared = shared && hosted.editor->picture().constBits() == handed.constBits();
    if (!shared)
        state.SkipWithError("the picture was copied");
}
BENCHMARK(BM_TakePicture)->Unit(benchmark::kMillisecond);

// The first pencil click after setPicture, the host holding its picture.
void BM_FirstStrokeOnAHandedPicture(benchmark::State &state)
{
    HostedEditor hosted;
    const QImage handed = photo(qRgb(255, 255, 255));
    ElementEvents &events = hosted.events();
    for (auto _ : state) {
        state.PauseTiming();
        hosted.editor->setPicture(handed);
        state.ResumeTiming();
        events.raise(QStringLiteral("picPaint.MouseDown"), {1, 0, 50, 50});
        events.raise(QStringLiteral("picPaint.MouseUp"), {1, 0, 50, 50});
    }
    if (handed.pixel(50, 50) != qRgb(255, 255, 255))
        state.SkipWithError("the host's picture changed");
}
BENCHMARK(BM_FirstStrokeOnAHandedPicture)->Unit(benchmark::kMillisecond);

// One pencil move raised as the mouse raises it, without (0) and with (1) a
// host that hears pictureChanged and takes the picture each time.
void BM_PencilMoveHeardByHost(benchmark::State &state)
{
    HostedEditor hosted;
    EditorWidget &editor = *hosted.editor;
    editor.setPicture(photo(qRgb(255, 255, 255)));
    int heard = 0;
    if (state.range(0) == 1)
        QObject::connect(&editor, &EditorWidget::pictureChanged, [&] {
            ++heard;
            benchmark::DoNotOptimize(editor.picture());
        });
    timePencilMoves(state, hosted.events());
    state.counters["heard_per_move"] = double(heard) / double(state.iterations());
}
BENCHMARK(BM_PencilMoveHeardByHost)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
