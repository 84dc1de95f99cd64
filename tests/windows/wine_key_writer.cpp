// The concurrency scenarios of tests/concurrency with the real Vorthmere.asi under Wine: a
// Windows thread sends key messages through the stand-in ScriptHookRDR2.dll to the plug-in's
// keyboard handler while the script, on the stand-in's script thread, tests the combinations,
// runs frames and switches the camera on and off.
//
// Usage: vorthmere_wine_key_writer <path of Vorthmere.asi> <scenario>, one scenario per process
// (the plug-in's state is process-wide), in a folder of its own.
#include "key_writer.h"
#include "plugin_library.h"

#include <cstdio>

int main(int argc, char** argv) {
    const keywriter::WriterScenario* scenario = argc == 3 ? keywriter::findScenario(argv[2]) : nullptr;
    if (!scenario) {
        std::fprintf(stderr, "usage: %s <path of Vorthmere.asi> <scenario>\n", argv[0]);
        return 2;
    }
    keywriter::prepareSettings(*scenario);
    const sim::LoadedLibrary plugin = sim::loadPluginLibrary(argv[1]);
    if (!plugin.dllMain) {
        std::fprintf(stderr, "%s\n", plugin.error.c_str());
        return 2;
    }
    const keywriter::PassCounts counts = keywriter::runBesideKeyWriter(*scenario);
    const std::string broken = keywriter::brokenExpectation(*scenario, counts);
    std::printf("%s: %s\n%s %s\n", scenario->name, keywriter::describeCounts(counts).c_str(),
                broken.empty() ? "ok  " : "FAIL", broken.empty() ? "every expectation held" : broken.c_str());
    return broken.empty() ? 0 : 1;
}
