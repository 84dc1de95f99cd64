#include "camera/follow.h"

#include "camera/camera_rig.h"
#include "host/natives.h"

void alignGameCamera() {
    cameraRig.lookRot = cameraRotation(cameraRig.secondaryCam, rotationOrder);
    const float characterHeading = entityHeading(playerCharacter());
    // Relative heading, deliberately unwrapped: the game takes any angle.
    alignGameCameraHeading(cameraRig.lookRot.z - characterHeading, alignScale);
    orientationSyncCallA(syncCallValue);
    orientationSyncCallB(syncCallValue);
    orientationSyncCallC(syncCallValue);
    alignGameCameraPitch(cameraRig.lookRot.x, alignScale);
}

namespace {
// Raises the camera by the entity's slope factor times the camera-to-character distance.
// The product comes first, so the sum rounds the same on every compiler.
void addSlopeCorrection(int32_t entity, float distance) {
    const float angle = entitySlopeAngle(entity);
    const float scale = slopeFactor(angle);
    const float correction = scale * distance;
    cameraRig.coord.z = cameraRig.coord.z + correction;
}

// Carrier B's slope is followed unless the carrier or the character is excluded. The handle
// is fetched again for every use, as the character's is.
bool carrierBSlopeFollowed() {
    if (carrierSlopeExclusionTest(carrierB(playerCharacter())) != 0) return false;
    if (slopeExclusionTest(playerCharacter()) != 0) return false;
    return slopeExclusionTest(carrierB(playerCharacter())) == 0;
}

// With no carrier the character's own slope is followed, unless it is excluded.
bool ownSlopeFollowed() {
    if (isCarriedB(playerCharacter()) != 0) return false;
    if (isCarriedA(playerCharacter(), carriedStateFlag) != 0) return false;
    return slopeExclusionTest(playerCharacter()) == 0;
}

// coord is taken from the game afresh on every call, so corrections never build up.
void computeCameraPosition() {
    cameraRig.coord = gameCameraPosition();
    const Vector3 character = entityPosition(playerCharacter(), positionFlag, positionSecondFlag);
    const Vector3& c = cameraRig.coord;
    const float distance = pointDistance(c.x, c.y, c.z, character.x, character.y, character.z);
    if (isCarriedA(playerCharacter(), carriedStateFlag) != 0)
        addSlopeCorrection(carrierA(playerCharacter(), carriedStateFlag), distance);
    if (isCarriedB(playerCharacter()) != 0 && carrierBSlopeFollowed())
        addSlopeCorrection(carrierB(playerCharacter()), distance);
    if (ownSlopeFollowed()) addSlopeCorrection(playerCharacter(), distance);
}
} // namespace

void placeCamera() {
    computeCameraPosition();
    const Vector3& c = cameraRig.coord;
    setCameraPosition(cameraRig.secondaryCam, c.x, c.y, c.z);
    // primaryCam gets the pose as the game reads it back, not the values computed here.
    const float fov = cameraRig.aimFov;
    const Vector3 rotation = cameraRotation(cameraRig.secondaryCam, rotationOrder);
    const Vector3 position = cameraPosition(cameraRig.secondaryCam);
    applyCameraPose(cameraRig.primaryCam, position.x, position.y, position.z, rotation.x, rotation.y,
                    rotation.z, fov);
}
