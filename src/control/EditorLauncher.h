#pragma once
// The hook between the control and the picture editor. The editor subsystem
// installs its launcher once; the control's method Dabbler hands itself to it
// at run time. Until one is installed the control has no editor to open and
// says so.

namespace pinxel {

class Dabbler;

class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;

    // Opens the editor modally on the control's picture, with the control's
    // caption, size, window state and File menu, and returns when the editor
    // closes. Failures are pinxel::Error, returned to the host.
    virtual void openEditor(Dabbler &control) = 0;

    // Prints the control's picture through the editor: the editor's print
    // dialog (the window is created hidden when it does not exist), then the
    // picture by way of the editor's canvas. Failures are pinxel::Error; a
    // cancelled dialog raises ErrCancel.
    virtual void printPicture(Dabbler &control) = 0;

    // The installed launcher, or nullptr.
    static EditorLauncher *installed();
    // Takes no ownership; nullptr removes the launcher.
    static void install(EditorLauncher *launcher);
};

}  // namespace pinxel
