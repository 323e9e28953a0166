#pragma once
/// \file
/// \brief pinxel::ScriptedHostServices: host services that answer from a queue, for tests and scripts.
///
/// Host services that answer from a queue filled in advance and record every
/// message box and dialog they were asked to show, so that tests and the
/// pinxel tool's scripts run without a person and never block on a window.
///
/// A message box or dialog with no answer waiting, or with an answer of
/// another kind at the head of the queue, throws UnansweredDialog: a plain
/// runtime_error, so that no handler of the library (which traps only
/// pinxel::Error) swallows it and the test fails at that point.
///
/// Like all services, they are called on the GUI thread (or the one thread
/// of a program without widgets).

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

/// Thrown by ScriptedHostServices for a message box, dialog or pop-up menu
/// it has no fitting answer for; what() says which was shown and what the
/// queue held.
class UnansweredDialog : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The kinds of window ScriptedHostServices answers.
enum class DialogKind {
    MessageBox,  ///< HostServices::MsgBox()
    Open,        ///< HostServices::ShowOpen()
    Save,        ///< HostServices::ShowSave()
    Color,       ///< HostServices::ShowColor()
    Font,        ///< HostServices::ShowFont()
    Printer,     ///< HostServices::ShowPrinter()
    PopupMenu    ///< HostServices::PopupMenu()
};

/// The name of a kind in messages: "message box", "open dialog", ...
QString dialogKindName(DialogKind kind);

/// One message box or dialog as it was shown.
struct ShownDialog {
    DialogKind kind = DialogKind::MessageBox;  ///< What was shown.
    QString text;          ///< the message box text, the dialog title, or the menu items joined by newlines
    int style = 0;         ///< the message box style; the dialog's Flags
    CommonDialog preset;   ///< a dialog's values when it was shown
    QStringList items;     ///< a pop-up menu's items
    int checkedItem = -1;  ///< the pop-up menu's item with the check mark
};

/// The answer to a font dialog.
struct FontAnswer {
    QString name = QStringLiteral("DejaVu Sans");  ///< The family chosen.
    double size = 8.0;                             ///< The size in points.
    bool bold = false;                             ///< Bold.
    bool italic = false;                           ///< Italic.
    bool underline = false;                        ///< Underlined.
    bool strikethru = false;                       ///< Struck through.
    std::optional<Color> color;                    ///< unchanged when the answer names none
};

/// A printer that keeps what it was sent and can write it out.
class ScriptedPrinter : public Printer {
public:
    /// One picture as it was painted.
    struct Painted {
        QImage picture;  ///< The picture painted.
        int x = 0;       ///< Where, across the page, in pixels.
        int y = 0;       ///< Where, down the page, in pixels.
        int copies = 1;  ///< the printer's copies when it was painted
    };

    /// Keeps the picture with its place and the copies; never fails.
    void PaintPicture(const QImage &picture, int x, int y) override;
    /// Ends the document; writes it out when an output file is set.
    /// \throws Error 482 when the output file cannot be written.
    void EndDoc() override;

    /// Every picture painted since the services were made, in order.
    const std::vector<Painted> &painted() const { return m_painted; }
    /// Documents ended so far, and the copies of each.
    const std::vector<int> &documents() const { return m_documents; }
    /// Pictures painted in the open document (not yet ended).
    int pendingPictures() const { return m_pending; }
    /// Forgets what was painted and the documents.
    void forgetAll()
    {
        m_painted.clear();
        m_documents.clear();
        m_pending = 0;
    }

    /// EndDoc writes the document's page to this file: a PDF when the name
    /// ends in .pdf, else a PNG of the page's pixels. Empty writes nothing.
    void setOutputFile(const QString &path) { m_output = path; }

private:
    std::vector<Painted> m_painted;
    std::vector<int> m_documents;
    int m_pending = 0;
    QString m_output;
};

/// Host services without a person: answers queued in advance, every window
/// recorded.
///
/// \code
/// pinxel::ScriptedHostServices services;
/// pinxel::HostServices::setCurrent(&services);
/// services.answerPrinter(2);   // the printer dialog: two copies
/// dabbler->PicturePrint();
/// // services.printer().documents() is now {2}; services.shown() holds the printer dialog
/// \endcode
///
/// The files, cursors and screen are those of HostServices, behind an
/// optional write check. Call it on the GUI thread.
class ScriptedHostServices : public HostServices {
public:
    /// Services with no answers queued; the random source's clock reads the
    /// clock answers first (answerClock()).
    ScriptedHostServices();
    ~ScriptedHostServices() override;

