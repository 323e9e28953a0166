// The library's component entry points and class objects.

#include "control/ComponentServer.h"

#include "control/EditProperties.h"
#include "pinxel/ComponentRuntime.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/Error.h"
#include "platform/component/ComponentRegistry.h"

#include <QApplication>
#include <QFileInfo>

#include <atomic>
#include <dlfcn.h>
#include <new>

#define PINXEL_EXPORT __attribute__((visibility("default")))

namespace pinxel {

namespace {

std::atomic<int> g_instances{0};
std::atomic<int> g_locks{0};

template <typename Widget> std::int32_t createInstance(PinxelClassObject *, void *parentWidget, void **instance)
{
    if (!instance)
        return PINXEL_E_POINTER;
    *instance = nullptr;
    // Widgets need the host's application object.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return PINXEL_E_FAIL;
    try {
        *instance = static_cast<QWidget *>(new Widget(static_cast<QWidget *>(parentWidget)));
    } catch (const std::bad_alloc &) {
        return PINXEL_E_OUTOFMEMORY;
    }
    return PINXEL_S_OK;
}

std::int32_t lockServer(PinxelClassObject *, std::int32_t lock)
{
    if (lock)
        ++g_locks;
    else if (g_locks.fetch_sub(1) <= 0)
        ++g_locks;  // more unlocks than locks: stay at zero
    return PINXEL_S_OK;
}

PinxelClassObject g_dabblerClass{DabblerClassId, &createInstance<Dabbler>, &lockServer};
PinxelClassObject g_editPropertiesClass{EditPropertiesClassId, &createInstance<EditProperties>, &lockServer};

}  // namespace

void ComponentServer::instanceCreated() { ++g_instances; }
void ComponentServer::instanceDestroyed() { --g_instances; }
int ComponentServer::instanceCount() { return g_instances.load(); }
int ComponentServer::lockCount() { return g_locks.load(); }

QString ComponentServer::libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&lockServer), &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

}  // namespace pinxel

using namespace pinxel;

extern "C" {

// Records the control and its property page with this library's path.
PINXEL_EXPORT std::int32_t DllRegisterServer(void)
{
    const QString library = ComponentServer::libraryPath();
    if (library.isEmpty())
        return PINXEL_SELFREG_E_CLASS;
    try {
        ComponentRegistry::update(ComponentRegistry::defaultPath(), [&](ComponentRegistry &registry) {
            registry.add({QString::fromLatin1(DabblerClassId),
                          QString::fromLatin1(DabblerProgId),
                          library,
                          {QString::fromLatin1(EditPropertiesClassId)}});
            registry.add(
                {QString::fromLatin1(EditPropertiesClassId), QString::fromLatin1(EditPropertiesProgId), library, {}});
        });
    } catch (const Error &error) {
        // The C interface carries no text; the reason goes to the log of whoever called.
        qWarning("DllRegisterServer: %s", qPrintable(error.description()));
        return PINXEL_SELFREG_E_CLASS;
    }
    return PINXEL_S_OK;
}

PINXEL_EXPORT std::int32_t DllUnregisterServer(void)
{
    try {
        ComponentRegistry::update(ComponentRegistry::defaultPath(), [](ComponentRegistry &registry) {
            registry.remove(QString::fromLatin1(DabblerClassId));
            registry.remove(QString::fromLatin1(EditPropertiesClassId));
        });
    } catch (const Error &error) {
        qWarning("DllUnregisterServer: %s", qPrintable(error.description()));
        return PINXEL_SELFREG_E_CLASS;
    }
    return PINXEL_S_OK;
}

PINXEL_EXPORT std::int32_t DllGetClassObject(const char *classId, PinxelClassObject **classObject)
{
    if (!classId || !classObject)
        return PINXEL_E_POINTER;
    *classObject = nullptr;
    const QString wanted = ComponentRegistry::normalizedClassId(QString::fromLatin1(classId));
    for (PinxelClassObject *candidate : {&g_dabblerClass, &g_editPropertiesClass})
        if (wanted == QLatin1String(candidate->classId)) {
            *classObject = candidate;
            return PINXEL_S_OK;
        }
    return PINXEL_E_CLASSNOTAVAILABLE;
}

PINXEL_EXPORT std::int32_t DllCanUnloadNow(void)
{
    return g_instances.load() == 0 && g_locks.load() == 0 ? PINXEL_S_OK : PINXEL_S_FALSE;
}

}  // extern "C"
