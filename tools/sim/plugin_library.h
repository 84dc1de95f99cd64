// Loading the built plug-in into this process as the game's host loads it, and whether the
// progress line can be redrawn. The only platform-specific part of the simulator:
// plugin_library_posix.cpp loads libvorthmere.so with dlopen, plugin_library_windows.cpp loads
// Vorthmere.asi with LoadLibrary beside the stand-in ScriptHookRDR2.dll.
#pragma once

#include "sim_runner.h"

#include <string>

namespace sim {

struct LoadedLibrary {
    // Delivers the process attach. On Windows the loader has already delivered it inside
    // LoadLibrary, as in the game, and this only answers 1.
    DllMainFunction dllMain = nullptr;
    std::string error; // why loading failed, when dllMain is null
};

// The library the build made, beside which this program was built.
std::string defaultLibraryPath();
// Loads the library; its script must not have started yet.
LoadedLibrary loadPluginLibrary(const std::string& path);
// Whether standard error is a terminal, where a progress line can redraw itself.
bool stderrIsTerminal();

} // namespace sim
