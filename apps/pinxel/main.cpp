// pinxel: the command line tool. `pinxel COMMAND ARGS...`; `pinxel --help` lists the commands.
//
// This launcher links neither Qt nor the library: listing the commands costs
// nothing but the program's start. A command loads the module that holds
// its code from lib/pinxel beside the launcher's folder, as built and as
// installed: the picture commands' module with Qt's core and GUI classes
// only, the editor commands' module with the library and Qt's widgets.

#include "CommandTable.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using pinxel::cli::CommandTable;

void printUsage(std::FILE *out)
{
    std::fprintf(out, "usage: pinxel COMMAND [ARGS...]\n\ncommands:\n");
    for (const pinxel::cli::CommandRow &row : CommandTable)
        std::fprintf(out, "  %-12s %s\n", row.name, row.summary);
    std::fprintf(out, "\n'pinxel COMMAND --help' tells more of one command.\n");
}

// lib/pinxel/FILE beside the folder of the launcher's real file.
std::string modulePath(const char *file)
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return file;
    std::string path(self, std::size_t(length));
    path.erase(path.find_last_of('/'));
    path.erase(path.find_last_of('/') + 1);
    return path + "lib/pinxel/" + file;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const pinxel::cli::CommandRow *row = pinxel::cli::commandRow(argv[1]);
    if (!row) {
        std::fprintf(stderr, "pinxel: unknown command '%s'\n\n", argv[1]);
        printUsage(stderr);
        return 2;
    }
    // Scripts answer dialogs and compare texts: the tool speaks English on
    // every machine, and so do the processes it starts.
    setenv("PINXEL_TRANSLATE", "off", 1);
    const std::string path = modulePath(pinxel::cli::moduleFile(row->needs));
    void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "pinxel: cannot load its commands: %s\n", dlerror());
        return 1;
    }
    using Run = int (*)(int, char **);
    const auto run = reinterpret_cast<Run>(dlsym(module, "pinxel_run_command"));
    if (!run) {
        std::fprintf(stderr, "pinxel: %s holds no commands: %s\n", path.c_str(), dlerror());
        return 1;
    }
    return run(argc, argv);
}
