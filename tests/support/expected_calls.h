// Expected native calls written from the game's catalogue, and a comparison that prints the
// first difference readably. The hashes are typed here independently of the plug-in's
// wrappers, so a typo on either side shows up.
#pragma once

#include "standin_host.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace expect {

struct Call {
    uint64_t hash;
    std::vector<uint64_t> slots;
};
using Calls = std::vector<Call>;

// Slot encodings.
uint64_t i(int32_t value);
uint64_t f(float value);

// Hashes used by the shell's expectations.
constexpr uint64_t gameCameraPosition = 0x595320200B98596E;
constexpr uint64_t gameCameraRotation = 0x0252D2B5582957A6;
constexpr uint64_t createCameraWithPose = 0x40C23491CE83708E;
constexpr uint64_t cameraActiveSwitch = 0x87295BCA613800C8;
constexpr uint64_t useScriptedView = 0x33281167E4942E4F;
constexpr uint64_t disposeCamera = 0x4E67E0B6D7FD5145;
constexpr uint64_t idleTimer = 0x83666F9FB8FEBD4B;
constexpr uint64_t scopeViewActive = 0xF63134C54B6EC212;
constexpr uint64_t suppressionSubject = 0x03A8931ECC8015D6;
constexpr uint64_t suppressForSubject = 0xB78CC4B4706614B0;
constexpr uint64_t suppressionCallA = 0xE0DE43D290FB65F9;
constexpr uint64_t suppressionCallB = 0x570E35F5C4A44838;

struct Pose {
    float x, y, z;        // game camera position
    float pitch, heading; // game camera rotation's x and z
};

// The calls of one switch-on: game camera pose, two cameras, show the first, scripted view on, idle query.
// The type-string slot of each creation call is matched by its text, not its address.
Calls activation(const Pose& pose, float fov, int32_t primary);
// The calls of one switch-off.
Calls teardown(int32_t primary, int32_t secondary);
// The four fixed calls of every pass.
Calls suppression(int32_t subject);
Calls scopeQuery();

Calls join(std::initializer_list<Calls> parts);

// Compares hashes and slots in order; the creation call's first slot is compared as a string.
::testing::AssertionResult sameCalls(const std::vector<standin::NativeCall>& actual, const Calls& expected);
// The calls recorded from index `from` on.
std::vector<standin::NativeCall> callsFrom(size_t from);
// How many calls of one hash were recorded.
size_t countCalls(uint64_t hash);

} // namespace expect
