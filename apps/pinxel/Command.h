#pragma once
// The subcommands of the pinxel tool. Each command lives in its own file and
// registers itself with a static Command object:
//
//   static const Command filter("filter", "apply a filter to a picture file", runFilter);

#include <QStringList>

#include <vector>

namespace pinxel::cli {

class Command {
public:
    // Runs with the arguments after the command's name; returns the exit code.
    using Run = int (*)(const QStringList &arguments);

    Command(const char *name, const char *summary, Run run);

    const char *name;
    const char *summary;
    Run run;

    static const std::vector<const Command *> &all();
};

}  // namespace pinxel::cli
