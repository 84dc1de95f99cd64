// A whole plug-in session in a fresh process: a working folder of its own with an optional
// Vorthmere.ini, a small programmed game (camera pose, handles, scope view) and a clock that
// advances with each pass by the wait the plug-in asked for.
#pragma once

#include "expected_calls.h"

#include <cstdint>
#include <string>

namespace session {

// The game camera's pose that activation reads.
constexpr expect::Pose gamePose{10.0f, -20.5f, 3.25f, -8.0f, 135.0f};
constexpr float gameRoll = 12.0f;
constexpr int32_t subject = 77;
constexpr uint32_t ctrl = 17, keyZ = 90, keyG = 71;
constexpr uint32_t frameMs = 16;
const float defaultFov = static_cast<float>(52.282005);

// Writes the settings file into the working folder.
void writeSettings(const std::string& text);

// Programs the game: the camera pose above, handles 101, 102, ... from each creation, the
// suppression subject, and a scope view that the test switches.
void programGame();
void setScopeView(bool up);

// Loads the library, calls DllMain and starts the script thread.
void start();
// One pass of the script; advances the clock by the wait (a frame for a 0 ms wait).
uint32_t pass();
// Holds a combination: both keys down now, first key first.
void hold(uint32_t first, uint32_t second);
void release(uint32_t first, uint32_t second);

// Camera creations so far, and disposals.
size_t creations();
size_t disposals();

} // namespace session
