#pragma once
// The editor's status bar: three text panels docked to the window's bottom
// edge: 1 the hint, 2 the pointer position, 3 the drag size. An empty text
// clears a panel.

#include <QWidget>

#include <array>

class QLabel;

namespace pinxel {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    // Panels are numbered 1 to 3.
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    // Its height in pixels; the window docks it at the bottom.
    static constexpr int PixelHeight = 17;

private:
    std::array<QLabel *, 3> m_panels{};
};

}  // namespace pinxel
