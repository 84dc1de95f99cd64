#include "camera/look_behind.h"

#include "camera/camera_rig.h"
#include "host/natives.h"
#include "settings/settings.h"

namespace {
constexpr float lookBehindPitch = -2.7f;
constexpr float behindOffset = 180.0f;
constexpr float autoCentrePitch = -12.7f;
constexpr float latchMeasure = 1.0f;   // the measure at which centring starts
constexpr float releaseMeasure = 0.0f; // the measure at or below which it stops

// Reads the character's rotation into baseRot; its z is the heading the turns aim at.
const Vector3& readCharacterRotation() {
    cameraRig.baseRot = entityRotation(playerCharacter(), rotationOrder);
    return cameraRig.baseRot;
}

void orientSecondary(float pitch, float heading) {
    orientCamera(cameraRig.secondaryCam, pitch, 0.0f, heading, rotationOrder);
}

// 32-bit wrap: a threshold of 2147483647 hands the game -2147483648.
int32_t centringIdleValue() {
    return static_cast<int32_t>(static_cast<uint32_t>(settings.autoCenterTime) + 1u);
}
} // namespace

void updateLookBehind() {
    if (inputHeld(padIndex, lookBehindInput) != 0 && aimViewActive() == 0) {
        // The heading is left unwrapped: 170 faces 350, not -190.
        orientSecondary(lookBehindPitch, readCharacterRotation().z + behindOffset);
        cameraRig.lookBehind = 1;
    }
    if (inputReleased(padIndex, lookBehindInput) != 0 && aimViewActive() == 0) {
        orientSecondary(lookBehindPitch, readCharacterRotation().z);
        cameraRig.lookBehind = 0;
    }
}

void updateAutoCentre() {
    // Aiming, or off the carrier: the game's idle timer is reset but the latch is kept.
    if (aimViewActive() != 0 || isCarriedA(playerCharacter(), carriedStateFlag) == 0) {
        setIdleTimer(0);
        return;
    }
    const float measure = entityMotion(playerCharacter(), motionFlag);
    if (measure >= latchMeasure) cameraRig.autoCentreLatch = 1;
    if (cameraRig.autoCentreLatch == 1) {
        setIdleTimer(centringIdleValue());
        orientSecondary(autoCentrePitch, readCharacterRotation().z);
    }
    if (measure > releaseMeasure) return;
    setIdleTimer(0);
    cameraRig.autoCentreLatch = 0;
}
