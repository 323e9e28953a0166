#pragma once
/// \file
/// \brief The component runtime: how a host creates a control by name without
/// linking the library that implements it.
///
/// A component library exports four C entry points. DllRegisterServer records
/// its classes (class identifier, readable name, property pages, the library's
/// path) in the per-user component registry, DllUnregisterServer removes them,
/// DllGetClassObject hands out the class object that creates instances, and
/// DllCanUnloadNow answers whether instances or locks remain.
///
/// The registry is a text file, by default
/// `<user configuration folder>/pinxel/components.ini`
/// (`~/.config/pinxel/components.ini`), and the environment variable
/// `PINXEL_REGISTRY` names another file (tests, or several installations side
/// by side). `pinxel register` and `pinxel unregister` call the entry points.
///
/// The entry points of the library Pinxel are declared here for programs that
/// link it. A host that loads a library by path resolves them by name through
/// the types PinxelDllRegisterServer, PinxelDllUnregisterServer,
/// PinxelDllGetClassObject and PinxelDllCanUnloadNow.
///
/// ComponentRuntime is the host's side: it finds a class in the registry, loads
/// the library by the recorded path and asks its class object for an instance.
/// The runtime itself is in the library too, so a host that must not link
/// Pinxel implements the same few steps with `dlopen` and the entry point
/// types below; see \ref by_name.
///
/// Everything here runs on the GUI thread: the instances are widgets, and
/// the runtime keeps its loaded libraries without a lock.

#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;

extern "C" {

/// Result codes of the entry points and class objects. 0 and 1 succeed,
/// the negative ones are failures.
enum PinxelResult : std::int32_t {
    PINXEL_S_OK = 0,     ///< Done; for DllCanUnloadNow: the library may be unloaded.
    PINXEL_S_FALSE = 1,  ///< Done, the answer is no; for DllCanUnloadNow: instances or locks remain.
    /// Failed: CreateInstance without a QApplication (widgets need the host's application object).
    PINXEL_E_FAIL = static_cast<std::int32_t>(0x80004005u),
    /// A pointer argument that must not be null was null.
    PINXEL_E_POINTER = static_cast<std::int32_t>(0x80004003u),
    /// CreateInstance could not allocate the instance.
    PINXEL_E_OUTOFMEMORY = static_cast<std::int32_t>(0x8007000Eu),
    /// DllGetClassObject: the library offers no class with that identifier.
    PINXEL_E_CLASSNOTAVAILABLE = static_cast<std::int32_t>(0x80040111u),
    /// DllRegisterServer, DllUnregisterServer: the registry could not be
    /// written, or the library cannot tell its own path (the reason goes to
    /// the log through qWarning).
    PINXEL_SELFREG_E_CLASS = static_cast<std::int32_t>(0x80040201u),
};

/// The class object of one class, for C and for hosts that do not link the library.
typedef struct PinxelClassObject PinxelClassObject;
/// The class object of one class. The library owns it; it lives as long as the library is loaded.
///
/// A host calls its members through the function pointers, passing the
/// object itself as `self`, on the GUI thread.
struct PinxelClassObject {
    /// The class identifier it creates, "{XXXXXXXX-...}" in upper case with braces.
    const char *classId;
    /// Creates an instance as a QWidget (cast from void *), parented to
    /// parentWidget (a QWidget *, may be null), stored in *instance.
    ///
    /// Returns PINXEL_S_OK; PINXEL_E_POINTER when instance is null,
    /// PINXEL_E_FAIL when the process has no QApplication, and
    /// PINXEL_E_OUTOFMEMORY, each with *instance set to null.
    std::int32_t (*CreateInstance)(PinxelClassObject *self, void *parentWidget, void **instance);
    /// lock non-zero adds a lock that keeps the library loaded; zero removes
    /// one (never below none). Returns PINXEL_S_OK.
    std::int32_t (*LockServer)(PinxelClassObject *self, std::int32_t lock);
};

/// Records the control Pinxel.Dabbler and its property page
/// Pinxel.EditProperties with this library's absolute path in the registry
/// (ComponentRuntime::registryPath()), replacing an older record of the same
/// classes. Returns PINXEL_S_OK, or PINXEL_SELFREG_E_CLASS when the registry
/// cannot be written (its folder cannot be made, it is locked or read-only,
/// the disk is full).
std::int32_t DllRegisterServer(void);
/// Removes the library's two classes from the registry. Returns PINXEL_S_OK
/// (also when they were not recorded), or PINXEL_SELFREG_E_CLASS when the
/// registry cannot be written.
std::int32_t DllUnregisterServer(void);
/// Stores the class object of classId (braces and case do not matter) in
/// *classObject. Returns PINXEL_S_OK; PINXEL_E_POINTER when an argument is
/// null; PINXEL_E_CLASSNOTAVAILABLE, with *classObject null, for a class the
/// library does not have.
std::int32_t DllGetClassObject(const char *classId, PinxelClassObject **classObject);
/// PINXEL_S_OK when no instance or lock remains, else PINXEL_S_FALSE.
std::int32_t DllCanUnloadNow(void);

/// The type of DllRegisterServer, for a library loaded by path.
typedef std::int32_t (*PinxelDllRegisterServer)(void);
/// The type of DllUnregisterServer, for a library loaded by path.
typedef std::int32_t (*PinxelDllUnregisterServer)(void);
/// The type of DllGetClassObject, for a library loaded by path.
typedef std::int32_t (*PinxelDllGetClassObject)(const char *classId, PinxelClassObject **classObject);
/// The type of DllCanUnloadNow, for a library loaded by path.
typedef std::int32_t (*PinxelDllCanUnloadNow)(void);

}  // extern "C"

