#pragma once
// What a host that owns its pictures' storage (a database, a document, a
// server) offers an EditorWidget in place of files: with a handler set, the
// editor's File menu shows, and Open and Save ask the handler instead of the
// file dialogs. New and the question whether to save the changes (before
// New, Open and closing) work as with files, the save going to the handler.
//
// Header only and free of library symbols, so that a host implements it
// without linking the library. Both calls come on the GUI thread, while the
// user works in the editor.

#include <QImage>

#include <optional>

namespace pinxel {

class FileHandler {
public:
    virtual ~FileHandler() = default;

    // The picture File > Open shows, or nothing when the user cancelled.
    // A null picture, one larger than the editor takes, or an exception is
    // reported to the user as a picture that cannot be opened; the editor
    // keeps what it showed.
    virtual std::optional<QImage> open() = 0;
    // Stores the picture as the user sees it (a floating selection painted at
    // its place). saveAs is true for File > Save As, where a host may ask
    // where to. True when it was stored: the picture is no longer modified.
    // False, or an exception (reported to the user as a failed save), keeps
    // the picture modified, and the save question keeps the editor open.
    virtual bool save(const QImage &picture, bool saveAs) = 0;
};

}  // namespace pinxel
