#include "pinxel/ComponentRuntime.h"

#include "pinxel/Error.h"
#include "platform/component/ComponentRegistry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

namespace pinxel {

namespace {

[[noreturn]] void cannotCreate(const QString &why)
{
    throw Error(ErrCannotCreateObject, QCoreApplication::translate("Error", "Can't create object: %1").arg(why));
}

QString resultText(std::int32_t result)
{
    return QStringLiteral("0x%1").arg(static_cast<std::uint32_t>(result), 8, 16, QLatin1Char('0'));
}

// Libraries stay loaded for the life of the process: the widgets they create
// may outlive any one caller, and the runtime never knows when the last goes.
QLibrary &loadedLibrary(const QString &path)
{
    static QHash<QString, QLibrary *> libraries;
    const QString key = QFileInfo(path).absoluteFilePath();
    if (QLibrary *known = libraries.value(key))
        return *known;
    if (!QFileInfo::exists(key))
        cannotCreate(QCoreApplication::translate("Error", "the library %1 does not exist").arg(key));
    auto *library = new QLibrary(key);
    if (!library->load()) {
        const QString why = library->errorString();
        delete library;
        cannotCreate(QCoreApplication::translate("Error", "cannot load %1: %2").arg(key, why));
    }
    libraries.insert(key, library);
    return *library;
}

template <typename Function> Function entryPoint(const QString &libraryPath, const char *name)
{
    auto function = reinterpret_cast<Function>(loadedLibrary(libraryPath).resolve(name));
    if (!function)
        cannotCreate(
            QCoreApplication::translate("Error", "%1 does not export %2").arg(libraryPath, QLatin1String(name)));
    return function;
}

}  // namespace

QString ComponentRuntime::registryPath() { return ComponentRegistry::defaultPath(); }

ComponentClass ComponentRuntime::findClass(const QString &nameOrClassId)
{
    const ComponentRegistry registry;
    const std::optional<ComponentClass> found = registry.find(nameOrClassId);
    if (!found)
        cannotCreate(
            QCoreApplication::translate("Error", "%1 is not registered in %2").arg(nameOrClassId, registry.path()));
    return *found;
}

QWidget *ComponentRuntime::createInstance(const QString &nameOrClassId, QWidget *parent)
{
    const ComponentClass entry = findClass(nameOrClassId);
    const auto getClassObject = entryPoint<PinxelDllGetClassObject>(entry.library, "DllGetClassObject");
    PinxelClassObject *classObject = nullptr;
    const QByteArray classId = entry.classId.toUtf8();
    std::int32_t result = getClassObject(classId.constData(), &classObject);
    if (result != PINXEL_S_OK || !classObject)
        cannotCreate(QCoreApplication::translate("Error", "%1 offers no class %2 (%3)")
                         .arg(entry.library, entry.classId, resultText(result)));
    void *instance = nullptr;
    result = classObject->CreateInstance(classObject, parent, &instance);
    if (result != PINXEL_S_OK || !instance)
        cannotCreate(QCoreApplication::translate("Error", "the class object of %1 failed (%2)")
                         .arg(entry.name, resultText(result)));
    return static_cast<QWidget *>(instance);
}

std::int32_t ComponentRuntime::registerLibrary(const QString &libraryPath)
{
    return entryPoint<PinxelDllRegisterServer>(libraryPath, "DllRegisterServer")();
}

std::int32_t ComponentRuntime::unregisterLibrary(const QString &libraryPath)
{
    return entryPoint<PinxelDllUnregisterServer>(libraryPath, "DllUnregisterServer")();
}

bool ComponentRuntime::canUnloadNow(const QString &libraryPath)
{
    return entryPoint<PinxelDllCanUnloadNow>(libraryPath, "DllCanUnloadNow")() == PINXEL_S_OK;
}

}  // namespace pinxel
