// The menu bar's rows: every menu and item with its caption, shortcut and
// first state, and what its click runs on the model.

#include "model/MenuTable.h"

#include "imaging/FilterTable.h"
#include "imaging/mdlEffect.h"

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
    {"mnuNew", "&New", "Ctrl+N", &EditorModel::newPicture},
    {"mnuOpen", "&Open", "Ctrl+O", &EditorModel::openPicture},
    {"mnuSave", "&Save", "Ctrl+S", &EditorModel::save},
    {"mnuSaveAs", "Save &As...", "", &EditorModel::saveAs},
    {"mnuSep1", "-"},
    {"mnuPrint", "&Print", "Ctrl+P", &EditorModel::print},
    {"mnuSep2", "-"},
    // The window closes itself: its own row (frmPaint) gives the click.
    {"mnuExit", "&Exit", "", nullptr},
};

const Entry EditItems[] = {
    {"mnuUndo", "&Undo", "Ctrl+Z", &EditorModel::undo},
    {"mnuRedo", "&Redo", "Ctrl+Y", &EditorModel::redo},
    {"mnuSep3", "-"},
    {"mnuCut", "Cu&t", "Ctrl+X", &EditorModel::cut},
    {"mnuCopy", "&Copy", "Ctrl+C", &EditorModel::copy},
    {"mnuPaste", "&Paste", "Ctrl+V", &EditorModel::paste},
    {"mnuDelete", "&Delete", "Del", &EditorModel::deleteSelection},
    {"mnuSep4", "-"},
    {"mnuCrop", "C&rop", "", &EditorModel::crop},
};

const Entry FormatColorItems[] = {
    {"mnuSep7", "-"},
    {"mnuForegroundColor", "F&oreground Color...", "", &EditorModel::chooseForegroundColor},
    {"mnuFillColor", "Fi&ll Color...", "", &EditorModel::chooseFillColor},
    {"mnuFont", "&Font...", "Ctrl+F", &EditorModel::chooseFont},
};

const char *const BorderStyleCaptions[] = {"&Solid", "&Dash", "D&ot", "D&ashDot", "Da&shDotDot"};
const char *const FillStyleCaptions[] = {"&Solid",         "&Transparent",       "&Horizontal Line",
                                         "&Vertical Line", "&Downward Diagonal", "&Upward Diagonal",
                                         "&Cross",         "Diagona&l Cross"};

const Entry ResizeItems[] = {
    {"mnuResize25", "25%", "", effect(EffectResize, 0.25f)},
    {"mnuResize50", "50%", "", effect(EffectResize, 0.5f)},
    {"mnuResize75", "75%", "", effect(EffectResize, 0.75f)},
    {"mnuResize125", "125%", "", effect(EffectResize, 1.25f)},
    {"mnuResize150", "150%", "", effect(EffectResize, 1.5f)},
    {"mnuResize175", "175%", "", effect(EffectResize, 1.75f)},
    {"mnuResize200", "200%", "", effect(EffectResize, 2.0f)},
    {"mnuSep5", "-"},
    {"mnuResizeBoth", "&Both", "", resizeAxis(ResizeAxis::Both)},
    {"mnuResizeWidth", "&Width", "", resizeAxis(ResizeAxis::Width)},
    {"mnuResizeHeight", "&Height", "", resizeAxis(ResizeAxis::Height)},
};

const Entry FlipItems[] = {
    {"mnuFlipHorizontal", "&Horizontal", "", effect(EffectFlipHorizontal)},
    {"mnuFlipVertical", "&Vertical", "", effect(EffectFlipVertical)},
};

