// The BMP reader that fills the picture's scan lines itself: for every
// layout it takes, it gives what Qt's reader gives (pixels, alpha and
// format), and the layouts it leaves to Qt still load.

#include "platform/files/PictureFiles.h"
#include "support/TestSupport.h"

#include <QtEndian>

#include <random>

namespace pinxel {
namespace {

struct Layout {
    const char *what;
    int bits;
    int infoSize;
    quint32 compression;
    bool topDown;
    int width;
    quint32 alphaMask;  // written when the header has room for it
    int alphaOf;        // 0: every fourth byte 255, 1: random, 2: 0 (unused byte of BI_RGB)
};

// A bitmap of random pixels in the layout.
QByteArray bitmap(const Layout &l, int height)
{
    const int rowBytes = ((l.width * l.bits + 31) / 32) * 4;
    const bool masksAfterHeader = l.compression == 3 && l.infoSize == 40;
    const int offBits = 14 + l.infoSize + (masksAfterHeader ? 12 : 0);
    QByteArray out(offBits + rowBytes * height, '\0');
    char *d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(out.size()), d + 2);
    qToLittleEndian<quint32>(quint32(offBits), d + 10);
    qToLittleEndian<quint32>(quint32(l.infoSize), d + 14);
    qToLittleEndian<qint32>(l.width, d + 18);
    qToLittleEndian<qint32>(l.topDown ? -height : height, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(quint16(l.bits), d + 28);
    qToLittleEndian<quint32>(l.compression, d + 30);
    qToLittleEndian<quint32>(quint32(rowBytes * height), d + 34);
    if (l.compression == 3 || l.infoSize >= 108) {
        qToLittleEndian<quint32>(0x00FF0000, d + 54);
        qToLittleEndian<quint32>(0x0000FF00, d + 58);
        qToLittleEndian<quint32>(0x000000FF, d + 62);
        if (l.infoSize >= 108) {
            qToLittleEndian<quint32>(l.alphaMask, d + 66);
            qToLittleEndian<quint32>(0x73524742, d + 70);  // sRGB
        }
    }
    std::mt19937 random(unsigned(l.width * 31 + l.bits));
    for (int row = 0; row < height; ++row) {
        auto *p = reinterpret_cast<uchar *>(d + offBits + row * rowBytes);
        for (int x = 0; x < l.width; ++x) {
            for (int c = 0; c < 3; ++c)
                *p++ = uchar(random());
            if (l.bits == 32)
                *p++ = l.alphaOf == 0 ? 255 : l.alphaOf == 1 ? uchar(random() % 3 == 0 ? 0 : random()) : 0;
        }
    }
    return out;
}

// What Qt's reader makes of it, in the loader's two formats.
QImage throughQt(const QByteArray &bytes)
{
    const QImage image = QImage::fromData(bytes, "BMP");
    bool transparent = false;
    if (image.hasAlphaChannel()) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                transparent = transparent || qAlpha(argb.pixel(x, y)) != 255;
    }
    return image.convertToFormat(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

TEST(BmpFileTest, EveryLayoutLoadsAsQtReadsIt)
{
    const Layout layouts[] = {
        {"24-bit, bottom-up, padded rows", 24, 40, 0, false, 5, 0, 0},
        {"24-bit, top-down", 24, 40, 0, true, 6, 0, 0},
        {"24-bit, version 5 header", 24, 124, 0, false, 7, 0, 0},
        {"32-bit, fourth byte unused", 32, 40, 0, false, 5, 0, 2},
        {"32-bit, masks after the header", 32, 40, 3, false, 5, 0, 1},
        {"32-bit, alpha mask, all opaque", 32, 124, 3, false, 6, 0xFF000000, 0},
        {"32-bit, alpha mask, transparent", 32, 124, 3, false, 6, 0xFF000000, 1},
        {"32-bit, alpha mask, top-down", 32, 108, 3, true, 3, 0xFF000000, 1},
        {"32-bit, no alpha mask", 32, 124, 3, false, 4, 0, 1},
        {"32-bit, version 5 header without masks (Qt reads it)", 32, 124, 0, false, 4, 0, 1},
    };
    for (const Layout &l : layouts) {
        SCOPED_TRACE(l.what);
        const QByteArray bytes = bitmap(l, 9);
        const QImage expected = throughQt(bytes);
        ASSERT_FALSE(expected.isNull());
        const QImage loaded = decodePicture(bytes, QStringLiteral("layout"));
        ASSERT_EQ(loaded.size(), expected.size());
        EXPECT_EQ(loaded.format(), expected.format());
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                ASSERT_EQ(loaded.pixel(x, y), expected.pixel(x, y)) << "pixel " << x << ", " << y;
    }
}

}  // namespace
}  // namespace pinxel
