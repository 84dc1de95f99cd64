#include "plugin_loader.h"

#include "standin_host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>

namespace testsupport {
std::string pluginPath() {
    if (const char* path = std::getenv("VORTHMERE_LIBRARY")) return path;
#ifdef VORTHMERE_LIBRARY
    return VORTHMERE_LIBRARY;
#else
    return "libvorthmere.so";
#endif
}

void* testModuleHandle() {
    static int module;
    return &module;
}

LoadedPlugin loadPlugin() {
    LoadedPlugin plugin;
    plugin.library = dlopen(pluginPath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!plugin.library) {
        ADD_FAILURE() << "cannot load " << pluginPath() << ": " << dlerror();
        return plugin;
    }
    plugin.dllMain = reinterpret_cast<DllMainFunction>(dlsym(plugin.library, "DllMain"));
    if (!plugin.dllMain) ADD_FAILURE() << "no DllMain in " << pluginPath();
    return plugin;
}

LoadedPlugin startPlugin() {
    LoadedPlugin plugin = loadPlugin();
    if (!plugin.dllMain) return plugin;
    EXPECT_EQ(plugin.dllMain(testModuleHandle(), 1, nullptr), 1);
    standin::startScript();
    return plugin;
}
} // namespace testsupport