const Entry RotateItems[] = {
    {"mnuRotate45", "By 45\u00b0", "", effect(EffectRotate, 0.0f, 45.0f)},
    {"mnuRotate90", "By 90\u00b0", "", effect(EffectRotate, 0.0f, 90.0f)},
    {"mnuRotate135", "By 135\u00b0", "", effect(EffectRotate, 0.0f, 135.0f)},
    {"mnuRotate180", "By 180\u00b0", "", &EditorModel::rotate180},  // two flips, two undo steps
    {"mnuRotate225", "By 225\u00b0", "", effect(EffectRotate, 0.0f, 225.0f)},
    {"mnuRotate270", "By 270\u00b0", "", effect(EffectRotate, 0.0f, 270.0f)},
    {"mnuRotate315", "By 315\u00b0", "", effect(EffectRotate, 0.0f, 315.0f)},
    {"mnuSep6", "-"},
    {"mnuRotateClockwise", "&Clockwise", "", rotation(true)},
    {"mnuRotateAntiClockwise", "&Anti-Clockwise", "", rotation(false)},
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
    r.menu("mnuFile", bar, "&File", clearStatus).state.visible = false;  // shown when the control's EditMenuFile is set
    r.items("mnuFile", FileItems);

    r.menu("mnuEdit", bar, "&Edit", clearStatus);
    r.items("mnuEdit", EditItems);
    for (MenuRow &row : r.rows)
        if (row.parent == QLatin1String("mnuEdit") && row.kind == MenuRow::Item)
            row.state.enabled = false;  // nothing to undo, copy or paste yet

    r.menu("mnuFormat", bar, "F&ormat");
    r.menu("mnuBorderStyle", QStringLiteral("mnuFormat"), "&Border Style");
    for (int i = 0; i < 5; ++i) {
        MenuRow &row =
            r.item(ElementEvents::indexed(QStringLiteral("mnuBS"), i), QStringLiteral("mnuBorderStyle"),
                   QString::fromLatin1(BorderStyleCaptions[i]), "", [i](EditorModel &m) { m.chooseBorderStyle(i); });
        row.checkable = true;
        row.state.checked = i == 0;
    }
    r.menu("mnuFillStyle", QStringLiteral("mnuFormat"), "Fi&ll Style");
    for (int i = 0; i < 8; ++i) {
        MenuRow &row =
            r.item(ElementEvents::indexed(QStringLiteral("mnuFS"), i), QStringLiteral("mnuFillStyle"),
                   QString::fromLatin1(FillStyleCaptions[i]), "", [i](EditorModel &m) { m.chooseFillStyle(i); });
        row.checkable = true;
        row.state.checked = i == 0;
        row.state.visible = i != 1;  // transparent shapes come from the fill panel
    }
    r.items("mnuFormat", FormatColorItems);

    r.menu("mnuEffect", bar, "Effec&t", clearStatus);
    r.menu("mnuResize", QStringLiteral("mnuEffect"), "Re&size");
    r.items("mnuResize", ResizeItems);
    r.menu("mnuFlip", QStringLiteral("mnuEffect"), "&Flip");
    r.items("mnuFlip", FlipItems);
    r.menu("mnuRotate", QStringLiteral("mnuEffect"), "&Rotate");
    r.items("mnuRotate", RotateItems);
    r.item(QStringLiteral("mnuSep8"), QStringLiteral("mnuEffect"), QStringLiteral("-"));
    r.item(QStringLiteral("mnuClear"), QStringLiteral("mnuEffect"), QStringLiteral("&Clear"), "", &EditorModel::clear);
    for (const char *choice :
         {"mnuResizeBoth", "mnuResizeWidth", "mnuResizeHeight", "mnuRotateClockwise", "mnuRotateAntiClockwise"})
        r.find(choice).checkable = true;
    r.find("mnuResizeBoth").state.checked = true;  // the choices as the editor opens
    r.find("mnuRotateClockwise").state.checked = true;

    // The Filter menu and the filter brush's pop-up: one row of the filter table each.
    r.menu("mnuFilter", bar, "&Filte&r", clearStatus);
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

const std::vector<MenuRow> &menuRows()
{
    static const std::vector<MenuRow> rows = makeRows();
    return rows;
}

}  // namespace pinxel
