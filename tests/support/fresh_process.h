// Runs a test scenario in a forked child, so each scenario gets a fresh plug-in: its state is
// process-wide and its script thread never ends. The child works in a fresh empty folder,
// removed afterwards, where the plug-in looks for its settings file. The child's test failures are printed as
// usual and make its exit status non-zero.
#pragma once

#include <functional>

namespace testsupport {
// Returns true when the scenario ran to its end in the child with no failed expectation.
bool runInFreshProcess(const std::function<void()>& scenario);
} // namespace testsupport

#define EXPECT_IN_FRESH_PROCESS(scenario) EXPECT_TRUE(::testsupport::runInFreshProcess(scenario))
