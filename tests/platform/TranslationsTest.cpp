// The library's translator: German for any German locale, English for every
// other locale, for a missing or damaged translation and when the host or
// the environment turns it off; chosen at start from the environment.

#include "pinxel/Translations.h"
#include "document/mdlGeneral.h"
#include "model/MenuTable.h"
#include "pinxel/Error.h"
#include "platform/Translations.h"
#include "tools/ToolTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace pinxel::test {
namespace {

// A few texts of the library, as shown now: a menu, a hint, a message, an error.
QStringList texts()
{
    const auto &rows = menuRows();
    const auto edit = std::find_if(rows.begin(), rows.end(), [](const MenuRow &r) { return r.name == "mnuEdit"; });
    return {shownCaption(*edit), shownToolText(toolRow(ToolPencil).hint), ReportErrorText(ReportOpen, QString()),
            Error::standardDescription(ErrFileNotFound)};
}

// One line each, for readable failures.
std::string shownTexts() { return texts().join('\n').toStdString(); }
const std::string English =
    QStringList{"&Edit", "Draws using a pencil with the selected dot size",
                "Cannot open the file.\r\n\r\nThe file may be corrupt or not a valid picture file.", "File not found"}
        .join('\n')
        .toStdString();
const std::string German =
    QStringList{"&Bearbeiten", "Zeichnet mit einem Bleistift in der gewählten Punktgröße",
                "Die Datei kann nicht geöffnet werden.\r\n\r\nDie Datei ist möglicherweise beschädigt oder "
                "keine gültige Bilddatei.",
                "Datei nicht gefunden"}
        .join('\n')
        .toStdString();

class Translations : public ::testing::Test {
protected:
    void TearDown() override
    {
        setTranslationsEnabled(true);
        translations::remove();
    }
};

TEST_F(Translations, GermanForAnyGermanLocaleAndEnglishOtherwise)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile damaged(dir.filePath("pinxel_de.qm"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(64, '\x3c'));
    damaged.close();
    QTemporaryDir empty;

    const QString builtIn = QString::fromLatin1(translations::BuiltInFolder);
    struct Case {
        const char *what;
        QLocale locale;
        QString folder;
        bool optOut;
        std::string expected;
    } cases[] = {
        {"German, Germany", QLocale(QLocale::German, QLocale::Germany), builtIn, false, German},
        {"German, Austria", QLocale(QLocale::German, QLocale::Austria), builtIn, false, German},
        {"German, Switzerland", QLocale(QLocale::German, QLocale::Switzerland), builtIn, false, German},
        {"C", QLocale::c(), builtIn, false, English},
        {"French", QLocale(QLocale::French, QLocale::France), builtIn, false, English},
        {"German, then the host opts out", QLocale(QLocale::German), builtIn, true, English},
        {"German from a damaged file", QLocale(QLocale::German), dir.path(), false, English},
        {"German from a folder without it", QLocale(QLocale::German), empty.path(), false, English},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const bool installed = translations::install(c.locale, c.folder);
        EXPECT_EQ(installed, c.expected == German || c.optOut);
        if (c.optOut)
            setTranslationsEnabled(false);
        EXPECT_EQ(translationsActive(), c.expected == German && !c.optOut);
        EXPECT_EQ(shownTexts(), c.expected);
        translations::remove();
        EXPECT_EQ(shownTexts(), English);
        setTranslationsEnabled(true);
        translations::remove();  // the machine's own locale plays no part here
    }
}

// The test program again, with the environment of a host's start: the child
// test checks the texts the library chose when its application was made.
TEST(TranslationsAtStart, FollowTheMessagesLocaleUnlessTurnedOff)
{
    struct Case {
        const char *lcAll, *lcMessages, *lang, *translate;
        bool german;
    } cases[] = {
        {"", "", "de_DE.UTF-8", "", true},
        {"", "", "de_AT.UTF-8", "", true},
        {"", "de_CH.UTF-8", "C", "", true},
        {"", "", "de_DE.UTF-8", "off", false},
        {"C", "", "de_DE.UTF-8", "", false},
        {"", "", "en_GB.UTF-8", "", false},
        {"", "", "", "", false},
        {"", "", "xx_YY.garbage", "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages << " LANG=" << c.lang
                                        << " PINXEL_TRANSLATE=" << c.translate);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE", "PINXEL_TRANSLATE"})
            env.remove(QString::fromLatin1(name));
        const auto set = [&env](const char *name, const char *value) {
            if (*value)
                env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        };
        set("LC_ALL", c.lcAll);
        set("LC_MESSAGES", c.lcMessages);
        set("LANG", c.lang);
        set("PINXEL_TRANSLATE", c.translate);
        env.insert("PINXEL_TEST_KEEP_LOCALE", "1");
        env.insert("PINXEL_TEST_EXPECT", c.german ? "German" : "English");
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_also_run_disabled_tests", "--gtest_filter=TranslationsAtStart.DISABLED_Child"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
    }
}

TEST(TranslationsAtStart, DISABLED_Child)
{
    const bool german = qEnvironmentVariable("PINXEL_TEST_EXPECT") == QLatin1String("German");
    EXPECT_EQ(translationsActive(), german);
    EXPECT_EQ(shownTexts(), german ? German : English);
}

}  // namespace
}  // namespace pinxel::test
