// The camera frame's native calls, in the game's own terms. A test describes a game situation
// (what each native answers), installs it in the stand-in host and compares what a camera step
// did with the calls it writes out row by row. Each helper below spells one call, or a group
// the plug-in always makes together in that order; none looks at the situation's answers to
// choose calls, so a wrong decision in the plug-in cannot be copied into the expectation.
// Natives are named as the catalogue names them; the game inputs are the plug-in's constants.
#pragma once

#include "expected_calls.h"
#include "host/natives.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace camtrace {

using expect::Call;
using expect::Calls;
using expect::f;
using expect::i;
using expect::u;

// The game input an input native is asked about: its second slot.
inline uint32_t inputOf(const standin::NativeCall& call) { return static_cast<uint32_t>(call.slots[1]); }

// What the game answers in one situation. Every native answers the same in every call of a
// frame, except the target query, which takes its results from `targetResults` in turn (the
// last one repeats). Handles are distinct so that a swapped argument shows.
struct Game {
    int32_t primary = 201, secondary = 202;
    Vector3 camRotation{10.0f, 4.0f, 120.0f}; // what cameraRotation reads back: pitch, roll, heading
    Vector3 camPosition{1.5f, 2.5f, 3.5f};    // what cameraPosition reads back
    float axisH = 0.0f, axisV = 0.0f;
    int32_t idle = 0;
    int32_t character = 301;
    float characterHeading = 30.0f;
    Vector3 characterRotation{5.0f, 6.0f, 170.0f};
    Vector3 characterPosition{12.0f, 22.0f, 4.0f};
    Vector3 gameCamPosition{10.0f, 20.0f, 7.0f};
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

// Rotation and look input.
Call character(); // one fetch of the player character
Call readRotation(int32_t camera);
Call orient(int32_t camera, float pitch, float roll, float heading);
Calls reapplyRotation(const Game& g); // secondaryCam's rotation read, then written back as read
Calls lookAxes();                     // the horizontal axis, then the vertical one
// Look input: idle reset, a fresh read, then the given pitch and heading with no roll.
Calls steer(const Game& g, float pitch, float heading);
Call idleQuery();
Call setIdle(int32_t value);
Call aimQuery();

// The target: the player fetch and the query, the lock, the release input and the release.
Calls targetQuery(const Game& g);
Call lockOn(const Game& g);
Call askLockReleased();
Call releaseLock(const Game& g);

// alignGameCamera: the rotation read, the character's heading, then the given relative heading,
// the three sync calls and the given pitch.
Calls alignment(const Game& g, float relativeHeading, float pitch);

// placeCamera: game camera position, character position and distance; after the carrier
// queries, the move of secondaryCam to height z and the hand-over of the read-back pose.
Calls placeStart(const Game& g);
Calls placeEnd(const Game& g, float z, float aimFov);
// The carrier queries, each with its own character fetch.
Calls askCarriedA(const Game& g);
Calls askCarriedB(const Game& g);
Calls askCarrierExcluded(const Game& g);   // carrier B, then its carrier exclusion test
Calls askCharacterExcluded(const Game& g); // the character's slope exclusion test
Calls askCarrierBExcluded(const Game& g);  // carrier B again, then its slope exclusion test
// One slope correction: the entity, its slope angle and that angle's factor.
Calls correctionA(const Game& g);
Calls correctionB(const Game& g);
Calls ownCorrection(const Game& g);

// updateAutoCentre and updateLookBehind.
Calls motionQuery(const Game& g);
// The character fetch, its rotation, then secondaryCam turned to the given heading and pitch.
Calls characterTurn(const Game& g, float heading, float pitch);
// The idle value handed over, then the turn to the character's heading at the centring pitch.
Calls centre(const Game& g, int32_t idleValue);
Call askLookBehindHeld();
Call askLookBehindReleased();

// updateFieldOfView and updateOrbitDistance.
Calls weaponQuery(const Game& g);
Call shortTest(const Game& g, int which); // weaponSelectsShortFov1, 2 or 3 on the weapon
Call longTest(const Game& g, int which);  // weaponSelectsLongFov1, 2 or 3 on the weapon
Call applyFov(const Game& g, float fov);
Call askDistanceStep();
Call applyOrbit(float distance);

// suppressControls' four calls with the situation's subject.
Calls suppression(const Game& g);

} // namespace camtrace
