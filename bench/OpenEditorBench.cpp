// Opening the editor from the control on a 4000 x 3000 JPEG of quality 90,
// beside one decode of that file in the same run, to the editor's window
// shown (target: within 1.25 x one decode). The documented reloads of the
// picture file (the property's reads, the canvas's load) find the file
// unchanged and share the picture the control shows. Measured from the call
// of the control's method Dabbler, the control showing its file already
// (arg 0), and from the host handing the control the file (arg 1: the one
// decode, then Dabbler). The window then closes with nothing changed.

#include "BenchCanvas.h"
#include "editor/frmPaint.h"
#include "platform/files/PictureFiles.h"

#include "pinxel/Dabbler.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/ScriptedHostServices.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

using namespace pinxel;

namespace {

// The photo, written once, and old enough that its reloads can be trusted.
const QString &photoFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        bench::photoPicture(4000, 3000).save(file, "JPEG", 90);
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        return file;
    }();
    return path;
}

void BM_DecodeJpeg(benchmark::State &state)
{
    const QString &file = photoFile();
    for (auto _ : state) {
        const QImage picture = loadPictureFile(file);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DabblerToWindowShown(benchmark::State &state)
{
    const bool fromTheProperty = state.range(0) == 1;
    ScriptedHostServices services;
    HostServices::setCurrent(&services);
    Dabbler control;
    control.setPicturefilename(photoFile());
    for (auto _ : state) {
        if (fromTheProperty)
            control.setPicturefilename(QString());
        const auto start = std::chrono::steady_clock::now();
        if (fromTheProperty)
            control.setPicturefilename(photoFile());
        double shown = 0;
        QTimer::singleShot(0, [&] {
            frmPaint &editor = frmPaint::instance();
            if (editor.isVisible())
                shown = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            editor.close();
        });
        static_cast<DabblerInterface &>(control).Dabbler();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (shown == 0) {
            state.SkipWithError("the editor did not show");
            break;
        }
        state.SetIterationTime(shown);
    }
    HostServices::setCurrent(nullptr);
}
BENCHMARK(BM_DabblerToWindowShown)
    ->ArgName("from_the_property")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
