#include "camera/camera_setup.h"

#include "camera/camera_rig.h"
#include "host/natives.h"
#include "settings/settings.h"

CameraRig cameraRig;

namespace {
// Both cameras start at the game camera's position, pitch and heading, with no roll.
int32_t createCameraAtGamePose() {
    const Vector3& pos = cameraRig.coord;
    const Vector3& rot = cameraRig.baseRot;
    return createCameraWithPose(pos.x, pos.y, pos.z, rot.x, 0.0f, rot.z, settings.defaultFov);
}
} // namespace

void activateCamera() {
    cameraRig.coord = gameCameraPosition();
    const Vector3 gameRot = gameCameraRotation(rotationOrder);
    cameraRig.baseRot = Vector3{gameRot.x, 0.0f, gameRot.z};
    cameraRig.primaryCam = createCameraAtGamePose();
    cameraRig.secondaryCam = createCameraAtGamePose();
    cameraActiveSwitch(cameraRig.primaryCam, switchOn);
    useScriptedView(switchOn);
    idleTimer(); // the game expects this query at switch-on; its value is not needed here
    cameraRig.active = 1;
}

// Rendering goes back to the game before either camera is destroyed.
void deactivateCamera() {
    cameraActiveSwitch(cameraRig.primaryCam, switchOff);
    cameraActiveSwitch(cameraRig.secondaryCam, switchOff);
    useScriptedView(switchOff);
    disposeCamera(cameraRig.primaryCam, disposeFlag);
    disposeCamera(cameraRig.secondaryCam, disposeFlag);
    cameraRig.active = 0;
}
