// Hours of random play through the loaded library, with the rules that must never break
// checked after every pass. VORTHMERE_SOAK_SEED replays a run; VORTHMERE_SOAK_FRAMES sets
// its length.
#include "fresh_process.h"
#include "plugin_loader.h"
#include "soak_game.h"

#include <gtest/gtest.h>

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
bool checkedPass(soak::Game& game, uint64_t seed, uint64_t pass) {
    game.beginPass();
    const uint32_t wait = standin::runPass();
    standin::advanceTicks(wait == 0 ? frameMs : wait);
    game.checkPass();
    if (game.observed().fault.empty()) return true;
    ADD_FAILURE() << game.observed().fault << "\n  replay: VORTHMERE_SOAK_SEED=" << seed << " (pass " << pass
                  << ", frame " << game.observed().frames << ")";
    return false;
}
} // namespace

TEST(Soak, RandomGameKeepsEveryRuleForManyFrames) {
    const uint64_t seed = fromEnvironment("VORTHMERE_SOAK_SEED", defaultSeed);
    const uint64_t frames = fromEnvironment("VORTHMERE_SOAK_FRAMES", VORTHMERE_SOAK_FRAMES);
    const auto scenario = [seed, frames] {
        soak::Game game(seed);
        game.install();
        // Close to the 32-bit wrap of the tick counter, which the run passes through.
        standin::setTickCount(0xFFFFFFFFu - 600000u);
        testsupport::startPlugin();
        const uint64_t passLimit = 4 * frames + 1000;
        uint64_t pass = 0;
        for (; pass < passLimit && game.observed().frames < frames; ++pass) {
            game.step();
            if (!checkedPass(game, seed, pass)) return;
        }
        ASSERT_GE(game.observed().frames, frames) << "the camera was on too rarely; seed " << seed;

        game.windDown();
        for (int k = 0; k < 4; ++k)
            if (!checkedPass(game, seed, pass++)) return;
        const soak::Observed& seen = game.observed();
        EXPECT_TRUE(seen.liveCameras.empty()) << "cameras left alive after switching off; seed " << seed;
        EXPECT_EQ(seen.created, seen.disposed) << "seed " << seed;
        // The run must have exercised what it checks.
        EXPECT_GT(seen.created, frames / 2000);
        EXPECT_GT(seen.steeringChecks, frames / 10);
        std::printf("soak: seed %llu, %llu passes, %llu frames, %llu native calls, %llu cameras created and "
                    "disposed, %llu steering writes checked\n",
                    static_cast<unsigned long long>(seed), static_cast<unsigned long long>(pass),
                    static_cast<unsigned long long>(seen.frames), static_cast<unsigned long long>(seen.calls),
                    static_cast<unsigned long long>(seen.created),
                    static_cast<unsigned long long>(seen.steeringChecks));
    };
    EXPECT_IN_FRESH_PROCESS(scenario);
}
