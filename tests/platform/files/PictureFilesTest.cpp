// Picture files: the BMP writer's exact bytes and pixels, the loader's
// formats, and bad input (corrupt, truncated, oversized, unwritable) that
// must end in a clear error and lose nothing.

#include "platform/files/PictureFiles.h"
#include "pinxel/Error.h"
#include "pinxel/ScriptedHostServices.h"
#include "platform/files/CursorFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>

namespace pinxel {
namespace {

using test::randomImage;
using test::sameImage;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs f and returns the number of the pinxel::Error it raised, 0 when none.
using test::errorOf;
void setMode(const QString &path, mode_t mode) { ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0); }

// A GIF of a 4-colour picture (pixel = (x / 8 + y / 8) % 4 of red, green,
// blue, black), coded with 3-bit codes and a clear code after every two
// pixels so that the code width never grows.
QByteArray checkerGif(int width, int height)
{
    QByteArray out("GIF89a");
    const auto put16 = [&out](int v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    put16(width);
    put16(height);
    out.append(char(0x81)).append('\0').append('\0');
    out.append(QByteArray("\xFF\0\0\0\xFF\0\0\0\xFF\0\0\0", 12));
    out.append(',');
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    out.append('\0').append(char(2));
    std::vector<int> codes{4};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            codes.push_back((x / 8 + y / 8) % 4);
            if (x % 2)
                codes.push_back(4);
        }
    codes.push_back(5);
    QByteArray data;
    unsigned acc = 0;
    int bits = 0;
    for (int code : codes) {
        acc |= unsigned(code) << bits;
        bits += 3;
        for (; bits >= 8; bits -= 8, acc >>= 8)
            data.append(char(acc & 0xFF));
    }
    if (bits)
        data.append(char(acc & 0xFF));
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    return out.append('\0').append(';');
}

class PictureFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedHostServices host;
    QString path(const QString &name) const { return dir.filePath(name); }
};

TEST_F(PictureFilesTest, BmpRoundTripKeepsEveryPixelForOddAndEvenWidths)
{
    // 2001 x 1100 is written while the next chunk is converted on another
    // core, and read back in bands.
    for (int width : {1, 2, 3, 5, 7, 8, 33, 2001}) {
        const QImage picture = randomImage(width, width > 1000 ? 1100 : 9, std::uint32_t(width));
        const QString file = path(QStringLiteral("round%1.bmp").arg(width));
        host.SavePicture(picture, file);
        const QImage loaded = host.LoadPicture(file);
        EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
        EXPECT_TRUE(sameImage(picture, loaded)) << "width " << width;
    }
}

TEST_F(PictureFilesTest, BmpWriterWritesTheDocumentedHeadersAndPaddedBottomUpRows)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(1, 2, 3));     // top row
    picture.setPixel(0, 1, qRgb(10, 20, 30));  // bottom row, written first
    picture.setPixel(2, 1, qRgb(40, 50, 60));
    const QByteArray bytes = encodeBmp24(picture);
    const char *d = bytes.constData();
    const int rowBytes = 12;  // 9 bytes of pixels padded to 12
    ASSERT_EQ(bytes.size(), 54 + rowBytes * 2);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 2), quint32(bytes.size()));
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<qint32>(d + 18), 3);
    EXPECT_EQ(qFromLittleEndian<qint32>(d + 22), 2);  // positive: bottom-up
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 26), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 30), 0u);           // BI_RGB
    EXPECT_EQ(bytes.mid(54, 3), QByteArray("\x1e\x14\x0a", 3));  // blue, green, red of the bottom row
    EXPECT_EQ(bytes.mid(54 + 6, 3), QByteArray("\x3c\x32\x28", 3));
    EXPECT_EQ(bytes.mid(54 + 9, 3), QByteArray(3, '\0'));  // padding
    EXPECT_EQ(bytes.mid(54 + rowBytes, 3), QByteArray("\x03\x02\x01", 3));
}

