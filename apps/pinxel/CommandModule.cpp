// The entry point of a commands' module: sets up the Qt application the
// command's row asks for, and no more, then runs the command.

#include "Command.h"
#include "CommandTable.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace pinxel::cli {

namespace {
std::vector<const Command *> &registry()
{
    static std::vector<const Command *> commands;
    return commands;
}
}  // namespace

Command::Command(const char *name, Run run) : name(name), run(run) { registry().push_back(this); }

const Command *Command::named(const char *name)
{
    for (const Command *command : registry())
        if (std::strcmp(command->name, name) == 0)
            return command;
    return nullptr;
}

}  // namespace pinxel::cli

// argv[1] names a row of the command table.
extern "C" __attribute__((visibility("default"))) int pinxel_run_command(int argc, char **argv)
{
    using namespace pinxel::cli;
    const CommandRow *row = commandRow(argv[1]);
    const Command *command = row ? Command::named(row->name) : nullptr;
    if (!command) {
        std::fprintf(stderr, "pinxel: the command '%s' is missing from its module\n", argv[1]);
        return 1;
    }
    const std::unique_ptr<QCoreApplication> app = makeApplication(*row, argc, argv);
    return command->run(QCoreApplication::arguments().mid(2));
}
