// The editor's menu bar: every menu and item with its caption, shortcut,
// visibility, check mark and enabled state, and the drop-down handlers. A
// menu command is one row: its name, caption, shortcut and click handler.

#include "editor/frmPaint.h"

#include "imaging/FilterTable.h"
#include "imaging/mdlEffect.h"

#include <QMenu>
#include <QMenuBar>

namespace pinxel {

namespace {

struct MenuEntry {
    const char *name;  // "-" for a separator
    const char *caption;
    const char *shortcut = "";
    std::function<void(frmPaint &)> click = nullptr;  // a handler, or what the item runs
};

// What the effect, filter and check-mark items run.
std::function<void(frmPaint &)> effect(int kind, float factor = 0.0f, float angle = 0.0f)
{
    return [=](frmPaint &w) { w.ApplyEffect(kind, factor, angle); };
}
std::function<void(frmPaint &)> filter(int number)
{
    return [=](frmPaint &w) { w.ApplyFilter(number, -1, -1); };
}
std::function<void(frmPaint &)> checkResize(const char *chosen)
{
    return [=](frmPaint &w) { w.checkOneOf({"mnuResizeBoth", "mnuResizeWidth", "mnuResizeHeight"}, chosen); };
}
std::function<void(frmPaint &)> checkRotate(const char *chosen)
{
    return [=](frmPaint &w) { w.checkOneOf({"mnuRotateClockwise", "mnuRotateAntiClockwise"}, chosen); };
}

const MenuEntry FileItems[] = {
    {"mnuNew", "&New", "Ctrl+N", &frmPaint::mnuNew_Click},
    {"mnuOpen", "&Open", "Ctrl+O", &frmPaint::mnuOpen_Click},
    {"mnuSave", "&Save", "Ctrl+S", &frmPaint::mnuSave_Click},
    {"mnuSaveAs", "Save &As...", "", &frmPaint::mnuSaveAs_Click},
    {"mnuSep1", "-"},
    {"mnuPrint", "&Print", "Ctrl+P", &frmPaint::mnuPrint_Click},
    {"mnuSep2", "-"},
    {"mnuExit", "&Exit", "", &frmPaint::mnuExit_Click},
};

const MenuEntry EditItems[] = {
    {"mnuUndo", "&Undo", "Ctrl+Z", &frmPaint::mnuUndo_Click},
    {"mnuRedo", "&Redo", "Ctrl+Y", &frmPaint::mnuRedo_Click},
    {"mnuSep3", "-"},
    {"mnuCut", "Cu&t", "Ctrl+X", &frmPaint::mnuCut_Click},
    {"mnuCopy", "&Copy", "Ctrl+C", &frmPaint::mnuCopy_Click},
    {"mnuPaste", "&Paste", "Ctrl+V", &frmPaint::mnuPaste_Click},
    {"mnuDelete", "&Delete", "Del", &frmPaint::mnuDelete_Click},
    {"mnuSep4", "-"},
    {"mnuCrop", "C&rop", "", &frmPaint::mnuCrop_Click},
};

const MenuEntry FormatColorItems[] = {
    {"mnuSep7", "-"},
    {"mnuForegroundColor", "F&oreground Color...", "", &frmPaint::mnuForegroundColor_Click},
    {"mnuFillColor", "Fi&ll Color...", "", &frmPaint::mnuFillColor_Click},
    {"mnuFont", "&Font...", "Ctrl+F", &frmPaint::mnuFont_Click},
};

const char *const BorderStyleCaptions[] = {"&Solid", "&Dash", "D&ot", "D&ashDot", "Da&shDotDot"};
const char *const FillStyleCaptions[] = {"&Solid",         "&Transparent",       "&Horizontal Line",
                                         "&Vertical Line", "&Downward Diagonal", "&Upward Diagonal",
                                         "&Cross",         "Diagona&l Cross"};

const MenuEntry ResizeItems[] = {
    {"mnuResize25", "25%", "", effect(EffectResize, 0.25f)},
    {"mnuResize50", "50%", "", effect(EffectResize, 0.5f)},
    {"mnuResize75", "75%", "", effect(EffectResize, 0.75f)},
    {"mnuResize125", "125%", "", effect(EffectResize, 1.25f)},
    {"mnuResize150", "150%", "", effect(EffectResize, 1.5f)},
    {"mnuResize175", "175%", "", effect(EffectResize, 1.75f)},
    {"mnuResize200", "200%", "", effect(EffectResize, 2.0f)},
    {"mnuSep5", "-"},
    {"mnuResizeBoth", "&Both", "", checkResize("mnuResizeBoth")},
    {"mnuResizeWidth", "&Width", "", checkResize("mnuResizeWidth")},
    {"mnuResizeHeight", "&Height", "", checkResize("mnuResizeHeight")},
};

const MenuEntry FlipItems[] = {
    {"mnuFlipHorizontal", "&Horizontal", "", effect(EffectFlipHorizontal)},
    {"mnuFlipVertical", "&Vertical", "", effect(EffectFlipVertical)},
};

const MenuEntry RotateItems[] = {
    {"mnuRotate45", "By 45\u00b0", "", effect(EffectRotate, 0.0f, 45.0f)},
    {"mnuRotate90", "By 90\u00b0", "", effect(EffectRotate, 0.0f, 90.0f)},
    {"mnuRotate135", "By 135\u00b0", "", effect(EffectRotate, 0.0f, 135.0f)},
    {"mnuRotate180", "By 180\u00b0", "", &frmPaint::mnuRotate180_Click},  // two flips, two undo steps
    {"mnuRotate225", "By 225\u00b0", "", effect(EffectRotate, 0.0f, 225.0f)},
    {"mnuRotate270", "By 270\u00b0", "", effect(EffectRotate, 0.0f, 270.0f)},
    {"mnuRotate315", "By 315\u00b0", "", effect(EffectRotate, 0.0f, 315.0f)},
    {"mnuSep6", "-"},
    {"mnuRotateClockwise", "&Clockwise", "", checkRotate("mnuRotateClockwise")},
    {"mnuRotateAntiClockwise", "&Anti-Clockwise", "", checkRotate("mnuRotateAntiClockwise")},
};

std::vector<MenuEntry> filterItems()
{
    std::vector<MenuEntry> items;
    for (const FilterRow &row : FilterTable)
        items.push_back(
            {row.menuItem, row.menuCaption, "", row.menuEffect ? effect(*row.menuEffect) : filter(row.number)});
    return items;
}

QString indexed(const char *array, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index); }

}  // namespace

