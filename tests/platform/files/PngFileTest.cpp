// The PNG reader against Qt's for every colour type, bit depth, transparency
// and interlacing, and for the PNGs of the fuzz corpus: the same pixels and
// the same format. Damage and cuts anywhere refuse the file.

#include "platform/files/PngFile.h"

#include "pinxel/Error.h"
#include "platform/files/PictureFiles.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdint>

namespace pinxel {
namespace {

struct Layout {
    int colorType;
    int depth;
    bool interlaced;
    bool trns;
};

int channels(int colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

// A width x height PNG of random samples, filter 0 on every row, in the
// layout given; a palette of random colours with a few transparent entries,
// or a tRNS key equal to the first pixel.
QByteArray randomPng(const Layout &l, int width, int height, std::uint32_t seed, QImage *keyed16 = nullptr)
{
    std::uint32_t state = seed;
    const auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    const int maxSample = (1 << l.depth) - 1;
    std::vector<std::vector<int>> samples(std::size_t(height * width));
    for (auto &pixel : samples)
        for (int c = 0; c < channels(l.colorType); ++c)
            pixel.push_back(int(next() >> 8) % (maxSample + 1));
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = char(l.depth);
    header[9] = char(l.colorType);
    header[12] = char(l.interlaced ? 1 : 0);
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + test::pngChunk("IHDR", header);
    if (l.colorType == 3) {
        QByteArray palette, alpha;
        for (int i = 0; i <= maxSample; ++i) {
            for (int c = 0; c < 3; ++c)
                palette.append(char(next() >> 24));
            alpha.append(char(i % 3 == 0 ? next() >> 24 : 255));
        }
        png += test::pngChunk("PLTE", palette);
        if (l.trns)
            png += test::pngChunk("tRNS", alpha);
    } else if (l.trns) {
        QByteArray key;
        for (int c = 0; c < channels(l.colorType); ++c)
            key.append(char(samples[0][std::size_t(c)] >> 8)).append(char(samples[0][std::size_t(c)] & 0xFF));
        png += test::pngChunk("tRNS", key);
    }
    // Rows of the passes (one pass when not interlaced), each from a filter byte.
    static const int adam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                    {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    static const int whole[1][4] = {{0, 0, 1, 1}};
    const auto passes = l.interlaced ? adam7 : whole;
    QByteArray raw;
    for (int p = 0; p < (l.interlaced ? 7 : 1); ++p) {
        const int x0 = passes[p][0], y0 = passes[p][1], dx = passes[p][2], dy = passes[p][3];
        if (x0 >= width)
            continue;
        for (int y = y0; y < height; y += dy) {
            raw.append('\0');
            std::uint32_t acc = 0;
            int have = 0;
            for (int x = x0; x < width; x += dx)
                for (int s : samples[std::size_t(y * width + x)]) {
                    if (l.depth == 16) {
                        raw.append(char(s >> 8)).append(char(s & 0xFF));
                        continue;
                    }
                    acc = (acc << l.depth) | std::uint32_t(s);
                    if ((have += l.depth) == 8) {
                        raw.append(char(acc));
                        acc = 0;
                        have = 0;
                    }
                }
            if (have > 0)
                raw.append(char(acc << (8 - have)));
        }
    }
    if (keyed16) {  // 16-bit truecolour with a key: the nearest 8-bit colours, the key transparent
        *keyed16 = QImage(width, height, QImage::Format_ARGB32);
        const auto near = [](int v) { return (v + 128 - ((v + 128) >> 8)) >> 8; };
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::vector<int> &p = samples[std::size_t(y * width + x)];
                keyed16->setPixel(x, y, qRgba(near(p[0]), near(p[1]), near(p[2]), p == samples[0] ? 0 : 255));
            }
    }
    png += test::pngChunk("IDAT", qCompress(raw).mid(4));  // qCompress puts the size before the zlib stream
    return png + test::pngChunk("IEND", QByteArray());
}

// What the loader gave before it had a PNG reader of its own.
QImage readThroughQt(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QImage image = reader.read();
    if (image.isNull())
        return image;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 255)
                return argb;
    return image.convertToFormat(QImage::Format_RGB32);
}

void expectSame(const QByteArray &bytes, const std::string &what, QImage expected)
{
    ASSERT_FALSE(expected.isNull()) << what;
    const QImage got = readPng(bytes, QStringLiteral("p.png"));
    EXPECT_EQ(got.format(), expected.format()) << what;
    EXPECT_TRUE(test::sameImage(expected, got)) << what;
}

void expectSameAsQt(const QByteArray &bytes, const std::string &what) { expectSame(bytes, what, readThroughQt(bytes)); }

TEST(PngFileTest, EveryLayoutReadsAsQtReadsIt)
{
    const struct {
        int colorType;
        std::vector<int> depths;
        bool canKey;
    } types[] = {{0, {1, 2, 4, 8, 16}, true},
                 {2, {8, 16}, true},
                 {3, {1, 2, 4, 8}, true},
                 {4, {8, 16}, false},
                 {6, {8, 16}, false}};
    std::uint32_t seed = 1;
    for (const auto &type : types)
        for (int depth : type.depths)
            for (bool interlaced : {false, true})
                for (bool trns : {false, true}) {
                    if (trns && !type.canKey)
                        continue;
                    const Layout layout{type.colorType, depth, interlaced, trns};
                    const std::string what = "type " + std::to_string(type.colorType) + " depth "
                                             + std::to_string(depth) + (interlaced ? " interlaced" : "")
                                             + (trns ? " tRNS" : "");
                    // Qt's reader shifts the samples of 16-bit truecolour with a key by one
                    // each pixel: there the expected colours come from the samples.
                    QImage keyed16;
                    const bool qtMisreads = type.colorType == 2 && depth == 16 && trns;
                    // 13 x 11 leaves partial bytes and every Adam7 pass short.
                    const QByteArray png = randomPng(layout, 13, 11, ++seed, qtMisreads ? &keyed16 : nullptr);
                    qtMisreads ? expectSame(png, what, keyed16) : expectSameAsQt(png, what);
                }
    expectSameAsQt(randomPng({6, 8, false, false}, 700, 3, 99), "a row wider than a strip");
    const QDir corpus(QStringLiteral(PINXEL_SOURCE_DIR "/fuzz/corpus/PictureLoader"));
    for (const QString &name : corpus.entryList({QStringLiteral("*.png")})) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        expectSameAsQt(file.readAll(), name.toStdString());
    }
}

TEST(PngFileTest, DamageOrACutAnywhereRefusesTheFile)
{
    const QByteArray good = randomPng({2, 8, false, false}, 40, 30, 7);
    ASSERT_FALSE(readPng(good, QString()).isNull());
    const qsizetype data = good.indexOf("IDAT") + 4;
    QByteArray badCrc = good, badData = good;
    badCrc[data - 6] = char(badCrc[data - 6] ^ 1);  // IHDR's last byte: its checksum fails
    badData[data + 20] = char(badData[data + 20] ^ 0x55);
    // A picture over a megabyte has its data's checksums checked beside the decoding.
    const QByteArray large = randomPng({6, 8, false, false}, 700, 500, 8);
    ASSERT_GT(large.size(), 1 << 20);
    QByteArray badLargeData = large;
    badLargeData[large.size() - 5000] = char(badLargeData[large.size() - 5000] ^ 0x10);
    std::vector<std::pair<std::string, QByteArray>> cases = {
        {"header checksum", badCrc}, {"image data", badData}, {"a large picture's data", badLargeData}};
    for (qsizetype cut = 40; cut < good.size(); cut += 97)
        cases.emplace_back("cut at " + std::to_string(cut), good.left(cut));
    cases.emplace_back("no end marker", good.left(good.size() - 12));
    for (const auto &[what, bytes] : cases)
        EXPECT_EQ(test::errorOf([&] { decodePicture(bytes, QStringLiteral("p.png")); }), ErrInvalidPicture) << what;
    // A damaged text chunk is dropped, as Qt drops it, in a large picture too.
    QByteArray text = test::pngChunk("tEXt", QByteArray("Comment\0hello", 13));
    text[text.size() - 1] = char(text[text.size() - 1] ^ 1);
    expectSameAsQt(large.left(33) + text + large.mid(33), "a damaged text chunk");
}

}  // namespace
}  // namespace pinxel
