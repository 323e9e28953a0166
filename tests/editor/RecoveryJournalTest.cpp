// The recovery journal: a session's work comes back after its process died,
// through the editor's question and through `pinxel recover`, also from
// journals that are damaged; saves and closes take the journal away.

#include "editor/RecoveryJournal.h"
#include "editor/StateLine.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/EditorWidget.h"
#include "pinxel/Screen.h"

#include "support/EditorFixture.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>

namespace pinxel::test {
namespace {

const QString Tool = QStringLiteral(PINXEL_BINARY_DIR "/bin/pinxel");

class RecoveryJournalTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        journals = path(QStringLiteral("recovery"));
        qputenv("PINXEL_RECOVERY_DIR", journals.toLocal8Bit());
        HostServices::setCurrent(&host);
        setTwipsPerPixelOverride(15.0);
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        qputenv("PINXEL_RECOVERY_DIR", "off");
        HostServices::setCurrent(nullptr);
        setTwipsPerPixelOverride(0.0);
    }

    QStringList journalFiles() const { return QDir(journals).entryList({QStringLiteral("*.pxs")}, QDir::Files); }

    // What a crash leaves of the live journal: a copy no live process holds,
    // with the picture it keeps.
    QString crashCopy(const QString &name = QStringLiteral("crashed"))
    {
        const QStringList live = journalFiles();
        EXPECT_EQ(live.size(), 1) << live.join(QLatin1Char(' ')).toStdString();
        const QString base = QFileInfo(live.value(0)).completeBaseName();
        QFile file(QDir(journals).filePath(live.value(0)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(file.readAll());
        text.replace(base + QStringLiteral(".start."), name + QStringLiteral(".start."));
        for (const QString &kept : QDir(journals).entryList({base + QStringLiteral(".start.*")}))
            EXPECT_TRUE(
                QFile::copy(QDir(journals).filePath(kept), QDir(journals).filePath(QString(kept).replace(base, name))));
        return writeJournal(name, text);
    }
    QString writeJournal(const QString &name, const QString &text)
    {
        const QString copy = QDir(journals).filePath(name + QStringLiteral(".pxs"));
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.toUtf8());
        return copy;
    }
    void raise(const QString &name, const ElementEvents::Args &args = {})
    {
        frmPaint::instance().model().events().raise(name, args);
    }
    // A pencil stroke and a filter, through the element events a user raises.
    void strokeAndBlur()
    {
        raise(QStringLiteral("optTools(4).MouseDown"), {1, 0, 0, 0});
        raise(QStringLiteral("optTools(4).Click"));
        raise(QStringLiteral("picPaint.MouseDown"), {1, 0, 4, 4});
        raise(QStringLiteral("picPaint.MouseMove"), {1, 0, 30, 20});
        raise(QStringLiteral("picPaint.MouseUp"), {1, 0, 30, 20});
        raise(QStringLiteral("mnuBlur.Click"));
    }

    QString journals;
};

// The control's editor journals; a save or a close takes the journal off the
// disk. After a crash the next editor of the picture asks: Yes brings back the
// picture and its undo history and goes on journaling, No discards.
TEST_F(RecoveryJournalTest, TheControlsEditorAsksAndRestoresAfterACrash)
{
    const QImage picture = randomImage(48, 36, 5);
    Dabbler control;
    control.setPicturefilename(pictureFile(QStringLiteral("holiday.bmp"), picture));
    control.setEditMenuFile(true);
    QImage crashed;
    QString orphan;
    int held = 0;  // the events in the journal, the window's own among them
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(journalFiles().isEmpty()) << "nothing to restore yet";
        strokeAndBlur();
        EXPECT_EQ(journalFiles().size(), 1);
        host.answerSave(control.picturefilename());
        raise(QStringLiteral("mnuSaveAs.Click"));
        EXPECT_TRUE(journalFiles().isEmpty()) << "saved: nothing unsaved";
        raise(QStringLiteral("picPaint.MouseDown"), {1, 0, 40, 2});
        raise(QStringLiteral("picPaint.MouseUp"), {1, 0, 40, 2});
        crashed = frmPaint::instance().model().composedPicture();
        orphan = crashCopy();
        held = RecoveryJournal::read(orphan)->events;
        host.answerMsgBox(AnswerNo);
        frmPaint::instance().close();
    });
    static_cast<DabblerInterface &>(control).Dabbler();
    settle();
    EXPECT_EQ(journalFiles(), QStringList{QStringLiteral("crashed.pxs")}) << "a close removes the journal";

    // The file was saved over: the journal's starting picture was kept first.
    host.answerMsgBox(AnswerYes);
    QTimer::singleShot(0, [&] {
        EditorModel &m = frmPaint::instance().model();
        EXPECT_TRUE(sameImage(crashed, m.composedPicture()));
        EXPECT_TRUE(m.isModified());
        EXPECT_GE(held, 9);
        EXPECT_EQ(m.statusText(1), QStringLiteral("Restored %1 of %1 events.").arg(held));
        raise(QStringLiteral("mnuUndo.Click"));
        raise(QStringLiteral("mnuUndo.Click"));
        raise(QStringLiteral("mnuUndo.Click"));
        EXPECT_TRUE(sameImage(picture, m.composedPicture())) << "the undo history came back too";
        EXPECT_EQ(journalFiles(), QStringList{QStringLiteral("crashed.pxs")}) << "the restored session goes on in it";
        host.answerMsgBox(AnswerNo);
        frmPaint::instance().close();
    });
    static_cast<DabblerInterface &>(control).Dabbler();
    settle();
    ASSERT_FALSE(host.messages().isEmpty());
    EXPECT_FALSE(host.messages()
                     .filter(QRegularExpression(
                         QStringLiteral("^Restore the unsaved changes made to holiday.bmp on \\d+ \\w+ \\d{4}, ")))
                     .isEmpty())
        << host.messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(journalFiles().isEmpty());

    // No moves the journal aside, where it is kept for a week.
    QTimer::singleShot(0, [&] {
        strokeAndBlur();
        crashCopy(QStringLiteral("declined"));
        host.answerMsgBox(AnswerNo);
        frmPaint::instance().close();
    });
    static_cast<DabblerInterface &>(control).Dabbler();
    settle();
    host.answerMsgBox(AnswerNo);
    QTimer::singleShot(0, [&] {
        EXPECT_FALSE(frmPaint::instance().model().isModified());
        frmPaint::instance().close();
    });
    static_cast<DabblerInterface &>(control).Dabbler();
    settle();
    EXPECT_TRUE(journalFiles().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(journals + QStringLiteral("/discarded/declined.pxs")));
}

