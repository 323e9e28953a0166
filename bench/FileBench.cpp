// Costs of opening and saving a 4000 x 3000 picture as BMP, the editor's own
// format (target: a load and a save within 60 ms together, the flush to disk
// excluded): the load of a 24-bit and a 32-bit file, the save without the
// flush (the bytes written to the file through the same writer), and the
// save as users get it, which waits until the file is on disk before it
// replaces the old one. A copy of the file's bytes in memory is the floor.

#include "platform/files/BmpFile.h"
#include "platform/files/PictureFiles.h"

#include "BenchCanvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace pinxel;

namespace {

using bench::CanvasHeight;
using bench::CanvasWidth;

const QImage &picture()
{
    static const QImage image = bench::photoPicture(CanvasWidth, CanvasHeight);
    return image;
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// The picture saved once as a 24-bit file, and as a 32-bit one with an alpha mask.
QString pictureFile(int bits)
{
    const QString path = folder().filePath(QStringLiteral("picture%1.bmp").arg(bits));
    if (!QFile::exists(path)) {
        if (bits == 24) {
            savePictureFile(picture(), path);
        } else {
            QImage withAlpha = picture().convertToFormat(QImage::Format_ARGB32);
            withAlpha.save(path, "BMP");  // Qt writes 32-bit pictures with their masks
        }
    }
    return path;
}

void BM_LoadBmp(benchmark::State &state)
{
    const QString path = pictureFile(int(state.range(0)));
    for (auto _ : state) {
        QImage loaded = loadPictureFile(path);
        benchmark::DoNotOptimize(loaded.constBits());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_LoadBmp)->ArgName("bits")->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);

// The writer into a file, without the flush to disk.
void BM_SaveBmpUnflushed(benchmark::State &state)
{
    const QString path = folder().filePath(QStringLiteral("unflushed.bmp"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);  // a new file, as the save's temporary file is
        state.ResumeTiming();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !writeBmp24(picture(), file))
            state.SkipWithError("the file could not be written");
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_SaveBmpUnflushed)->Unit(benchmark::kMillisecond);

// The save users get: a temporary file, flushed to disk, then renamed over the old one.
void BM_SavePictureFile(benchmark::State &state)
{
    const QString path = folder().filePath(QStringLiteral("saved.bmp"));
    for (auto _ : state)
        savePictureFile(picture(), path);
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_SavePictureFile)->Unit(benchmark::kMillisecond);

// The floor: the 24-bit file's bytes copied in memory.
void BM_MemcpyOfTheFile(benchmark::State &state)
{
    const size_t bytes = size_t(QFile(pictureFile(24)).size());
    std::vector<char> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}
BENCHMARK(BM_MemcpyOfTheFile)->Unit(benchmark::kMillisecond);

}  // namespace
