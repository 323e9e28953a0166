// Reloads of an unchanged picture file share the picture decoded before;
// any change to the file, a picture nobody holds any more and a file
// changed a moment ago decode it again.

#include "platform/files/DecodedPictures.h"

#include "platform/files/PictureFiles.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <functional>
#include <thread>

namespace pinxel {
namespace {

TEST(DecodedPicturesTest, OnlyAnUnchangedFileStillHeldReusesItsDecodedPicture)
{
    QTemporaryDir dir;
    const auto path = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    const QImage first = test::randomImage(30, 20, 1), second = test::randomImage(30, 20, 2);
    const QByteArray secondBytes = encodeBmp24(second);
    const auto write = [](const QString &file, const QByteArray &bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    };
    const struct {
        const char *name;
        std::function<void(const QString &)> change;  // done after the first read
        bool reused;
        bool secondPicture;
    } cases[] = {
        {"unchanged.bmp", [](const QString &) {}, true, false},
        {"rewritten.bmp", [&](const QString &f) { write(f, secondBytes); }, false, true},
        {"replaced.bmp",
         [&](const QString &f) {
             // The same size and the same modification time, onto a new file.
             struct stat old {};
             ASSERT_EQ(::stat(QFile::encodeName(f).constData(), &old), 0);
             write(f + QStringLiteral(".new"), secondBytes);
             const timespec times[2] = {old.st_atim, old.st_mtim};
             ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(f + QStringLiteral(".new")).constData(), times, 0), 0);
             ASSERT_EQ(
                 ::rename(QFile::encodeName(f + QStringLiteral(".new")).constData(), QFile::encodeName(f).constData()),
                 0);
         },
         false, true},
        {"touched.bmp",
         [](const QString &f) { ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(f).constData(), nullptr, 0), 0); },
         false, false},
    };
    for (const auto &c : cases)
        write(path(c.name), encodeBmp24(first));
    // Changes stamped within the last second are not trusted to show.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    DecodedPictures::clear();
    for (const auto &c : cases) {
        const QImage read = loadPictureFile(path(c.name));
        c.change(path(c.name));
        const QImage reread = loadPictureFile(path(c.name));
        EXPECT_EQ(reread.cacheKey() == read.cacheKey(), c.reused) << c.name;
        EXPECT_TRUE(test::sameImage(c.secondPicture ? second : first, reread)) << c.name;
    }
    // A picture nobody holds is not kept, and a file written a moment ago is decoded each time.
    const qint64 dropped = loadPictureFile(path("unchanged.bmp")).cacheKey();
    EXPECT_NE(loadPictureFile(path("unchanged.bmp")).cacheKey(), dropped);
    write(path("fresh.bmp"), encodeBmp24(first));
    const QImage fresh = loadPictureFile(path("fresh.bmp"));
    EXPECT_NE(loadPictureFile(path("fresh.bmp")).cacheKey(), fresh.cacheKey());
}

}  // namespace
}  // namespace pinxel
