// Hours of random play through the loaded library, with the rules that must never break
// checked after every pass. VORTHMERE_SOAK_SEED replays a run; VORTHMERE_SOAK_FRAMES sets
// its length.
#include "fresh_process.h"
#include "plugin_loader.h"
#include "soak_game.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr uint64_t defaultSeed = 20261209;
constexpr uint32_t frameMs = 16;

uint64_t fromEnvironment(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 0) : fallback;
}

// One pass with the checks after it; the clock moves by the wait, or by a frame for a 0 ms wait.
bool checkedPass(soak::Soak& soak, uint64_t seed, uint64_t pass) {
    soak::beginPass(soak);
    const uint32_t wait = standin::runPass();
    standin::advanceTicks(wait == 0 ? frameMs : wait);
    soak::checkPass(soak);
    if (soak.fault.empty()) return true;
    ADD_FAILURE() << soak.fault << "\n  replay: VORTHMERE_SOAK_SEED=" << seed << " (pass " << pass
                  << ", frame " << soak.frames << ")";
    return false;
}

void report(const soak::Soak& soak, uint64_t seed, uint64_t passes) {
    std::printf("soak: seed %llu, %llu passes, %llu frames, %llu native calls, %d cameras created and "
                "disposed, %llu steering writes checked\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(passes),
                static_cast<unsigned long long>(soak.frames),
                static_cast<unsigned long long>(soak.game.nativeCalls), soak::camerasCreated(soak),
                static_cast<unsigned long long>(soak.steeringChecks));
}
} // namespace

TEST(Soak, RandomGameKeepsEveryRuleForManyFrames) {
    const uint64_t seed = fromEnvironment("VORTHMERE_SOAK_SEED", defaultSeed);
    const uint64_t frames = fromEnvironment("VORTHMERE_SOAK_FRAMES", VORTHMERE_SOAK_FRAMES);
    const auto scenario = [seed, frames] {
        soak::Soak soak;
        soak::seedSoak(soak, seed);
        soak::installSoak(soak);
        // Close to the 32-bit wrap of the tick counter, which the run passes through.
        standin::setTickCount(0xFFFFFFFFu - 600000u);
        testsupport::startPlugin();
        const uint64_t passLimit = 4 * frames + 1000;
        uint64_t pass = 0;
        for (; pass < passLimit && soak.frames < frames; ++pass) {
            soak::stepSoak(soak);
            if (!checkedPass(soak, seed, pass)) return;
        }
        ASSERT_GE(soak.frames, frames) << "the camera was on too rarely; seed " << seed;

        soak::windDown(soak);
        for (int k = 0; k < 4; ++k)
            if (!checkedPass(soak, seed, pass++)) return;
        EXPECT_EQ(soak::camerasAlive(soak), 0) << "cameras left alive after switching off; seed " << seed;
        const uint64_t created = static_cast<uint64_t>(soak::camerasCreated(soak));
        EXPECT_EQ(sim::callCount(soak.game, "disposeCamera"), created)
            << "each camera disposed of once; seed " << seed;
        // The run must have exercised what it checks.
        EXPECT_GT(created, frames / 2000);
        EXPECT_GT(soak.steeringChecks, frames / 10);
        report(soak, seed, pass);
    };
    EXPECT_IN_FRESH_PROCESS(scenario);
}
