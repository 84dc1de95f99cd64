// The simulated game as the stand-in host's one responder: every native call the plug-in
// makes is answered here from the world and the camera registry, and optionally traced.
#pragma once

#include "sim_cameras.h"
#include "sim_world.h"
#include "standin_host.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

struct SimGame {
    World world;
    CameraRegistry cameras;
    std::vector<std::string> callFaults; // unknown hashes, wrong argument counts
    uint64_t nativeCalls = 0;
    std::FILE* trace = nullptr; // every call by name, when set
    std::string tracePrefix;    // frame and time of the calls being traced
};

using NativeHandler = void (*)(SimGame& game, const standin::NativeCall& call, uint64_t* result);
using NativeHandlers = std::unordered_map<uint64_t, NativeHandler>;

void addCameraNatives(NativeHandlers& handlers);
void addWorldNatives(NativeHandlers& handlers);

// Answers one call; the stand-in host calls it for every native.
void answerNative(SimGame& game, const standin::NativeCall& call, uint64_t* result);
// Makes the game the stand-in host's responder for every hash.
void installGame(SimGame& game);

// "name(arg, ...) -> result" with the catalogue's name and argument kinds.
std::string describeCall(const standin::NativeCall& call, const uint64_t* result);

// Result helpers.
inline void writeVec3(uint64_t* result, Vec3 v) { standin::writeVector(result, v.x, v.y, v.z); }
inline void writeBool(uint64_t* result, bool value) { standin::writeInt(result, value ? 1 : 0); }

} // namespace sim
