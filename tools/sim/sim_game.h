// The simulated game as the stand-in host's one responder: every native call the plug-in
// makes is answered here from the world and the camera registry, and optionally traced. A test
// may put answers of its own in front of the world's, native by native.
#pragma once

#include "native_catalogue.h"
#include "sim_cameras.h"
#include "sim_world.h"
#include "standin_host.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

struct SimGame;
using NativeHandler = void (*)(SimGame& game, const standin::NativeCall& call, uint64_t* result);
// A test's own answer to a native, in front of the world's: a value the world cannot give.
using NativeOverride = std::function<void(const standin::NativeCall& call, uint64_t* result)>;

// One native as the game answers it.
struct NativeRow {
    const catalogue::Native* native = nullptr;
    NativeHandler world = nullptr; // the simulated world's answer
    NativeOverride override;       // answers instead of the world when set
    uint64_t calls = 0;            // by the plug-in, with any number of slots
};
// The rows by hash.
using NativeTable = std::unordered_map<uint64_t, NativeRow>;

// The world's handlers, joined by name with the catalogue's hashes.
const NativeTable& worldNativeTable();

struct SimGame {
    World world;
    CameraRegistry cameras;
    NativeTable natives = worldNativeTable();
    std::vector<std::string> callFaults; // unknown hashes, wrong argument counts
    uint64_t nativeCalls = 0;
    std::FILE* trace = nullptr; // every call by name, when set
    std::string tracePrefix;    // frame and time of the calls being traced
};

// The simulator's answer to the native of that catalogue name.
struct NamedHandler {
    catalogue::NativeName native;
    NativeHandler handler;
};

std::span<const NamedHandler> cameraNatives();
std::span<const NamedHandler> worldNatives();

// Answers one call; the stand-in host calls it for every native.
void answerNative(SimGame& game, const standin::NativeCall& call, uint64_t* result);
// Makes the game the stand-in host's responder for every hash.
void installGame(SimGame& game);

// The native of that name answers with `answer` from now on; an empty one gives the world back.
void overrideNative(SimGame& game, catalogue::NativeName native, NativeOverride answer);
// The world's own answer, for an override that adds to it.
void answerFromWorld(SimGame& game, const standin::NativeCall& call, uint64_t* result);
// How often the plug-in has called the native of that name.
uint64_t callCount(const SimGame& game, catalogue::NativeName native);

// "name(arg, ...) -> result" with the catalogue's name and argument kinds.
std::string describeCall(const standin::NativeCall& call, const uint64_t* result);

// Result helpers.
inline void writeVector3(uint64_t* result, Vector3 v) { standin::writeVector(result, v.x, v.y, v.z); }
inline void writeBool(uint64_t* result, bool value) { standin::writeInt(result, value ? 1 : 0); }

} // namespace sim
