#pragma once
// The elements that lie on the canvas and that tools place: the four curve
// handles imgBezier and the text box txtText. Places are in canvas pixels.
// The window owns the widgets (view/); tools see only these.

#include "pinxel/Numeric.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace pinxel {

class CanvasElement {
public:
    virtual ~CanvasElement() = default;
    virtual QRect place() const = 0;
    virtual void setPlace(const QRect &pixels) = 0;
    virtual bool isShown() const = 0;
    virtual void setShown(bool shown) = 0;

    void moveTo(int left, int top) { setPlace(QRect(QPoint(left, top), place().size())); }
};

// The single-line, borderless text box txtText, with the hidden label
// lblTextSize that measures it.
class TextBox : public CanvasElement {
public:
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    // The element's tag text: "moving" while a canvas press moves the box.
    virtual QString tag() const = 0;
    virtual void setTag(const QString &tag) = 0;
    virtual void setColors(Color text, Color background) = 0;
    // The size of lblTextSize, which sizes itself to its caption in its font.
    virtual QSize measure(const QString &caption) = 0;
    virtual void takeFocus() = 0;
    // The box and its measuring label take the font the text is stamped in.
    virtual void setTextFont(const QFont &font) = 0;

    // What the box does with typing, as its own editing: types one character
    // (Backspace, 8, deletes the one before the cursor; other control
    // characters type nothing); moves its cursor for a key that goes down
    // (Left, Right, Home, End; with Shift it selects) or deletes (Delete);
    // places the cursor at start and selects length characters from it.
    virtual void typeCharacter(int ascii) = 0;
    virtual void editKey(int keyCode, int shift) = 0;
    virtual void select(int start, int length) = 0;
};

}  // namespace pinxel
