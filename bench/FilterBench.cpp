// The filter engine on a 4000 x 3000 picture, whole-picture region, with one
// thread and with the rows in bands across all cores, beside Qt primitives of
// the same size of work measured in the same run: a grayscale conversion, a
// scanLine brightness loop and one read-and-write pass (invertPixels). Each
// filter carries its time budget as the counter target_ms; the run on all
// cores carries its time over the one-thread run's as vs_one_thread.

#include "BenchCanvas.h"
#include "BenchThreads.h"
#include "imaging/mdlFilter.h"
#include "platform/raster/RowBands.h"

#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"

#include <QImage>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <vector>

using namespace pinxel;

namespace {

constexpr int Width = 4000;
constexpr int Height = 3000;

const QImage &sourcePicture()
{
    static const QImage picture = bench::photoPicture(Width, Height);
    return picture;
}

PictureSurface &canvas()
{
    static PictureSurface *surface = [] {
        auto *s = new PictureSurface;
        s->setScaleMode(ScalePixels);
        s->AutoSize = true;
        s->setPicture(sourcePicture());
        s->raster().bits();  // its own copy from here on
        return s;
    }();
    return *surface;
}

void restore(PictureSurface &surface)
{
    std::memcpy(surface.raster().bits(), sourcePicture().constBits(), std::size_t(sourcePicture().sizeInBytes()));
}

void BM_Filter(benchmark::State &state)
{
    const int filter = int(state.range(0));
    const double target = double(state.range(1));
    bench::Threads threads(state, 2);
    PictureSurface &surface = canvas();
    RandomSource random(0x50000);
    ReplaceColorFrom = 0x808080;
    ReplaceColorTo = 0x0000FF;
    for (auto _ : state) {
        state.PauseTiming();
        restore(surface);
        state.ResumeTiming();
        threads.time([&] {
            int left = -1, top = -1, right = -1, bottom = -1;
            FilterPicture(filter, surface, left, top, right, bottom, random);
        });
    }
    threads.report();
    state.counters["target_ms"] = target;
    state.SetItemsProcessed(state.iterations() * std::int64_t(Width) * Height);
}

// Filter number and time budget in milliseconds, each with one thread and then all cores.
void filterArgs(benchmark::internal::Benchmark *bench)
{
    const int filters[][2] = {{0, 20}, {2, 20},  {4, 20},  {7, 20}, {8, 20},  {10, 20}, {1, 30},
                              {6, 30}, {11, 30}, {12, 30}, {3, 40}, {13, 40}, {5, 40}};
    for (const auto &filter : filters)
        for (const int threads : {1, 0})  // 0: all cores
            bench->Args({filter[0], filter[1], threads});
}
BENCHMARK(BM_Filter)
    ->ArgNames({"filter", "target", "threads"})
    ->Apply(filterArgs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_QtGrayscaleConversion(benchmark::State &state)
{
    const QImage &picture = sourcePicture();
    for (auto _ : state) {
        QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        benchmark::DoNotOptimize(grey.constBits());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(Width) * Height);
}
BENCHMARK(BM_QtGrayscaleConversion)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtScanLineBrightness(benchmark::State &state)
{
    PictureSurface &surface = canvas();
    for (auto _ : state) {
        state.PauseTiming();
        restore(surface);
        state.ResumeTiming();
        QImage &image = surface.raster();
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = line[x];
                line[x] = qRgb(qMin(qRed(p) + 32, 255), qMin(qGreen(p) + 32, 255), qMin(qBlue(p) + 32, 255));
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(Width) * Height);
}
BENCHMARK(BM_QtScanLineBrightness)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtInvertPixelsPass(benchmark::State &state)
{
    // One read-and-write pass over the picture's memory.
    QImage &image = canvas().raster();
    for (auto _ : state) {
        image.invertPixels();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(Width) * Height);
}
BENCHMARK(BM_QtInvertPixelsPass)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
