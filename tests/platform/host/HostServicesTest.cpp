// The host services' own behaviour: the random source, the current services,
// file queries and attributes, the library's folder and pointer files.

#include "pinxel/Error.h"
#include "pinxel/QtHostServices.h"
#include "pinxel/Screen.h"
#include "pinxel/ScriptedHostServices.h"
#include "platform/files/CursorFile.h"
#include "platform/host/PrintPlacement.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>

namespace pinxel {
namespace {

using test::errorOf;

mode_t modeOf(const QString &path)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 07777;
}

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(RandomSourceTest, FollowsTheClassicSequenceFromTheDefaultSeed)
{
    RandomSource random;
    EXPECT_FLOAT_EQ(random.Rnd(), 0.7055475f);
    EXPECT_FLOAT_EQ(random.Rnd(), 0.5334240f);
    EXPECT_FLOAT_EQ(random.Rnd(), 0.5795186f);
    EXPECT_FLOAT_EQ(random.Rnd(), 0.2895625f);
}

TEST(RandomSourceTest, SeededRunsRepeatAndStayInTheUnitInterval)
{
    RandomSource a(12345), b;
    b.seed(12345);
    float low = 1.0f, high = 0.0f;
    for (int i = 0; i < 100000; ++i) {
        const float value = a.Rnd();
        ASSERT_EQ(value, b.Rnd());
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    EXPECT_LT(low, 0.001f);
    EXPECT_GT(high, 0.999f);
}

TEST(RandomSourceTest, RandomizeLeavesTheSeededSequence)
{
    RandomSource seeded, reseeded;
    reseeded.Randomize();
    int same = 0;
    for (int i = 0; i < 8; ++i)
        same += seeded.Rnd() == reseeded.Rnd();
    EXPECT_LT(same, 8);
}

// A picture prints at its own size from the page's top left, and one larger
// than the printable area is scaled down to fit it, keeping its aspect.
TEST(PrintPlacementTest, SmallPicturesKeepTheirSizeAndLargeOnesFitThePage)
{
    const QSizeF page(1000, 1500);
    const struct {
        QSize picture;
        QPoint at;
        QSizeF units;
        QRectF expected;
    } cases[] = {
        {{200, 100}, {0, 0}, {2, 2}, {0, 0, 400, 200}},      // fits: its own size
        {{500, 750}, {0, 0}, {2, 2}, {0, 0, 1000, 1500}},    // exactly the page
        {{4000, 1000}, {0, 0}, {2, 2}, {0, 0, 1000, 250}},   // too wide: width decides
        {{1000, 6000}, {0, 0}, {2, 2}, {0, 0, 250, 1500}},   // too tall: height decides
        {{3000, 3000}, {0, 0}, {1, 2}, {0, 0, 750, 1500}},   // unequal units keep the printed aspect
        {{1000, 100}, {100, 0}, {1, 1}, {100, 0, 900, 90}},  // from a corner: what is left of the page
    };
    for (const auto &c : cases)
        EXPECT_EQ(printPlacement(c.picture, c.at, c.units, page), c.expected)
            << c.picture.width() << " x " << c.picture.height();
}

TEST(HostServicesCurrentTest, SetServicesWinAndNullReturnsToTheQtOnes)
{
    HostServices &fallback = HostServices::current();
    EXPECT_NE(dynamic_cast<QtHostServices *>(&fallback), nullptr);
    {
        ScriptedHostServices scripted;
        HostServices::setCurrent(&scripted);
        EXPECT_EQ(&HostServices::current(), &scripted);
        HostServices::setCurrent(nullptr);
        EXPECT_EQ(&HostServices::current(), &fallback);
        HostServices::setCurrent(&scripted);
    }
    // Destroyed services never stay current.
    EXPECT_EQ(&HostServices::current(), &fallback);
}

class HostFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedHostServices host;
    QString path(const QString &name) const { return dir.filePath(name); }
};

TEST_F(HostFilesTest, FileExistsIsTrueForFilesOnly)
{
    touch(path("a.bmp"));
    EXPECT_TRUE(host.FileExists(path("a.bmp")));
    EXPECT_FALSE(host.FileExists(path("b.bmp")));
    EXPECT_FALSE(host.FileExists(dir.path()));
    EXPECT_FALSE(host.FileExists(QString()));
}

TEST_F(HostFilesTest, ReadOnlyAttributeRoundTripsThroughTheWriteBits)
{
    const QString file = path(".dotted.bmp");
    touch(file);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0664), 0);
    EXPECT_EQ(host.GetAttr(file), AttrNormal);  // a dot name is not hidden

    host.SetAttr(file, AttrReadOnly);
    EXPECT_EQ(modeOf(file), 0444u);
    EXPECT_EQ(host.GetAttr(file), AttrReadOnly);

    host.SetAttr(file, AttrNormal);
    EXPECT_EQ(modeOf(file), 0644u);
    EXPECT_EQ(host.GetAttr(file), AttrNormal);

    // Hidden asks for nothing here; read-only with it still takes the write bits.
    host.SetAttr(file, AttrReadOnly | AttrHidden);
    EXPECT_EQ(host.GetAttr(file), AttrReadOnly);

    EXPECT_EQ(errorOf([&] { host.GetAttr(path("missing")); }), ErrFileNotFound);
    EXPECT_EQ(errorOf([&] { host.SetAttr(path("missing"), AttrNormal); }), ErrFileNotFound);
}

