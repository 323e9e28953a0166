#pragma once
// The recovery journal: each editing session writes what its recording
// would (every event on disk before the next starts) into a folder of
// journals, held by a lock that names the live process. When the process
// dies, the journal stays; the next editor of the same picture offers to
// replay it, and `pinxel recover` lists and restores journals.
//
// A journal is a script with a heading of "# journal KEY VALUE" lines: what
// the session opened on (the picture's file, size and the file's checksum;
// a picture with no file, its checksum and the picture itself, kept beside
// the journal as NAME.start.bmp) and which editor it was. A save that leaves nothing unsaved takes the journal off
// the disk until the next change; a close removes it.

#include "editor/SessionRecorder.h"

#include <QDateTime>
#include <QImage>
#include <QLockFile>
#include <QSize>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>
#include <optional>
#include <vector>

namespace pinxel {

class EditorScript;

class RecoveryJournal : public SessionRecorder {
public:
    // What a session opened on, and which editor it is.
    struct Opening {
        QString editor;     // "control", "widget" or "script"
        QString name;       // how the question names the picture
        QString file;       // the picture's file; empty for one handed in from memory
        QImage picture;     // the picture as the session opened on it
        QStringList setup;  // the script lines that set the editor up as it opened
    };

    // A journal as it lies in its folder.
    struct Info {
        QString path;
        qint64 process = 0;
        QString program;
        QDateTime started;
        QString editor;
        QString key;
        QString name;
        QString file;
        QSize size;
        QString checksum;      // of the pixels, for a picture with no file
        QString fileChecksum;  // of the file's bytes
        int events = 0;
        bool live = false;  // its process is running
        // The starting picture kept beside it, or empty.
        QString keptStart() const;
    };

    // What a replay gave back: events restored of those the journal holds,
    // and what the user should know beside that.
    struct Restored {
        int events = 0;
        int of = 0;
        QStringList remarks;
        QString summary() const;
    };

    // The journals' folder: PINXEL_RECOVERY_DIR, else
    // $XDG_STATE_HOME/pinxel/recovery (~/.local/state/pinxel/recovery);
    // empty when PINXEL_RECOVERY_DIR is "off".
    static QString folder();

    // Starts a journal of the window's session in folder; raises 76 or 70
    // when it cannot be written.
    RecoveryJournal(const QString &folder, frmPaint &window, const Opening &opening);
    // Goes on with a journal whose process is gone, replayed into window.
    RecoveryJournal(const Info &journal, frmPaint &window);
    // Removes the journal: the session ended as it meant to.
    ~RecoveryJournal() override;
    RecoveryJournal(const RecoveryJournal &) = delete;
    RecoveryJournal &operator=(const RecoveryJournal &) = delete;

    // Opens the session's journal as an editor opens: first offers each
    // journal a dead process left for the same kind of editor on the same
    // picture (newest first). Yes replays it into the window, which goes on
    // with it; No discards it. Nothing when journals are off or cannot be
    // written: the editor works on.
    static std::unique_ptr<RecoveryJournal> openSession(frmPaint &window, const Opening &opening);
    // Which picture a session is on: its file's path, or for a picture with
    // no file the checksum of its pixels.
    static QString keyOf(const Opening &opening);

    // --- The folder.
    // Reads a journal's heading and counts its events; nothing when the
    // file is no journal.
    static std::optional<Info> read(const QString &path);
    // The journals in folder, newest first.
    static std::vector<Info> list(const QString &folder);
    // The journals left by processes that are gone, for an editor of this
    // kind and key (all of that kind when key is empty); those with no
    // event in them are removed.
    static std::vector<Info> orphans(const QString &folder, const QString &editor, const QString &key);
    // The checksum a journal keeps of a file: of its bytes; empty when it cannot be read.
    static QString fileChecksum(const QString &path);
    // Moves a journal (and its kept pictures) into folder/discarded, and
    // removes what was discarded there more than a week ago.
    static void discard(const Info &journal);
    // Removes a journal whose replay went on in another.
    static void remove(const Info &journal);

    // Replays the journal into the script's editor, up to its last whole
    // line, onto its starting picture: the kept one, else the picture's file
    // (as it is now, when it changed), else a white canvas of its size.
    // Lines that cannot be replayed are passed over; the editor's own saves
    // write nothing. live: the script drives an editor that is open already,
    // set up by its host (the lines that set an editor up are passed over).
    static Restored replay(EditorScript &script, const Info &journal, bool live);

    // Whether a line raises an event (or a drop), which a replay counts.
    static bool isEventLine(const QString &line);

    // Before the heading of a session with no file is written, setting-up
    // lines wait to follow it.
    void setupLine(const QString &line) override;

protected:
    void beforeSave(const QString &path) override;
    void eventStarting(const QString &name, const ElementEvents::Args &args) override;
    void actionStarting(const QString &line, const QImage &picture) override;
    void eventEnded() override;

private:
    // Takes the lock and hears the window's events and its modified flag.
    void hold(frmPaint &window);
    void writeHeading(const Opening &opening);
    // A session with no file writes its heading and keeps its starting
    // picture as the first change comes: handing a picture in stays cheap.
    void writeOpening();
    // A session on a file adds its file's checksum to its heading when the
    // journal first goes on the disk (or before a save), computed on
    // another core from the opening on: opening a photo stays cheap too.
    void writeFileChecksum();
    void heardModified(bool modified);

    QLockFile m_lock;
    QString m_file;                       // the picture's file the session opened on
    std::future<QString> m_fileChecksum;  // of m_file's bytes, until written
    std::optional<Opening> m_pending;
    bool m_startKept = false;
    bool m_offPending = false;  // nothing unsaved: off the disk once the event ends
    QMetaObject::Connection m_modified;
};

}  // namespace pinxel
