#include "control/EditorLauncher.h"

namespace pinxel {

namespace {
EditorLauncher *g_launcher = nullptr;
}

EditorLauncher *EditorLauncher::installed() { return g_launcher; }

void EditorLauncher::install(EditorLauncher *launcher) { g_launcher = launcher; }

}  // namespace pinxel