namespace pinxel {

/// One class in the registry.
struct ComponentClass {
    QString classId;            ///< The class identifier, "{B6FB87A8-...}", upper case with braces.
    QString name;               ///< readable name, "Pinxel.Dabbler"
    QString library;            ///< absolute path of the library
    QStringList propertyPages;  ///< class identifiers of its property pages
};

/// The host's side of the component runtime: classes by name, instances from
/// the library recorded for them. All members are static.
///
/// Every failure is a pinxel::Error with number ErrCannotCreateObject (429),
/// whose description says what was missing ("Can't create object: ..."),
/// except a registry file that cannot be read: 70 (a folder, a pipe, no
/// permission), 57 (a read error) or 321 (too large or no text).
/// Call it on the GUI thread.
class ComponentRuntime {
public:
    /// The registry file in use: $PINXEL_REGISTRY, else the user's
    /// configuration folder's pinxel/components.ini.
    static QString registryPath();

    /// The class registered under a readable name (case does not matter) or
    /// a class identifier (braces and case do not matter).
    /// \throws Error 429 when it is not registered (or there is no registry
    /// file); 70, 57 or 321 when the registry file cannot be read.
    static ComponentClass findClass(const QString &nameOrClassId);

    /// Creates an instance of a registered class: loads its library by the
    /// recorded path (once per process; it stays loaded) and asks the class
    /// object. The widget is parent's child, or a top-level widget the caller
    /// owns when parent is null. For Pinxel.Dabbler,
    /// `qobject_cast<pinxel::DabblerInterface *>` on it gives the control; for
    /// Pinxel.EditProperties, `qobject_cast<pinxel::PropertyPageInterface *>`.
    /// \throws Error 429 (not registered, library missing, no entry point) or
    /// the class object's failure, with its result code in the description
    /// (no QApplication, out of memory); 70, 57 or 321 as findClass().
    static QWidget *createInstance(const QString &nameOrClassId, QWidget *parent = nullptr);

    /// Loads a library by path and calls its DllRegisterServer; returns the
    /// entry point's result (PINXEL_S_OK, PINXEL_SELFREG_E_CLASS).
    /// \throws Error 429 when the library or the entry point cannot be found.
    static std::int32_t registerLibrary(const QString &libraryPath);
    /// Loads a library by path and calls its DllUnregisterServer; returns the
    /// entry point's result.
    /// \throws Error 429 when the library or the entry point cannot be found.
    static std::int32_t unregisterLibrary(const QString &libraryPath);

    /// DllCanUnloadNow of a loaded library: true when no instance or lock remains.
    /// (The runtime never unloads a library itself.)
    /// \throws Error 429 when the library or the entry point cannot be found.
    static bool canUnloadNow(const QString &libraryPath);
};

/// "Can't create object": the number of every runtime failure.
inline constexpr int ErrCannotCreateObject = 429;

}  // namespace pinxel
