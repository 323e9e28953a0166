// `pinxel filter` and `pinxel effect` run as programs: their pictures equal
// the engine's and the effects' own runs in this process, and a wrong
// command line, a refused size or a file they cannot read or write gives its
// exit code and message and leaves the output as it was.

#include "imaging/mdlEffect.h"
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

class PictureCommandTest : public ::testing::Test {
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
    Result run(const QStringList &arguments, const QString &command = QStringLiteral("filter"))
    {
        QProcess process;
        process.start(m_program, QStringList{command} + arguments);
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

    // The effect's result in this process, as the editor runs it with no selection.
    QImage expectedEffect(int kind, float amount = 0.0f, bool clockwise = true, bool heightOnly = false)
    {
        PictureSurface surface, scratch;
        test::holdPicture(surface, m_picture);
        ResizeFactorX = heightOnly ? 1.0f : amount;
        ResizeFactorY = amount;
        RotateAngle = amount;
        RotateClockwise = toFlag(clockwise);
        ApplyPictureEffect(kind, surface, scratch);
        return surface.Image().copy();
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    QString m_program;
    QTemporaryDir m_dir;
    QString m_input;
    QImage m_picture;
};

TEST_F(PictureCommandTest, WritesWhatTheEngineMakesAsPngOrBmp)
{
    const Result byName = run({QStringLiteral("diffuse"), m_input, path("diffuse.png")});
    ASSERT_EQ(byName.exitCode, 0) << byName.errors.toStdString();
    EXPECT_TRUE(sameImage(expected(FilterDiffuse), QImage(path("diffuse.png"))));

    const Result byNumber =
        run({QStringLiteral("6"), m_input, path("emboss.bmp"), QStringLiteral("--region"), QStringLiteral("-5"),
             QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("200")});
    ASSERT_EQ(byNumber.exitCode, 0) << byNumber.errors.toStdString();
    QFile bmp(path("emboss.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.read(2), QByteArray("BM"));
    EXPECT_TRUE(sameImage(expected(FilterEmboss, -5, 10, 60, 200), QImage(path("emboss.bmp"))));
}

TEST_F(PictureCommandTest, ReplaceColorsTakesItsColours)
{
    const QRgb present = m_picture.pixel(10, 10);
    const QString from = QStringLiteral("%1,%2,%3").arg(qRed(present)).arg(qGreen(present)).arg(qBlue(present));
    const Result result = run({QStringLiteral("replace-colors"), m_input, path("replaced.png"),
                               QStringLiteral("--from"), from, QStringLiteral("--to"), QStringLiteral("0,255,0")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    const QImage written(path("replaced.png"));
    EXPECT_EQ(written.pixel(10, 10) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pinxel::test::countDifferences(m_picture, written), 1);
}

TEST_F(PictureCommandTest, HelpListsEveryFilter)
{
    const Result result = run({QStringLiteral("--help")});
    EXPECT_EQ(result.exitCode, 0);
    for (const char *name : {"black-white", "blur", "brightness", "crease", "darkness", "diffuse", "emboss",
                             "gray-black-white", "grayscale", "replace-colors", "sharpen", "snow", "wave"})
        EXPECT_TRUE(result.output.contains(QLatin1String(name))) << name;
}

TEST_F(PictureCommandTest, FailuresSayWhyAndLeaveTheOutputAsItWas)
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

TEST_F(PictureCommandTest, EffectWritesWhatTheEditorMakes)
{
    const QString out = path("out.png");
    const QString rotate = QStringLiteral("rotate"), resize = QStringLiteral("resize");
    const struct {
        QStringList arguments;
        QImage expected;
    } cases[] = {
        {{QStringLiteral("flip-horizontal"), m_input, out}, m_picture.mirrored(true, false)},
        {{QStringLiteral("flip-vertical"), m_input, out}, m_picture.mirrored(false, true)},
        {{QStringLiteral("invert"), m_input, out}, expectedEffect(EffectInvertColors)},
        {{rotate, QStringLiteral("90"), m_input, out}, expectedEffect(EffectRotate, 90.0f)},
        {{rotate, QStringLiteral("45"), m_input, out, QStringLiteral("--anticlockwise")},
         expectedEffect(EffectRotate, 45.0f, false)},
        {{rotate, QStringLiteral("180"), m_input, out}, m_picture.mirrored(true, true)},
        {{resize, QStringLiteral("200"), m_input, out}, expectedEffect(EffectResize, 2.0f)},
        {{resize, QStringLiteral("50"), m_input, out, QStringLiteral("--height")},
         expectedEffect(EffectResize, 0.5f, true, true)},
    };
    for (const auto &c : cases) {
        const Result result = run(c.arguments, QStringLiteral("effect"));
        ASSERT_EQ(result.exitCode, 0) << c.arguments.join(' ').toStdString() << ": " << result.errors.toStdString();
        EXPECT_TRUE(sameImage(c.expected, QImage(out))) << c.arguments.join(' ').toStdString();
    }
    EXPECT_EQ(cases[7].expected.size(), QSize(150, 45));
}

TEST_F(PictureCommandTest, EffectRefusesWhatTheEditorRefuses)
{
    const QString large = path("large.png");
    ASSERT_TRUE(test::filledImage(1700, 1000, 0x808080).save(large));
    const QString output = path("out.png");
    Result result = run({QStringLiteral("resize"), QStringLiteral("200"), large, output}, QStringLiteral("effect"));
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.errors.contains(QLatin1String("too large"))) << result.errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(output));
    for (const QStringList &wrong : {QStringList{QStringLiteral("rotate"), QStringLiteral("30"), m_input, output},
                                     QStringList{QStringLiteral("resize"), QStringLiteral("60"), m_input, output},
                                     QStringList{QStringLiteral("invert"), m_input, output, QStringLiteral("--width")},
                                     QStringList{QStringLiteral("swirl"), m_input, output},
                                     QStringList{QStringLiteral("rotate"), m_input, output}}) {
        result = run(wrong, QStringLiteral("effect"));
        EXPECT_EQ(result.exitCode, 2) << wrong.join(' ').toStdString();
    }
    result = run({QStringLiteral("invert"), path("missing.bmp"), output}, QStringLiteral("effect"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(output));
}

}  // namespace
