#pragma once
// The editor model's view when nothing shows it: the curve handles and the
// text box as plain places and text, no scroll bars, no layout. A script or
// a test runs the model alone with it, without creating a widget.

#include "model/EditorView.h"
#include "tools/CanvasElements.h"

#include <array>

namespace pinxel {

class HeadlessElement : public CanvasElement {
public:
    QRect place() const override { return m_place; }
    void setPlace(const QRect &pixels) override { m_place = pixels; }
    bool isShown() const override { return m_shown; }
    void setShown(bool shown) override { m_shown = shown; }

private:
    QRect m_place;
    bool m_shown = false;
};

class HeadlessTextBox : public TextBox {
public:
    QRect place() const override { return m_place; }
    void setPlace(const QRect &pixels) override { m_place = pixels; }
    bool isShown() const override { return m_shown; }
    void setShown(bool shown) override { m_shown = shown; }
    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    QString tag() const override { return m_tag; }
    void setTag(const QString &tag) override { m_tag = tag; }
    void setColors(Color, Color) override {}
    QSize measure(const QString &caption) override;
    void takeFocus() override {}
    void setTextFont(const QFont &font) override { m_font = font; }
    void typeCharacter(int ascii) override;
    void editKey(int keyCode, int shift) override;
    void select(int start, int length) override;

private:
    void replaceSelection(const QString &with);

    QRect m_place;
    bool m_shown = false;
    QString m_text, m_tag;
    QFont m_font;
    int m_cursor = 0, m_anchor = 0;  // the selection runs from the anchor to the cursor
};

class HeadlessView : public EditorView {
public:
    CanvasElement &curveHandle(int index) override { return m_handles.at(size_t(index)); }
    TextBox &textBox() override { return m_textBox; }
    void focusCanvas() override {}
    ScrollPosition scrollPosition(ScrollAxis) const override { return {false, 0, 0, 0}; }
    void scrollTo(ScrollAxis, int) override {}
    void layOut() override {}
    void placeResizeHandles() override {}
    void centreOn(int, int) override {}
    void showPointer(const QCursor &) override {}

private:
    std::array<HeadlessElement, 4> m_handles;
    HeadlessTextBox m_textBox;
};

}  // namespace pinxel
