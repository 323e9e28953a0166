// The documented reloads of the control's picture file share the picture
// Image1 shows while the file is unchanged; any change to the file, and a
// file changed a moment ago, are read again.

#include "control/ImageElement.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/ScriptedHostServices.h"
#include "platform/files/PictureFiles.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <thread>

namespace pinxel {
namespace {

void write(const QString &file, const QByteArray &bytes)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(out.write(bytes), bytes.size());
}

TEST(PictureReloadTest, OnlyAnUnchangedFileKeepsThePictureImage1Shows)
{
    ScriptedHostServices host;
    HostServices::setCurrent(&host);
    QTemporaryDir dir;
    const auto path = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    const QImage first = test::randomImage(30, 20, 1), second = test::randomImage(30, 20, 2);
    const QByteArray secondBytes = encodeBmp24(second);
    const auto name = [](const QString &f) { return QFile::encodeName(f); };
    const struct {
        const char *file;
        std::function<void(const QString &)> change;  // between the property's two reads
        bool reused;
        bool secondPicture;
    } cases[] = {
        {"unchanged.bmp", [](const QString &) {}, true, false},
        {"rewritten.bmp", [&](const QString &f) { write(f, secondBytes); }, false, true},
        {"replaced.bmp",
         [&](const QString &f) {
             // The same size and modification time, onto a new file.
             struct stat old {};
             ASSERT_EQ(::stat(name(f).constData(), &old), 0);
             write(f + QStringLiteral(".new"), secondBytes);
             const timespec times[2] = {old.st_atim, old.st_mtim};
             ASSERT_EQ(::utimensat(AT_FDCWD, name(f + QStringLiteral(".new")).constData(), times, 0), 0);
             ASSERT_EQ(::rename(name(f + QStringLiteral(".new")).constData(), name(f).constData()), 0);
         },
         false, true},
        {"touched.bmp", [&](const QString &f) { ASSERT_EQ(::utimensat(AT_FDCWD, name(f).constData(), nullptr, 0), 0); },
         false, false},
    };
    for (const auto &c : cases)
        write(path(c.file), encodeBmp24(first));
    // Files changed within the last second are not trusted to show a change.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    Dabbler control;
    for (const auto &c : cases) {
        control.setPicturefilename(path(c.file));
        const QImage read = control.Image1()->Picture();
        c.change(path(c.file));
        control.picturefilename();  // the getter reads the file again
        const QImage &reread = control.Image1()->Picture();
        EXPECT_EQ(reread.cacheKey() == read.cacheKey(), c.reused) << c.file;
        EXPECT_TRUE(test::sameImage(c.secondPicture ? second : first, reread)) << c.file;
    }
    write(path("fresh.bmp"), encodeBmp24(first));
    control.setPicturefilename(path("fresh.bmp"));
    const qint64 fresh = control.Image1()->Picture().cacheKey();
    control.picturefilename();
    EXPECT_NE(control.Image1()->Picture().cacheKey(), fresh) << "a file written a moment ago";
    HostServices::setCurrent(nullptr);
}

}  // namespace
}  // namespace pinxel
