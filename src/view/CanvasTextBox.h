#pragma once
// The text box txtText of the Text tool: a borderless single-line edit on
// the canvas that shows its text exactly where the stamp will print it, with
// the hidden label lblTextSize that measures it. It raises the key and focus
// events of the editor's handlers.

#include "tools/CanvasElements.h"
#include "view/CanvasPlacement.h"

#include <QLineEdit>
#include <QSet>

class QLabel;

namespace pinxel {

class CanvasTextBox : public QLineEdit, public TextBox {
    Q_OBJECT
public:
    // Both are children of the canvas's view; the label stays hidden.
    CanvasTextBox(const PictureSurface &canvas, QWidget *canvasView, QLabel *sizeLabel);

    QRect place() const override { return m_placement.place(); }
    void setPlace(const QRect &pixels) override { m_placement.setPlace(pixels); }
    bool isShown() const override { return !isHidden(); }
    void setShown(bool shown) override { setVisible(shown); }
    QString text() const override { return QLineEdit::text(); }
    void setText(const QString &text) override { QLineEdit::setText(text); }
    QString tag() const override { return m_tag; }
    void setTag(const QString &tag) override { m_tag = tag; }
    void setColors(Color text, Color background) override;
    QSize measure(const QString &caption) override;
    void takeFocus() override { setFocus(Qt::OtherFocusReason); }
    void setTextFont(const QFont &font) override;
    void typeCharacter(int ascii) override;
    void editKey(int keyCode, int shift) override;
    void select(int start, int length) override;

signals:
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    // A key typed a character (Backspace is 8).
    void KeyPress(int ascii);
    // A press or drag in the box moved its cursor or selection.
    void SelChange(int start, int length);
    void DblClick();
    // The box lost the keyboard focus to another element of the window.
    void LostFocus(Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    CanvasPlacement m_placement;
    QLabel *m_sizeLabel;
    QString m_tag;
    QPoint m_reported;        // the selection last reported: anchor, length
    QSet<int> m_pressedKeys;  // a release counts only for a key pressed here

    void reportSelection();
};

}  // namespace pinxel