QMenu *frmPaint::addMenu(QWidget *parent, const QString &name, const QString &caption)
{
    QMenu *menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    if (auto *bar = qobject_cast<QMenuBar *>(parent))
        bar->addMenu(menu);
    else if (auto *above = qobject_cast<QMenu *>(parent))
        above->addMenu(menu);
    m_menus[name] = menu;
    m_items[name] = menu->menuAction();
    return menu;
}

QAction *frmPaint::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut,
                           std::function<void()> click)
{
    QAction *action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    m_items[name] = action;
    if (click)
        m_events.add(name + QStringLiteral(".Click"), action, &QAction::triggered, this, std::move(click));
    return action;
}

QMenu *frmPaint::menu(const QString &name) const
{
    const auto found = m_menus.find(name);
    return found == m_menus.end() ? nullptr : found->second;
}

QAction *frmPaint::item(const QString &name) const
{
    const auto found = m_items.find(name);
    return found == m_items.end() ? nullptr : found->second;
}

bool frmPaint::reachable(const QString &name) const
{
    const QAction *action = item(name);
    if (!action)
        return false;
    for (;;) {
        if (!action->isVisible() || !action->isEnabled())
            return false;
        // The menu the item sits in, and that menu's own entry above it.
        const QMenu *holder = nullptr;
        for (QObject *object : action->associatedObjects())
            if (auto *m = qobject_cast<QMenu *>(object); m && m->menuAction() != action)
                holder = m;
        if (!holder)
            return true;  // on the menu bar
        if (holder == menu(QStringLiteral("mnuTFilter")))
            return true;  // a pop-up: reachable whenever it is shown
        action = holder->menuAction();
    }
}

