#include "imaging/FilterTable.h"

#include "imaging/FilterPass.h"

#include <QString>

namespace pinxel {

using namespace filters;

namespace {
constexpr std::nullopt_t RunsFilter = std::nullopt;  // the menu item runs the row's own filter
}  // namespace

// The captions are the editor's own texts, kept as it shows them.
// clang-format off
constexpr std::array<FilterRow, FilterCount> FilterTable = {{
    // number, command name, menu item, menu caption, what the menu item runs,
    // pop-up caption, shown in the pop-up, pass
    {FilterBlackWhite,     "black-white",      "mnuBlacknWhite",     "&Black && White",      RunsFilter,
     "&Black && White", true, blackWhitePass},
    {FilterBlur,           "blur",             "mnuBlur",            "B&lur",                RunsFilter,
     "B&lur", false, blurPass},
    {FilterBrightness,     "brightness",       "mnuBrightness",      "B&rightness",          RunsFilter,
     "&Light", true, brightnessPass},
    {FilterCrease,         "crease",           "mnuCrease",          "&Crease",              RunsFilter,
     "&Crease", false, creasePass},
    {FilterDarkness,       "darkness",         "mnuDarkness",        "&Darkness",            RunsFilter,
     "&Dirty", true, darknessPass},
    {FilterDiffuse,        "diffuse",          "mnuDiffuse",         "Di&ffuse",             RunsFilter,
     "Di&ffuse", true, diffusePass},
    {FilterEmboss,         "emboss",           "mnuEmboss",          "&Emboss",              RunsFilter,
     "&Emboss", false, embossPass},
    {FilterGrayBlackWhite, "gray-black-white", "mnuGrayBlacknWhite", "Gra&y Black && White", RunsFilter,
     "Gra&y Black && White", true, grayBlackWhitePass},
    {FilterGrayscale,      "grayscale",        "mnuGrayscale",       "&Grayscale",           RunsFilter,
     "&Grayscale", true, grayscalePass},
    // The menu's Invert Colors is the invert effect; the engine's 9 does nothing.
    {FilterInvertColors,   nullptr,            "mnuInvertColors",    "&Invert Colors",       EffectInvertColors,
     "&Invert Colors", false, nullptr},
    {FilterReplaceColors,  "replace-colors",   "mnuReplaceColors",   "&Replace Colors",      RunsFilter,
     "&Replace Color", false, replaceColorsPass},
    {FilterSharpen,        "sharpen",          "mnuSharpen",         "&Sharpen",             RunsFilter,
     "&Sharpen", false, sharpenPass},
    {FilterSnow,           "snow",             "mnuSnow",            "S&now",                RunsFilter,
     "S&now", false, snowPass},
    {FilterWave,           "wave",             "mnuWave",            "&Wave",                RunsFilter,
     "&Wave", true, wavePass},
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
