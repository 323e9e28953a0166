// The window's menu bar, built from the model's menu rows: each menu and
// item with its caption and shortcut, showing the state the model gives it.
// A click raises the item's element event; dropping a menu down raises the
// menu's. An editor inside a host's window offers its items' keys only while
// the focus is in it, and none while the host hides its menu bar; its menu
// bar has no Alt keys.

#include "editor/frmPaint.h"

#include "model/MenuTable.h"

#include <QMenu>
#include <QMenuBar>

namespace pinxel {

namespace {
// "&File" as "File"; "&&" stays an ampersand.
QString withoutMnemonic(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}
}  // namespace

void frmPaint::createMenus()
{
    for (const MenuRow &row : menuRows()) {
        QMenu *parent = menu(row.parent);
        if (row.kind == MenuRow::Menu || row.kind == MenuRow::Popup) {
            // The filter brush's pop-up is a menu of its own that never shows in the bar.
            QWidget *holder = row.kind == MenuRow::Popup ? static_cast<QWidget *>(this)
                              : parent                   ? static_cast<QWidget *>(parent)
                                                         : static_cast<QWidget *>(menuBar);
            // The menu bar's Alt keys hold for a whole window: inside a host's
            // window they would clash with the host's and other editors' own.
            const bool barMenu = row.kind == MenuRow::Menu && !parent;
            const QString caption = shownCaption(row);
            QMenu *created = new QMenu(barMenu && !isWindow() ? withoutMnemonic(caption) : caption, holder);
            created->setObjectName(row.name);
            created->menuAction()->setObjectName(row.name);
            if (row.kind == MenuRow::Menu && parent)
                parent->addMenu(created);
            else if (row.kind == MenuRow::Menu)
                menuBar->addMenu(created);
            m_menus[row.name] = created;
            m_actions[row.name] = created->menuAction();
            if (row.click)
                m_model.events().raiseOn(row.name + QStringLiteral(".Click"), created, &QMenu::aboutToShow, this);
            showItem(row.name);
            continue;
        }
        QAction *action =
            row.kind == MenuRow::Separator ? parent->addSeparator() : parent->addAction(shownCaption(row));
        action->setObjectName(row.name);
        if (row.kind == MenuRow::Separator)
            continue;
        if (!row.shortcut.isEmpty()) {
            action->setShortcut(QKeySequence(row.shortcut));
            action->setShortcutContext(Qt::WindowShortcut);
            if (!isWindow())
                m_shortcutActions.push_back(action);
        }
        action->setCheckable(row.checkable);
        m_actions[row.name] = action;
        connect(action, &QAction::triggered, this, [this, name = row.name] {
            // An embedded editor's shortcut reaches its items also in a
            // closed or hidden menu: only what a user could click runs.
            if (!isWindow() && !m_model.reachable(name))
                return;
            m_model.events().raise(name + QStringLiteral(".Click"));
            showItem(name);  // Qt toggled a check mark the model may have kept
        });
        showItem(row.name);
    }
    connect(&m_model, &EditorModel::itemChanged, this, &frmPaint::showItem);
    offerShortcuts(true);
}

void frmPaint::offerShortcuts(bool offered)
{
    // Inside a host's window, where other editors or the host's own actions
    // may take the same keys, the keys work while the focus is in this editor.
    for (QAction *shortcut : m_shortcutActions) {
        shortcut->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (offered)
            addAction(shortcut);
        else
            removeAction(shortcut);
    }
}

void frmPaint::showItem(const QString &name)
{
    QAction *shown = action(name);
    if (!shown)
        return;
    const ItemState state = m_model.item(name);
    shown->setEnabled(state.enabled);
    shown->setChecked(state.checked);
    shown->setVisible(state.visible);
}

QMenu *frmPaint::menu(const QString &name) const
{
    const auto found = m_menus.find(name);
    return found == m_menus.end() ? nullptr : found->second;
}

QAction *frmPaint::action(const QString &name) const
{
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
}

}  // namespace pinxel
