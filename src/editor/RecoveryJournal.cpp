// Writing a journal: its heading, the starting picture of a session with no
// file, and its place on the disk as the session saves and changes.

#include "editor/RecoveryJournal.h"

#include "editor/EditorScript.h"
#include "editor/StateLine.h"
#include "editor/frmPaint.h"
#include "model/EditorModel.h"
#include "pinxel/Error.h"
#include "platform/Translations.h"
#include "platform/files/PictureFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <atomic>

namespace pinxel {

namespace {

// A name no other session of this or another process takes.
QString newJournalPath(const QString &folder)
{
    static std::atomic<int> sessions{0};
    if (!QDir().mkpath(folder))
        throw Error(ErrPathNotFound,
                    QCoreApplication::translate("RecoveryJournal", "Cannot create the recovery folder %1").arg(folder));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir(folder).filePath(
        QStringLiteral("%1-%2-%3.pxs").arg(stamp).arg(QCoreApplication::applicationPid()).arg(++sessions));
}

QString lockPath(const QString &journal) { return journal + QStringLiteral(".lock"); }

// The journal's kept pictures: NAME.start.*, NAME.clipboard-N.png, NAME.dropped-N.png.
QString keptName(const QString &journal, const QString &kind, const QString &suffix)
{
    const QFileInfo file(journal);
    return file.dir().filePath(QStringLiteral("%1.%2.%3").arg(file.completeBaseName(), kind, suffix));
}

}  // namespace

QString RecoveryJournal::folder()
{
    const QString named = qEnvironmentVariable("PINXEL_RECOVERY_DIR");
    if (named == QLatin1String("off"))
        return {};
    if (!named.isEmpty())
        return named;
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = state.isEmpty() ? QDir::home().filePath(QStringLiteral(".local/state")) : state;
    return QDir(base).filePath(QStringLiteral("pinxel/recovery"));
}

QString RecoveryJournal::fileChecksum(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

RecoveryJournal::RecoveryJournal(const QString &folder, frmPaint &window, const Opening &opening)
    : SessionRecorder(newJournalPath(folder)), m_lock(lockPath(path()))
{
    if (opening.file.isEmpty())
        m_pending = opening;
    else
        writeHeading(opening);
    hold(window);
    if (!window.model().isModified())
        takeOffDisk();  // nothing to restore yet
}

RecoveryJournal::RecoveryJournal(const Info &journal, frmPaint &window)
    : SessionRecorder(journal.path, Start::Continue), m_lock(lockPath(journal.path))
{
    m_lock.removeStaleLockFile();
    m_file = journal.file;
    m_startKept = !journal.keptStart().isEmpty();
    hold(window);
}

void RecoveryJournal::hold(frmPaint &window)
{
    m_lock.setStaleLockTime(0);  // held as long as the session lives
    if (!m_lock.tryLock(0))
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("RecoveryJournal", "Cannot lock the journal %1").arg(path()));
    attach(window);
    m_modified = QObject::connect(&window.model(), &EditorModel::modifiedChanged, &window,
                                  [this](bool modified) { heardModified(modified); });
}

RecoveryJournal::~RecoveryJournal()
{
    QObject::disconnect(m_modified);
    finishAndRemove();
    m_lock.unlock();
    Info self;
    self.path = path();
    remove(self);  // what it kept beside itself
}

void RecoveryJournal::writeHeading(const Opening &opening)
{
    const QImage &picture = opening.picture;
    const auto field = [this](const char *key, const QString &value) {
        SessionRecorder::setupLine(QStringLiteral("# journal %1 %2").arg(QLatin1String(key), value).trimmed());
    };
    field("process", QString::number(QCoreApplication::applicationPid()));
    field("program", QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    field("started", QDateTime::currentDateTime().toString(Qt::ISODate));
    field("editor", opening.editor);
    const QString key = keyOf(opening);
    field("key", key);
    field("name", opening.name);
    field("size", QStringLiteral("%1 %2").arg(picture.width()).arg(picture.height()));
    if (!opening.file.isEmpty()) {
        m_file = QFileInfo(opening.file).absoluteFilePath();
        field("file", m_file);
        m_fileChecksum = std::async(std::launch::async, &RecoveryJournal::fileChecksum, m_file);
    } else {
        field("checksum", key);  // a picture with no file is known by its pixels
    }
    for (const QString &line : opening.setup)
        setupLine(line);
    if (!m_file.isEmpty())
        setupLine(QStringLiteral("load ") + m_file);
}

void RecoveryJournal::setupLine(const QString &line)
{
    if (m_pending)
        m_pending->setup << line;
    else
        SessionRecorder::setupLine(line);
}

void RecoveryJournal::writeOpening()
{
    if (!m_pending)
        return;
    Opening opening = std::move(*m_pending);
    m_pending.reset();
    // The picture as the first change finds it: a script may have set its canvas up since.
    if (window())
        opening.picture = window()->model().composedPicture();
    writeHeading(opening);
    const QString kept = keptName(path(), QStringLiteral("start"), QStringLiteral("bmp"));
    try {
        savePictureFile(opening.picture, kept);
    } catch (const Error &) {
        return;  // a restore then starts on a white picture of the recorded size
    }
    m_startKept = true;
    setupLine(QStringLiteral("load ") + QFileInfo(kept).fileName());
}

void RecoveryJournal::writeFileChecksum()
{
    if (m_fileChecksum.valid())
        SessionRecorder::setupLine(QStringLiteral("# journal file-checksum %1").arg(m_fileChecksum.get()).trimmed());
}

void RecoveryJournal::beforeSave(const QString &target)
{
    writeFileChecksum();  // of the bytes as they were before the save
    // The first save over the picture's file would take the journal's
    // starting picture: its bytes are kept beside the journal first.
    if (m_startKept || m_file.isEmpty() || QFileInfo(target).absoluteFilePath() != m_file || !QFileInfo::exists(m_file))
        return;
    const QString suffix = QFileInfo(m_file).suffix().isEmpty() ? QStringLiteral("bmp") : QFileInfo(m_file).suffix();
    m_startKept = QFile::copy(m_file, keptName(path(), QStringLiteral("start"), suffix));
}

void RecoveryJournal::eventStarting(const QString &name, const ElementEvents::Args &args)
{
    writeOpening();
    SessionRecorder::eventStarting(name, args);
}

void RecoveryJournal::actionStarting(const QString &line, const QImage &picture)
{
    writeOpening();
    SessionRecorder::actionStarting(line, picture);
}

void RecoveryJournal::eventEnded()
{
    SessionRecorder::eventEnded();
    const bool unsaved = window() && window()->model().isModified();
    if (m_offPending && !unsaved)
        takeOffDisk();
    m_offPending = false;
    // On the disk only while there is something to restore, and then with
    // the checksum a restore compares the file with.
    if (unsaved) {
        writeFileChecksum();
        putBackOnDisk();
    }
}

void RecoveryJournal::heardModified(bool modified)
{
    // Inside an event the event's line is still being written: its end decides.
    if (window() && window()->model().events().dispatching())
        m_offPending = !modified;
    else if (modified)
        putBackOnDisk();
    else
        takeOffDisk();
}

QString RecoveryJournal::keyOf(const Opening &opening)
{
    return opening.file.isEmpty() ? pictureChecksum(opening.picture) : QFileInfo(opening.file).absoluteFilePath();
}

std::unique_ptr<RecoveryJournal> RecoveryJournal::openSession(frmPaint &window, const Opening &opening)
{
    const QString journals = folder();
    if (journals.isEmpty())
        return nullptr;
    try {
        std::vector<Info> left = orphans(journals, opening.editor, QString());
        if (!left.empty()) {
            const QString picture = keyOf(opening);  // a checksum costs: only when there is a journal to match
            left.erase(std::remove_if(left.begin(), left.end(), [&](const Info &j) { return j.key != picture; }),
                       left.end());
        }
        for (const Info &journal : left) {
            const QString question =
                QCoreApplication::translate("RecoveryJournal", "Restore the unsaved changes made to %1 on %2?")
                    .arg(journal.name,
                         translations::textLocale().toString(
                             journal.started, QCoreApplication::translate("RecoveryJournal", "d MMM yyyy, HH:mm")));
            if (HostServices::current().MsgBox(question, MsgQuestionYesNo) != AnswerYes) {
                discard(journal);
                continue;
            }
            Restored restored;
            {
                ScriptedHostServices answers;  // the journal's own answers
                EditorScript script(answers, window, [](const QString &) {});
                restored = replay(script, journal, true);
            }
            auto continued = std::make_unique<RecoveryJournal>(journal, window);
            window.model().showNotice(restored.summary());
            if (restored.events < restored.of || !restored.remarks.isEmpty())
                HostServices::current().MsgBox(restored.summary(), MsgInformation);
            return continued;
        }
        return std::make_unique<RecoveryJournal>(journals, window, opening);
    } catch (const Error &error) {
        window.model().showNotice(
            QCoreApplication::translate("RecoveryJournal", "No recovery journal: %1").arg(error.description()));
        return nullptr;
    }
}

}  // namespace pinxel
