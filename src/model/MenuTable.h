#pragma once
// The editor's menus and items, one row each, in the order they show: name,
// the menu it is in, caption, shortcut, its first state and what a click
// runs. The model keeps the rows' states and registers their clicks; the
// window builds its menu bar from the same rows.

#include "model/EditorModel.h"

#include <QString>

#include <functional>
#include <vector>

namespace pinxel {

struct MenuRow {
    enum Kind {
        Menu,   // a drop-down of the bar, or a submenu of the menu it is in
        Popup,  // a menu of its own, never in the bar (the filter brush's)
        Item,
        Separator,
    };
    Kind kind;
    QString name;
    QString parent;  // empty: on the menu bar
    QString caption;
    QString shortcut;
    std::function<void(EditorModel &)> click;  // none: the item does nothing
    bool checkable = false;
    ItemState state;                // as the editor opens
    const char *comment = nullptr;  // tells the caption from another of the same text, for its translation
};

const std::vector<MenuRow> &menuRows();

// A row's caption as the editor shows it, in the user's language (the row
// keeps the English one, which scripts and the model name).
QString shownCaption(const MenuRow &row);

}  // namespace pinxel
