#include "camera/look_frame.h"

#include "camera/camera_rig.h"
#include "camera/follow.h"
#include "camera/fov_distance.h"
#include "camera/look_behind.h"
#include "camera/suppression.h"
#include "host/natives.h"
#include "settings/settings.h"

namespace {
constexpr float pitchLimit = 90.0f;

struct LookAxes {
    float horizontal;
    float vertical;
};

// NaN and -0.0 are no look input.
bool axisMoved(float value) { return value > 0.0f || value < 0.0f; }
bool lookMoved(const LookAxes& axes) { return axisMoved(axes.horizontal) || axisMoved(axes.vertical); }

// The pitch is clamped so the camera never flips over; a NaN pitch goes to the lower limit.
float clampPitch(float pitch) {
    if (pitch > pitchLimit) return pitchLimit;
    if (!(pitch >= -pitchLimit)) return -pitchLimit;
    return pitch;
}

// Only an axis that moved turns its angle: a NaN from the game, or a zero axis times an
// infinite sensitivity, would otherwise corrupt the angle for good while the other axis steers.
float steeredAngle(float angle, float axisValue, float sensitivity) {
    return axisMoved(axisValue) ? angle - axisValue * sensitivity : angle;
}

void reapplyLookRotation() {
    cameraRig.lookRot = cameraRotation(cameraRig.secondaryCam, 2);
    const Vector3& r = cameraRig.lookRot;
    orientCamera(cameraRig.secondaryCam, r.x, r.y, r.z, 2);
}

LookAxes readLookAxes() {
    const float horizontal = inputAxisValue(0, lookHorizontalInput);
    const float vertical = inputAxisValue(0, lookVerticalInput);
    return LookAxes{horizontal, vertical};
}

void followGameCamera() {
    alignGameCamera();
    placeCamera();
}

// Look input stops any centring and turns the camera from its current rotation, with no roll.
void steerLook(const LookAxes& axes) {
    setIdleTimer(0);
    cameraRig.autoCentreLatch = 0;
    const Vector3 current = cameraRotation(cameraRig.secondaryCam, 2);
    cameraRig.lookRot.z = steeredAngle(current.z, axes.horizontal, settings.sensitivityX);
    cameraRig.lookRot.x = clampPitch(steeredAngle(current.x, axes.vertical, settings.sensitivityY));
    cameraRig.lookRot.y = 0.0f;
    orientCamera(cameraRig.secondaryCam, cameraRig.lookRot.x, 0.0f, cameraRig.lookRot.z, 2);
    followGameCamera();
}

void lockOnTarget() {
    const int32_t player = localPlayer();
    if (queryTargetEntity(player) == 1 && aimViewActive() == 0)
        lockCameraOnEntity(cameraRig.secondaryCam, cameraRig.targetEntity);
}

// No record of an existing lock is kept: the release is simply repeated while it applies.
void releaseTarget() {
    if (inputReleased(0, targetLockInput) != 0 || aimViewActive() != 0 ||
        queryTargetEntity(localPlayer()) == 0)
        releaseCameraLock(cameraRig.secondaryCam);
}
} // namespace

void updateLookFrame() {
    reapplyLookRotation(); // keep the camera's own rotation, exactly as read
    const LookAxes axes = readLookAxes();
    if (lookMoved(axes)) steerLook(axes); // player input beats every automatic turn
    const int32_t idle = idleTimer();
    if (idle > settings.autoCenterTime && !lookMoved(axes)) updateAutoCentre();
    updateLookBehind();
    followGameCamera();
    lockOnTarget();
    releaseTarget();
    updateFieldOfView();
    updateOrbitDistance();
    suppressControls(); // always last, before the controller's own tests
}
