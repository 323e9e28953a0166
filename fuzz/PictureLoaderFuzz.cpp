// The picture loader on any bytes: a picture within the limits or error 481,
// never a crash, a hang or a huge allocation.

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "platform/files/PictureFiles.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

namespace {

// Qt's GIF and PNG readers are plugins: they need an application to be found.
void startApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_PictureLoader";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    // Decoders report every bad byte; the outcome is what counts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool started = (startApplication(), true);
    (void)started;
    try {
        const QImage picture =
            pinxel::decodePicture(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
        if (picture.isNull() || qint64(picture.width()) * picture.height() > pinxel::MaxPicturePixels
            || (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32))
            std::abort();
    } catch (const pinxel::Error &error) {
        if (error.number() != pinxel::ErrInvalidPicture)
            std::abort();
    }
    return 0;
}
