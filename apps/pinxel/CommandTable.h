#pragma once
// The commands of the pinxel tool, one row each: what `pinxel --help` lists
// and which Qt application a command needs. The launcher reads this table
// alone, so that listing the commands loads neither the library nor Qt;
// each command's code registers its run function under the same name.

#include <cstring>

namespace pinxel::cli {

// What a command needs decides the module that holds it.
enum class Needs {
    Core,     // files and pictures in memory: no display, plugins or fonts (pinxel-picture-commands.so)
    Widgets,  // the editor's window (offscreen unless shown), dialogs, fonts (pinxel-commands.so)
};

inline const char *moduleFile(Needs needs)
{
    return needs == Needs::Core ? "pinxel-picture-commands.so" : "pinxel-commands.so";
}

struct CommandRow {
    const char *name;
    const char *summary;
    Needs needs;
};

inline constexpr CommandRow CommandTable[] = {
    {"demo", "draw a sampler of figures on a picture and save it", Needs::Widgets},
    {"effect", "run one effect on a picture file (pinxel effect --help)", Needs::Core},
    {"filter", "run one filter on a picture file (pinxel filter --help)", Needs::Core},
    {"recover", "list the recovery journals or restore one into a picture file", Needs::Widgets},
    {"register", "record the control in the per-user component registry", Needs::Widgets},
    {"unregister", "remove the control from the component registry", Needs::Widgets},
    {"script", "drive the editor with a script, record a session or replay one", Needs::Widgets},
};

// The row of the command, or nullptr.
inline const CommandRow *commandRow(const char *name)
{
    for (const CommandRow &row : CommandTable)
        if (std::strcmp(row.name, name) == 0)
            return &row;
    return nullptr;
}

}  // namespace pinxel::cli
