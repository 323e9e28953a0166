#include "model/HeadlessView.h"

#include <QFontMetrics>

#include <algorithm>

namespace pinxel {

void HeadlessTextBox::setText(const QString &text)
{
    m_text = text;
    m_cursor = m_anchor = int(text.size());  // as a line edit leaves it
}

QSize HeadlessTextBox::measure(const QString &caption)
{
    const QFontMetrics metrics(m_font);
    return {metrics.horizontalAdvance(caption), metrics.height()};
}

void HeadlessTextBox::replaceSelection(const QString &with)
{
    const int from = std::min(m_cursor, m_anchor);
    m_text.replace(from, std::abs(m_cursor - m_anchor), with);
    m_cursor = m_anchor = from + int(with.size());
}

void HeadlessTextBox::typeCharacter(int ascii)
{
    if (ascii == 8) {
        if (m_cursor == m_anchor && m_cursor > 0)
            --m_anchor;
        replaceSelection(QString());
    } else if (ascii >= 32 && ascii != 127) {
        replaceSelection(QString(QChar(ascii)));
    }
}

void HeadlessTextBox::editKey(int keyCode, int shift)
{
    const int size = int(m_text.size());
    int to = m_cursor;
    switch (keyCode) {
    case 35:
        to = size;
        break;
    case 36:
        to = 0;
        break;
    case 37:
        to = std::max(0, m_cursor - 1);
        break;
    case 39:
        to = std::min(size, m_cursor + 1);
        break;
    case 46:
        if (m_cursor == m_anchor && m_cursor < size)
            ++m_anchor;
        replaceSelection(QString());
        return;
    default:
        return;
    }
    m_cursor = to;
    if ((shift & 1) == 0)
        m_anchor = to;
}

void HeadlessTextBox::select(int start, int length)
{
    const int size = int(m_text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, -start, size - start);
    m_anchor = start;
    m_cursor = start + length;
}

}  // namespace pinxel
