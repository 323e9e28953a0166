#pragma once
// What each of the fourteen filters is, one row per filter, indexed by its
// engine number: its name on the command line, its item in the Filter menu,
// its item in the filter brush's pop-up and the pass that runs it. The
// engine's dispatch, the editor's menus and `pinxel filter` all read it; to
// add a filter, write its pass (imaging/FilterPass.h) and fill in its row.

#include "imaging/mdlEffect.h"

#include <QStringView>

#include <array>
#include <optional>

namespace pinxel {

namespace filters {
class Pass;
}

// The engine's filter numbers. Any number outside 0..13 does what 9 does: nothing.
enum FilterNumber : int {
    FilterBlackWhite = 0,
    FilterBlur = 1,
    FilterBrightness = 2,
    FilterCrease = 3,
    FilterDarkness = 4,
    FilterDiffuse = 5,
    FilterEmboss = 6,
    FilterGrayBlackWhite = 7,
    FilterGrayscale = 8,
    FilterInvertColors = 9,
    FilterReplaceColors = 10,
    FilterSharpen = 11,
    FilterSnow = 12,
    FilterWave = 13,
};

constexpr int FilterCount = 14;

struct FilterRow {
    FilterNumber number;
    const char *commandName;  // `pinxel filter NAME`; null: by number only
    const char *menuItem;     // the Filter menu's item, "mnuBlur"
    const char *menuCaption;
    std::optional<EffectKind> menuEffect;  // what the menu item runs instead of this filter
    const char *popupCaption;              // the filter brush's pop-up, item mnuFilterTools(number)
    bool popupShown;
    void (*run)(filters::Pass &pass);  // null: the engine leaves the picture as it was
};

// Every filter, in the order of its engine number.
extern const std::array<FilterRow, FilterCount> FilterTable;

// The row of an engine number; null for any other number.
const FilterRow *filterRow(int number);
// The row `pinxel filter` runs for a name; null for a name no row has.
const FilterRow *filterNamed(QStringView commandName);

}  // namespace pinxel
