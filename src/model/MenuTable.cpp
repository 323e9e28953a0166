// The menu bar's rows: every menu and item with its caption, shortcut and
// first state, and what its click runs on the model.

#include "model/MenuTable.h"

#include "imaging/FilterTable.h"
#include "imaging/mdlEffect.h"

#include <QCoreApplication>

#include <algorithm>

namespace pinxel {

namespace {

using Click = std::function<void(EditorModel &)>;

struct Entry {
    const char *name;  // "-" caption for a separator
    const char *caption;
    const char *shortcut = "";
    Click click = nullptr;
};

Click effect(int kind, float factor = 0.0f, float angle = 0.0f)
{
    return [=](EditorModel &m) { m.ApplyEffect(kind, factor, angle); };
}
Click filter(int number)
{
    return [=](EditorModel &m) { m.ApplyFilter(number, -1, -1); };
}
Click resizeAxis(ResizeAxis axis)
{
    return [=](EditorModel &m) { m.chooseResizeAxis(axis); };
}
Click rotation(bool clockwise)
{
    return [=](EditorModel &m) { m.chooseRotation(clockwise); };
}
// Dropping a menu down clears the status bar.
void clearStatus(EditorModel &m) { m.UpdateStatusBar(0, 0, 0, 0, FlagTrue); }

const Entry FileItems[] = {
    {"mnuNew", QT_TRANSLATE_NOOP("MenuTable", "&New"), "Ctrl+N", &EditorModel::newPicture},
    {"mnuOpen", QT_TRANSLATE_NOOP("MenuTable", "&Open"), "Ctrl+O", &EditorModel::openPicture},
    {"mnuSave", QT_TRANSLATE_NOOP("MenuTable", "&Save"), "Ctrl+S", &EditorModel::save},
    {"mnuSaveAs", QT_TRANSLATE_NOOP("MenuTable", "Save &As..."), "", &EditorModel::saveAs},
    {"mnuSep1", "-"},
    {"mnuPrint", QT_TRANSLATE_NOOP("MenuTable", "&Print"), "Ctrl+P", &EditorModel::print},
    {"mnuSep2", "-"},
    // The window closes itself: its own row (frmPaint) gives the click.
    {"mnuExit", QT_TRANSLATE_NOOP("MenuTable", "&Exit"), "", nullptr},
};

const Entry EditItems[] = {
    {"mnuUndo", QT_TRANSLATE_NOOP("MenuTable", "&Undo"), "Ctrl+Z", &EditorModel::undo},
    {"mnuRedo", QT_TRANSLATE_NOOP("MenuTable", "&Redo"), "Ctrl+Y", &EditorModel::redo},
    {"mnuSep3", "-"},
    {"mnuCut", QT_TRANSLATE_NOOP("MenuTable", "Cu&t"), "Ctrl+X", &EditorModel::cut},
    {"mnuCopy", QT_TRANSLATE_NOOP("MenuTable", "&Copy"), "Ctrl+C", &EditorModel::copy},
    {"mnuPaste", QT_TRANSLATE_NOOP("MenuTable", "&Paste"), "Ctrl+V", &EditorModel::paste},
    {"mnuDelete", QT_TRANSLATE_NOOP("MenuTable", "&Delete"), "Del", &EditorModel::deleteSelection},
    {"mnuSep4", "-"},
    {"mnuCrop", QT_TRANSLATE_NOOP("MenuTable", "C&rop"), "", &EditorModel::crop},
};

const Entry FormatColorItems[] = {
    {"mnuSep7", "-"},
    {"mnuForegroundColor", QT_TRANSLATE_NOOP("MenuTable", "F&oreground Color..."), "",
     &EditorModel::chooseForegroundColor},
    {"mnuFillColor", QT_TRANSLATE_NOOP("MenuTable", "Fi&ll Color..."), "", &EditorModel::chooseFillColor},
    {"mnuFont", QT_TRANSLATE_NOOP("MenuTable", "&Font..."), "Ctrl+F", &EditorModel::chooseFont},
};

const char *const BorderStyleCaptions[] = {
    QT_TRANSLATE_NOOP("MenuTable", "&Solid"), QT_TRANSLATE_NOOP("MenuTable", "&Dash"),
    QT_TRANSLATE_NOOP("MenuTable", "D&ot"), QT_TRANSLATE_NOOP("MenuTable", "D&ashDot"),
    QT_TRANSLATE_NOOP("MenuTable", "Da&shDotDot")};
// A fill style's caption names a pattern: its "&Solid" is not the border style's.
struct Caption {
    const char *source, *comment;
};
const Caption FillStyleCaptions[] = {
    QT_TRANSLATE_NOOP3("MenuTable", "&Solid", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "&Transparent", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "&Horizontal Line", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "&Vertical Line", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "&Downward Diagonal", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "&Upward Diagonal", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "&Cross", "fill style"),
    QT_TRANSLATE_NOOP3("MenuTable", "Diagona&l Cross", "fill style"),
};

const Entry ResizeItems[] = {
    {"mnuResize25", "25%", "", effect(EffectResize, 0.25f)},
    {"mnuResize50", "50%", "", effect(EffectResize, 0.5f)},
    {"mnuResize75", "75%", "", effect(EffectResize, 0.75f)},
    {"mnuResize125", "125%", "", effect(EffectResize, 1.25f)},
    {"mnuResize150", "150%", "", effect(EffectResize, 1.5f)},
    {"mnuResize175", "175%", "", effect(EffectResize, 1.75f)},
    {"mnuResize200", "200%", "", effect(EffectResize, 2.0f)},
    {"mnuSep5", "-"},
    {"mnuResizeBoth", QT_TRANSLATE_NOOP("MenuTable", "&Both"), "", resizeAxis(ResizeAxis::Both)},
    {"mnuResizeWidth", QT_TRANSLATE_NOOP("MenuTable", "&Width"), "", resizeAxis(ResizeAxis::Width)},
    {"mnuResizeHeight", QT_TRANSLATE_NOOP("MenuTable", "&Height"), "", resizeAxis(ResizeAxis::Height)},
};

const Entry FlipItems[] = {
    {"mnuFlipHorizontal", QT_TRANSLATE_NOOP("MenuTable", "&Horizontal"), "", effect(EffectFlipHorizontal)},
    {"mnuFlipVertical", QT_TRANSLATE_NOOP("MenuTable", "&Vertical"), "", effect(EffectFlipVertical)},
};

const Entry RotateItems[] = {
    {"mnuRotate45", QT_TRANSLATE_NOOP("MenuTable", "By 45\u00b0"), "", effect(EffectRotate, 0.0f, 45.0f)},
    {"mnuRotate90", QT_TRANSLATE_NOOP("MenuTable", "By 90\u00b0"), "", effect(EffectRotate, 0.0f, 90.0f)},
    {"mnuRotate135", QT_TRANSLATE_NOOP("MenuTable", "By 135\u00b0"), "", effect(EffectRotate, 0.0f, 135.0f)},
    {"mnuRotate180", QT_TRANSLATE_NOOP("MenuTable", "By 180\u00b0"), "",
     &EditorModel::rotate180},  // two flips, two undo steps
    {"mnuRotate225", QT_TRANSLATE_NOOP("MenuTable", "By 225\u00b0"), "", effect(EffectRotate, 0.0f, 225.0f)},
    {"mnuRotate270", QT_TRANSLATE_NOOP("MenuTable", "By 270\u00b0"), "", effect(EffectRotate, 0.0f, 270.0f)},
    {"mnuRotate315", QT_TRANSLATE_NOOP("MenuTable", "By 315\u00b0"), "", effect(EffectRotate, 0.0f, 315.0f)},
    {"mnuSep6", "-"},
    {"mnuRotateClockwise", QT_TRANSLATE_NOOP("MenuTable", "&Clockwise"), "", rotation(true)},
    {"mnuRotateAntiClockwise", QT_TRANSLATE_NOOP("MenuTable", "&Anti-Clockwise"), "", rotation(false)},
};

class Rows {
public:
    std::vector<MenuRow> rows;

