// The camera frame's expected native calls, in the game's own terms. A test describes a game
// situation (what each native answers), installs it in the stand-in host and compares what a
// camera step did with the calls it should have made, expanded step by step below. Hashes are
// typed here from the game's catalogue, independently of the plug-in's wrappers.
#pragma once

#include "expected_calls.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace camtrace {

using expect::Call;
using expect::Calls;
using expect::f;
using expect::i;

namespace native = ::nativehash;

// Game inputs.
constexpr int32_t lookHorizontal = static_cast<int32_t>(0xA987235F);
constexpr int32_t lookVertical = static_cast<int32_t>(0xD2047988);
constexpr int32_t lookBehindInput = static_cast<int32_t>(0x9959A6F0);
constexpr int32_t distanceInput = static_cast<int32_t>(0x7F8D09B8);
constexpr int32_t targetLockInput = static_cast<int32_t>(0xF8982F00);

struct Vec {
    float x, y, z;
};

// What the game answers in one situation. Every native answers the same in every call of a
// frame, except the target query, which takes its results from `targetResults` in turn (the
// last one repeats). Handles are distinct so that a swapped argument shows.
struct Game {
    int32_t primary = 201, secondary = 202;
    Vec camRotation{10.0f, 4.0f, 120.0f}; // what cameraRotation reads back: pitch, roll, heading
    Vec camPosition{1.5f, 2.5f, 3.5f};    // what cameraPosition reads back
    float axisH = 0.0f, axisV = 0.0f;
    int32_t idle = 0;
    int32_t character = 301;
    float characterHeading = 30.0f;
    Vec characterRotation{5.0f, 6.0f, 170.0f};
    Vec characterPosition{12.0f, 22.0f, 4.0f};
    Vec gameCamPosition{10.0f, 20.0f, 7.0f};
    float distance = 4.0f; // camera to character
    int32_t carriedA = 0, carriedB = 0;
    int32_t carrierAHandle = 401, carrierBHandle = 402;
    int32_t carrierExcluded = 0;        // carrierSlopeExclusionTest(carrier B)
    int32_t characterSlopeExcluded = 0; // slopeExclusionTest(character)
    int32_t carrierBSlopeExcluded = 0;  // slopeExclusionTest(carrier B)
    float angleA = 11.0f, angleB = 22.0f, angleOwn = 33.0f;
    float factorA = 0.5f, factorB = 0.25f, factorOwn = 0.125f; // slopeFactor of each angle
    int32_t aiming = 0;
    int32_t lookBehindHeld = 0, lookBehindReleased = 0, targetReleased = 0, distanceTriggered = 0;
    float motionY = 0.0f;
    int32_t player = 601;
    std::vector<int32_t> targetResults{0};
    int32_t targetWritten = 701; // what the target query writes through its pointer
    uint64_t targetSlot = 0;     // the address slot the target query must receive
    int32_t weapon = 801;
    int32_t shortClass[3] = {0, 0, 0}, longClass[3] = {0, 0, 0};
    int32_t subject = 901;
};

// Programs every native of the camera frame to answer as `game` says.
void install(const Game& game);

Calls join(std::initializer_list<Calls> parts);

// Small pieces.
Call character(); // one fetch of the player character
Calls rotationRead(int32_t camera);
Call orient(int32_t camera, float pitch, float roll, float heading);
Call setIdle(int32_t value);
Call aimQuery();

// updateLookFrame, step by step.
Calls expectedReapplyRotation(const Game& g); // read secondaryCam's rotation and write it back
Calls expectedAxes();
// Look input: idle reset, a fresh read, then the steered pitch and heading with no roll.
Calls expectedSteer(const Game& g, float pitch, float heading);
Call idleQuery();
Calls expectedTargetLock(const Game& g, int32_t queryResult);
Calls expectedTargetRelease(const Game& g, int32_t queryResult);

// alignGameCamera, from the rotation read back.
Calls expectedAlignGameCamera(const Game& g);

// placeCamera: game camera position, character position and distance, the carrier queries of
// the case, then the move of secondaryCam to height z and the hand-over to primaryCam.
Calls placeStart(const Game& g);
Calls placeEnd(const Game& g, float z, float aimFov);
Calls expectedPlaceCamera(const Game& g, const Calls& carrierQueries, float z, float aimFov);
// The carrier queries, each with its own character fetch.
Calls askCarriedA(const Game& g);
Calls askCarriedB(const Game& g);
Calls askCarrierExcluded(const Game& g);   // carrier B, then its carrier exclusion test
Calls askCharacterExcluded(const Game& g); // the character's slope exclusion test
Calls askCarrierBExcluded(const Game& g);  // carrier B again, then its slope exclusion test
Calls correctionA(const Game& g);
Calls correctionB(const Game& g);
Calls ownCorrection(const Game& g);
// The queries when nothing carries the character and its own slope is followed.
Calls uncarriedQueries(const Game& g);

// updateAutoCentre pieces.
Calls motionQuery(const Game& g);
Calls centre(const Game& g, int32_t idleValue); // idle timer handed over, then the turn to the heading

// updateLookBehind: the start and end parts, with their results.
Calls expectedLookBehind(const Game& g);
Calls characterTurn(const Game& g, float heading, float pitch);

// updateFieldOfView and updateOrbitDistance.
Calls weaponQuery(const Game& g);
Calls shortTests(const Game& g, int upTo); // the first `upTo` short-class tests
Calls longTests(const Game& g, int upTo);
Call applyFov(const Game& g, float fov);
// The tests as far as the game's answers take them, then the field of view applied.
Calls expectedFieldOfView(const Game& g, float fov);
// The step and scale queries as the game's answers take them; `applied` is handed over when `apply`.
Calls expectedOrbitDistance(const Game& g, float applied, bool apply);
Call applyOrbit(float distance);

Calls expectedSuppression(const Game& g);

// The default quiet frame (no look input, no look-behind input, idle below the threshold,
// own slope followed, not aiming, no target, the distance applied unscaled).
Calls expectedQuietFrame(const Game& g, float aimFovBefore, float fov, float orbit);

} // namespace camtrace
