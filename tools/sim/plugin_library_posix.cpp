#include "plugin_library.h"

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

namespace sim {

std::string defaultLibraryPath() {
#ifdef VORTHMERE_LIBRARY
    return VORTHMERE_LIBRARY;
#else
    return "libvorthmere.so";
#endif
}

// The library finds the host functions in this program, which exports them; dlopen runs no
// entry of its own, so the caller delivers the process attach through dllMain.
LoadedLibrary loadPluginLibrary(const std::string& path) {
    LoadedLibrary loaded;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        loaded.error = reason ? reason : "cannot load " + path;
        return loaded;
    }
    loaded.dllMain = reinterpret_cast<DllMainFunction>(dlsym(library, "DllMain"));
    if (!loaded.dllMain) loaded.error = path + " has no DllMain";
    return loaded;
}

bool stderrIsTerminal() { return isatty(fileno(stderr)) != 0; }

} // namespace sim
