// The host program end to end: it finds the control in the registry, loads
// the library by its path, restores the form file and renders it headless.
// Skipped when pinxel-host has not been built in this tree.

#include "pinxel/ComponentRuntime.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pinxel::test {
namespace {

class HostProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_host = QStringLiteral(PINXEL_BINARY_DIR "/bin/pinxel-host");
        if (!QFileInfo::exists(m_host))
            GTEST_SKIP() << "pinxel-host is not built";
        ASSERT_TRUE(m_dir.isValid());
        m_previous = qgetenv("PINXEL_REGISTRY");
        qputenv("PINXEL_REGISTRY", path("components.ini").toLocal8Bit());
        ASSERT_EQ(DllRegisterServer(), PINXEL_S_OK);
    }
    void TearDown() override
    {
        if (m_previous.isEmpty())
            qunsetenv("PINXEL_REGISTRY");
        else
            qputenv("PINXEL_REGISTRY", m_previous);
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs the host headless on a form file; returns its exit code and fills its error output.
    int renderForm(const QString &form, const QString &shot, QString *errors)
    {
        QProcess host;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PINXEL_REGISTRY"), path("components.ini"));
        host.setProcessEnvironment(environment);
        host.start(m_host, {QStringLiteral("--form"), form, QStringLiteral("--screenshot"), shot});
        if (!host.waitForFinished(120000))
            return -1;
        *errors = QString::fromLocal8Bit(host.readAllStandardError());
        return host.exitCode();
    }

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString m_host;
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

TEST_F(HostProgram, RestoresTheControlFromItsFormFileAndRendersIt)
{
    ScriptedHostServices services;
    const QString picture = path("red.bmp");
    services.SavePicture(filledImage(40, 30, 0x0000FF), picture);
    const QString form = path("form.ini");
    {
        QFile file(form);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(
                       "[Form]\nWidth=640\nHeight=480\n\n[Dabbler1]\nBorderStyle=0\nStretch=True\nPictureFilename=%1\n")
                       .arg(picture)
                       .toUtf8());
    }
    const QByteArray before = contents(form);
    QString errors;
    ASSERT_EQ(renderForm(form, path("shot.png"), &errors), 0) << qPrintable(errors);
    const QImage shot(path("shot.png"));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(640, 480));
    // The picture, stretched, fills the middle of the form.
    EXPECT_EQ(fromQRgb(shot.pixel(320, 200)), 0x0000FF);
    EXPECT_EQ(contents(form), before) << "a headless run never writes the form";
}

TEST_F(HostProgram, AFormValueThatDoesNotConvertIsReportedAndTheFileKept)
{
    const QString form = path("bad.ini");
    const QByteArray text = "[Dabbler1]\nWindowCaption=kept\nEditWidth=wide\nEditHeight=5000\n\n[Other]\nKeep=me\n";
    {
        QFile file(form);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QString errors;
    ASSERT_EQ(renderForm(form, path("shot.png"), &errors), 0);
    EXPECT_TRUE(errors.contains(QStringLiteral("EditWidth"))) << qPrintable(errors);
    EXPECT_TRUE(errors.contains(QStringLiteral("Type mismatch"))) << qPrintable(errors);
    EXPECT_EQ(contents(form), text);
}

TEST_F(HostProgram, AnUnregisteredControlIsAClearFailure)
{
    ASSERT_EQ(DllUnregisterServer(), PINXEL_S_OK);
    // The host would register the library beside it; point the registry somewhere unwritable instead.
    QString errors;
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PINXEL_REGISTRY"), path("components.ini/inside-a-file.ini"));
    QFile blocker(path("components.ini"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly | QIODevice::Truncate));
    blocker.close();
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(PINXEL_BINARY_DIR "/bin/pinxel-host"),
               {QStringLiteral("--form"), path("f.ini"), QStringLiteral("--screenshot"), path("s.png")});
    ASSERT_TRUE(host.waitForFinished(120000));
    EXPECT_EQ(host.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(host.readAllStandardError()).contains(QStringLiteral("pinxel register")));
    EXPECT_FALSE(QFileInfo::exists(path("s.png")));
}

}  // namespace
}  // namespace pinxel::test
