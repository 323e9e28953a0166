#pragma once
// FileMenuShown: the library-wide copy of the control's EditMenuFile that the
// editor window reads (its File menu and its file-based save prompts). False
// when the library is loaded; the control sets it whenever its EditMenuFile
// changes, by the property setter or by a restore.

#include "pinxel/Numeric.h"

namespace pinxel {

extern Flag FileMenuShown;

}  // namespace pinxel
