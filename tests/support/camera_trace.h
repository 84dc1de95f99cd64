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

namespace native {
// Scripted cameras.
constexpr uint64_t cameraRotation = 0x9BF96B57254E7889;
constexpr uint64_t orientCamera = 0x63DFA6810AD78719;
constexpr uint64_t cameraPosition = 0x6B12F11C2A9F0344;
constexpr uint64_t setCameraPosition = 0xF9EE7D419EE49DE6;
constexpr uint64_t applyCameraPose = 0xA47BBFFFB83D4D0A;
constexpr uint64_t applyCameraFov = 0x27666E5988D9D429;
constexpr uint64_t lockCameraOnEntity = 0xFC2867E6074D3A61;
constexpr uint64_t releaseCameraLock = 0xCA1B30A3357C71F1;
// The game's own camera.
constexpr uint64_t gameCameraPosition = 0x595320200B98596E;
constexpr uint64_t alignGameCameraHeading = 0x5D1EB123EAC5D071;
constexpr uint64_t alignGameCameraPitch = 0xFB760AF4F537B8BF;
constexpr uint64_t orientationSyncCallA = 0x421192A2DA48FD01;
constexpr uint64_t orientationSyncCallB = 0xF86B6F93727C59C9;
constexpr uint64_t orientationSyncCallC = 0x29E74F819150CC32;
constexpr uint64_t applyOrbitDistance = 0x2126C740A4AC370B;
// The character and other entities.
constexpr uint64_t playerCharacter = 0x096275889B8E0EE0;
constexpr uint64_t localPlayer = 0x217E9DC48139933D;
constexpr uint64_t queryTargetEntity = 0x3EE1F7A8C32F24E1;
constexpr uint64_t entityPosition = 0xA86D5F069399F44D;
constexpr uint64_t entityRotation = 0xE09CAF86C32CB48F;
constexpr uint64_t entityHeading = 0xC230DD956E2F5507;
constexpr uint64_t entityMotion = 0xF2DB09816A419DC5;
constexpr uint64_t isCarriedA = 0x997ABD671D25CA0B;
constexpr uint64_t carrierA = 0x9A9112A0FE9A4713;
constexpr uint64_t isCarriedB = 0x460BC76A0E10655E;
constexpr uint64_t carrierB = 0xE7E11B8DCBED1058;
constexpr uint64_t carrierSlopeExclusionTest = 0xCEDABC5900A0BF97;
constexpr uint64_t slopeExclusionTest = 0x47E4E977581C5B55;
constexpr uint64_t entitySlopeAngle = 0xEF355ABEFF7F5005;
constexpr uint64_t slopeFactor = 0x0BADBFA3B172435F;
constexpr uint64_t pointDistance = 0x0BE7F4E3CDBAFB28;
// Aiming and weapons.
constexpr uint64_t aimViewActive = 0x698F456FB909E077;
constexpr uint64_t heldWeapon = 0x8425C5F057012DAB;
constexpr uint64_t weaponSelectsShortFov1 = 0xC212F1D05A8232BB;
constexpr uint64_t weaponSelectsShortFov2 = 0xC75386174ECE95D5;
constexpr uint64_t weaponSelectsShortFov3 = 0xDDC64F5E31EEDAB6;
constexpr uint64_t weaponSelectsLongFov1 = 0xDDB2578E95EF7138;
constexpr uint64_t weaponSelectsLongFov2 = 0x6AD66548840472E5;
constexpr uint64_t weaponSelectsLongFov3 = 0x0A82317B7EBFC420;
// Input, idle timer and the per-pass calls.
constexpr uint64_t inputAxisValue = 0x11E65974A982637C;
constexpr uint64_t inputHeld = 0xF3A21BCD95725A4A;
constexpr uint64_t inputReleased = 0x50F940259D3841E6;
constexpr uint64_t inputTriggered = 0x580417101DDB492F;
constexpr uint64_t idleTimer = 0x83666F9FB8FEBD4B;
constexpr uint64_t setIdleTimer = 0xC1B1E9A034A63A62;
constexpr uint64_t suppressionSubject = 0x03A8931ECC8015D6;
constexpr uint64_t suppressForSubject = 0xB78CC4B4706614B0;
constexpr uint64_t suppressionCallA = 0xE0DE43D290FB65F9;
constexpr uint64_t suppressionCallB = 0x570E35F5C4A44838;
} // namespace native

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
