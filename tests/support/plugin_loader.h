// Loads the built libvorthmere.so as the game's host loads the DLL: dlopen, then DllMain
// with the process-attach reason. The stand-in host, linked into the test program, supplies
// the host functions.
#pragma once

#include <cstdint>
#include <string>

namespace testsupport {
using DllMainFunction = int32_t (*)(void* instance, uint32_t reason, void* reserved);

struct LoadedPlugin {
    void* library = nullptr;
    DllMainFunction dllMain = nullptr;
};

// The library path is the build's, unless VORTHMERE_LIBRARY names another.
std::string pluginPath();
// Loads the library; a failure is reported as a test failure and leaves the fields null.
LoadedPlugin loadPlugin();
// dlopen, DllMain(process attach), then the script entry on the stand-in host's thread.
LoadedPlugin startPlugin();
// The module handle the tests pass to DllMain.
void* testModuleHandle();
} // namespace testsupport
