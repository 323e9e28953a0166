#include "imaging/FilterTable.h"

#include "imaging/FilterPass.h"

#include <QCoreApplication>
#include <QString>

namespace pinxel {

using namespace filters;

namespace {
constexpr std::nullopt_t RunsFilter = std::nullopt;  // the menu item runs the row's own filter
}  // namespace

// The captions are the editor's own texts, kept as it shows them in English;
// the menus translate them in the menu table's context.
// clang-format off
constexpr std::array<FilterRow, FilterCount> FilterTable = {{
    // number, command name, menu item, menu caption, what the menu item runs,
    // pop-up caption, shown in the pop-up, pass
    {FilterBlackWhite,     "black-white",      "mnuBlacknWhite",     QT_TRANSLATE_NOOP("MenuTable", "&Black && White"),      RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Black && White"), true, blackWhitePass},
    {FilterBlur,           "blur",             "mnuBlur",            QT_TRANSLATE_NOOP("MenuTable", "B&lur"),                RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "B&lur"), false, blurPass},
    {FilterBrightness,     "brightness",       "mnuBrightness",      QT_TRANSLATE_NOOP("MenuTable", "B&rightness"),          RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Light"), true, brightnessPass},
    {FilterCrease,         "crease",           "mnuCrease",          QT_TRANSLATE_NOOP("MenuTable", "&Crease"),              RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Crease"), false, creasePass},
    {FilterDarkness,       "darkness",         "mnuDarkness",        QT_TRANSLATE_NOOP("MenuTable", "&Darkness"),            RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Dirty"), true, darknessPass},
    {FilterDiffuse,        "diffuse",          "mnuDiffuse",         QT_TRANSLATE_NOOP("MenuTable", "Di&ffuse"),             RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "Di&ffuse"), true, diffusePass},
    {FilterEmboss,         "emboss",           "mnuEmboss",          QT_TRANSLATE_NOOP("MenuTable", "&Emboss"),              RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Emboss"), false, embossPass},
    {FilterGrayBlackWhite, "gray-black-white", "mnuGrayBlacknWhite", QT_TRANSLATE_NOOP("MenuTable", "Gra&y Black && White"), RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "Gra&y Black && White"), true, grayBlackWhitePass},
    {FilterGrayscale,      "grayscale",        "mnuGrayscale",       QT_TRANSLATE_NOOP("MenuTable", "&Grayscale"),           RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Grayscale"), true, grayscalePass},
    // The menu's Invert Colors is the invert effect; the engine's 9 does nothing.
    {FilterInvertColors,   nullptr,            "mnuInvertColors",    QT_TRANSLATE_NOOP("MenuTable", "&Invert Colors"),       EffectInvertColors,
     QT_TRANSLATE_NOOP("MenuTable", "&Invert Colors"), false, nullptr},
    {FilterReplaceColors,  "replace-colors",   "mnuReplaceColors",   QT_TRANSLATE_NOOP("MenuTable", "&Replace Colors"),      RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Replace Color"), false, replaceColorsPass},
    {FilterSharpen,        "sharpen",          "mnuSharpen",         QT_TRANSLATE_NOOP("MenuTable", "&Sharpen"),             RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Sharpen"), false, sharpenPass},
    {FilterSnow,           "snow",             "mnuSnow",            QT_TRANSLATE_NOOP("MenuTable", "S&now"),                RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "S&now"), false, snowPass},
    {FilterWave,           "wave",             "mnuWave",            QT_TRANSLATE_NOOP("MenuTable", "&Wave"),                RunsFilter,
     QT_TRANSLATE_NOOP("MenuTable", "&Wave"), true, wavePass},
}};
// clang-format on

namespace {
constexpr bool rowsInNumberOrder()
{
    for (int i = 0; i < FilterCount; ++i)
        if (FilterTable[i].number != i)
            return false;
    return true;
}
static_assert(rowsInNumberOrder(), "a filter's row is found by its number");
}  // namespace

const FilterRow *filterRow(int number) { return number >= 0 && number < FilterCount ? &FilterTable[number] : nullptr; }

const FilterRow *filterNamed(QStringView commandName)
{
    for (const FilterRow &row : FilterTable)
        if (row.commandName && commandName == QLatin1String(row.commandName))
            return &row;
    return nullptr;
}

}  // namespace pinxel
