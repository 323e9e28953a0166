// The editor commands' application, with Qt's widgets: offscreen for a
// script unless it asks to be shown with --show, and for a restore, which
// replays a journal in an editor nobody sees; otherwise on the display,
// or offscreen when there is none.

#include "Command.h"
#include "CommandTable.h"

#include <QApplication>

#include <cstdlib>
#include <cstring>

namespace pinxel::cli {

std::unique_ptr<QCoreApplication> makeApplication(const CommandRow &row, int &argc, char **argv)
{
    bool show = false;
    for (int i = 2; i < argc; ++i)
        show = show || std::strcmp(argv[i], "--show") == 0;
    if ((std::strcmp(row.name, "script") == 0 && !show) || std::strcmp(row.name, "recover") == 0)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace pinxel::cli
