#include <gtest/gtest.h>

#include "plugin_session.h"

#include "plugin_loader.h"

#include <cstdio>
#include <fstream>

namespace session {
namespace {
int32_t nextHandle = 101;
bool scopeUp = false;
} // namespace

void writeSettings(const std::string& text) { std::ofstream("Vorthmere.ini", std::ios::binary) << text; }

void programGame() {
    standin::setResponder(catalogue::hashOf("gameCameraPosition"),
                          standin::answerVector(gamePose.x, gamePose.y, gamePose.z));
    standin::setResponder(catalogue::hashOf("gameCameraRotation"),
                          standin::answerVector(gamePose.pitch, gameRoll, gamePose.heading));
    standin::setResponder(
        catalogue::hashOf("createCameraWithPose"),
        [](const standin::NativeCall&, uint64_t* r) { standin::writeInt(r, nextHandle++); });
    standin::setResponder(catalogue::hashOf("suppressionSubject"), standin::answerInt(subject));
    standin::setResponder(catalogue::hashOf("scopeViewActive"), [](const standin::NativeCall&, uint64_t* r) {
        standin::writeInt(r, scopeUp ? 1 : 0);
    });
}

void setScopeView(bool up) { scopeUp = up; }

void start() {
    standin::setTickCount(1000000);
    testsupport::startPlugin();
}

uint32_t pass() {
    const uint32_t wait = standin::runPass();
    standin::advanceTicks(wait == 0 ? frameMs : wait);
    return wait;
}

void hold(uint32_t first, uint32_t second) {
    standin::pressKey(first);
    standin::pressKey(second);
}

void release(uint32_t first, uint32_t second) {
    standin::releaseKey(second);
    standin::releaseKey(first);
}

size_t creations() { return expect::countCalls(catalogue::hashOf("createCameraWithPose")); }
size_t disposals() { return expect::countCalls(catalogue::hashOf("disposeCamera")); }

} // namespace session
