// `pinxel filter` run as a program: its pictures equal the engine's own run
// in this process, and a wrong command line or a file it cannot read or
// write gives its exit code and message and leaves the output as it was.

#include "imaging/mdlFilter.h"
#include "support/TestSupport.h"

#include "pinxel/PictureSurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace pinxel;
using pinxel::test::randomImage;
using pinxel::test::sameImage;

namespace {

class FilterCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_program = QStringLiteral(PINXEL_BINARY_DIR "/bin/pinxel");
        if (!QFileInfo(m_program).isExecutable())
            GTEST_SKIP() << "the pinxel tool is not built";
        ASSERT_TRUE(m_dir.isValid());
        m_input = m_dir.filePath(QStringLiteral("in.png"));
        m_picture = randomImage(150, 90, 21);
        ASSERT_TRUE(m_picture.save(m_input));
    }

    struct Result {
        int exitCode = -1;
        QString errors;
        QString output;
    };
    Result run(const QStringList &arguments)
    {
        QProcess process;
        process.start(m_program, QStringList{QStringLiteral("filter")} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
                QString::fromLocal8Bit(process.readAllStandardOutput())};
    }

    // The engine's result in this process.
    QImage expected(int filter, int left = -1, int top = -1, int right = -1, int bottom = -1)
    {
        PictureSurface surface;
        test::holdPicture(surface, m_picture);
        RandomSource random;  // the shared source's start
        FilterPicture(filter, surface, left, top, right, bottom, random);
        return surface.Image().copy();
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    QString m_program;
    QTemporaryDir m_dir;
    QString m_input;
    QImage m_picture;
};

TEST_F(FilterCommandTest, WritesWhatTheEngineMakesAsPngOrBmp)
{
    const Result byName = run({QStringLiteral("diffuse"), m_input, path("diffuse.png")});
    ASSERT_EQ(byName.exitCode, 0) << byName.errors.toStdString();
    EXPECT_TRUE(sameImage(expected(FilterDiffuse), QImage(path("diffuse.png"))));

    const Result byNumber = run({QStringLiteral("6"), m_input, path("emboss.bmp"), QStringLiteral("--region"),
                                 QStringLiteral("-5"), QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("200")});
    ASSERT_EQ(byNumber.exitCode, 0) << byNumber.errors.toStdString();
    QFile bmp(path("emboss.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.read(2), QByteArray("BM"));
    EXPECT_TRUE(sameImage(expected(FilterEmboss, -5, 10, 60, 200), QImage(path("emboss.bmp"))));
}

TEST_F(FilterCommandTest, ReplaceColorsTakesItsColours)
{
    const QRgb present = m_picture.pixel(10, 10);
    const QString from = QStringLiteral("%1,%2,%3").arg(qRed(present)).arg(qGreen(present)).arg(qBlue(present));
    const Result result = run({QStringLiteral("replace-colors"), m_input, path("replaced.png"), QStringLiteral("--from"),
                               from, QStringLiteral("--to"), QStringLiteral("0,255,0")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    const QImage written(path("replaced.png"));
    EXPECT_EQ(written.pixel(10, 10) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pinxel::test::countDifferences(m_picture, written), 1);
}

TEST_F(FilterCommandTest, HelpListsEveryFilter)
{
    const Result result = run({QStringLiteral("--help")});
    EXPECT_EQ(result.exitCode, 0);
    for (const char *name : {"black-white", "blur", "brightness", "crease", "darkness", "diffuse", "emboss",
                             "gray-black-white", "grayscale", "replace-colors", "sharpen", "snow", "wave"})
        EXPECT_TRUE(result.output.contains(QLatin1String(name))) << name;
}

TEST_F(FilterCommandTest, FailuresSayWhyAndLeaveTheOutputAsItWas)
{
    const QString output = path("kept.png");
    QFile kept(output);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old contents");
    kept.close();
    const auto unchanged = [&] {
        QFile file(output);
        return file.open(QIODevice::ReadOnly) && file.readAll() == "old contents";
    };

    Result result = run({QStringLiteral("sepia"), m_input, output});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.contains(QLatin1String("unknown filter 'sepia'"))) << result.errors.toStdString();
    EXPECT_TRUE(unchanged());

    result = run({QStringLiteral("blur"), path("missing.bmp"), output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains(QLatin1String("cannot read"))) << result.errors.toStdString();
    EXPECT_TRUE(unchanged());

    QFile corrupt(path("corrupt.bmp"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("BM not really a bitmap");
    corrupt.close();
    result = run({QStringLiteral("blur"), path("corrupt.bmp"), output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(unchanged());

    for (const char *name : {"no-such-folder/out.png", "no-such-folder/out.bmp"}) {
        result = run({QStringLiteral("blur"), m_input, path(name)});
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_TRUE(result.errors.contains(QLatin1String("cannot write"))) << result.errors.toStdString();
    }

    result = run({QStringLiteral("blur"), m_input, output, QStringLiteral("--from"), QStringLiteral("1,2,3")});
    EXPECT_EQ(result.exitCode, 2);
    result = run({QStringLiteral("blur"), m_input, output, QStringLiteral("--region"), QStringLiteral("1"),
                  QStringLiteral("2")});
    EXPECT_EQ(result.exitCode, 2);
    result = run({QStringLiteral("blur"), m_input});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(unchanged());

    // A read-only output is refused in either format, and a pipe is not
    // replaced by a file.
    ASSERT_TRUE(QFile::setPermissions(output, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    result = run({QStringLiteral("blur"), m_input, output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains(QLatin1String("read-only"))) << result.errors.toStdString();
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(QFileInfo(output).permissions() & QFileDevice::WriteOwner, 0);
    const QString pipe = path("pipe.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    result = run({QStringLiteral("blur"), m_input, pipe});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains(QLatin1String("not a regular file"))) << result.errors.toStdString();
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 3);  // in.png, kept.png, corrupt.bmp
}

}  // namespace
