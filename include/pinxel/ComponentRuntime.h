#pragma once
// The component runtime: how a host creates a control by name without linking
// the library that implements it.
//
// A component library exports four C entry points. DllRegisterServer records
// its classes (class identifier, readable name, property pages, the library's
// path) in the per-user component registry, DllUnregisterServer removes them,
// DllGetClassObject hands out the class object that creates instances, and
// DllCanUnloadNow answers whether instances or locks remain.
//
// The registry is a text file, by default
//   <user configuration folder>/pinxel/components.ini
// and the environment variable PINXEL_REGISTRY names another file (tests, or
// several installations side by side).
//
// ComponentRuntime is the host's side: it finds a class in the registry, loads
// the library by the recorded path and asks its class object for an instance.

#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;

extern "C" {

// Result codes of the entry points and class objects.
enum PinxelResult : std::int32_t {
    PINXEL_S_OK = 0,
    PINXEL_S_FALSE = 1,
    PINXEL_E_FAIL = static_cast<std::int32_t>(0x80004005u),
    PINXEL_E_POINTER = static_cast<std::int32_t>(0x80004003u),
    PINXEL_E_OUTOFMEMORY = static_cast<std::int32_t>(0x8007000Eu),
    PINXEL_E_CLASSNOTAVAILABLE = static_cast<std::int32_t>(0x80040111u),
    PINXEL_SELFREG_E_CLASS = static_cast<std::int32_t>(0x80040201u),
};

// The class object of one class. The library owns it; it lives as long as the library is loaded.
typedef struct PinxelClassObject PinxelClassObject;
struct PinxelClassObject {
    // The class identifier it creates, "{XXXXXXXX-...}".
    const char *classId;
    // Creates an instance as a QWidget (cast from void *), parented to
    // parentWidget (a QWidget *, may be null), stored in *instance.
    std::int32_t (*CreateInstance)(PinxelClassObject *self, void *parentWidget, void **instance);
    // lock non-zero adds a lock that keeps the library loaded; zero removes one.
    std::int32_t (*LockServer)(PinxelClassObject *self, std::int32_t lock);
};

// The entry points of the library Pinxel, for programs that link it. A host
// that loads a library by path resolves them by name through these types.
std::int32_t DllRegisterServer(void);
std::int32_t DllUnregisterServer(void);
std::int32_t DllGetClassObject(const char *classId, PinxelClassObject **classObject);
// PINXEL_S_OK when no instance or lock remains, else PINXEL_S_FALSE.
std::int32_t DllCanUnloadNow(void);

typedef std::int32_t (*PinxelDllRegisterServer)(void);
typedef std::int32_t (*PinxelDllUnregisterServer)(void);
typedef std::int32_t (*PinxelDllGetClassObject)(const char *classId, PinxelClassObject **classObject);
typedef std::int32_t (*PinxelDllCanUnloadNow)(void);

}  // extern "C"

namespace pinxel {

// One class in the registry.
struct ComponentClass {
    QString classId;
    QString name;               // readable name, "Pinxel.Dabbler"
    QString library;            // absolute path of the library
    QStringList propertyPages;  // class identifiers of its property pages
};

class ComponentRuntime {
public:
    // The registry file in use: $PINXEL_REGISTRY, else the user's configuration folder.
    static QString registryPath();

    // The class registered under a readable name or a class identifier;
    // raises pinxel::Error 429 when it is not registered.
    static ComponentClass findClass(const QString &nameOrClassId);

    // Creates an instance of a registered class: loads its library by the
    // recorded path (once per process) and asks the class object. Raises
    // pinxel::Error 429 (not registered, library missing, no entry point) or
    // the class object's failure.
    static QWidget *createInstance(const QString &nameOrClassId, QWidget *parent = nullptr);

    // Loads a library by path and calls its DllRegisterServer or
    // DllUnregisterServer; returns the entry point's result. Raises
    // pinxel::Error 429 when the library or the entry point cannot be found.
    static std::int32_t registerLibrary(const QString &libraryPath);
    static std::int32_t unregisterLibrary(const QString &libraryPath);

    // DllCanUnloadNow of a loaded library: true when no instance or lock remains.
    static bool canUnloadNow(const QString &libraryPath);
};

// "Can't create object": the number of every runtime failure.
inline constexpr int ErrCannotCreateObject = 429;

}  // namespace pinxel
