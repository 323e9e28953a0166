// The folder of journals: reading their headings, finding those a dead
// process left, discarding them, and replaying one into an editor.

#include "editor/RecoveryJournal.h"

#include "editor/EditorScript.h"
#include "editor/StateLine.h"
#include "pinxel/Error.h"
#include "platform/files/PictureFiles.h"
#include "platform/files/PrivateScratch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace pinxel {

namespace {

const QString Heading = QStringLiteral("# journal ");

// The whole lines of a journal: a line a crash cut short is left out.
QStringList wholeLines(const QString &path, bool *readable = nullptr, bool *cut = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (readable)
        *readable = opened;
    if (!opened)
        return {};
    const QByteArray bytes = file.readAll();
    if (cut)
        *cut = !bytes.mid(bytes.lastIndexOf('\n') + 1).trimmed().isEmpty();
    return QString::fromUtf8(bytes.left(bytes.lastIndexOf('\n') + 1)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool heldByLiveProcess(const QString &journal)
{
    QLockFile lock(journal + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    // A lock whose process is gone is stale: tryLock takes it over.
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

// Every file that belongs to the journal: itself, its kept pictures, its lock.
QStringList filesOf(const QString &journal)
{
    const QFileInfo file(journal);
    QStringList files;
    for (const QString &name : file.dir().entryList({file.completeBaseName() + QStringLiteral(".*")}, QDir::Files))
        files << file.dir().filePath(name);
    return files;
}

// A white picture of that size in the scratch folder, for a replay whose picture is gone.
QString whitePicture(const PrivateScratch &scratch, QSize size)
{
    if (size.isEmpty())
        size = QSize(1, 1);
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString path = scratch.filePath(QStringLiteral("white.bmp"));
    savePictureFile(white, path);
    return path;
}

}  // namespace

QString RecoveryJournal::Info::keptStart() const
{
    const QFileInfo file(path);
    const QStringList kept =
        file.dir().entryList({file.completeBaseName() + QStringLiteral(".start.*")}, QDir::Files, QDir::Name);
    return kept.isEmpty() ? QString() : file.dir().filePath(kept.front());
}

QString RecoveryJournal::Restored::summary() const
{
    QString text = QCoreApplication::translate("RecoveryJournal", "Restored %1 of %2 events.").arg(events).arg(of);
    for (const QString &remark : remarks)
        text += QLatin1Char(' ') + remark;
    return text;
}

bool RecoveryJournal::isEventLine(const QString &line)
{
    static const QRegularExpression event(
        QStringLiteral("^\\s*(?:[A-Za-z][A-Za-z0-9]*(?:\\(\\d+\\))?\\.[A-Za-z]+|drop)(?:\\s|$)"));
    return event.match(line).hasMatch();
}

std::optional<RecoveryJournal::Info> RecoveryJournal::read(const QString &path)
{
    bool readable = false;
    const QStringList lines = wholeLines(path, &readable);
    if (!readable)
        return std::nullopt;
    Info info;
    info.path = QFileInfo(path).absoluteFilePath();
    bool heading = false;
    for (const QString &line : lines) {
        if (line.startsWith(Heading)) {
            heading = true;
            const QString field = line.mid(Heading.size());
            const QString key = field.section(QLatin1Char(' '), 0, 0);
            const QString value = field.section(QLatin1Char(' '), 1);
            if (key == QLatin1String("process"))
                info.process = value.toLongLong();
            else if (key == QLatin1String("program"))
                info.program = value;
            else if (key == QLatin1String("started"))
                info.started = QDateTime::fromString(value, Qt::ISODate);
            else if (key == QLatin1String("editor"))
                info.editor = value;
            else if (key == QLatin1String("key"))
                info.key = value;
            else if (key == QLatin1String("name"))
                info.name = value;
            else if (key == QLatin1String("file"))
                info.file = value;
            else if (key == QLatin1String("size"))
                info.size =
                    QSize(value.section(QLatin1Char(' '), 0, 0).toInt(), value.section(QLatin1Char(' '), 1, 1).toInt());
            else if (key == QLatin1String("checksum"))
                info.checksum = value;
            else if (key == QLatin1String("file-checksum"))
                info.fileChecksum = value;
        } else if (isEventLine(line)) {
            ++info.events;
        }
    }
    if (!heading)
        return std::nullopt;
    if (!info.started.isValid())
        info.started = QFileInfo(path).lastModified();
    info.live = heldByLiveProcess(info.path);
    return info;
}

std::vector<RecoveryJournal::Info> RecoveryJournal::list(const QString &folder)
{
    std::vector<Info> journals;
    const QDir dir(folder);
    // What a dead session kept while its journal was off the disk (nothing
    // unsaved) belongs to no journal: its lock and starting picture go.
    for (const QString &lock : dir.entryList({QStringLiteral("*.pxs.lock")}, QDir::Files)) {
        const QString journal = dir.filePath(lock.chopped(5));
        if (!QFileInfo::exists(journal) && !heldByLiveProcess(journal))
            for (const QString &file : filesOf(journal))
                QFile::remove(file);
    }
    for (const QString &name : dir.entryList({QStringLiteral("*.pxs")}, QDir::Files))
        if (std::optional<Info> info = read(dir.filePath(name)))
            journals.push_back(*info);
    std::sort(journals.begin(), journals.end(), [](const Info &a, const Info &b) { return a.started > b.started; });
    return journals;
}

std::vector<RecoveryJournal::Info> RecoveryJournal::orphans(const QString &folder, const QString &editor,
                                                            const QString &key)
{
    std::vector<Info> found;
    for (const Info &journal : list(folder)) {
        if (journal.live || journal.editor != editor || (!key.isEmpty() && journal.key != key))
            continue;
        if (journal.events == 0)
            remove(journal);  // it holds nothing to restore
        else
            found.push_back(journal);
    }
    return found;
}

void RecoveryJournal::remove(const Info &journal)
{
    for (const QString &file : filesOf(journal.path))
        QFile::remove(file);
}

void RecoveryJournal::discard(const Info &journal)
{
    const QDir discarded(QFileInfo(journal.path).dir().filePath(QStringLiteral("discarded")));
    QDir().mkpath(discarded.path());
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &file : filesOf(journal.path)) {
        const QString moved = discarded.filePath(QFileInfo(file).fileName());
        if (file.endsWith(QLatin1String(".lock")) || !QFile::rename(file, moved)) {
            QFile::remove(file);
            continue;
        }
        QFile kept(moved);
        if (kept.open(QIODevice::ReadWrite))
            kept.setFileTime(now, QFileDevice::FileModificationTime);  // a week from the discarding
    }
    for (const QFileInfo &old : discarded.entryInfoList(QDir::Files))
        if (old.lastModified().daysTo(now) > 7)
            QFile::remove(old.absoluteFilePath());
}

RecoveryJournal::Restored RecoveryJournal::replay(EditorScript &script, const Info &journal, bool live)
{
    Restored restored;
    bool readable = false;
    bool cut = false;
    const QStringList lines = wholeLines(journal.path, &readable, &cut);
    if (!readable) {
        restored.remarks
            << QCoreApplication::translate("RecoveryJournal", "The journal %1 cannot be read.").arg(journal.path);
        return restored;
    }
    restored.of += cut ? 1 : 0;  // the event a crash cut short is lost
    // The picture the session started on.
    const PrivateScratch scratch;
    QString start = journal.keptStart();
    if (start.isEmpty() && !journal.file.isEmpty()) {
        start = journal.file;
        try {
            if (!QFileInfo::exists(journal.file))
                throw Error(ErrFileNotFound, QString());
            loadPictureFile(journal.file);  // one that cannot be read any more is as good as gone
            if (fileChecksum(journal.file) != journal.fileChecksum)
                restored.remarks << QCoreApplication::translate(
                                        "RecoveryJournal",
                                        "The picture %1 changed since: the changes were replayed onto "
                                        "it as it is now.")
                                        .arg(journal.file);
        } catch (const Error &) {
            start = whitePicture(scratch, journal.size);
            restored.remarks << QCoreApplication::translate("RecoveryJournal",
                                                            "The picture %1 cannot be read any more: the changes were "
                                                            "replayed onto a white picture of its size.")
                                    .arg(journal.file);
        }
    } else if (start.isEmpty()) {
        start = whitePicture(scratch, journal.size);
    }
    script.setFolder(QFileInfo(journal.path).absolutePath());
    ScriptWrites writes;
    writes.confine();
    writes.skipRecordedSaves(true);  // a restore never writes over a picture by itself
    script.confineWrites(writes);
    script.replayOn(start);

    // What a replay does not repeat: the recording's comparisons and files,
    // and in an open editor what its host set up and its closing.
    static const QStringList passedOver = {QStringLiteral("state"), QStringLiteral("checksum"), QStringLiteral("save"),
                                           QStringLiteral("screenshot")};
    static const QStringList setByHost = {QStringLiteral("caption"), QStringLiteral("filemenu"),
                                          QStringLiteral("twips"), QStringLiteral("mnuExit.Click"),
                                          QStringLiteral("frmPaint.Unload")};
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString word = line.section(QLatin1Char(' '), 0, 0);
        if (passedOver.contains(word) || (live && setByHost.contains(word)))
            continue;
        const bool known = std::any_of(EditorScript::lineKinds().begin(), EditorScript::lineKinds().end(),
                                       [&](const EditorScript::LineKind &kind) { return word == kind.word; });
        // A damaged line counts as an event that could not be restored.
        const bool event = isEventLine(line) || !known;
        restored.of += event ? 1 : 0;
        try {
            script.run(line);
            restored.events += event ? 1 : 0;
        } catch (const ScriptError &) {
        } catch (const UnansweredDialog &) {
        } catch (const WriteRefused &) {
        } catch (const Error &) {
        }
    }
    return restored;
}

}  // namespace pinxel
