#include "support/TestSupport.h"

#include "pinxel/PictureSurface.h"

#include <QFontDatabase>
#include <QtEndian>

#include <random>

namespace pinxel::test {

void holdPicture(PictureSurface &surface, const QImage &picture)
{
    surface.setScaleMode(ScalePixels);
    surface.AutoSize = true;
    surface.setPicture(picture);
}

QImage randomImage(int width, int height, std::uint32_t seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 generator(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xFF000000u | (generator() & 0xFFFFFFu);
    }
    return image;
}

QImage filledImage(int width, int height, Color color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQRgb(color));
    return image;
}

::testing::AssertionResult sameImage(const QImage &expected, const QImage &actual)
{
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << ", expected "
                                             << expected.width() << "x" << expected.height();
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y) & 0xFFFFFF, a = actual.pixel(x, y) & 0xFFFFFF;
            if (e != a)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << a << ", expected " << e;
        }
    return ::testing::AssertionSuccess();
}

int countDifferences(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return count;
}

QString knownFontFamily()
{
    static const QString family = [] {
        const int id =
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.front();
    }();
    return family;
}

QString resourcesDir() { return QStringLiteral(PINXEL_SOURCE_DIR "/resources"); }

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    const QByteArray body = QByteArray(type) + data;
    quint32 crc = 0xFFFFFFFFu;
    for (char c : body) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    QByteArray length(4, '\0'), sum(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), length.data());
    qToBigEndian<quint32>(~crc, sum.data());
    return length + body + sum;
}

}  // namespace pinxel::test
