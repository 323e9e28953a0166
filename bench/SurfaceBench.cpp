// Costs of the picture surface on a 4000 x 3000 canvas: whole-surface copy
// beside memcpy of the same bytes, flood fill of the whole surface (solid and hatched), one XOR
// preview of a 1000-pixel line drawn and removed, and 100,000 PSet / Point calls.

#include "pinxel/PictureSurface.h"

#include "BenchCanvas.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace pinxel;

namespace {

using bench::canvas;
using bench::CanvasHeight;
using bench::CanvasWidth;

void BM_MemcpyReference(benchmark::State &state)
{
    const size_t bytes = size_t(CanvasWidth) * CanvasHeight * 4;
    std::vector<char> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}
BENCHMARK(BM_MemcpyReference)->Unit(benchmark::kMillisecond);

void BM_WholeSurfaceCopy(benchmark::State &state)
{
    PictureSurface &target = canvas();
    QImage source(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    source.fill(0xFF336699);
    for (auto _ : state) {
        target.PaintPicture(source, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(CanvasWidth) * CanvasHeight * 4);
}
BENCHMARK(BM_WholeSurfaceCopy)->Unit(benchmark::kMillisecond);

void BM_FloodFillWholeSurface(benchmark::State &state)
{
    PictureSurface &target = canvas();
    target.FillStyle = FillSolid;
    Color colours[2] = {0x00FF00, 0xFF0000};
    int turn = 0;
    target.FillColor = colours[0];
    target.ExtFloodFill(0, 0, target.GetPixel(0, 0), FloodFillSurface);
    // A hatch would split the area for the next round: it paints the area's
    // own colour, which costs the same.
    const bool hatched = state.range(0) != FillSolid;
    target.FillStyle = int(state.range(0));
    for (auto _ : state) {
        const Color current = colours[turn];
        if (!hatched)
            turn ^= 1;
        target.FillColor = colours[turn];
        target.ExtFloodFill(CanvasWidth / 2, CanvasHeight / 2, current, FloodFillSurface);
    }
}
BENCHMARK(BM_FloodFillWholeSurface)
    ->ArgName("style")
    ->Arg(FillSolid)
    ->Arg(FillDiagonalCross)
    ->Unit(benchmark::kMillisecond);

// A rubber-band move: remove the old preview, draw the new one.
void BM_XorLinePreviewDrawAndRemove(benchmark::State &state)
{
    PictureSurface &target = canvas();
    target.DrawMode = DrawModeXorPen;
    target.DrawWidth = int(state.range(1));
    target.DrawStyle = StyleSolid;
    target.ForeColor = 0xFFFFFF;
    const bool diagonal = state.range(0) != 0;
    const double x2 = diagonal ? 1000 + 707 : 2000, y2 = diagonal ? 500 + 707 : 500;
    for (auto _ : state) {
        target.Line(1000, 500, x2, y2);
        target.Line(1000, 500, x2, y2);
        target.Refresh();
    }
    target.DrawMode = DrawModeCopyPen;
}
BENCHMARK(BM_XorLinePreviewDrawAndRemove)
    ->ArgNames({"diagonal", "width"})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({1, 8})
    ->Unit(benchmark::kMicrosecond);

void BM_PSet100k(benchmark::State &state)
{
    PictureSurface &target = canvas();
    target.DrawWidth = 1;
    target.DrawMode = DrawModeCopyPen;
    for (auto _ : state) {
        for (int i = 0; i < 100000; ++i)
            target.PSet(i % CanvasWidth, (i / CanvasWidth) * 7 % CanvasHeight, i & 0xFFFFFF);
        target.Refresh();
    }
}
BENCHMARK(BM_PSet100k)->Unit(benchmark::kMillisecond);

void BM_Point100k(benchmark::State &state)
{
    PictureSurface &target = canvas();
    for (auto _ : state) {
        Color sum = 0;
        for (int i = 0; i < 100000; ++i)
            sum ^= target.Point(i % CanvasWidth, (i / CanvasWidth) * 7 % CanvasHeight);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Point100k)->Unit(benchmark::kMillisecond);

}  // namespace
