// Every game function the plug-in calls, one wrapper per native, grouped as the game groups
// them. No native hash appears anywhere else in the plug-in. Wrappers pass the caller's arguments
// on as they come; the typed ones push their fixed trailing values themselves.
//
// What the names stand for, where the game gives no more:
// - Carried states A and B are the game's two tests of what carries the player character; the
//   camera follows the carrier's slope and scales its distance by them (A rides a horse in the
//   simulator, B a wagon). Which state means what in the game is the game's.
// - The three orientation sync calls follow the turn of the game's own camera, and the four
//   suppression calls run on every pass of the mode loop; no result of theirs is read except the
//   suppression subject, which goes straight to suppressForSubject.
// - Fixed arguments (the constants below, and the tails the typed wrappers push: 1 and 2 after a
//   camera's pose, 2500, 0, 0, 2, 1, 0 after a pose hand-over, 0.0, 0.0, 0.0, 1 after a lock) are
//   fixed by the game and passed unchanged; nothing here depends on what they mean.
#pragma once

#include "host/native_call.h"

#include <cstdint>

// Game inputs; every input native takes the pad index and then one of these.
constexpr uint32_t lookHorizontalInput = 0xA987235F;
constexpr uint32_t lookVerticalInput = 0xD2047988;
constexpr uint32_t lookBehindInput = 0x9959A6F0;
constexpr uint32_t orbitDistanceInput = 0x7F8D09B8;
constexpr uint32_t targetLockInput = 0xF8982F00;

// Fixed arguments, fixed by the game and passed unchanged.
constexpr int32_t rotationOrder = 2;           // with every rotation read or written
constexpr int32_t padIndex = 0;                // first argument of every input native
constexpr int32_t carriedStateFlag = 0;        // second argument of isCarriedA and carrierA
constexpr int32_t disposeFlag = 1;             // second argument of disposeCamera
constexpr int32_t positionFlag = 1;            // entityPosition: the first flag after the entity
constexpr int32_t positionSecondFlag = 0;      // entityPosition: the second flag
constexpr int32_t motionFlag = 1;              // second argument of entityMotion
constexpr int32_t syncCallValue = 0;           // the one argument of the orientation sync calls
constexpr float alignScale = 1.0f;             // second argument of both game camera alignments
constexpr float orbitScale = 1.0f;             // first argument of applyOrbitDistance
constexpr int32_t suppressionFlag = 1;         // second argument of suppressForSubject
constexpr int32_t suppressionValueA = 1;       // argument of suppressionCallA
constexpr int32_t suppressionValueB = 0;       // argument of suppressionCallB
constexpr int32_t switchOn = 1, switchOff = 0; // cameraActiveSwitch and useScriptedView

// Scripted cameras.
inline int32_t createCameraWithPose(float posX, float posY, float posZ, float rotX, float rotY, float rotZ,
                                    float fov) {
    return invokeNative<int32_t>(0x40C23491CE83708E, "DEFAULT_SCRIPTED_CAMERA", posX, posY, posZ, rotX, rotY,
                                 rotZ, fov, 1, 2);
}
inline void cameraActiveSwitch(int32_t camera, int32_t on) {
    invokeNative<void>(0x87295BCA613800C8, camera, on);
}
inline void useScriptedView(int32_t on) { invokeNative<void>(0x33281167E4942E4F, on, 1, 0, 1, 1, 0); }
inline void disposeCamera(int32_t camera, int32_t flag) {
    invokeNative<void>(0x4E67E0B6D7FD5145, camera, flag);
}
inline Vector3 cameraRotation(int32_t camera, int32_t order) {
    return invokeNative<Vector3>(0x9BF96B57254E7889, camera, order);
}
inline void orientCamera(int32_t camera, float x, float y, float z, int32_t order) {
    invokeNative<void>(0x63DFA6810AD78719, camera, x, y, z, order);
}
inline Vector3 cameraPosition(int32_t camera) { return invokeNative<Vector3>(0x6B12F11C2A9F0344, camera); }
inline void setCameraPosition(int32_t camera, float x, float y, float z) {
    invokeNative<void>(0xF9EE7D419EE49DE6, camera, x, y, z);
}
inline void applyCameraPose(int32_t camera, float posX, float posY, float posZ, float rotX, float rotY,
                            float rotZ, float fov) {
    invokeNative<void>(0xA47BBFFFB83D4D0A, camera, posX, posY, posZ, rotX, rotY, rotZ, fov, 2500, 0, 0, 2, 1,
                       0);
}
inline void applyCameraFov(int32_t camera, float fov) { invokeNative<void>(0x27666E5988D9D429, camera, fov); }
inline void lockCameraOnEntity(int32_t camera, int32_t entity) {
    invokeNative<void>(0xFC2867E6074D3A61, camera, entity, 0.0f, 0.0f, 0.0f, 1);
}
inline void releaseCameraLock(int32_t camera) { invokeNative<void>(0xCA1B30A3357C71F1, camera); }

// The game's own camera.
inline Vector3 gameCameraPosition() { return invokeNative<Vector3>(0x595320200B98596E); }
inline Vector3 gameCameraRotation(int32_t order) { return invokeNative<Vector3>(0x0252D2B5582957A6, order); }
inline void alignGameCameraHeading(float heading, float scale) {
    invokeNative<void>(0x5D1EB123EAC5D071, heading, scale);
}
inline void alignGameCameraPitch(float pitch, float scale) {
    invokeNative<void>(0xFB760AF4F537B8BF, pitch, scale);
}
inline void orientationSyncCallA(int32_t value) { invokeNative<void>(0x421192A2DA48FD01, value); }
inline void orientationSyncCallB(int32_t value) { invokeNative<void>(0xF86B6F93727C59C9, value); }
inline void orientationSyncCallC(int32_t value) { invokeNative<void>(0x29E74F819150CC32, value); }
inline void applyOrbitDistance(float scale, float distance) {
    invokeNative<void>(0x2126C740A4AC370B, scale, distance);
}

