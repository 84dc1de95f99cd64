// The stand-in host restarting the script as a host does when a save is loaded: the entry runs
// again from its start on a new thread, and the run it replaces never continues.
#include "fresh_process.h"
#include "host/host.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {
std::atomic<uint32_t> runsStarted{0};

// Each run numbers itself and asks for waits of run * 100 + step, so every wait tells which
// run made it and how far that run has come.
void endlessScript() {
    const uint32_t run = ++runsStarted;
    for (uint32_t step = 1;; ++step) scriptWait(run * 100 + step);
}

void returningScript() {
    const uint32_t run = ++runsStarted;
    scriptWait(run * 100 + 1);
}

constexpr uint32_t anyWait = ~0u; // the pass in which the script returns yields no wait of its own

struct Step {
    bool restart;
    uint32_t wait;
    bool returned;
};
constexpr Step start{true, 0, false};
constexpr Step pass(uint32_t wait, bool returned = false) { return {false, wait, returned}; }

// The next `count` passes of one run, from its step `first` on.
std::vector<Step> passes(uint32_t run, uint32_t first, uint32_t count) {
    std::vector<Step> steps;
    for (uint32_t step = first; step < first + count; ++step) steps.push_back(pass(run * 100 + step));
    return steps;
}

std::vector<Step> join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const std::vector<Step>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct RestartCase {
    const char* name;
    ScriptEntry script;
    std::vector<Step> steps;
    uint32_t runs; // entries that began to run
};

void play(const RestartCase& c) {
    static int module;
    scriptRegister(&module, c.script);
    for (size_t i = 0; i < c.steps.size(); ++i) {
        const Step& step = c.steps[i];
        if (step.restart) {
            standin::startScript();
            continue;
        }
        const uint32_t wait = standin::runPass();
        if (step.wait != anyWait) {
            EXPECT_EQ(wait, step.wait) << "step " << i;
        }
        EXPECT_EQ(standin::scriptReturned(), step.returned) << "step " << i;
    }
    EXPECT_EQ(runsStarted.load(), c.runs);
}

TEST(ScriptRestart, StartingAgainRunsTheEntryAnewAndTheReplacedRunNeverContinues) {
    const RestartCase cases[] = {
        {"restarts run the entry from its start, and only the latest run ever continues", endlessScript,
         join({{start}, passes(1, 1, 2), {start}, passes(2, 1, 40), {start}, passes(3, 1, 40)}), 3},
        {"a run replaced before its first pass never begins",
         endlessScript,
         {start, start, pass(101), pass(102)},
         1},
        {"a script that returned runs again",
         returningScript,
         {start, pass(101), pass(anyWait, true), pass(0, true), start, pass(201)},
         2},
    };
    for (const RestartCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_IN_FRESH_PROCESS([&c] { play(c); });
    }
}
} // namespace