// An editor in the host's window knows a crashed session by the picture the
// host hands in again.
TEST_F(RecoveryJournalTest, AnEditorWidgetRestoresWhenHandedTheSamePicture)
{
    const QImage picture = randomImage(40, 30, 8);
    QImage crashed;
    {
        EditorWidget first;
        first.setPicture(picture);
        EXPECT_TRUE(first.trigger(QStringLiteral("mnuInvertColors")));
        crashed = first.picture();
        crashCopy();
    }
    EXPECT_EQ(journalFiles(), QStringList{QStringLiteral("crashed.pxs")});
    EditorWidget other;
    other.setPicture(randomImage(40, 30, 9));
    EXPECT_TRUE(host.messages().isEmpty()) << "another picture: no question";
    host.answerMsgBox(AnswerYes);
    EditorWidget second;
    second.setPicture(picture);
    EXPECT_TRUE(sameImage(crashed, second.picture()));
    EXPECT_TRUE(second.isModified());
}

// Whatever a crash or a person did to a journal, a restore replays what it
// can, onto the picture the session started on where it is kept, counts the
// events, never writes the picture's file, and never crashes.
TEST_F(RecoveryJournalTest, DamagedJournalsGiveBackWhatTheyCan)
{
    const QImage picture = randomImage(50, 40, 3);
    const QString file = pictureFile(QStringLiteral("p.bmp"), picture);
    QString text;
    QString expected;
    int held = 0;  // the events of the whole journal: the window's own among them
    Dabbler control;
    control.setPicturefilename(file);
    QTimer::singleShot(0, [&] {
        strokeAndBlur();
        raise(QStringLiteral("mnuInvertColors.Click"));
        expected = pictureChecksum(frmPaint::instance().model().composedPicture());
        QFile journal(crashCopy());
        ASSERT_TRUE(journal.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(journal.readAll());
        held = RecoveryJournal::read(journal.fileName())->events;
        journal.remove();
        frmPaint::instance().close();
    });
    static_cast<DabblerInterface &>(control).Dabbler();
    settle();
    EXPECT_TRUE(journalFiles().isEmpty()) << "the editor closed: its journal went";
    const QString answeredSave = QStringLiteral("answer save %1\nmnuSaveAs.Click\n").arg(file);
    struct Case {
        const char *what;
        std::function<QString(QString)> damage;
        std::function<void()> picture;
        int events;  // restored, and of how many, beside those of the whole journal
        int of;
        const char *remark;
        bool sameAsLive;
    };
    const Case cases[] = {
        {"whole", [](QString t) { return t; }, nullptr, 0, 0, "", true},
        {"cut in a line", [](QString t) { return t.left(t.size() - 6); }, nullptr, -1, 0, "", false},
        {"garbage lines",
         [](QString t) {
             return t.replace(QStringLiteral("mnuBlur.Click\n"), QStringLiteral("mnuBlur.Click\n\x01zz(\n%%%\n"));
         },
         nullptr, 0, 2, "", true},
        {"an event that does not parse",
         [](QString t) {
             return t.replace(QStringLiteral("mnuInvertColors.Click"), QStringLiteral("picPaint.MouseDown x"));
         },
         nullptr, -1, 0, "", false},
        {"a recorded save", [&](QString t) { return t + answeredSave; }, nullptr, 1, 1, "", true},
        {"the picture changed", [](QString t) { return t; }, [&] { host.SavePicture(randomImage(50, 40, 4), file); }, 0,
         0, "changed since", false},
        {"the picture vanished", [](QString t) { return t; }, [&] { QFile::remove(file); }, 0, 0,
         "cannot be read any more", false},
    };
    for (const Case &c : cases) {
        host.SavePicture(picture, file);
        if (c.picture)
            c.picture();
        const QImage before = QFileInfo::exists(file) ? host.LoadPicture(file) : QImage();
        const QString journal = writeJournal(QStringLiteral("case"), c.damage(text));
        const std::optional<RecoveryJournal::Info> info = RecoveryJournal::read(journal);
        ASSERT_TRUE(info) << c.what;
        EXPECT_FALSE(info->live) << c.what;
        RecoveryJournal::Restored restored;
        QString replayed;
        {
            EditorScript script(host, true, [](const QString &) {});
            restored = RecoveryJournal::replay(script, *info, false);
            replayed = pictureChecksum(script.finalPicture());
        }
        EXPECT_EQ(std::pair(restored.events, restored.of), std::pair(held + c.events, held + c.of)) << c.what;
        EXPECT_TRUE(restored.summary().contains(QLatin1String(c.remark)))
            << c.what << ": " << restored.summary().toStdString();
        EXPECT_EQ(replayed == expected, c.sameAsLive) << c.what;
        if (!before.isNull()) {
            EXPECT_TRUE(sameImage(before, host.LoadPicture(file))) << c.what << ": a restore wrote the picture";
        }
        EXPECT_EQ(QFileInfo::exists(file), !before.isNull()) << c.what;
        host.forgetAll();
    }
    // What a dead session kept while nothing was unsaved goes with the next look.
    for (const char *name : {"gone.start.bmp", "gone.pxs.lock"}) {
        QFile kept(QDir(journals).filePath(QLatin1String(name)));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("999999999\npinxel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    RecoveryJournal::list(journals);
    EXPECT_EQ(QDir(journals).entryList({QStringLiteral("gone.*")}, QDir::Files), QStringList());
    // Not a journal at all.
    EXPECT_FALSE(RecoveryJournal::read(writeJournal(QStringLiteral("noise"), QStringLiteral("\x7f\x45LF\n"))));
    EXPECT_FALSE(RecoveryJournal::read(path(QStringLiteral("missing.pxs"))));
}

// A real process, killed with SIGKILL once its strokes and a filter are in
// its journal, comes back in another process exactly as it was.
TEST_F(RecoveryJournalTest, AKilledProcessComesBackThroughRecover)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PINXEL_RECOVERY_DIR"), journals);
    QProcess session;
    session.setProcessEnvironment(env);
    session.start(Tool, {QStringLiteral("script"), QStringLiteral("--journal"), journals, QStringLiteral("-")});
    ASSERT_TRUE(session.waitForStarted());
    session.write("canvas 120 90\noptTools(4).MouseDown 1 0 0 0\noptTools(4).Click\n"
                  "picPaint.MouseDown 1 0 10 10\npicPaint.MouseMove 1 0 60 50\npicPaint.MouseMove 1 0 90 20\n"
                  "picPaint.MouseUp 1 0 90 20\nmnuBlur.Click\nchecksum\n");
    QString printed;
    for (int waited = 0; printed.isEmpty() && waited < 300 && session.state() == QProcess::Running; ++waited) {
        session.waitForReadyRead(100);
        const QString out = QString::fromUtf8(session.readAllStandardOutput());
        const QRegularExpressionMatch checksum = QRegularExpression(QStringLiteral("checksum (\\w+)")).match(out);
        if (checksum.hasMatch())
            printed = checksum.captured(1);
    }
    ASSERT_FALSE(printed.isEmpty()) << session.readAllStandardError().toStdString();
    ASSERT_EQ(journalFiles().size(), 1);
    const QString journal = QDir(journals).filePath(journalFiles().front());
    QFile held(journal);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    EXPECT_TRUE(held.readAll().contains("mnuBlur.Click\n"));
    session.kill();
    ASSERT_TRUE(session.waitForFinished());

    const auto recover = [&](const QStringList &arguments) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(Tool, QStringList{QStringLiteral("recover")} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return std::pair(process.exitCode(),
                         QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()));
    };
    const auto [listed, list] = recover({QStringLiteral("--list")});
    EXPECT_EQ(listed, 0);
    EXPECT_TRUE(list.contains(journal + QStringLiteral("  left  "))) << list.toStdString();
    EXPECT_TRUE(list.contains(QLatin1String("  7 events  "))) << list.toStdString();
    const QString out = path(QStringLiteral("restored.bmp"));
    const auto [restored, said] = recover({journal, QStringLiteral("--save"), out});
    EXPECT_EQ(restored, 0) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Restored 7 of 7 events.\nchecksum ") + printed)) << said.toStdString();
    EXPECT_EQ(pictureChecksum(host.LoadPicture(out)), printed);
    EXPECT_TRUE(QFileInfo::exists(journal)) << "recover leaves the journal";
}

}  // namespace
}  // namespace pinxel::test
