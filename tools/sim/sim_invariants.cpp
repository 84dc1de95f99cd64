// The rules the plug-in must keep in every pass, whatever the session does.
#include "sim_runner.h"

namespace sim {

namespace {
// The script waits 0 ms (an on pass, only while the scripted view is on) or 5 ms (an off pass).
void checkWait(const CameraRegistry& cameras, uint32_t wait, std::vector<std::string>& found) {
    if (wait != 0 && wait != 5)
        found.push_back("the script asked for a wait of " + std::to_string(wait) + " ms");
    if (wait == 0 && !cameras.scriptedView) found.push_back("an on pass while the scripted view is off");
}

// One live pair, one of it active, while the scripted view is on; nothing alive while it is off.
void checkPair(const CameraRegistry& cameras, std::vector<std::string>& found) {
    const int alive = aliveCameraCount(cameras);
    if (!cameras.scriptedView) {
        if (alive != 0)
            found.push_back(std::to_string(alive) +
                            " cameras alive while the scripted view is off (none expected)");
        return;
    }
    if (alive != 2)
        found.push_back(std::to_string(alive) +
                        " cameras alive while the scripted view is on (a pair expected)");
    else if (!activeCamera(cameras))
        found.push_back("the scripted view is on but no live camera is active");
}
} // namespace

std::vector<std::string> passViolations(const CameraRegistry& cameras, uint32_t wait) {
    std::vector<std::string> found;
    checkWait(cameras, wait, found);
    checkPair(cameras, found);
    return found;
}

std::vector<std::string> endViolations(const CameraRegistry& cameras) {
    std::vector<std::string> found;
    if (!cameras.scriptedView && aliveCameraCount(cameras) != 0)
        found.push_back("the session ended with cameras never disposed");
    if (createdCameraCount(cameras) % 2 != 0)
        found.push_back(std::to_string(createdCameraCount(cameras)) + " cameras created: not whole pairs");
    return found;
}

uint32_t frameStartMs(int frame) { return static_cast<uint32_t>(static_cast<uint64_t>(frame) * 1000 / 60); }

} // namespace sim
