#pragma once
// Host services that answer from a queue filled in advance and record every
// message box and dialog they were asked to show, so that tests and the
// pinxel tool's scripts run without a person and never block on a window.
//
// A message box or dialog with no answer waiting, or with an answer of
// another kind at the head of the queue, throws UnansweredDialog: a plain
// runtime_error, so that no handler of the library (which traps only
// pinxel::Error) swallows it and the test fails at that point.

#include "pinxel/HostServices.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace pinxel {

class UnansweredDialog : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class DialogKind {
    MessageBox,
    Open,
    Save,
    Color,
    Font,
    Printer,
    PopupMenu
};

// The name of a kind in messages: "message box", "open dialog", ...
QString dialogKindName(DialogKind kind);

// One message box or dialog as it was shown.
struct ShownDialog {
    DialogKind kind = DialogKind::MessageBox;
    QString text;          // the message box text, the dialog title, or the menu items joined by '\n'
    int style = 0;         // the message box style; the dialog's Flags
    CommonDialog preset;   // a dialog's values when it was shown
    QStringList items;     // a pop-up menu's items
    int checkedItem = -1;  // the pop-up menu's item with the check mark
};

// The answer to a font dialog.
struct FontAnswer {
    QString name = QStringLiteral("DejaVu Sans");
    double size = 8.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    std::optional<Color> color;  // unchanged when the answer names none
};

// A printer that keeps what it was sent and can write it out.
class ScriptedPrinter : public Printer {
public:
    struct Painted {
        QImage picture;
        int x = 0;
        int y = 0;
        int copies = 1;  // the printer's copies when it was painted
    };

    void PaintPicture(const QImage &picture, int x, int y) override;
    // Ends the document; writes it out when an output file is set.
    void EndDoc() override;

    // Every picture painted since the services were made, in order.
    const std::vector<Painted> &painted() const { return m_painted; }
    // Documents ended so far, and the copies of each.
    const std::vector<int> &documents() const { return m_documents; }
    // Pictures painted in the open document (not yet ended).
    int pendingPictures() const { return m_pending; }
    void forgetAll()
    {
        m_painted.clear();
        m_documents.clear();
        m_pending = 0;
    }

    // EndDoc writes the document's page to this file: a PDF when the name
    // ends in .pdf, else a PNG of the page's pixels. Empty writes nothing.
    void setOutputFile(const QString &path) { m_output = path; }

private:
    std::vector<Painted> m_painted;
    std::vector<int> m_documents;
    int m_pending = 0;
    QString m_output;
};

class ScriptedHostServices : public HostServices {
public:
    ScriptedHostServices();
    ~ScriptedHostServices() override;

    // --- Answers, consumed in the order they were queued.
    void answerMsgBox(int answer);                              // 1 OK, 2 Cancel, 6 Yes, 7 No
    void answerOpen(const QString &path, int filterIndex = 0);  // 0 keeps the preset index
    void cancelOpen();
    void answerSave(const QString &path, int filterIndex = 0);
    void cancelSave();
    void answerColor(Color color);
    void cancelColor();
    void answerFont(const FontAnswer &font);
    void cancelFont();
    void answerPrinter(int copies);
    void cancelPrinter();
    void answerPopupMenu(int index);
    void dismissPopupMenu();
    // The clock's next reading for the random source (the air brush reseeds
    // from it); once these run out it reads the machine's clock.
    void answerClock(std::uint32_t reading) { m_clock.push_back(reading); }

    // Answers not used yet.
    int pendingAnswers() const { return int(m_answers.size()); }
    // Forgets the answers not used yet, what was shown and what was printed:
    // a long run starts each of its sessions afresh.
    void forgetAll()
    {
        m_answers.clear();
        m_clock.clear();
        m_shown.clear();
        m_printer.forgetAll();
    }

    // --- What was shown, in order.
    const std::vector<ShownDialog> &shown() const { return m_shown; }
    // The texts of the message boxes shown.
    QStringList messages() const;
    void clearShown() { m_shown.clear(); }

    // --- The services.
    int MsgBox(const QString &text, int style) override;
    void ShowOpen(CommonDialog &dialog) override;
    void ShowSave(CommonDialog &dialog) override;
    void ShowColor(CommonDialog &dialog) override;
    void ShowFont(CommonDialog &dialog) override;
    void ShowPrinter(CommonDialog &dialog) override;
    ScriptedPrinter &printer() override { return m_printer; }
    int PopupMenu(const QStringList &items, int checkedItem = -1) override;
    // The desktop's clipboard of these services: what the editor copies, or
    // what a test or script puts there as another program would.
    void SetClipboardPicture(const QImage &picture) override
    {
        m_clipboard = picture;
        clipboardChanged();
    }
    bool ClipboardHasPicture() override { return !m_clipboard.isNull(); }
    QImage ClipboardPicture() override { return m_clipboard; }
    // The picture last put on the desktop's clipboard.
    const QImage &clipboardPicture() const { return m_clipboard; }

    // --- Files. A check, when set, is asked before the editor writes,
    // changes or removes a file through these services: it returns false to
    // skip the write (as if it was done) or throws to refuse it.
    using WriteCheck = std::function<bool(const QString &path)>;
    void setWriteCheck(WriteCheck check) { m_writeCheck = std::move(check); }
    void SavePicture(const QImage &picture, const QString &path) override;
    void SetAttr(const QString &path, int attributes) override;
    void Kill(const QString &path) override;

private:
    struct Answer {
        DialogKind kind;
        bool cancel = false;
        int value = 0;  // message box answer, filter index, colour, copies, menu index
        QString path;
        FontAnswer font;
    };

    void queue(Answer answer) { m_answers.push_back(std::move(answer)); }
    // Records the dialog, then takes the answer at the head of the queue or throws.
    Answer take(ShownDialog shown);

    std::deque<Answer> m_answers;
    std::deque<std::uint32_t> m_clock;
    std::vector<ShownDialog> m_shown;
    ScriptedPrinter m_printer;
    QImage m_clipboard;
    WriteCheck m_writeCheck;
};

}  // namespace pinxel
