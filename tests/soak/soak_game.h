// A random game for the soak: the simulated game's world, changed between passes by a seeded
// generator, with hostile answers put in front of the world's now and then (NaN, infinities,
// handles 0 and -1, flags other than 0 and 1, values no world gives). Beside it, the checks that
// must hold after every pass.
#pragma once

#include "sim_game.h"

#include <cstdint>
#include <random>
#include <string>

namespace soak {

// Lives where it is made: the stand-in host's responder and call observer point at it.
struct Soak {
    sim::SimGame game;
    std::mt19937_64 rng;
    int32_t createdHandleKind = 0; // 0: the world's fresh handle; 1: 0; 2: -1
    uint64_t frames = 0;           // passes that ran the camera's frame
    uint64_t steeringChecks = 0;
    std::string fault; // the first broken rule, empty while all hold
    // Per pass: cameraRotation reads, whether the steering write was checked, whether an axis
    // the plug-in read had moved.
    int rotationReads = 0;
    bool steeringSeen = false;
    bool lookInput = false;
};

// Seeds the generator and mixes up the game's start.
void seedSoak(Soak& soak, uint64_t seed);
// Makes the game the stand-in host's responder and watches every call.
void installSoak(Soak& soak);
// Changes the game between passes; may send key messages and rewrite the settings file.
void stepSoak(Soak& soak);
// Before a pass: forget the per-pass records.
void beginPass(Soak& soak);
// Checks the rules for the pass just run; records the first fault.
void checkPass(Soak& soak);
// Holds the disable combination and keeps the camera out of use, for the final check.
void windDown(Soak& soak);

int camerasCreated(const Soak& soak);
int camerasAlive(const Soak& soak);

} // namespace soak