TEST_F(HostFilesTest, KillDeletesButNotMissingOrReadOnlyFiles)
{
    touch(path("temp.bmp"));
    host.Kill(path("temp.bmp"));
    EXPECT_FALSE(QFile::exists(path("temp.bmp")));
    EXPECT_EQ(errorOf([&] { host.Kill(path("temp.bmp")); }), ErrFileNotFound);

    touch(path("kept.bmp"));
    host.SetAttr(path("kept.bmp"), AttrReadOnly);
    EXPECT_EQ(errorOf([&] { host.Kill(path("kept.bmp")); }), ErrPermissionDenied);
    EXPECT_TRUE(QFile::exists(path("kept.bmp")));
}

TEST(HostAppPathTest, IsTheFolderOfTheLoadedLibrary)
{
    ScriptedHostServices host;
    const QString folder = host.AppPath();
    EXPECT_TRUE(QFileInfo(folder).isAbsolute());
    const QStringList libraries = QDir(folder).entryList({QStringLiteral("libpinxel.so*")});
    EXPECT_FALSE(libraries.isEmpty()) << folder.toStdString();
}

// Every conversion uses one ratio: the services report it, also when a test
// or a script pins it.
TEST(HostScreenTest, ServicesReportTheOneScreenRatio)
{
    ScriptedHostServices host;
    EXPECT_EQ(host.TwipsPerPixelX(), twipsPerPixelX());
    setTwipsPerPixelOverride(12.0);
    EXPECT_EQ(host.TwipsPerPixelX(), 12.0);
    EXPECT_EQ(host.TwipsPerPixelY(), 12.0);
    setTwipsPerPixelOverride(0.0);
}

QImage pointerImage()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 4; y < 20; ++y)
        for (int x = 3; x < 3 + (y - 4); ++x)
            image.setPixel(x, y, y % 3 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    image.setPixel(31, 31, qRgba(10, 20, 30, 128));
    return image;
}

TEST_F(HostFilesTest, CursorFilesRoundTripWithTheirHotSpot)
{
    const QImage image = pointerImage();
    writeCursorFile(path("pencil.cur"), image, QPoint(3, 28));

    const CursorImage read = readCursorFile(path("pencil.cur"));
    EXPECT_EQ(read.hotSpot, QPoint(3, 28));
    ASSERT_EQ(read.image.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb expected = image.pixel(x, y), actual = read.image.pixel(x, y);
            if (qAlpha(expected) == 0)
                ASSERT_EQ(qAlpha(actual), 0) << x << "," << y;
            else
                ASSERT_EQ(actual, expected) << x << "," << y;
        }

    const QCursor cursor = host.LoadCursor(path("pencil.cur"));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(3, 28));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST_F(HostFilesTest, CursorFileHoldsTheDirectoryAndMaskItsReadersExpect)
{
    const QByteArray bytes = encodeCursor(pointerImage(), QPoint(5, 7));
    const char *d = bytes.constData();
    EXPECT_EQ(qFromLittleEndian<quint16>(d), 0);
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 2), 2);  // a cursor
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 4), 1);  // one image
    EXPECT_EQ(uchar(d[6]), 32);
    EXPECT_EQ(uchar(d[7]), 32);
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 10), 5);  // hot spot in planes and bit count
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 12), 7);
    const quint32 size = qFromLittleEndian<quint32>(d + 14), offset = qFromLittleEndian<quint32>(d + 18);
    EXPECT_EQ(offset, 22u);
    EXPECT_EQ(size, 40u + 32 * 32 * 4 + 32 * 4);
    EXPECT_EQ(qsizetype(offset + size), bytes.size());
    EXPECT_EQ(qFromLittleEndian<qint32>(d + 22 + 8), 64);  // colour and mask stacked
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 22 + 14), 32);
    // The mask's top row is the file's last row: the clear (31, 0) is set, (31, 31) is not.
    const char *mask = d + 22 + 40 + 32 * 32 * 4;
    EXPECT_EQ(uchar(mask[31 * 4 + 3]) & 1, 1);
    EXPECT_EQ(uchar(mask[3]) & 1, 0);
}

