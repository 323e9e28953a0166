// `pinxel register [LIBRARY]` and `pinxel unregister [LIBRARY]`: record the
// library's classes in the per-user component registry, or remove them, as a
// host's installer would. Without an argument they work on the library this
// tool runs with; with one they load that library and call its entry point.

#include "Command.h"

#include "pinxel/ComponentRuntime.h"
#include "pinxel/Dabbler.h"
#include "pinxel/Error.h"
#include "platform/component/ComponentRegistry.h"

#include <QFileInfo>

#include <cstdio>

namespace pinxel::cli {
namespace {

void printHelp(const char *command, const char *what)
{
    std::printf("usage: pinxel %s [LIBRARY]\n\n"
                "%s the control Pinxel.Dabbler and its property page in the component\n"
                "registry (%s; PINXEL_REGISTRY names another file).\n"
                "LIBRARY is the path of a libpinxel.so; without it, the library this tool runs with.\n",
                command, what, qPrintable(ComponentRegistry::defaultPath()));
}

int run(const QStringList &arguments, bool registering)
{
    const char *command = registering ? "register" : "unregister";
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        printHelp(command, registering ? "Records" : "Removes");
        return 0;
    }
    if (arguments.size() > 1) {
        std::fprintf(stderr, "pinxel %s: one library at most\n", command);
        return 2;
    }
    try {
        std::int32_t result = PINXEL_E_FAIL;
        if (arguments.isEmpty()) {
            result = registering ? DllRegisterServer() : DllUnregisterServer();
        } else {
            const QString library = QFileInfo(arguments.front()).absoluteFilePath();
            result =
                registering ? ComponentRuntime::registerLibrary(library) : ComponentRuntime::unregisterLibrary(library);
        }
        if (result != PINXEL_S_OK) {
            std::fprintf(stderr, "pinxel %s: the library's entry point failed (0x%08x) on %s\n", command,
                         static_cast<unsigned>(result), qPrintable(ComponentRegistry::defaultPath()));
            return 1;
        }
        if (registering) {
            const ComponentClass control = ComponentRuntime::findClass(QLatin1String(DabblerProgId));
            std::printf("registered %s %s\n  library  %s\n  registry %s\n", qPrintable(control.name),
                        qPrintable(control.classId), qPrintable(control.library),
                        qPrintable(ComponentRuntime::registryPath()));
        } else {
            std::printf("unregistered %s from %s\n", DabblerProgId, qPrintable(ComponentRuntime::registryPath()));
        }
    } catch (const Error &error) {
        std::fprintf(stderr, "pinxel %s: %s\n", command, qPrintable(error.description()));
        return 1;
    }
    return 0;
}

int runRegister(const QStringList &arguments) { return run(arguments, true); }
int runUnregister(const QStringList &arguments) { return run(arguments, false); }

const Command registerCommand("register", runRegister);
const Command unregisterCommand("unregister", runUnregister);

}  // namespace
}  // namespace pinxel::cli
