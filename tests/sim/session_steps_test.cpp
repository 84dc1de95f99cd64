// A session played a frame at a time, each frame's events handed to the run just before that
// frame (as a live drive hands them), gives exactly the frames of the whole session played at
// once: both go through the runner's same steps.
#include "fresh_process.h"
#include "plugin_library.h"
#include "reports.h"
#include "session.h"
#include "sim_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
sim::Session builtInSession() {
    sim::SessionParse parse = sim::parseSession(sim::embeddedSessionText(), "built-in");
    EXPECT_TRUE(parse.session.has_value());
    return parse.session ? *parse.session : sim::Session{};
}

sim::DllMainFunction loadedDllMain() {
    const sim::LoadedLibrary library = sim::loadPluginLibrary(sim::defaultLibraryPath());
    EXPECT_NE(library.dllMain, nullptr) << library.error;
    return library.dllMain;
}

std::string csvOf(const sim::RunResult& result) {
    std::ostringstream out;
    sim::writeCsv(result, out);
    return out.str();
}

// The session's events move, frame by frame, into a session that starts with none.
sim::RunResult playStepByStep(const sim::Session& whole, sim::DllMainFunction dllMain) {
    sim::Session growing = whole;
    growing.events.clear();
    const sim::RunOptions options;
    sim::SessionRun run{growing, options};
    size_t next = 0;
    if (sim::startRun(run, dllMain)) {
        while (run.frame < whole.frames) {
            while (next < whole.events.size() && whole.events[next].frame == run.frame)
                growing.events.push_back(whole.events[next++]);
            if (!sim::playFrame(run)) break;
        }
    }
    sim::finishRun(run);
    return run.result;
}

TEST(SessionSteps, AFrameAtATimeGivesTheWholeSessionsFrames) {
    const std::filesystem::path expected =
        std::filesystem::temp_directory_path() / ("vorthmere-steps-" + std::to_string(getpid()) + ".csv");
    EXPECT_IN_FRESH_PROCESS([&] {
        const sim::Session session = builtInSession();
        std::ofstream(expected, std::ios::binary) << csvOf(sim::runSession(session, loadedDllMain(), {}));
    });
    EXPECT_IN_FRESH_PROCESS([&] {
        const sim::Session session = builtInSession();
        const sim::RunResult result = playStepByStep(session, loadedDllMain());
        std::ifstream file(expected, std::ios::binary);
        const std::string whole((std::istreambuf_iterator<char>(file)), {});
        EXPECT_EQ(result.violationCount, 0u);
        EXPECT_EQ(result.samples.size(), static_cast<size_t>(session.frames));
        EXPECT_GT(whole.size(), 1000u);
        EXPECT_TRUE(csvOf(result) == whole) << "the CSVs differ";
    });
    std::filesystem::remove(expected);
}
} // namespace
