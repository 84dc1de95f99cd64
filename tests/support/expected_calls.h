// Expected native calls written from the game's catalogue, natives named as it names them, and
// a comparison that prints the first difference readably.
#pragma once

#include "native_catalogue.h"
#include "slot_codes.h"
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

using namespace ::slotcode;

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
