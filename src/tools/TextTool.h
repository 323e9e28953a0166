#pragma once
// The Text tool (tool 8): a press on the canvas opens the borderless text
// box txtText there, in the foreground colour on the canvas background, and
// the box grows as the text is typed; Enter, a double-click or a loss of
// focus stamps the text onto the picture as one undo step, Escape throws it
// away. A press while the box is open moves it (its tag reads "moving" for
// the loss of focus that press causes) and never stamps.

#include "tools/Tool.h"

namespace pinxel {

class TextTool : public Tool {
public:
    using Tool::Tool;

    void press(int shift, int x, int y) override;

    // The text box's events (key codes: Enter 13, Escape 27).
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    void DblClick();
    void LostFocus();

    // Sizes the box to its text with one more letter in front: "M" before a
    // key goes down, "O" once it is up, so the box is always wider than its text.
    void FitBox(const QString &letter);

    // Prints the box's text on the canvas at its top-left corner in the
    // canvas font and the foreground colour, hides the box and records the
    // undo step, also for an empty text.
    void Stamp();

protected:
    bool busy() const override;
};

}  // namespace pinxel
