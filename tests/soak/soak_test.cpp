// Hours of random play through the loaded library, with the rules that must never break
// checked after every pass (soak_run.h; the Windows build plays the same run under Wine).
#include "fresh_process.h"
#include "plugin_loader.h"
#include "soak_run.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
void startLoadedPlugin() { testsupport::startPlugin(); }
} // namespace

TEST(Soak, RandomGameKeepsEveryRuleForManyFrames) {
    const uint64_t seed = soak::soakSetting("VORTHMERE_SOAK_SEED", soak::defaultSeed);
    const uint64_t frames = soak::soakSetting("VORTHMERE_SOAK_FRAMES", VORTHMERE_SOAK_FRAMES);
    const auto scenario = [seed, frames] {
        const soak::SoakFigures figures = soak::runSoak(seed, frames, startLoadedPlugin);
        EXPECT_EQ(figures.fault, "");
        std::printf("%s\n", soak::describeSoak(figures).c_str());
    };
    EXPECT_IN_FRESH_PROCESS(scenario);
}
