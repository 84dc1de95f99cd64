#include "soak_run.h"

#include "soak_game.h"

#include <cstdio>
#include <cstdlib>

namespace soak {
namespace {
constexpr uint32_t frameMs = 16;

std::string replay(const Soak& soak, uint64_t seed, uint64_t pass) {
    return "\n  replay: VORTHMERE_SOAK_SEED=" + std::to_string(seed) + " (pass " + std::to_string(pass) +
           ", frame " + std::to_string(soak.frames) + ")";
}

// One pass with the checks after it; the clock moves by the wait, or by a frame for a 0 ms wait.
bool checkedPass(Soak& soak, SoakFigures& figures) {
    beginPass(soak);
    const uint32_t wait = standin::runPass();
    standin::advanceTicks(wait == 0 ? frameMs : wait);
    checkPass(soak);
    ++figures.passes;
    if (soak.fault.empty()) return true;
    figures.fault = soak.fault + replay(soak, figures.seed, figures.passes - 1);
    return false;
}

// The rules of the whole run, once the camera is off: nothing left alive, each camera disposed
// of once, and enough switching and steering that the per-pass rules were really exercised.
std::string finalFault(const Soak& soak, uint64_t frames) {
    const uint64_t created = static_cast<uint64_t>(camerasCreated(soak));
    if (camerasAlive(soak) != 0) return "cameras left alive after switching off";
    if (sim::callCount(soak.game, "disposeCamera") != created) return "a camera not disposed of exactly once";
    if (created <= frames / 2000) return "too few switch-ons: " + std::to_string(created) + " cameras";
    if (soak.steeringChecks <= frames / 10) return "too few steering writes checked";
    return "";
}

SoakFigures figuresOf(const Soak& soak, SoakFigures figures) {
    figures.frames = soak.frames;
    figures.nativeCalls = soak.game.nativeCalls;
    figures.steeringChecks = soak.steeringChecks;
    figures.camerasCreated = camerasCreated(soak);
    return figures;
}
} // namespace

uint64_t soakSetting(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 0) : fallback;
}

SoakFigures runSoak(uint64_t seed, uint64_t frames, void (*startScript)()) {
    Soak soak;
    SoakFigures figures;
    figures.seed = seed;
    seedSoak(soak, seed);
    installSoak(soak);
    // Close to the 32-bit wrap of the tick counter, which the run passes through.
    standin::setTickCount(0xFFFFFFFFu - 600000u);
    startScript();
    const uint64_t passLimit = 4 * frames + 1000;
    while (figures.passes < passLimit && soak.frames < frames) {
        stepSoak(soak);
        if (!checkedPass(soak, figures)) return figuresOf(soak, figures);
    }
    if (soak.frames < frames) {
        figures.fault = "the camera was on too rarely" + replay(soak, seed, figures.passes);
        return figuresOf(soak, figures);
    }
    windDown(soak);
    for (int k = 0; k < 4; ++k)
        if (!checkedPass(soak, figures)) return figuresOf(soak, figures);
    const std::string fault = finalFault(soak, frames);
    if (!fault.empty()) figures.fault = fault + replay(soak, seed, figures.passes);
    return figuresOf(soak, figures);
}

std::string describeSoak(const SoakFigures& f) {
    char line[320];
    std::snprintf(line, sizeof line,
                  "soak: seed %llu, %llu passes, %llu frames, %llu native calls, %d cameras created and "
                  "disposed, %llu steering writes checked, %s",
                  static_cast<unsigned long long>(f.seed), static_cast<unsigned long long>(f.passes),
                  static_cast<unsigned long long>(f.frames), static_cast<unsigned long long>(f.nativeCalls),
                  f.camerasCreated, static_cast<unsigned long long>(f.steeringChecks),
                  f.fault.empty() ? "0 rules broken" : "a rule broken");
    return line;
}

} // namespace soak
