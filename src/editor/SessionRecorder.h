#pragma once
// Records an editing session as a `pinxel script` that replays it exactly:
// every element event a user or a script raised (heard where the window's
// registry dispatches it), every answer a dialog gave and every clock
// reading, as the script lines that raise or answer them, in order. The
// answers a handler needed are written before its event's line, as a script
// queues them. Each line is on disk before the next one starts, so a crash
// leaves everything up to it. The recording ends with the state line and the
// picture's checksum, for a replay to compare: as the window closes (written after the event that closed
// it) and when the recording finishes with the window open.

#include "model/ElementEvents.h"

#include <QFile>
#include <QPointer>
#include <QSize>
#include <QString>

#include <memory>

namespace pinxel {

class frmPaint;
class HostServices;
class RecordingHostServices;

class SessionRecorder : public ElementEvents::Listener {
public:
    enum class Start {
        Create,   // creates or empties the file and writes the heading
        Continue  // writes on after the last whole line of a recording
    };
    // Raises 76 or 70 when the file cannot be written.
    explicit SessionRecorder(const QString &path, Start start = Start::Create);
    // Finishes, if that was not done.
    ~SessionRecorder() override;

    // Writes a line that sets the session up (caption, load, canvas, ...).
    virtual void setupLine(const QString &line);
    // Hears the window's events; while each of them runs, recording services
    // stand in front of the current ones (so that editors recorded side by
    // side each note only their own answers).
    void attach(frmPaint &window);
    // Ends with the state and checksum of the window, if it is still open,
    // and gives the services back.
    void finish();

    QString path() const { return m_file.fileName(); }

    // The file for the n-th session a host records into path: path itself,
    // then "name-2.ext", "name-3.ext", ...
    static QString sessionPath(const QString &path, int session);

    void eventStarting(const QString &name, const ElementEvents::Args &args) override;
    void actionStarting(const QString &line, const QImage &picture) override;
    void eventEnded() override;

protected:
    // Just before the editor writes a picture file through the services.
    virtual void beforeSave(const QString &path) { Q_UNUSED(path); }
    // Takes the file off the disk, keeping what it holds and what is
    // written on; putBackOnDisk() puts it all back.
    void takeOffDisk();
    void putBackOnDisk();
    bool onDisk() const { return m_onDisk; }
    // Ends as finish() does and removes the file.
    void finishAndRemove();
    frmPaint *window() const;
    // Writes lines as they are (each ending in a newline).
    void write(const QString &lines);

private:
    void note(const QString &answer);
    // The frame line when the window's frame changed since the last one, else empty.
    QString frameLine();
    void writeExpectations();
    void writeClosingExpectations();
    static QString expectations(const frmPaint &window);
    void fail();
    void detach();
    // A picture pasted from the desktop's clipboard or dropped, kept beside
    // the recording as NAME.KIND-N.png; returns the file's name, empty on failure.
    QString keepPicture(const QImage &picture, const QString &kind);
    // The line of an event or action, its answers to come before it.
    void startLine(const QString &line);

    QFile m_file;
    qint64 m_pendingAt = -1;  // where the line of the event being handled starts
    QString m_pendingLine;
    QString m_atClose;                                  // the expectations taken as the window closed, not yet written
    std::unique_ptr<RecordingHostServices> m_services;  // in front while an event runs
    HostServices *m_previous = nullptr;
    QPointer<frmPaint> m_window;
    QMetaObject::Connection m_closed;
    QSize m_frame{0, 0};      // the frame the recording gave the window so far
    bool m_expected = false;  // the last lines written are the expectations
    bool m_failed = false;
    bool m_onDisk = true;
    int m_kept = 0;  // pictures kept beside the recording
};

}  // namespace pinxel
