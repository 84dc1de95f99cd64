#include "fresh_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {
bool runInFreshProcess(const std::function<void()>& scenario) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        scenario();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace testsupport
