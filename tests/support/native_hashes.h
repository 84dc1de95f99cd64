// The game's native hashes as the tests expect them, typed from the game's catalogue
// independently of the plug-in's wrappers, so a typo on either side shows up; and the
// encodings of argument slots. Free of any test framework, so the Windows runner shares it.
#pragma once

#include <bit>
#include <cstdint>

namespace nativehash {
// Switching the camera on and off.
constexpr uint64_t gameCameraRotation = 0x0252D2B5582957A6;
constexpr uint64_t createCameraWithPose = 0x40C23491CE83708E;
constexpr uint64_t cameraActiveSwitch = 0x87295BCA613800C8;
constexpr uint64_t useScriptedView = 0x33281167E4942E4F;
constexpr uint64_t disposeCamera = 0x4E67E0B6D7FD5145;
constexpr uint64_t scopeViewActive = 0xF63134C54B6EC212;
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
} // namespace nativehash

namespace slotcode {
// Integers zero-extended from 32 bits; floats as their single-precision bits.
constexpr uint64_t i(int32_t value) { return static_cast<uint32_t>(value); }
constexpr uint64_t f(float value) { return std::bit_cast<uint32_t>(value); }
} // namespace slotcode
