// Shared set-up of the camera step tests: a live camera pair in a fresh rig, known settings and
// a stand-in game that answers as the test's situation says.
#pragma once

#include "camera/camera_rig.h"
#include "camera_trace.h"
#include "settings/settings.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace camtest {

constexpr float defaultFov = 52.0f, shortFov = 40.0f, longFov = 30.0f;
constexpr float sensitivityX = 7.2f, sensitivityY = 4.0f;
constexpr int32_t autoCenterTime = 1000;

// The situation every test starts from, with the address the target query must be handed.
inline camtrace::Game baseGame() {
    camtrace::Game g;
    g.targetSlot = reinterpret_cast<uintptr_t>(&cameraRig.targetEntity);
    return g;
}

// Fresh rig, settings and host; the camera pair of `g` is live.
inline void start(const camtrace::Game& g) {
    standin::reset();
    cameraRig = CameraRig{};
    cameraRig.primaryCam = g.primary;
    cameraRig.secondaryCam = g.secondary;
    cameraRig.active = 1;
    settings = Settings{};
    settings.sensitivityX = sensitivityX;
    settings.sensitivityY = sensitivityY;
    settings.autoCenterTime = autoCenterTime;
    settings.defaultFov = defaultFov;
    settings.shortFov = shortFov;
    settings.longFov = longFov;
    camtrace::install(g);
}

// The calls one step makes, from a clean log.
template <typename Step> std::vector<standin::NativeCall> callsOf(Step step) {
    standin::clearCalls();
    step();
    EXPECT_EQ(standin::protocolErrors(), 0u);
    return standin::calls();
}

} // namespace camtest
