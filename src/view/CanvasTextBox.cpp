#include "view/CanvasTextBox.h"

#include "pinxel/SurfaceView.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace pinxel {

namespace {
// A line edit draws its text 2 pixels in from its contents; the box starts
// its text at its left edge, where the stamp prints it.
constexpr int LineEditTextInset = 2;
}  // namespace

CanvasTextBox::CanvasTextBox(const PictureSurface &canvas, QWidget *canvasView, QLabel *sizeLabel)
    : QLineEdit(canvasView), m_placement(*this, canvas), m_sizeLabel(sizeLabel)
{
    setFrame(false);
    setTextMargins(-LineEditTextInset, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setAutoFillBackground(true);
    setMinimumSize(0, 0);
    m_sizeLabel->setMargin(0);
    m_sizeLabel->hide();
    hide();
}

void CanvasTextBox::setColors(Color text, Color background)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Text, QColor::fromRgb(toQRgb(text)));
    colors.setColor(QPalette::Base, QColor::fromRgb(toQRgb(background)));
    colors.setColor(QPalette::Window, QColor::fromRgb(toQRgb(background)));
    setPalette(colors);
}

QSize CanvasTextBox::measure(const QString &caption)
{
    m_sizeLabel->setText(caption);
    const QFontMetrics metrics(m_sizeLabel->font());
    m_sizeLabel->resize(metrics.horizontalAdvance(caption), metrics.height());
    return m_sizeLabel->size();
}

void CanvasTextBox::setTextFont(const QFont &font)
{
    setFont(font);
    m_sizeLabel->setFont(font);
}

void CanvasTextBox::typeCharacter(int ascii)
{
    if (ascii == 8)
        backspace();
    else if (ascii >= 32 && ascii != 127)
        insert(QString(QChar(ascii)));
}

void CanvasTextBox::editKey(int keyCode, int shift)
{
    const bool mark = (shift & 1) != 0;
    switch (keyCode) {
    case 35:
        end(mark);
        break;
    case 36:
        home(mark);
        break;
    case 37:
        cursorBackward(mark);
        break;
    case 39:
        cursorForward(mark);
        break;
    case 46:
        del();
        break;
    default:
        break;
    }
}

void CanvasTextBox::select(int start, int length)
{
    const int size = int(QLineEdit::text().size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, -start, size - start);
    if (length == 0)
        setCursorPosition(start);
    else
        setSelection(start, length);
}

void CanvasTextBox::keyPressEvent(QKeyEvent *event)
{
    // The key goes down, then types its character: both as element events,
    // so that a script or a recording does exactly what the keyboard did.
    m_pressedKeys.insert(event->key());
    emit KeyDown(SurfaceView::keyCode(event->key()), SurfaceView::shiftMask(event->modifiers()));
    const QString typed = event->text();
    if (typed.size() == 1 && (typed[0].unicode() == 8 || (typed[0].unicode() >= 32 && typed[0].unicode() != 127)))
        emit KeyPress(typed[0].unicode());
    event->accept();
}

void CanvasTextBox::mousePressEvent(QMouseEvent *event)
{
    m_reported = QPoint(-1, 0);  // a press always says where it put the cursor
    QLineEdit::mousePressEvent(event);
    reportSelection();
}

void CanvasTextBox::mouseMoveEvent(QMouseEvent *event)
{
    QLineEdit::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        reportSelection();
}

void CanvasTextBox::reportSelection()
{
    // As setSelection takes it: from the anchor to the cursor, negative when backwards.
    const int cursor = cursorPosition();
    const int anchor = !hasSelectedText() ? cursor : cursor == selectionStart() ? selectionEnd() : selectionStart();
    const QPoint selection(anchor, cursor - anchor);
    if (selection == m_reported)
        return;
    m_reported = selection;
    emit SelChange(selection.x(), selection.y());
}

void CanvasTextBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    // The Enter that confirmed the font dialog goes up over the box: not its key.
    if (!event->isAutoRepeat() && m_pressedKeys.remove(event->key()))
        emit KeyUp(SurfaceView::keyCode(event->key()), SurfaceView::shiftMask(event->modifiers()));
}

void CanvasTextBox::mouseDoubleClickEvent(QMouseEvent *) { emit DblClick(); }

void CanvasTextBox::focusOutEvent(QFocusEvent *event)
{
    m_pressedKeys.clear();
    QLineEdit::focusOutEvent(event);
    // A menu opening or another window (the font dialog) does not take the
    // focus from the box as another element of the window does.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        emit LostFocus(reason);
}

}  // namespace pinxel
