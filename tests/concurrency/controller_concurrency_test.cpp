// The mode controller on the host's script thread while another thread delivers key messages
// (key_writer.h). Under ThreadSanitizer this shows that the keyboard handler and everything the
// script context does (the key tests, switching the camera on and off, the frame update) share
// no unsynchronised data; in every build it checks that a key that only ever gets releases
// never completes a combination. The Windows build runs the same scenarios under Wine.
#include "fresh_process.h"
#include "key_writer.h"
#include "shell/dll_main.h"

#include <gtest/gtest.h>

#include <ostream>

namespace keywriter {
// Test names and failure messages show the scenario by its name.
void PrintTo(const WriterScenario& scenario, std::ostream* out) { *out << scenario.name; }
} // namespace keywriter

namespace {

class ControllerConcurrency : public testing::TestWithParam<keywriter::WriterScenario> {};

TEST_P(ControllerConcurrency, BesideKeyWriter) {
    const keywriter::WriterScenario scenario = GetParam();
    EXPECT_IN_FRESH_PROCESS([&scenario] {
        keywriter::prepareSettings(scenario);
        static int module;
        EXPECT_EQ(DllMain(&module, processAttachReason, nullptr), 1);
        const keywriter::PassCounts counts = keywriter::runBesideKeyWriter(scenario);
        EXPECT_EQ(keywriter::brokenExpectation(scenario, counts), "") << keywriter::describeCounts(counts);
        RecordProperty("switchOns", counts.creations / 2);
    });
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ControllerConcurrency, testing::ValuesIn(keywriter::writerScenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
