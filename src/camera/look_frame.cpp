#include "camera/look_frame.h"

#include "camera/camera_rig.h"
#include "camera/follow.h"
#include "camera/fov_distance.h"
#include "camera/look_behind.h"
#include "camera/suppression.h"
#include "camera/target_lock.h"
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
    cameraRig.lookRot = cameraRotation(cameraRig.secondaryCam, rotationOrder);
    const Vector3& r = cameraRig.lookRot;
    orientCamera(cameraRig.secondaryCam, r.x, r.y, r.z, rotationOrder);
}

LookAxes readLookAxes() {
    const float horizontal = inputAxisValue(padIndex, lookHorizontalInput);
    const float vertical = inputAxisValue(padIndex, lookVerticalInput);
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
    const Vector3 current = cameraRotation(cameraRig.secondaryCam, rotationOrder);
    cameraRig.lookRot.z = steeredAngle(current.z, axes.horizontal, settings.sensitivityX);
    cameraRig.lookRot.x = clampPitch(steeredAngle(current.x, axes.vertical, settings.sensitivityY));
    cameraRig.lookRot.y = 0.0f;
    orientCamera(cameraRig.secondaryCam, cameraRig.lookRot.x, 0.0f, cameraRig.lookRot.z, rotationOrder);
    followGameCamera();
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