TEST_F(HostFilesTest, OldStyleMaskedCursorsAndIconsRead)
{
    // A 1-bit cursor: a black square on a clear field, drawn by its AND mask.
    const int side = 32, xorStride = 4, andStride = 4;
    QByteArray bytes(6 + 16 + 40 + 8 + xorStride * side + andStride * side, '\0');
    char *d = bytes.data();
    qToLittleEndian<quint16>(2, d + 2);
    qToLittleEndian<quint16>(1, d + 4);
    d[6] = char(side);
    d[7] = char(side);
    qToLittleEndian<quint16>(9, d + 10);
    qToLittleEndian<quint16>(4, d + 12);
    qToLittleEndian<quint32>(quint32(bytes.size() - 22), d + 14);
    qToLittleEndian<quint32>(22, d + 18);
    char *h = d + 22;
    qToLittleEndian<quint32>(40, h);
    qToLittleEndian<qint32>(side, h + 4);
    qToLittleEndian<qint32>(side * 2, h + 8);
    qToLittleEndian<quint16>(1, h + 12);
    qToLittleEndian<quint16>(1, h + 14);
    h[40 + 4] = h[40 + 5] = h[40 + 6] = char(0xFF);  // palette: black, white
    char *mask = h + 48 + xorStride * side;
    for (int row = 0; row < side; ++row)
        for (int b = 0; b < 4; ++b)
            mask[row * andStride + b] = char(row >= 8 || b > 0 ? 0xFF : 0x00);  // clear except bottom-left 8x8
    const QString file = path("old.cur");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    const CursorImage read = readCursorFile(file);
    EXPECT_EQ(read.hotSpot, QPoint(9, 4));
    EXPECT_EQ(read.image.pixel(0, 31), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(read.image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(read.image.pixel(8, 31)), 0);

    // An icon used as a pointer has its hot spot in the middle.
    bytes[2] = 1;
    QFile out(path("old.ico"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    EXPECT_EQ(readCursorFile(path("old.ico")).hotSpot, QPoint(16, 16));
}

TEST_F(HostFilesTest, BadCursorFilesRaise53Or481AndBadCursorsAreRefused)
{
    EXPECT_EQ(errorOf([&] { host.LoadCursor(path("none.cur")); }), ErrFileNotFound);
    touch(path("text.cur"));
    EXPECT_EQ(errorOf([&] { host.LoadCursor(path("text.cur")); }), ErrInvalidPicture);
    QByteArray pointsOutside = encodeCursor(pointerImage(), QPoint(0, 0));
    qToLittleEndian<quint32>(1000000, pointsOutside.data() + 18);
    QFile out(path("outside.cur"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(pointsOutside);
    out.close();
    EXPECT_EQ(errorOf([&] { host.LoadCursor(path("outside.cur")); }), ErrInvalidPicture);

    EXPECT_EQ(errorOf([] { encodeCursor(QImage(), QPoint()); }), ErrInvalidProcedureCall);
    EXPECT_EQ(errorOf([] { encodeCursor(pointerImage(), QPoint(32, 0)); }), ErrInvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { writeCursorFile(path("no/folder/x.cur"), pointerImage(), QPoint()); }), ErrPathNotFound);
}

}  // namespace
}  // namespace pinxel
