#pragma once
// A group of cells a user chooses from with the keyboard: the tool buttons,
// an option panel's choices, the colour swatches. Tab enters the group at one
// cell (its tab stop), the arrow keys move along its rows and columns, Space
// chooses the cell as a left click does (Shift+Space as a right click, where
// the cell has one), and a mark shows which cell has the focus. A cell is
// either a widget of its own, which takes the focus itself, or drawn on the
// group's host widget, which then takes the focus for it. The cells' names
// and roles for assistive tools are the accessibility code's (view/Accessibility).

#include <QAccessible>
#include <QFocusFrame>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidgetList>

#include <functional>
#include <vector>

class QWidget;

namespace pinxel {

struct GridCell {
    int row = 0, column = 0;      // the cell's place: arrows move to the nearest cell in their direction
    QWidget *widget = nullptr;    // a cell that is a widget of its own; null: drawn on the host
    std::function<QRect()> rect;  // in the host's pixels; null: the widget's geometry
    std::function<QString()> name, description, value;  // for assistive tools
    std::function<bool()> checked;                      // null: the cell cannot be checked
    // Chooses the cell: a left click, or with right set a right click.
    std::function<void(bool right)> choose;
};

// The mark around the cell that has the keyboard focus: dark outside, light
// inside, so it shows on any colour. Assistive tools do not list it.
class FocusMark : public QFocusFrame {
    Q_OBJECT
public:
    explicit FocusMark(QWidget *host);
    // Shows the mark around a rectangle of the host, or hides it for an empty one.
    void markCell(const QRect &cell);

protected:
    void paintEvent(QPaintEvent *event) override;
};

class CellGrid : public QObject {
    Q_OBJECT
public:
    // The grid lives as the host's child; the cells' role is for assistive tools.
    CellGrid(QWidget *host, QAccessible::Role cellRole);

    void add(GridCell cell);
    int count() const { return int(m_cells.size()); }
    const GridCell &cell(int index) const { return m_cells.at(size_t(index)); }
    int indexOf(const QWidget *cellWidget) const;
    QWidget *host() const { return m_host; }
    QAccessible::Role cellRole() const { return m_cellRole; }
    // The cell's rectangle in the host's pixels.
    QRect cellRect(int index) const;

    // The tab stop: the cell Tab enters the group at.
    int current() const { return m_current; }
    // Moves the tab stop (the focus too while the group has it); out of range: ignored.
    void setCurrent(int index);
    // Whether the keyboard focus is on the cell.
    bool hasFocus(int index) const;
    // Chooses a cell as a click does.
    void choose(int index, bool right = false);
    // The widgets that take the group's focus, for the window's tab order.
    QWidgetList tabChain() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool groupHasFocus() const;
    int neighbour(int key) const;
    void showMark();
    void announceFocus();

    QPointer<QWidget> m_host;
    QAccessible::Role m_cellRole;
    std::vector<GridCell> m_cells;
    int m_current = 0;
    FocusMark *m_mark;
};

}  // namespace pinxel
