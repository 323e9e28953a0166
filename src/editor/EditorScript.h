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
//   load PATH     canvas W H     save PATH     state     screenshot PATH.png
//
// Blank lines and lines starting with # are skipped.

#include "pinxel/ScriptedHostServices.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

namespace pinxel {

class frmPaint;

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
    ~EditorScript();

    // Runs one line; throws ScriptError for a bad line and lets
    // UnansweredDialog through for a dialog nobody answered.
    void run(const QString &line);

    frmPaint &window() const;
    // The state line: one JSON object.
    QString stateJson() const;

private:
    void raiseEvent(const QString &element, int index, const QString &event, const QStringList &args);
    void answer(const QStringList &words);
    void flushMessages();

    ScriptedHostServices &m_services;
    Sink m_sink;
    size_t m_reported = 0;  // message boxes already printed
};

}  // namespace pinxel
