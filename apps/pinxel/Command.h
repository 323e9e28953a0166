#pragma once
// The subcommands of the pinxel tool. Each command lives in its own file and
// registers its run function under its row's name in CommandTable.h with a
// static Command object:
//
//   static const Command filter("filter", runFilter);

#include <QStringList>

#include <memory>

class QCoreApplication;

namespace pinxel::cli {

class Command {
public:
    // Runs with the arguments after the command's name; returns the exit code.
    using Run = int (*)(const QStringList &arguments);

    Command(const char *name, Run run);

    const char *name;
    Run run;

    // The command registered under the name, or nullptr.
    static const Command *named(const char *name);
};

struct CommandRow;

// The application the row asks for, made by the module that holds its
// command: the picture commands' module knows only Qt's core.
std::unique_ptr<QCoreApplication> makeApplication(const CommandRow &row, int &argc, char **argv);

}  // namespace pinxel::cli
