#include "camera/fov_distance.h"

#include "camera/camera_rig.h"
#include "host/natives.h"
#include "settings/settings.h"

namespace {
constexpr float distanceStep = 2.0f;
constexpr float longestDistance = 7.5f; // a step beyond this goes back to the shortest
constexpr float shortestDistance = 3.5f;
constexpr float carriedBFactor = 1.5f;
constexpr float carriedAFactor = 2.0f;

bool isShortClass(int32_t weapon) {
    return weaponSelectsShortFov1(weapon) != 0 || weaponSelectsShortFov2(weapon) != 0 ||
           weaponSelectsShortFov3(weapon) != 0;
}

bool isLongClass(int32_t weapon) {
    return weaponSelectsLongFov1(weapon) != 0 || weaponSelectsLongFov2(weapon) != 0 ||
           weaponSelectsLongFov3(weapon) != 0;
}

// Long class wins over short; a weapon of neither class keeps the previous choice.
void chooseAimFov() {
    const int32_t weapon = heldWeapon(playerCharacter());
    if (isShortClass(weapon)) cameraRig.aimFov = settings.shortFov;
    if (isLongClass(weapon)) cameraRig.aimFov = settings.longFov;
}

// Carried state A is not asked when state B holds.
float scaledOrbitDistance() {
    if (isCarriedB(playerCharacter()) != 0) return cameraRig.orbitDistance * carriedBFactor;
    if (isCarriedA(playerCharacter(), carriedStateFlag) != 0) return cameraRig.orbitDistance * carriedAFactor;
    return cameraRig.orbitDistance;
}
} // namespace

void updateFieldOfView() {
    if (aimViewActive() == 0) {
        cameraRig.aimFov = settings.defaultFov;
    } else {
        chooseAimFov();
    }
    applyCameraFov(cameraRig.primaryCam, cameraRig.aimFov);
}

void updateOrbitDistance() {
    if (inputTriggered(padIndex, orbitDistanceInput) != 0 && aimViewActive() == 0)
        cameraRig.orbitDistance += distanceStep;
    if (cameraRig.orbitDistance > longestDistance) cameraRig.orbitDistance = shortestDistance;
    if (aimViewActive() != 0) return;
    const float distance = scaledOrbitDistance();
    // Looking behind, the game keeps its distance; the carried-state queries are still made.
    if (cameraRig.lookBehind != 0) return;
    applyOrbitDistance(orbitScale, distance);
}
