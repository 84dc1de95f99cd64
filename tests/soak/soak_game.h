// A random game for the soak: every native of the camera answers from a state that a seeded
// generator changes between passes, with hostile values mixed in (NaN, infinities, handles
// 0 and -1, flags other than 0 and 1). Beside it, the checks that must hold after every pass.
#pragma once

#include "standin_host.h"

#include <cstdint>
#include <random>
#include <set>
#include <string>

namespace soak {

struct Vec {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

struct GameState {
    float axisH = 0.0f, axisV = 0.0f;
    Vec cameraRotation, cameraPosition, gameCameraPosition, gameCameraRotation;
    Vec entityPosition, entityRotation, entityMotion;
    float entityHeading = 0.0f, slopeAngle = 0.0f, slopeFactor = 0.0f, pointDistance = 0.0f;
    int32_t character = 0, player = 0, subject = 0, weapon = 0, carrier = 0, target = 0;
    int32_t flags[16] = {}; // carried, exclusion, aim, scope, input and weapon-class answers
    int32_t idle = 0;
    int32_t createdHandleKind = 0; // 0: a fresh handle; otherwise 0 or -1
};

// What the checks count and have found.
struct Observed {
    std::multiset<int32_t> liveCameras;
    uint64_t created = 0, disposed = 0, frames = 0, steeringChecks = 0, calls = 0;
    std::string fault; // the first broken rule, empty while all hold
};

class Game {
  public:
    explicit Game(uint64_t seed);
    // Installs the responder and the call observer in the stand-in host.
    void install();
    // Changes the game between passes; may send key messages.
    void step();
    // Checks the invariants for the pass just run; records the first fault.
    void checkPass();
    // Before a pass: forget the per-pass records.
    void beginPass();
    // Holds the disable combination and keeps the camera out of use, for the final check.
    void windDown();

    const Observed& observed() const { return seen; }
    const GameState& state() const { return game; }
    uint32_t random(uint32_t bound) { return std::uniform_int_distribution<uint32_t>(0, bound - 1)(rng); }

  private:
    void answer(const standin::NativeCall& call, uint64_t* result);
    void observe(const standin::NativeCall& call);
    void fail(const std::string& what);
    float hostileFloat();
    int32_t hostileHandle();
    int32_t hostileFlag();
    Vec hostileVec();
    void changeOneThing();
    void sendKeys();

    std::mt19937_64 rng;
    GameState game;
    Observed seen;
    int32_t nextHandle = 1000;
    // Per pass: cameraRotation reads, whether the steering write was checked.
    int rotationReads = 0;
    bool steeringSeen = false;
    bool lookInput = false;
};

} // namespace soak
