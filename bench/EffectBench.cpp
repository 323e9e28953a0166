// The effects on a 4000 x 3000 picture, with one thread and with the rows in
// bands across all cores, beside the Qt calls that do the same work in the
// same run: mirrored, invertPixels, transformed and scaled. Each effect
// carries its time budget as the counter target_ms; the run on all cores
// carries its time over the one-thread run's as vs_one_thread.

#include "BenchCanvas.h"
#include "BenchThreads.h"
#include "imaging/mdlEffect.h"
#include "platform/raster/RasterPool.h"
#include "platform/raster/RowBands.h"

#include "pinxel/PictureSurface.h"

#include <QImage>
#include <QTransform>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

using namespace pinxel;

namespace {

// Each set of arguments with one thread and then with all cores.
void withThreads(benchmark::internal::Benchmark *bench, const std::vector<std::vector<std::int64_t>> &sets)
{
    for (const std::vector<std::int64_t> &set : sets)
        for (const std::int64_t threads : {1, 0}) {
            std::vector<std::int64_t> args = set;
            args.push_back(threads);
            bench->Args(args);
        }
}

constexpr int Width = 4000;
constexpr int Height = 3000;

const QImage &photo(int width, int /*height*/)
{
    static const QImage large = bench::photoPicture(Width, Height);
    static const QImage medium = bench::photoPicture(1600, 1200);
    return width == Width ? large : medium;
}

struct Surfaces {
    PictureSurface target;
    PictureSurface scratch;
    Surfaces(int width, int height)
    {
        target.setScaleMode(ScalePixels);
        target.AutoSize = true;
        target.setPicture(photo(width, height));
        target.raster().bits();  // its own pixels, as a canvas that was drawn on
        scratch.AutoSize = true;
    }
};

void report(benchmark::State &state, double targetMs, std::int64_t pixels)
{
    state.counters["target_ms"] = targetMs;
    state.SetItemsProcessed(state.iterations() * pixels);
}

// Flips and the inversion work in place: each run turns the picture back and forth.
void BM_Effect(benchmark::State &state)
{
    const int kind = int(state.range(0));
    bench::Threads threads(state, 2);
    Surfaces s(Width, Height);
    for (auto _ : state)
        threads.time([&] { ApplyPictureEffect(kind, s.target, s.scratch); });
    threads.report();
    report(state, double(state.range(1)), std::int64_t(Width) * Height);
}
BENCHMARK(BM_Effect)
    ->ArgNames({"kind", "target", "threads"})
    ->Apply([](benchmark::internal::Benchmark *bench) {
        withThreads(bench, {{EffectFlipHorizontal, 8}, {EffectFlipVertical, 8}, {EffectInvertColors, 8}});
    })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Rotation anticlockwise by the angle; every run starts from the upright
// picture. With fresh set, every run writes memory new from the system, as
// the first effect of a session does; otherwise the memory the last result
// released is reused.
void BM_Rotate(benchmark::State &state)
{
    const int angle = int(state.range(0));
    bench::Threads threads(state, 3);
    Surfaces s(Width, Height);
    for (auto _ : state) {
        state.PauseTiming();
        s.target.setPicture(photo(Width, Height));
        if (state.range(2))
            releaseKeptRasters();
        RotateAngle = float(angle);
        RotateClockwise = FlagFalse;
        state.ResumeTiming();
        threads.time([&] { ApplyPictureEffect(EffectRotate, s.target, s.scratch); });
    }
    threads.report();
    report(state, double(state.range(1)), std::int64_t(Width) * Height);
}
BENCHMARK(BM_Rotate)
    ->ArgNames({"angle", "target", "fresh", "threads"})
    ->Apply([](benchmark::internal::Benchmark *bench) {
        withThreads(bench, {{90, 15, 0}, {270, 15, 0}, {45, 80, 0}, {90, 15, 1}, {45, 80, 1}});
    })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Resize by the percentage of a picture of the given width (4000 x 3000 or
// 1600 x 1200), with fresh memory or reused as for the rotation.
void BM_Resize(benchmark::State &state)
{
    const int percent = int(state.range(0)), width = int(state.range(1));
    const int height = width * 3 / 4;
    bench::Threads threads(state, 3);
    Surfaces s(width, height);
    for (auto _ : state) {
        state.PauseTiming();
        s.target.setPicture(photo(width, height));
        if (state.range(2))
            releaseKeptRasters();
        ResizeFactorX = ResizeFactorY = float(percent) / 100.0f;
        state.ResumeTiming();
        threads.time([&] { ApplyPictureEffect(EffectResize, s.target, s.scratch); });
    }
    threads.report();
    report(state, 25, std::int64_t(width) * height);
}
BENCHMARK(BM_Resize)
    ->ArgNames({"percent", "width", "fresh", "threads"})
    ->Apply([](benchmark::internal::Benchmark *bench) {
        withThreads(bench, {{50, Width, 0}, {200, 1600, 0}, {50, Width, 1}, {200, 1600, 1}});
    })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// ---------------------------------------------------------------- Qt, the same work

void BM_QtMirrored(benchmark::State &state)
{
    const bool horizontal = state.range(0) != 0;
    const QImage &picture = photo(Width, Height);
    for (auto _ : state) {
        QImage flipped = picture.mirrored(horizontal, !horizontal);
        benchmark::DoNotOptimize(flipped.constBits());
    }
    report(state, 0, std::int64_t(Width) * Height);
}
BENCHMARK(BM_QtMirrored)->ArgName("horizontal")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtInvertPixels(benchmark::State &state)
{
    QImage picture = photo(Width, Height).copy();
    for (auto _ : state) {
        picture.invertPixels();
        benchmark::ClobberMemory();
    }
    report(state, 0, std::int64_t(Width) * Height);
}
BENCHMARK(BM_QtInvertPixels)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtTransformed(benchmark::State &state)
{
    const QImage &picture = photo(Width, Height);
    const QTransform turn = QTransform().rotate(double(state.range(0)));
    for (auto _ : state) {
        QImage turned = picture.transformed(turn, Qt::FastTransformation);
        benchmark::DoNotOptimize(turned.constBits());
    }
    report(state, 0, std::int64_t(Width) * Height);
}
BENCHMARK(BM_QtTransformed)->ArgName("angle")->Arg(90)->Arg(45)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtScaled(benchmark::State &state)
{
    const int percent = int(state.range(0)), width = int(state.range(1));
    const QImage &picture = photo(width, width * 3 / 4);
    const QSize size = picture.size() * (percent / 100.0);
    const auto mode = state.range(2) ? Qt::SmoothTransformation : Qt::FastTransformation;
    for (auto _ : state) {
        QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, mode);
        benchmark::DoNotOptimize(scaled.constBits());
    }
    report(state, 0, std::int64_t(width) * (width * 3 / 4));
}
BENCHMARK(BM_QtScaled)
    ->ArgNames({"percent", "width", "smooth"})
    ->Args({50, Width, 1})
    ->Args({50, Width, 0})
    ->Args({200, 1600, 1})
    ->Args({200, 1600, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
