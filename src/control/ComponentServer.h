#pragma once
// The library's side of the component runtime: the class objects, the count
// of live instances and locks that DllCanUnloadNow answers from, and the
// library's own path that DllRegisterServer records. The four C entry points
// are in ComponentServer.cpp.

#include <QString>

namespace pinxel {

class ComponentServer {
public:
    // Every control and property page counts while it lives, however it was made.
    static void instanceCreated();
    static void instanceDestroyed();
    static int instanceCount();
    static int lockCount();

    // The absolute path of the loaded library file.
    static QString libraryPath();
};

}  // namespace pinxel
