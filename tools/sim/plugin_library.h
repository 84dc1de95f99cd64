// Loading the built plug-in into this process as the game's host loads it, and whether the
// progress line can be redrawn. The only platform-specific part of the simulator: dlopen
// here, LoadLibrary in a Windows build.
#pragma once

#include "sim_runner.h"

#include <string>

namespace sim {

struct LoadedLibrary {
    DllMainFunction dllMain = nullptr;
    std::string error; // why loading failed, when dllMain is null
};

// The library the build made, beside which this program was built.
std::string defaultLibraryPath();
LoadedLibrary loadPluginLibrary(const std::string& path);
// Whether standard error is a terminal, where a progress line can redraw itself.
bool stderrIsTerminal();

} // namespace sim