void frmPaint::createMenus()
{
    const auto addItems = [this](QMenu *menu, const auto &entries) {
        for (const MenuEntry &entry : entries) {
            std::function<void()> click;
            if (entry.click)
                click = [this, run = entry.click] { run(*this); };
            addItem(menu, QString::fromLatin1(entry.name), QString::fromUtf8(entry.caption),
                    QKeySequence(QString::fromLatin1(entry.shortcut)), std::move(click));
        }
    };

    QMenu *file = addMenu(menuBar, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addItems(file, FileItems);
    file->menuAction()->setVisible(false);  // shown by the control when its EditMenuFile is set

    QMenu *edit = addMenu(menuBar, QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    addItems(edit, EditItems);
    for (const char *name : {"mnuUndo", "mnuRedo", "mnuCut", "mnuCopy", "mnuPaste", "mnuDelete", "mnuCrop"})
        item(QString::fromLatin1(name))->setEnabled(false);

    QMenu *format = addMenu(menuBar, QStringLiteral("mnuFormat"), QStringLiteral("F&ormat"));
    QMenu *borderStyle = addMenu(format, QStringLiteral("mnuBorderStyle"), QStringLiteral("&Border Style"));
    for (int i = 0; i < 5; ++i) {
        QAction *a = addItem(borderStyle, indexed("mnuBS", i), QString::fromLatin1(BorderStyleCaptions[i]), {},
                             [this, i] { mnuBS_Click(i); });
        a->setCheckable(true);
        a->setChecked(i == 0);
    }
    QMenu *fillStyle = addMenu(format, QStringLiteral("mnuFillStyle"), QStringLiteral("Fi&ll Style"));
    for (int i = 0; i < 8; ++i) {
        QAction *a = addItem(fillStyle, indexed("mnuFS", i), QString::fromLatin1(FillStyleCaptions[i]), {},
                             [this, i] { mnuFS_Click(i); });
        a->setCheckable(true);
        a->setChecked(i == 0);
        a->setVisible(i != 1);  // transparent shapes come from the fill panel
    }
    addItems(format, FormatColorItems);

    QMenu *effect = addMenu(menuBar, QStringLiteral("mnuEffect"), QStringLiteral("Effec&t"));
    addItems(addMenu(effect, QStringLiteral("mnuResize"), QStringLiteral("Re&size")), ResizeItems);
    addItems(addMenu(effect, QStringLiteral("mnuFlip"), QStringLiteral("&Flip")), FlipItems);
    addItems(addMenu(effect, QStringLiteral("mnuRotate"), QStringLiteral("&Rotate")), RotateItems);
    addItem(effect, QStringLiteral("mnuSep8"), QStringLiteral("-"));
    addItem(effect, QStringLiteral("mnuClear"), QStringLiteral("&Clear"), {}, [this] { mnuClear_Click(); });
    for (const char *name :
         {"mnuResizeBoth", "mnuResizeWidth", "mnuResizeHeight", "mnuRotateClockwise", "mnuRotateAntiClockwise"}) {
        item(QString::fromLatin1(name))->setCheckable(true);
    }
    item(QStringLiteral("mnuResizeBoth"))->setChecked(true);
    item(QStringLiteral("mnuRotateClockwise"))->setChecked(true);

    QMenu *filter = addMenu(menuBar, QStringLiteral("mnuFilter"), QStringLiteral("&Filte&r"));
    addItems(filter, filterItems());

    // The filter brush's pop-up is a menu of its own that never shows in the bar.
    QMenu *tfilter = addMenu(this, QStringLiteral("mnuTFilter"), QStringLiteral("&TFilter"));
    tfilter->menuAction()->setVisible(false);
    for (const FilterRow &row : FilterTable) {
        const int i = row.number;
        QAction *a = addItem(tfilter, indexed("mnuFilterTools", i), QString::fromLatin1(row.popupCaption), {},
                             [this, i] { mnuFilterTools_Click(i); });
        a->setCheckable(true);
        a->setChecked(i == FilterBrushFilter);
        a->setVisible(row.popupShown);
    }

    // Dropping a menu down runs its Click, which clears the status bar.
    for (const auto &[menu, handler] :
         {std::pair{file, &frmPaint::mnuFile_Click}, std::pair{edit, &frmPaint::mnuEdit_Click},
          std::pair{effect, &frmPaint::mnuEffect_Click}, std::pair{filter, &frmPaint::mnuFilter_Click}})
        m_events.add(menu->objectName() + QStringLiteral(".Click"), menu, &QMenu::aboutToShow, this,
                     [this, handler = handler] { (this->*handler)(); });
}

void frmPaint::mnuFile_Click() { UpdateStatusBar(0, 0, 0, 0, FlagTrue); }
void frmPaint::mnuEdit_Click() { UpdateStatusBar(0, 0, 0, 0, FlagTrue); }
void frmPaint::mnuEffect_Click() { UpdateStatusBar(0, 0, 0, 0, FlagTrue); }
void frmPaint::mnuFilter_Click() { UpdateStatusBar(0, 0, 0, 0, FlagTrue); }

}  // namespace pinxel
