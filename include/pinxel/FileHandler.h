#pragma once
/// \file
/// \brief pinxel::FileHandler, the host's storage for an EditorWidget's File menu.
///
/// What a host that owns its pictures' storage (a database, a document, a
/// server) offers an EditorWidget in place of files: with a handler set, the
/// editor's File menu shows, and Open and Save ask the handler instead of the
/// file dialogs. New and the question whether to save the changes (before
/// New, Open and closing) work as with files, the save going to the handler.
///
/// Header only and free of library symbols, so that a host implements it
/// without linking the library. Both calls come on the GUI thread, while the
/// user works in the editor.

#include <QImage>

#include <optional>

namespace pinxel {

/// The host's storage of one editor's picture: File > Open and File > Save
/// (As) call it. Set it with EditorWidget::setFileHandler(); it stays the
/// host's.
///
/// Both members are called on the GUI thread, from the editor's commands and
/// its save question; the editor catches whatever they throw.
class FileHandler {
public:
    virtual ~FileHandler() = default;

    /// The picture File > Open shows, or nothing when the user cancelled.
    /// A null picture, one larger than the editor takes, or an exception is
    /// reported to the user as a picture that cannot be opened; the editor
    /// keeps what it showed.
    ///
    /// It is asked after the save question, so the changes were saved or
    /// given up already. The picture starts a new history, not modified.
    virtual std::optional<QImage> open() = 0;
    /// Stores the picture as the user sees it (a floating selection painted at
    /// its place). saveAs is true for File > Save As, where a host may ask
    /// where to. True when it was stored: the picture is no longer modified.
    /// False, or an exception (reported to the user as a failed save), keeps
    /// the picture modified, and the save question keeps the editor open.
    virtual bool save(const QImage &picture, bool saveAs) = 0;
};

}  // namespace pinxel