TEST_F(PictureFilesTest, LoadsThePictureFormatsOfTheOpenDialog)
{
    const QImage picture = randomImage(20, 10, 7);
    ASSERT_TRUE(picture.save(path("p.png"), "PNG"));
    ASSERT_TRUE(picture.save(path("p.jpg"), "JPEG", 100));
    ASSERT_TRUE(picture.convertToFormat(QImage::Format_Indexed8).save(path("p8.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(path("p.ico"), "ICO"));

    const QImage png = host.LoadPicture(path("p.png"));
    EXPECT_EQ(png.format(), QImage::Format_RGB32);
    EXPECT_TRUE(sameImage(picture, png));
    const QImage jpeg = host.LoadPicture(path("p.jpg"));
    EXPECT_EQ(jpeg.size(), picture.size());
    EXPECT_EQ(jpeg.format(), QImage::Format_RGB32);
    EXPECT_TRUE(sameImage(QImage(path("p.jpg")), jpeg));  // the pixels Qt's reader gives
    ASSERT_TRUE(picture.convertToFormat(QImage::Format_Grayscale8).save(path("g.jpg"), "JPEG"));
    EXPECT_TRUE(sameImage(QImage(path("g.jpg")), host.LoadPicture(path("g.jpg"))));
    EXPECT_TRUE(sameImage(picture.convertToFormat(QImage::Format_Indexed8).convertToFormat(QImage::Format_RGB32),
                          host.LoadPicture(path("p8.bmp"))));
    EXPECT_TRUE(sameImage(picture, host.LoadPicture(path("p.ico"))));

    // A one-pixel GIF, opaque and then with its only colour transparent.
    writeAll(path("o.gif"), QByteArray::fromBase64("R0lGODdhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs="));
    const QImage gif = host.LoadPicture(path("o.gif"));
    ASSERT_EQ(gif.size(), QSize(1, 1));
    EXPECT_EQ(gif.format(), QImage::Format_RGB32);
    writeAll(path("t.gif"), QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7"));
    const QImage clear = host.LoadPicture(path("t.gif"));
    EXPECT_EQ(clear.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);

    writeAll(path("checker.gif"), checkerGif(40, 24));
    const QImage checker = host.LoadPicture(path("checker.gif"));
    ASSERT_EQ(checker.size(), QSize(40, 24));
    EXPECT_EQ(checker.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(checker.pixel(39, 23), qRgb(0, 0, 255));  // (4 + 2) % 4 = 2
    EXPECT_EQ(checker.pixel(31, 8), qRgb(255, 0, 0));   // (3 + 1) % 4 = 0
}

TEST_F(PictureFilesTest, CursorsAndIconsKeepTheirTransparency)
{
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        arrow.setPixel(i, i, qRgb(200, 10, 10));
    writeCursorFile(path("arrow.cur"), arrow, QPoint(0, 0));
    const QImage loaded = host.LoadPicture(path("arrow.cur"));
    ASSERT_EQ(loaded.format(), QImage::Format_ARGB32);
    EXPECT_EQ(loaded.pixel(5, 5), qRgb(200, 10, 10));
    EXPECT_EQ(qAlpha(loaded.pixel(6, 5)), 0);
}

TEST_F(PictureFilesTest, EmptyPathGivesAnEmptyPictureAndMissingOrSpecialFilesAreRefused)
{
    EXPECT_TRUE(host.LoadPicture(QString()).isNull());
    EXPECT_EQ(errorOf([&] { host.LoadPicture(path("missing.bmp")); }), ErrFileNotFound);
    EXPECT_EQ(errorOf([&] { host.LoadPicture(dir.path()); }), ErrFileNotFound);
    // A pipe would block the read until someone writes to it.
    const QString pipe = path("pipe.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    EXPECT_EQ(errorOf([&] { host.LoadPicture(pipe); }), ErrFileNotFound);
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(2, 2, 1), pipe); }), ErrPermissionDenied);
    EXPECT_EQ(errorOf([&] { saveImageFile(randomImage(2, 2, 1), pipe, "png"); }), ErrPermissionDenied);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

TEST_F(PictureFilesTest, BadPictureFilesRaise481WithAReason)
{
    const QImage picture = randomImage(64, 64, 3);
    host.SavePicture(picture, path("good.bmp"));
    const QByteArray good = readAll(path("good.bmp"));

    struct Case {
        const char *name;
        QByteArray bytes;
    };
    QByteArray badOffset = good;
    qToLittleEndian<quint32>(quint32(good.size() + 10), badOffset.data() + 10);
    QByteArray badDepth = good;
    qToLittleEndian<quint16>(7, badDepth.data() + 28);
    QByteArray badHeader = good;
    qToLittleEndian<quint32>(99, badHeader.data() + 14);
    ASSERT_TRUE(picture.save(path("good.jpg"), "JPEG"));
    const QByteArray jpeg = readAll(path("good.jpg"));
    const QByteArray gif = checkerGif(64, 64);
    const std::vector<Case> cases = {
        {"half.bmp", good.left(good.size() / 2)},
        {"half.jpg", jpeg.left(jpeg.size() / 2)},
        {"no-end.jpg", jpeg.left(jpeg.size() - 2)},
        {"half.gif", gif.left(gif.size() / 2)},
        {"no-image.gif", gif.left(13 + 12)},
        {"one-byte-short.bmp", good.left(good.size() - 1)},
        {"headers-only.bmp", good.left(30)},
        {"text.bmp", QByteArray("This is a text file, not a picture.\n")},
        {"empty.bmp", QByteArray()},
        {"offset.bmp", badOffset},
        {"depth.bmp", badDepth},
        {"header.bmp", badHeader},
        {"garbage.png", QByteArray("\x89PNG\r\n\x1a\n garbage garbage garbage", 32)},
        {"cut.cur", encodeCursor(randomImage(32, 32, 1), QPoint(1, 1)).left(200)},
    };
    for (const Case &c : cases) {
        writeAll(path(c.name), c.bytes);
        QString description;
        EXPECT_EQ(errorOf([&] { host.LoadPicture(path(c.name)); }, &description), ErrInvalidPicture) << c.name;
        EXPECT_TRUE(description.startsWith(QLatin1String("Invalid picture"))) << description.toStdString();
        EXPECT_TRUE(description.contains(QLatin1String(c.name))) << description.toStdString();
    }
}

// A bitmap header claiming width x height pixels of 24 bits over a few bytes.
QByteArray hugeBmpHeader(qint32 width, qint32 height)
{
    QByteArray bytes(54 + 16, '\0');
    char *d = bytes.data();
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), d + 2);
    qToLittleEndian<quint32>(54, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(width, d + 18);
    qToLittleEndian<qint32>(height, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    return bytes;
}

// A PNG whose valid header claims width x height pixels, with no image data.
QByteArray hugePngHeader(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8;  // bit depth
    header[9] = 2;  // truecolour
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + test::pngChunk("IHDR", header)
           + test::pngChunk("IDAT", QByteArray("\x78\x9c", 2)) + test::pngChunk("IEND", QByteArray());
}

TEST_F(PictureFilesTest, HeadersClaimingGiantPicturesRaise481WithoutAllocating)
{
    writeAll(path("huge.bmp"), hugeBmpHeader(100000, 100000));
    writeAll(path("huge-topdown.bmp"), hugeBmpHeader(100000, -100000));
    writeAll(path("too-many-pixels.bmp"), hugeBmpHeader(30000, 30000));
    writeAll(path("huge.png"), hugePngHeader(100000, 100000));
    writeAll(path("too-many-pixels.png"), hugePngHeader(30000, 30000));
    for (const char *name :
         {"huge.bmp", "huge-topdown.bmp", "too-many-pixels.bmp", "huge.png", "too-many-pixels.png"}) {
        QString description;
        EXPECT_EQ(errorOf([&] { host.LoadPicture(path(name)); }, &description), ErrInvalidPicture) << name;
        EXPECT_TRUE(description.contains(QLatin1String("larger than"))) << description.toStdString();
    }
}

// Only the six formats are read, decided by their bytes; a decoder's warning
// refuses the file; a small file cannot claim a huge picture.
TEST_F(PictureFilesTest, OtherFormatsDamageAndSmallFilesClaimingHugePicturesRaise481)
{
    ASSERT_TRUE(randomImage(64, 48, 9).save(path("good.jpg"), "JPEG"));
    const QByteArray jpeg = readAll(path("good.jpg"));
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    QByteArray claimingJpeg = jpeg.left(scan + 40) + "\xFF\xD9";  // a cut scan, then the end marker
    const qsizetype sof = claimingJpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    qToBigEndian<quint16>(10000, claimingJpeg.data() + sof + 5);
    qToBigEndian<quint16>(10000, claimingJpeg.data() + sof + 7);

    QByteArray gif("GIF89a", 6);  // a 10000 x 10000 screen and frame over eight bytes of codes
    gif += QByteArray("\x10\x27\x10\x27\x00\x00\x00", 7) + QByteArray("\x2C\0\0\0\0\x10\x27\x10\x27\x00\x02\x08", 12)
           + QByteArray(8, '\x55') + QByteArray("\x00\x3B", 2);
    QByteArray rle = hugeBmpHeader(10000, 10000).left(54) + QByteArray(8, '\0') + QByteArray(1000, '\x01');
    qToLittleEndian<quint16>(8, rle.data() + 28);       // 8 bits a pixel
    qToLittleEndian<quint32>(1, rle.data() + 30);       // RLE8
    qToLittleEndian<quint32>(1000, rle.data() + 34);    // its data size
    qToLittleEndian<quint32>(2, rle.data() + 46);       // two colours
    qToLittleEndian<quint32>(54 + 8, rle.data() + 10);  // the data's offset
    qToLittleEndian<quint32>(quint32(rle.size()), rle.data() + 2);

    const struct {
        const char *name;
        QByteArray bytes;
        const char *why;
    } cases[] = {
        {"header.h", "#define x_width 8\n#define x_height 8\nstatic char x_bits[] = {0,0,0,0,0,0,0,0};\n",
         "known format"},
        {"big.xbm", "#define b_width 8000\n#define b_height 8000\nstatic unsigned char b_bits[] = {\n0x00 };\n",
         "known format"},
        {"p.xpm", "/* XPM */\nstatic char *p[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n", "known format"},
        {"p.pbm", "P1\n2 2\n0 1\n1 0\n", "known format"},
        {"p.ppm", QByteArray("P6\n1 1\n255\n\xFF\0\0", 14), "known format"},
        {"cut-scan.jpg", jpeg.left(jpeg.size() / 2) + "\xFF\xD9", "damaged"},
        {"claiming.jpg", claimingJpeg, "cannot fill"},
        {"claiming.gif", gif, "cannot fill"},
        {"claiming-rle.bmp", rle, "cannot fill"},
        {"claiming.png", hugePngHeader(10000, 10000), "cannot fill"},
    };
    for (const auto &c : cases) {
        writeAll(path(c.name), c.bytes);
        QString description;
        EXPECT_EQ(errorOf([&] { host.LoadPicture(path(c.name)); }, &description), ErrInvalidPicture) << c.name;
        EXPECT_TRUE(description.contains(QLatin1String(c.why))) << c.name << ": " << description.toStdString();
    }
}

TEST_F(PictureFilesTest, DamagedBytesGiveAPictureOr481AndNeverAnythingElse)
{
    const QImage picture = randomImage(24, 16, 5);
    ASSERT_TRUE(picture.save(path("s.jpg"), "JPEG"));
    ASSERT_TRUE(picture.save(path("s.png"), "PNG"));
    const std::vector<QByteArray> originals = {encodeBmp24(picture), readAll(path("s.jpg")), readAll(path("s.png")),
                                               checkerGif(24, 16), encodeCursor(picture, QPoint(2, 2))};
    // The decoders complain about every bad byte; the outcome is what counts here.
    struct Quiet {
        QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        ~Quiet() { qInstallMessageHandler(previous); }
    } quiet;
    std::uint32_t state = 1;
    const auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    int pictures = 0, invalid = 0;
    for (const QByteArray &original : originals)
        for (int round = 0; round < 150; ++round) {
            QByteArray damaged = original;
            // Headers are where a size or an offset goes wrong: aim half the hits there.
            for (int hit = 0; hit < 4; ++hit) {
                const qsizetype span = next() % 2 ? qMin<qsizetype>(64, damaged.size()) : damaged.size();
                damaged[next() % span] = char(next() >> 24);
            }
            if (round % 5 == 0)
                damaged.truncate(next() % damaged.size());
            try {
                const QImage loaded = decodePicture(damaged, QStringLiteral("damaged"));
                ASSERT_FALSE(loaded.isNull());
                ASSERT_LE(qint64(loaded.width()) * loaded.height(), MaxPicturePixels);
                ++pictures;
            } catch (const Error &error) {
                ASSERT_EQ(error.number(), ErrInvalidPicture) << error.description().toStdString();
                ++invalid;
            }
        }
    EXPECT_GT(invalid, 0);
    EXPECT_GT(pictures, 0);
}

TEST_F(PictureFilesTest, SavingOntoAReadOnlyFileRaises70AndKeepsTheOldBytes)
{
    const QString file = path("old.bmp");
    host.SavePicture(randomImage(5, 5, 1), file);
    const QByteArray before = readAll(file);
    setMode(file, 0444);
    // The machine runs as root, whom the system itself would let write: the
    // read-only attribute must still hold.
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(6, 6, 2), file); }), ErrPermissionDenied);
    EXPECT_EQ(readAll(file), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.bmp")});
}