    /// \name Answers, consumed in the order they were queued
    ///@{

    /// The next message box's answer: 1 OK, 2 Cancel, 6 Yes, 7 No. It must
    /// be a button of the box's style, else the box throws UnansweredDialog.
    void answerMsgBox(int answer);  // 1 OK, 2 Cancel, 6 Yes, 7 No
    /// The next open dialog chooses path; filterIndex 0 keeps the preset index.
    void answerOpen(const QString &path, int filterIndex = 0);  // 0 keeps the preset index
    /// The next open dialog is cancelled (pinxel::Error 32755).
    void cancelOpen();
    /// The next save dialog chooses path; filterIndex 0 keeps the preset index.
    void answerSave(const QString &path, int filterIndex = 0);
    /// The next save dialog is cancelled (pinxel::Error 32755).
    void cancelSave();
    /// The next colour dialog chooses a packed colour.
    void answerColor(Color color);
    /// The next colour dialog is cancelled: its colour stays.
    void cancelColor();
    /// The next font dialog chooses font.
    void answerFont(const FontAnswer &font);
    /// The next font dialog is cancelled: its font stays.
    void cancelFont();
    /// The next printer dialog chooses copies.
    void answerPrinter(int copies);
    /// The next printer dialog is cancelled (pinxel::Error 32755).
    void cancelPrinter();
    /// The next pop-up menu chooses the item at index; a separator or an
    /// index beyond the items throws UnansweredDialog.
    void answerPopupMenu(int index);
    /// The next pop-up menu is dismissed (-1).
    void dismissPopupMenu();
    /// The clock's next reading for the random source (the air brush reseeds
    /// from it); once these run out it reads the machine's clock.
    void answerClock(std::uint32_t reading) { m_clock.push_back(reading); }

    /// Answers not used yet.
    int pendingAnswers() const { return int(m_answers.size()); }
    /// Forgets the answers not used yet, what was shown and what was printed:
    /// a long run starts each of its sessions afresh.
    void forgetAll()
    {
        m_answers.clear();
        m_clock.clear();
        m_shown.clear();
        m_printer.forgetAll();
    }
    ///@}

    /// \name What was shown, in order
    ///@{

    /// Every message box, dialog and pop-up menu shown, answered or not.
    const std::vector<ShownDialog> &shown() const { return m_shown; }
    /// The texts of the message boxes shown.
    QStringList messages() const;
    /// Forgets what was shown.
    void clearShown() { m_shown.clear(); }
    ///@}

    /// \name The services
    /// Each records the window in shown(), then takes the answer at the head
    /// of the queue, or throws UnansweredDialog when it is missing or of
    /// another kind.
    ///@{

    int MsgBox(const QString &text, int style) override;
    void ShowOpen(CommonDialog &dialog) override;
    void ShowSave(CommonDialog &dialog) override;
    void ShowColor(CommonDialog &dialog) override;
    void ShowFont(CommonDialog &dialog) override;
    void ShowPrinter(CommonDialog &dialog) override;
    /// The printer that keeps what it was sent.
    ScriptedPrinter &printer() override { return m_printer; }
    int PopupMenu(const QStringList &items, int checkedItem = -1) override;
    /// The desktop's clipboard of these services: what the editor copies, or
    /// what a test or script puts there as another program would.
    void SetClipboardPicture(const QImage &picture) override
    {
        m_clipboard = picture;
        clipboardChanged();
    }
    /// Whether a picture was put on these services' clipboard.
    bool ClipboardHasPicture() override { return !m_clipboard.isNull(); }
    /// The picture on these services' clipboard, as it was put there.
    QImage ClipboardPicture() override { return m_clipboard; }
    /// The picture last put on the desktop's clipboard.
    const QImage &clipboardPicture() const { return m_clipboard; }
    ///@}

    /// \name Files
    /// A check, when set, is asked before the editor writes,
    /// changes or removes a file through these services: it returns false to
    /// skip the write (as if it was done) or throws to refuse it.
    ///@{

    /// The check: given the path, true to write, false to skip; what it throws reaches the writer.
    using WriteCheck = std::function<bool(const QString &path)>;
    /// Sets the check; an empty one lets every write through.
    void setWriteCheck(WriteCheck check) { m_writeCheck = std::move(check); }
    /// HostServices::SavePicture() after the write check.
    void SavePicture(const QImage &picture, const QString &path) override;
    /// HostServices::SetAttr() after the write check.
    void SetAttr(const QString &path, int attributes) override;
    /// HostServices::Kill() after the write check.
    void Kill(const QString &path) override;
    ///@}

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
