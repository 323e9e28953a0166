// The picture commands' application: Qt's core alone, with no display,
// plugins or fonts to set up.

#include "Command.h"

#include <QCoreApplication>

namespace pinxel::cli {

std::unique_ptr<QCoreApplication> makeApplication(const CommandRow &, int &argc, char **argv)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace pinxel::cli