TEST_F(PictureFilesTest, SavingIntoAReadOnlyFolderRaises70AndKeepsTheOldBytes)
{
    const QString folder = path("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral("/old.bmp");
    host.SavePicture(randomImage(5, 5, 1), file);
    const QByteArray before = readAll(file);
    setMode(folder, 0555);
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(6, 6, 2), file); }), ErrPermissionDenied);
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(6, 6, 2), folder + QStringLiteral("/new.bmp")); }),
              ErrPermissionDenied);
    setMode(folder, 0755);
    EXPECT_EQ(readAll(file), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("old.bmp")});
}

TEST_F(PictureFilesTest, SavingIntoAMissingFolderRaises76AndOtherBadTargetsAreRefused)
{
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(2, 2, 1), path("no/such/folder/x.bmp")); }), ErrPathNotFound);
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(2, 2, 1), QString()); }), ErrPathNotFound);
    EXPECT_EQ(errorOf([&] { host.SavePicture(randomImage(2, 2, 1), dir.path()); }), ErrPermissionDenied);
    EXPECT_EQ(errorOf([&] { host.SavePicture(QImage(), path("empty.bmp")); }), ErrInvalidPicture);
    EXPECT_FALSE(QFile::exists(path("empty.bmp")));
}

TEST_F(PictureFilesTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const QString file = path("keep.bmp");
    writeAll(file, QByteArray("old contents"));
    EXPECT_EQ(errorOf([&] {
                  saveFileAtomically(file, [](QIODevice &device) {
                      device.write("half of the new contents");
                      return false;
                  });
              }),
              ErrDeviceIO);
    EXPECT_EQ(readAll(file), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.bmp")});
}

TEST_F(PictureFilesTest, ReplacingAFileKeepsItsPermissions)
{
    const QString file = path("shared.bmp");
    host.SavePicture(randomImage(3, 3, 1), file);
    setMode(file, 0640);
    host.SavePicture(randomImage(4, 4, 2), file);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(host.LoadPicture(file).size(), QSize(4, 4));
}

}  // namespace
}  // namespace pinxel
