#include "view/Accessibility.h"

#include "view/CellGrid.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <map>

namespace pinxel {

namespace {

// What describeAccessible gives a widget; it lives as the widget's child.
class AccessibleDescription : public QObject {
public:
    AccessibleDescription(QWidget *widget, QAccessible::Role role, AccessibleText name, AccessibleText description)
        : QObject(widget), role(role), name(std::move(name)), description(std::move(description))
    {}
    const QAccessible::Role role;
    const AccessibleText name, description;
};

// The widget's own description or grid (a plain class: no meta-object to find it by).
template <typename T> T *attached(QObject *object)
{
    if (object)
        for (QObject *child : object->children())
            if (auto *found = dynamic_cast<T *>(child))
                return found;
    return nullptr;
}

QString textOf(const AccessibleText &text) { return text ? text() : QString(); }

// A described widget: its role and texts from the description.
class DescribedAccessible : public QAccessibleWidget {
public:
    DescribedAccessible(QWidget *widget, const AccessibleDescription *description)
        : QAccessibleWidget(widget, description->role), m_description(description)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && m_description)
            return textOf(m_description->name);
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty() && m_description)
            return textOf(m_description->description);
        return QAccessibleWidget::text(t);
    }

private:
    QPointer<const AccessibleDescription> m_description;
};

class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(ChoiceButton *button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->toolTip();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ChoiceButton *button() const { return static_cast<ChoiceButton *>(widget()); }
};

// One drawn cell of a grid, a child of its host's interface.
class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CellAccessible(CellGrid *grid, int index) : m_grid(grid), m_index(index) {}

    bool isValid() const override { return m_grid && m_grid->host() && m_index < m_grid->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return isValid() ? parent()->window() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_grid ? QAccessible::queryAccessibleInterface(m_grid->host()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        const GridCell &cell = m_grid->cell(m_index);
        switch (t) {
        case QAccessible::Name:
            return textOf(cell.name);
        case QAccessible::Description:
            return textOf(cell.description);
        case QAccessible::Value:
            return textOf(cell.value);
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid() || !m_grid->host()->isVisible())
            return QRect();
        const QRect cell = m_grid->cellRect(m_index);
        return QRect(m_grid->host()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return m_grid ? m_grid->cellRole() : QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QWidget *host = m_grid->host();
        const GridCell &cell = m_grid->cell(m_index);
        state.invisible = !host->isVisible();
        state.disabled = !host->isEnabled();
        state.focusable = true;
        state.focused = m_grid->hasFocus(m_index);
        state.checkable = bool(cell.checked);
        state.checked = cell.checked && cell.checked();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (isValid() && action == pressAction())
            m_grid->choose(m_index);
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QPointer<CellGrid> m_grid;
    int m_index;
};

// A widget whose cells are drawn on it: the cells are its children; the
// widgets it holds to draw them are not.
class GridAccessible : public DescribedAccessible {
public:
    GridAccessible(QWidget *host, CellGrid *grid, const AccessibleDescription *description)
        : DescribedAccessible(host, description), m_grid(grid)
    {}
    ~GridAccessible() override
    {
        for (const auto &[index, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return m_grid ? m_grid->count() : 0; }
    QAccessibleInterface *child(int index) const override
    {
        if (!m_grid || index < 0 || index >= m_grid->count())
            return nullptr;
        auto found = m_cells.find(index);
        if (found == m_cells.end())
            found = m_cells.emplace(index, QAccessible::registerAccessibleInterface(new CellAccessible(m_grid, index)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &[index, id] : m_cells)
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *cell = child(i); cell && cell->rect().contains(x, y))
                return cell;
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return m_grid && m_grid->hasFocus(m_grid->current()) ? child(m_grid->current()) : nullptr;
    }

private:
    QPointer<CellGrid> m_grid;
    mutable std::map<int, QAccessible::Id> m_cells;
};

const AccessibleDescription &noDescription()
{
    static const AccessibleDescription none(nullptr, QAccessible::Grouping, {}, {});
    return none;
}

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *button = qobject_cast<ChoiceButton *>(widget))
        return new ChoiceAccessible(button);
    const auto *description = attached<AccessibleDescription>(widget);
    auto *grid = attached<CellGrid>(widget);
    if (grid && grid->count() > 0 && !grid->cell(0).widget)
        return new GridAccessible(widget, grid, description ? description : &noDescription());
    return description ? new DescribedAccessible(widget, description) : nullptr;
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void describeAccessible(QWidget *widget, QAccessible::Role role, AccessibleText name, AccessibleText description)
{
    installAccessibility();
    delete attached<AccessibleDescription>(widget);
    new AccessibleDescription(widget, role, std::move(name), std::move(description));
    // An interface made before (a state change while the widget was being
    // set up) would be kept for good: the next query makes the described one.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

QString captionAsName(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    return caption.trimmed();
}

}  // namespace pinxel