    MenuRow &menu(const char *name, const QString &parent, const char *caption, Click click = nullptr)
    {
        rows.push_back({MenuRow::Menu, QString::fromLatin1(name), parent, QString::fromLatin1(caption), QString(),
                        std::move(click), false, ItemState{}});
        return rows.back();
    }
    MenuRow &item(const QString &name, const QString &parent, const QString &caption, const char *shortcut = "",
                  Click click = nullptr)
    {
        const bool separator = caption == QLatin1String("-");
        rows.push_back({separator ? MenuRow::Separator : MenuRow::Item, name, parent, caption,
                        QString::fromLatin1(shortcut), std::move(click), false, ItemState{}});
        return rows.back();
    }
    MenuRow &find(const char *name)
    {
        return *std::find_if(rows.begin(), rows.end(),
                             [&](const MenuRow &row) { return row.name == QLatin1String(name); });
    }
    template <typename Entries> void items(const char *parent, const Entries &entries)
    {
        for (const Entry &entry : entries)
            item(QString::fromLatin1(entry.name), QString::fromLatin1(parent), QString::fromUtf8(entry.caption),
                 entry.shortcut, entry.click);
    }
};

std::vector<MenuRow> makeRows()
{
    Rows r;
    const QString bar;
    r.menu("mnuFile", bar, QT_TRANSLATE_NOOP("MenuTable", "&File"), clearStatus).state.visible =
        false;  // shown when the control's EditMenuFile is set
    r.items("mnuFile", FileItems);

    r.menu("mnuEdit", bar, QT_TRANSLATE_NOOP("MenuTable", "&Edit"), clearStatus);
    r.items("mnuEdit", EditItems);
    for (MenuRow &row : r.rows)
        if (row.parent == QLatin1String("mnuEdit") && row.kind == MenuRow::Item)
            row.state.enabled = false;  // nothing to undo, copy or paste yet

    r.menu("mnuFormat", bar, QT_TRANSLATE_NOOP("MenuTable", "F&ormat"));
    r.menu("mnuBorderStyle", QStringLiteral("mnuFormat"), QT_TRANSLATE_NOOP("MenuTable", "&Border Style"));
    for (int i = 0; i < 5; ++i) {
        MenuRow &row =
            r.item(ElementEvents::indexed(QStringLiteral("mnuBS"), i), QStringLiteral("mnuBorderStyle"),
                   QString::fromLatin1(BorderStyleCaptions[i]), "", [i](EditorModel &m) { m.chooseBorderStyle(i); });
        row.checkable = true;
        row.state.checked = i == 0;
    }
    r.menu("mnuFillStyle", QStringLiteral("mnuFormat"), QT_TRANSLATE_NOOP("MenuTable", "Fi&ll Style"));
    for (int i = 0; i < 8; ++i) {
        MenuRow &row =
            r.item(ElementEvents::indexed(QStringLiteral("mnuFS"), i), QStringLiteral("mnuFillStyle"),
                   QString::fromLatin1(FillStyleCaptions[i].source), "", [i](EditorModel &m) { m.chooseFillStyle(i); });
        row.comment = FillStyleCaptions[i].comment;
        row.checkable = true;
        row.state.checked = i == 0;
        row.state.visible = i != 1;  // transparent shapes come from the fill panel
    }
    r.items("mnuFormat", FormatColorItems);

    r.menu("mnuEffect", bar, QT_TRANSLATE_NOOP("MenuTable", "Effec&t"), clearStatus);
    r.menu("mnuResize", QStringLiteral("mnuEffect"), QT_TRANSLATE_NOOP("MenuTable", "Re&size"));
    r.items("mnuResize", ResizeItems);
    r.menu("mnuFlip", QStringLiteral("mnuEffect"), QT_TRANSLATE_NOOP("MenuTable", "&Flip"));
    r.items("mnuFlip", FlipItems);
    r.menu("mnuRotate", QStringLiteral("mnuEffect"), QT_TRANSLATE_NOOP("MenuTable", "&Rotate"));
    r.items("mnuRotate", RotateItems);
    r.item(QStringLiteral("mnuSep8"), QStringLiteral("mnuEffect"), QStringLiteral("-"));
    r.item(QStringLiteral("mnuClear"), QStringLiteral("mnuEffect"),
           QString::fromLatin1(QT_TRANSLATE_NOOP("MenuTable", "&Clear")), "", &EditorModel::clear);
    for (const char *choice :
         {"mnuResizeBoth", "mnuResizeWidth", "mnuResizeHeight", "mnuRotateClockwise", "mnuRotateAntiClockwise"})
        r.find(choice).checkable = true;
    r.find("mnuResizeBoth").state.checked = true;  // the choices as the editor opens
    r.find("mnuRotateClockwise").state.checked = true;

    // The Filter menu and the filter brush's pop-up: one row of the filter table each.
    r.menu("mnuFilter", bar, QT_TRANSLATE_NOOP("MenuTable", "&Filte&r"), clearStatus);
    for (const FilterRow &filterRow : FilterTable)
        r.item(QString::fromLatin1(filterRow.menuItem), QStringLiteral("mnuFilter"),
               QString::fromUtf8(filterRow.menuCaption), "",
               filterRow.menuEffect ? effect(*filterRow.menuEffect) : filter(filterRow.number));

    // The filter brush's pop-up is a menu of its own that never shows in the bar.
    MenuRow &popup = r.menu("mnuTFilter", bar, "&TFilter");
    popup.kind = MenuRow::Popup;
    popup.state.visible = false;
    for (const FilterRow &filterRow : FilterTable) {
        const int i = filterRow.number;
        MenuRow &row =
            r.item(ElementEvents::indexed(QStringLiteral("mnuFilterTools"), i), QStringLiteral("mnuTFilter"),
                   QString::fromLatin1(filterRow.popupCaption), "", [i](EditorModel &m) { m.chooseBrushFilter(i); });
        row.checkable = true;
        row.state.checked = i == FilterBrightness;  // the filter brush starts with the light filter
        row.state.visible = filterRow.popupShown;
    }
    return r.rows;
}

}  // namespace

QString shownCaption(const MenuRow &row)
{
    return QCoreApplication::translate("MenuTable", row.caption.toUtf8().constData(), row.comment);
}

const std::vector<MenuRow> &menuRows()
{
    static const std::vector<MenuRow> rows = makeRows();
    return rows;
}

}  // namespace pinxel
