// The soak of tests/soak with the real Vorthmere.asi under Wine: the stand-in ScriptHookRDR2.dll
// is in the process (this program imports it), LoadLibrary binds the plug-in to it and runs
// DllMain, and the same seeded hostile game and rules as on Linux play against it. The plug-in
// reads the stand-in's clock, as in the simulator, so a run is the same however fast it goes.
//
// Usage: vorthmere_wine_soak <path of Vorthmere.asi>, in a folder of its own (the plug-in reads
// and writes its files there). VORTHMERE_SOAK_SEED and VORTHMERE_SOAK_FRAMES as on Linux.
#include "plugin_library.h"
#include "soak_run.h"
#include "standin_host.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <path of Vorthmere.asi>\n", argv[0]);
        return 2;
    }
    // Each run starts without a settings file, as the Linux run starts in an empty folder.
    std::remove("Vorthmere.ini");
    const sim::LoadedLibrary plugin = sim::loadPluginLibrary(argv[1]);
    if (!plugin.dllMain) {
        std::fprintf(stderr, "%s\n", plugin.error.c_str());
        return 2;
    }
    const uint64_t seed = soak::soakSetting("VORTHMERE_SOAK_SEED", soak::defaultSeed);
    const uint64_t frames = soak::soakSetting("VORTHMERE_SOAK_FRAMES", VORTHMERE_SOAK_FRAMES);
    const soak::SoakFigures figures = soak::runSoak(seed, frames, standin::startScript);
    std::printf("%s\n", soak::describeSoak(figures).c_str());
    if (figures.fault.empty()) return 0;
    std::printf("FAIL %s\n", figures.fault.c_str());
    return 1;
}
