#pragma once
/// \file
/// \brief pinxel::EditorWidget: the whole paint editor as an ordinary widget.
///
/// EditorWidget: the whole paint editor (menus, tool palette, option panels,
/// colour palette, status bar, canvas) as an ordinary widget that a host puts
/// in any layout, tab or dock. It is not modal, and any number can live at
/// once, each with its own picture, history, selection, clipboard, tool and
/// options. The control Dabbler and its modal editor are unchanged by it.
///
/// The host feeds and takes pictures in memory, hears every change, can drive
/// the editor from toolbars and menus of its own (trigger), and can own the
/// storage of the pictures (setFileHandler). Without a handler the File menu
/// is hidden and the host alone decides what becomes of the picture; with one,
/// the File menu shows, Open and Save ask the handler, and closing the window
/// the editor is in asks whether to save the changes.
///
/// Everything runs on the GUI thread. Failures are pinxel::Error (Error.h).

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace pinxel {

class FileHandler;
class frmPaint;
class RecoveryJournal;

/// The paint editor as a widget of the host's: not modal, one picture and
/// history each, in any layout, tab or dock.
///
/// \code
/// #include "pinxel/EditorWidget.h"
/// auto *editor = new pinxel::EditorWidget(tabs);
/// editor->setPicture(QImage("photo.png"));   // refused with pinxel::Error 481 when null or too large
/// connect(editor, &pinxel::EditorWidget::modifiedChanged, this, &QWidget::setWindowModified);
/// editor->trigger("optTools(6)");            // the Rectangle tool, as a click on its button
/// editor->setMenuBarVisible(false);          // the host's own menus drive it through trigger()
/// \endcode
///
/// The editor reports the failures of its own commands to the user in
/// message boxes, as the modal editor does; only setPicture() throws. A
/// widget of the GUI thread: make it and call it there only, after the
/// QApplication exists. See \ref inline_editor.
class EditorWidget : public QWidget {
    Q_OBJECT
    /// Whether the picture changed since it was handed in, opened, made new
    /// or saved: isModified(), setModified(), modifiedChanged().
    Q_PROPERTY(bool modified READ isModified WRITE setModified NOTIFY modifiedChanged)
    /// Whether the editor's own menu bar shows: isMenuBarVisible(), setMenuBarVisible().
    Q_PROPERTY(bool menuBarVisible READ isMenuBarVisible WRITE setMenuBarVisible)
public:
    /// An editor on a new blank picture with the Pencil, not modified,
    /// without a file handler (the File menu hidden). Needs the QApplication.
    explicit EditorWidget(QWidget *parent = nullptr);
    /// Deletes the editor without asking anything: a host that wants the
    /// changes asks isModified() and takes picture() first.
    ~EditorWidget() override;

    /// Shows the picture and starts a new history, as the control's load does:
    /// nothing floating or pending, not modified. An RGB32 picture is shared,
    /// not copied, until one side draws; other formats are converted, their
    /// transparency laid over white. A null or empty picture, or one beyond
    /// 32768 pixels a side or 100 million in all, is refused with error 481
    /// before anything changes or is allocated. The undo history shares the
    /// picture too: one made on a buffer of the host's (QImage(uchar *, ...))
    /// must stay unchanged and alive while the editor may hold it, so hand
    /// in a copy of such a picture.
    /// \throws Error 481 for a null, empty or oversized picture; the editor
    /// keeps what it showed.
    void setPicture(const QImage &picture);
    /// The picture as the user will get it: a floating selection painted at
    /// its place, no previews or marquee. Shares the canvas's pixels when
    /// nothing floats or previews.
    QImage picture() const;

    /// Changed since the picture was handed in, opened, made new or saved.
    bool isModified() const;
    /// Sets or clears the changed mark (after the host stored the picture,
    /// say); modifiedChanged() follows when it changes.
    void setModified(bool modified);

    /// Runs a menu item or a tool button as a user's click would:
    /// "mnuBlur", "mnuUndo", "mnuBS(2)", "optTools(6)". False, and nothing
    /// happens, when a user could not reach it now (a disabled or hidden
    /// item, an unknown name, a disabled editor).
    ///
    /// True when it ran; what the command then does (a dialog, a message of
    /// a failure) is the editor's, as after a click.
    bool trigger(const QString &element);

    /// The editor's own menu bar; a host with menus of its own hides it and
    /// drives the editor through trigger().
    void setMenuBarVisible(bool visible);
    /// Whether the editor's own menu bar shows (the default).
    bool isMenuBarVisible() const;

    /// The host's storage for File > New, Open, Save and Save As (FileHandler.h).
    /// The handler stays the host's and must outlive the editor or be unset
    /// (nullptr hides the File menu again).
    void setFileHandler(FileHandler *handler);
    /// The handler set with setFileHandler(), or nullptr.
    FileHandler *fileHandler() const;

    /// 640 × 480 pixels.
    QSize sizeHint() const override;

signals:
    /// After every change of the picture: a stroke, a command, Undo, Redo, a
    /// paste or a drop, a new or opened picture.
    ///
    /// Not during a stroke: once at its end.
    void pictureChanged();
    /// The changed mark isModified() changed to modified.
    void modifiedChanged(bool modified);
    /// Whether Edit > Undo is available now changed.
    void undoAvailable(bool available);
    /// Whether Edit > Redo is available now changed.
    void redoAvailable(bool available);

protected:
    /// Hears the close of the window the editor is in: with a file handler
    /// and changes, the save question; Cancel or a failed save keeps the
    /// window open.
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Finds the window the editor is shown in, to hear its close.
    void showEvent(QShowEvent *event) override;
    /// Follows a change of the editor's parent to the new window.
    bool event(QEvent *event) override;

private:
    // Hears the close of the window the editor is in now.
    void watchWindow();
    // Journals the session on the picture the editor has now, after
    // offering a journal a crashed session left on the same picture.
    void startJournal();

    frmPaint *m_editor;
    QPointer<QWidget> m_watchedWindow;
    std::unique_ptr<RecoveryJournal> m_journal;
};

}  // namespace pinxel
