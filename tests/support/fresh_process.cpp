#include "fresh_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {
bool runInFreshProcess(const std::function<void()>& scenario) {
    char folder[] = "/tmp/vorthmere-scenario-XXXXXX";
    if (!mkdtemp(folder)) return false;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder) != 0) _exit(2);
        scenario();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    const bool waited = child > 0 && waitpid(child, &status, 0) == child;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return waited && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace testsupport