// The player character and other entities.
inline int32_t playerCharacter() { return invokeNative<int32_t>(0x096275889B8E0EE0); }
inline int32_t localPlayer() { return invokeNative<int32_t>(0x217E9DC48139933D); }
// The game writes the targeted entity into *entity.
inline int32_t queryTargetEntity(int32_t player, int32_t* entity) {
    return invokeNative<int32_t>(0x3EE1F7A8C32F24E1, player, entity, 1, 1);
}
inline Vector3 entityPosition(int32_t entity, int32_t a, int32_t b) {
    return invokeNative<Vector3>(0xA86D5F069399F44D, entity, a, b);
}
inline Vector3 entityRotation(int32_t entity, int32_t order) {
    return invokeNative<Vector3>(0xE09CAF86C32CB48F, entity, order);
}
inline float entityHeading(int32_t entity) { return invokeNative<float>(0xC230DD956E2F5507, entity); }
// The native returns a vector of which only y, the float at offset 8, may be read.
inline float entityMotion(int32_t entity, int32_t flag) {
    nativeInit(0xF2DB09816A419DC5);
    pushNativeArgs(entity, flag);
    return finishNativeFloatInSlot(1);
}
inline int32_t isCarriedA(int32_t character, int32_t flag) {
    return invokeNative<int32_t>(0x997ABD671D25CA0B, character, flag);
}
inline int32_t carrierA(int32_t character, int32_t flag) {
    return invokeNative<int32_t>(0x9A9112A0FE9A4713, character, flag);
}
inline int32_t isCarriedB(int32_t character) { return invokeNative<int32_t>(0x460BC76A0E10655E, character); }
inline int32_t carrierB(int32_t character) { return invokeNative<int32_t>(0xE7E11B8DCBED1058, character); }
inline int32_t carrierSlopeExclusionTest(int32_t entity) {
    return invokeNative<int32_t>(0xCEDABC5900A0BF97, entity);
}
inline int32_t slopeExclusionTest(int32_t entity) {
    return invokeNative<int32_t>(0x47E4E977581C5B55, entity);
}
inline float entitySlopeAngle(int32_t entity) { return invokeNative<float>(0xEF355ABEFF7F5005, entity); }
inline float slopeFactor(float angle) { return invokeNative<float>(0x0BADBFA3B172435F, angle); }
inline float pointDistance(float ax, float ay, float az, float bx, float by, float bz) {
    return invokeNative<float>(0x0BE7F4E3CDBAFB28, ax, ay, az, bx, by, bz, 1);
}

// Aiming, scope and weapons.
inline int32_t aimViewActive() { return invokeNative<int32_t>(0x698F456FB909E077); }
inline int32_t scopeViewActive() { return invokeNative<int32_t>(0xF63134C54B6EC212); }
inline int32_t heldWeapon(int32_t character) { return invokeNative<int32_t>(0x8425C5F057012DAB, character); }
inline int32_t weaponSelectsShortFov1(int32_t weapon) {
    return invokeNative<int32_t>(0xC212F1D05A8232BB, weapon);
}
inline int32_t weaponSelectsShortFov2(int32_t weapon) {
    return invokeNative<int32_t>(0xC75386174ECE95D5, weapon);
}
inline int32_t weaponSelectsShortFov3(int32_t weapon) {
    return invokeNative<int32_t>(0xDDC64F5E31EEDAB6, weapon);
}
inline int32_t weaponSelectsLongFov1(int32_t weapon) {
    return invokeNative<int32_t>(0xDDB2578E95EF7138, weapon);
}
inline int32_t weaponSelectsLongFov2(int32_t weapon) {
    return invokeNative<int32_t>(0x6AD66548840472E5, weapon);
}
inline int32_t weaponSelectsLongFov3(int32_t weapon) {
    return invokeNative<int32_t>(0x0A82317B7EBFC420, weapon);
}

// Input; the first argument is always the pad index.
inline float inputAxisValue(int32_t pad, uint32_t input) {
    return invokeNative<float>(0x11E65974A982637C, pad, input);
}
inline int32_t inputHeld(int32_t pad, uint32_t input) {
    return invokeNative<int32_t>(0xF3A21BCD95725A4A, pad, input);
}
inline int32_t inputReleased(int32_t pad, uint32_t input) {
    return invokeNative<int32_t>(0x50F940259D3841E6, pad, input);
}
inline int32_t inputTriggered(int32_t pad, uint32_t input) {
    return invokeNative<int32_t>(0x580417101DDB492F, pad, input);
}

// Idle timer and the per-frame calls.
inline int32_t idleTimer() { return invokeNative<int32_t>(0x83666F9FB8FEBD4B); }
inline void setIdleTimer(int32_t value) { invokeNative<void>(0xC1B1E9A034A63A62, value); }
inline int32_t suppressionSubject() { return invokeNative<int32_t>(0x03A8931ECC8015D6); }
inline void suppressForSubject(int32_t subject, int32_t flag) {
    invokeNative<void>(0xB78CC4B4706614B0, subject, flag);
}
inline void suppressionCallA(int32_t value) { invokeNative<void>(0xE0DE43D290FB65F9, value); }
inline void suppressionCallB(int32_t value) { invokeNative<void>(0x570E35F5C4A44838, value); }
