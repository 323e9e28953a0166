#pragma once
// The editor driven by text, one line at a time: raising an element's event
// with its handler's arguments, queueing the answers of dialogs, setting up
// the canvas and reading the editor's state. Used by `pinxel script` and by
// tests. Lines:
//
//   ELEMENT.EVENT ARGS...           picPaint.MouseDown 1 0 10 10
//   ELEMENT(INDEX).EVENT ARGS...    optTools(5).Click, mnuBS(2).Click, lblColor(25).MouseDown 2 0 0 0
//   (panels take X, Y in twips:     fraOptDot.MouseDown 1 0 350 420)
//   answer msgbox yes|no|cancel|ok
//   answer open PATH|cancel         answer save PATH|cancel
//   answer print COPIES|cancel      answer color R G B|cancel
//   answer font NAME SIZE [bold] [italic] [underline] [strikethrough] R G B|cancel
//   answer popup INDEX|dismiss
//   answer clock READING            (the clock's next reading: the air brush's seed)
//   load PATH     canvas W H     save PATH     state     screenshot PATH.png
//   caption TEXT  filemenu shown|hidden  twips TWIPS-PER-PIXEL
//   frame DX DY   (what the recorded window's frame added to its size, in pixels)
//   state JSON    checksum [SHA1]   (with a value: compared with the replay's;
//                                    after a close, with the window's as it closed)
//
// Blank lines and lines starting with # are skipped. A relative path is
// read from the script's folder, when the script has one. Each kind of line
// is one row of the table in EditorScript.cpp (lineKinds()): its word, its
// usage, what it runs and whether a recording keeps it as it is.
//
// The script drives the control's window, or an editor model alone
// (headless): then the lines that need a window (frame, screenshot, the
// window's own events) are errors.

#include "editor/ScriptWrites.h"
#include "pinxel/ScriptedHostServices.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace pinxel {

class EditorModel;
class frmPaint;
class RecoveryJournal;
class SessionRecorder;

// A line that cannot be parsed or names an unknown element or event.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EditorScript {
public:
    // Output lines ("message 16 ...", "refused: mnuUndo", state JSON) go to the sink.
    using Sink = std::function<void(const QString &line)>;

    // Opens the editor as the control's method Dabbler would, without
    // showing it modally, with the File menu shown or not. The services must
    // outlive the script; they become the library's current services.
    EditorScript(ScriptedHostServices &services, bool fileMenu, Sink sink);
    // Drives the model alone, with no window, as a new editor.
    EditorScript(ScriptedHostServices &services, EditorModel &model, bool fileMenu, Sink sink);
    // Drives a window that is open already (a journal replayed into an
    // editor), as it is: nothing set up, and the window stays open after.
    // The services are the current ones while the script lives.
    EditorScript(ScriptedHostServices &services, frmPaint &window, Sink sink);
    ~EditorScript();

    // One kind of line: its first word, its usage for the help text,
    // whether a recording writes it as it is (a line that sets the editor up),
    // and whether it runs on what a closed window left (else it opens the window again).
    struct LineKind {
        const char *word;
        const char *usage;
        bool setup;
        bool afterClose;
        void (EditorScript::*run)(const QStringList &words, const QString &rest, const QString &line);
    };
    static const std::vector<LineKind> &lineKinds();
    // The usage of every kind of line, one a line, for the help text.
    static QString lineHelp();

    // Runs one line; throws ScriptError for a bad line and lets
    // UnansweredDialog through for a dialog nobody answered.
    void run(const QString &line);

    // The window; a headless script has none (ScriptError).
    frmPaint &window() const;
    // The model the script drives: the window's, or the headless one.
    EditorModel &model() const;
    bool headless() const { return m_headless != nullptr; }
    // The state line: one JSON object.
    QString stateJson() const;

    // Relative paths in lines are read from this folder.
    void setFolder(const QString &folder) { m_folder = folder; }
    // From now on the script writes only where writes allows: its save and
    // screenshot lines and the editor's own saves throw WriteRefused
    // elsewhere, and the editor's saves it skips are told to the sink.
    void confineWrites(const ScriptWrites &writes);
    // Records the run into a script that replays it (SessionRecorder);
    // raises 76 or 70 when the file cannot be written.
    void recordInto(const QString &path);
    // Keeps a recovery journal of the run in folder (RecoveryJournal); raises
    // 76 or 70 when it cannot be written.
    void journalInto(const QString &folder);
    // Replays on another picture: it is loaded in place of the first load
    // line, or before the first event when there is none. The recording's
    // state and checksum are then not compared.
    void replayOn(const QString &picture)
    {
        m_onPicture = picture;
        m_comparing = Comparing::Skip;
    }
    // State and checksum lines that did not hold.
    int differences() const { return m_differences; }
    // The picture now, or the one the window handed back as it closed.
    QImage finalPicture() const;
    void savePicture(const QString &path) const;

private:
    enum class Comparing {
        Compare,
        Skip
    };

    void raiseEvent(const QString &element, int index, const QString &event, const QStringList &args);
    void runState(const QStringList &words, const QString &rest, const QString &line);
    void runChecksum(const QStringList &words, const QString &rest, const QString &line);
    void runAnswer(const QStringList &words, const QString &rest, const QString &line);
    void runLoad(const QStringList &words, const QString &rest, const QString &line);
    void runCaption(const QStringList &words, const QString &rest, const QString &line);
    void runFileMenu(const QStringList &words, const QString &rest, const QString &line);
    void runFrame(const QStringList &words, const QString &rest, const QString &line);
    void runTwips(const QStringList &words, const QString &rest, const QString &line);
    void runCanvas(const QStringList &words, const QString &rest, const QString &line);
    void runSave(const QStringList &words, const QString &rest, const QString &line);
    void runScreenshot(const QStringList &words, const QString &rest, const QString &line);
    void runClipboard(const QStringList &words, const QString &rest, const QString &line);
    void runDrop(const QStringList &words, const QString &rest, const QString &line);
    void setUp(bool fileMenu);
    void layOut();
    void flushMessages();
    QString resolve(const QString &path) const;
    void loadPicture(const QString &path);
    void expect(const QString &what, const QString &recorded, const QString &replayed);

    ScriptedHostServices &m_services;
    Sink m_sink;
    size_t m_reported = 0;  // message boxes already printed
    QString m_folder;
    QString m_onPicture;
    Comparing m_comparing = Comparing::Compare;
    int m_differences = 0;
    std::unique_ptr<SessionRecorder> m_recorder;
    std::unique_ptr<RecoveryJournal> m_journal;
    // The recording and the journal, each told the lines that set the editor up.
    void tellSetup(const QString &line);
    ScriptWrites m_writes;
    mutable bool m_ownWrite = false;  // the script's own save, checked already
    EditorModel *m_headless = nullptr;
    QPointer<frmPaint> m_attached;
    HostServices *m_previous = nullptr;  // the current services before an attached script
    // The window while it is open: the attached one, or the control's.
    frmPaint *openWindow() const;
    mutable QPointer<frmPaint> m_watched;  // the window whose close is watched
    mutable QMetaObject::Connection m_watch;
    mutable QImage m_handedBack;
    mutable QString m_stateAtClose;
};

}  // namespace pinxel
