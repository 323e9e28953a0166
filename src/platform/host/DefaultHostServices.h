#pragma once
// The services HostServices::current() falls back to when none was set:
// the Qt ones when the library's widgets are there, which register their
// maker as the library loads; the scripted ones in a program built on the
// pictures' core alone, which has no dialogs to show.

#include "pinxel/HostServices.h"

#include <memory>

namespace pinxel {

using DefaultServicesMaker = std::unique_ptr<HostServices> (*)();
void setDefaultServicesMaker(DefaultServicesMaker maker);

}  // namespace pinxel
