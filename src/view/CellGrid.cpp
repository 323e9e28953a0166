#include "view/CellGrid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include <climits>

namespace pinxel {

namespace {

constexpr int MarkMargin = 3;  // pixels the mark reaches beyond its cell

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}
bool isChooseKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Select; }

}  // namespace

FocusMark::FocusMark(QWidget *host) : QFocusFrame(host) { hide(); }

void FocusMark::markCell(const QRect &cell)
{
    if (cell.isEmpty()) {
        hide();
        return;
    }
    setGeometry(cell.adjusted(-MarkMargin, -MarkMargin, MarkMargin, MarkMargin));
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // Two dark pixels outside, one light pixel inside: seen on light and dark cells alike.
    painter.drawRect(outer.x(), outer.y(), outer.width(), 2);
    painter.drawRect(outer.x(), outer.bottom() - 1, outer.width(), 2);
    painter.drawRect(outer.x(), outer.y(), 2, outer.height());
    painter.drawRect(outer.right() - 1, outer.y(), 2, outer.height());
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(2, 2, -3, -3));
}

CellGrid::CellGrid(QWidget *host, QAccessible::Role cellRole)
    : QObject(host), m_host(host), m_cellRole(cellRole), m_mark(new FocusMark(host))
{}

void CellGrid::add(GridCell cell)
{
    QWidget *target = cell.widget ? cell.widget : m_host.data();
    // Tab stops at one cell of the group; a click takes no focus.
    target->setFocusPolicy(cell.widget && count() != m_current ? Qt::NoFocus : Qt::TabFocus);
    target->installEventFilter(this);
    m_cells.push_back(std::move(cell));
}

int CellGrid::indexOf(const QWidget *cellWidget) const
{
    for (int i = 0; i < count(); ++i)
        if (m_cells[size_t(i)].widget == cellWidget)
            return i;
    return -1;
}

QRect CellGrid::cellRect(int index) const
{
    if (index < 0 || index >= count())
        return QRect();
    const GridCell &c = cell(index);
    return c.rect ? c.rect() : c.widget ? c.widget->geometry() : QRect();
}

bool CellGrid::groupHasFocus() const
{
    if (!m_host)
        return false;
    if (m_host->hasFocus())
        return true;
    for (const GridCell &c : m_cells)
        if (c.widget && c.widget->hasFocus())
            return true;
    return false;
}

bool CellGrid::hasFocus(int index) const
{
    if (index < 0 || index >= count() || !m_host)
        return false;
    const GridCell &c = cell(index);
    return c.widget ? c.widget->hasFocus() : index == m_current && m_host->hasFocus();
}

void CellGrid::setCurrent(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    const bool focused = groupHasFocus();
    const int before = m_current;
    m_current = index;
    if (QWidget *widget = cell(index).widget) {
        widget->setFocusPolicy(Qt::TabFocus);
        if (focused)
            widget->setFocus(Qt::TabFocusReason);
        if (QWidget *old = cell(before).widget)
            old->setFocusPolicy(Qt::NoFocus);
        return;
    }
    if (focused) {
        showMark();
        announceFocus();
    }
}

void CellGrid::choose(int index, bool right)
{
    if (index >= 0 && index < count() && cell(index).choose)
        cell(index).choose(right);
}

QWidgetList CellGrid::tabChain() const
{
    QWidgetList chain;
    for (const GridCell &c : m_cells)
        if (c.widget)
            chain.push_back(c.widget);
    if (chain.isEmpty() && m_host)
        chain.push_back(m_host);
    return chain;
}

// The nearest shown cell in the arrow's direction along the current row or column; -1: none.
int CellGrid::neighbour(int key) const
{
    const GridCell &from = cell(m_current);
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    const int sign = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    int best = -1, bestDistance = INT_MAX;
    for (int i = 0; i < count(); ++i) {
        const GridCell &c = cell(i);
        if (c.widget && c.widget->isHidden())
            continue;
        if (across ? c.row != from.row : c.column != from.column)
            continue;
        const int distance = sign * (across ? c.column - from.column : c.row - from.row);
        if (distance > 0 && distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void CellGrid::showMark() { m_mark->markCell(groupHasFocus() ? cellRect(m_current) : QRect()); }

void CellGrid::announceFocus()
{
    QAccessibleEvent event(m_host.data(), QAccessible::Focus);
    event.setChild(m_current);
    QAccessible::updateAccessibility(&event);
}

bool CellGrid::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && isArrow(key->key())) {
            // Kept within the group: a button's own arrow handling would choose as it moves.
            setCurrent(neighbour(key->key()));
            return true;
        }
        if (plain && isChooseKey(key->key())) {
            if (!key->isAutoRepeat())
                choose(m_current, key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (isChooseKey(static_cast<QKeyEvent *>(event)->key()))
            return true;  // chosen at the press; a button must not click again
        break;
    case QEvent::FocusIn:
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget != m_host) {
            // A cell widget focused another way (a click, a program) becomes the tab stop.
            if (const int index = indexOf(widget); index >= 0 && index != m_current)
                setCurrent(index);
        }
        showMark();
        if (watched == m_host)
            announceFocus();
        break;
    case QEvent::FocusOut:
        showMark();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pinxel
