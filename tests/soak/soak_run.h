// The soak as one run, the same on every platform: the Linux test plays libvorthmere.so with
// it, the Windows program plays Vorthmere.asi under Wine through the stand-in ScriptHookRDR2.dll.
// VORTHMERE_SOAK_SEED replays a run; VORTHMERE_SOAK_FRAMES sets its length.
#pragma once

#include <cstdint>
#include <string>

namespace soak {

// The seed of the runs CI makes, on both platforms.
constexpr uint64_t defaultSeed = 20261209;

struct SoakFigures {
    uint64_t seed = 0;
    uint64_t passes = 0;
    uint64_t frames = 0; // passes that ran the camera's frame
    uint64_t nativeCalls = 0;
    uint64_t steeringChecks = 0;
    int camerasCreated = 0;
    std::string fault; // the first broken rule with how to replay it; empty when every rule held
};

// The environment's value of `name` (decimal or 0x hexadecimal), or the fallback when unset.
uint64_t soakSetting(const char* name, uint64_t fallback);

// Plays the seeded hostile game for at least `frames` frames. The plug-in is in the process
// with its script registered and not yet started; `startScript` starts it. Stops at the first
// broken rule; at the end the camera is switched off and every camera must be disposed of once.
SoakFigures runSoak(uint64_t seed, uint64_t frames, void (*startScript)());

// One line of the figures, for the test's output and the README.
std::string describeSoak(const SoakFigures& figures);

} // namespace soak
