#include "camera/target_lock.h"

#include "camera/camera_rig.h"
#include "host/natives.h"

// Only a query answering exactly 1 locks; the game writes the entity into targetEntity.
void lockOnTarget() {
    const int32_t player = localPlayer();
    if (queryTargetEntity(player, &cameraRig.targetEntity) == 1 && aimViewActive() == 0)
        lockCameraOnEntity(cameraRig.secondaryCam, cameraRig.targetEntity);
}

// The tests stop at the first that holds; the last is a second, fresh query of the frame.
void releaseTarget() {
    if (inputReleased(padIndex, targetLockInput) != 0 || aimViewActive() != 0 ||
        queryTargetEntity(localPlayer(), &cameraRig.targetEntity) == 0)
        releaseCameraLock(cameraRig.secondaryCam);
}
