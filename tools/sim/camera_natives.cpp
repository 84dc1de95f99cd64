// The scripted cameras and the game's own camera, as the plug-in's natives see them.
#include "sim_game.h"

namespace sim {
namespace {
using standin::NativeCall;

Vector3 floats3(const NativeCall& call, size_t first) {
    return Vector3{call.floatArg(first), call.floatArg(first + 1), call.floatArg(first + 2)};
}

ScriptedCamera* cameraOf(SimGame& game, const NativeCall& call, const char* name) {
    return useCamera(game.cameras, call.intArg(0), name);
}

void createCameraWithPose(SimGame& game, const NativeCall& call, uint64_t* result) {
    standin::writeInt(result,
                      createCamera(game.cameras, floats3(call, 1), floats3(call, 4), call.floatArg(7)));
}

void cameraActiveSwitch(SimGame& game, const NativeCall& call, uint64_t*) {
    if (ScriptedCamera* camera = cameraOf(game, call, "cameraActiveSwitch"))
        camera->active = call.intArg(1) != 0;
}

void useScriptedView(SimGame& game, const NativeCall& call, uint64_t*) {
    game.cameras.scriptedView = call.intArg(0) != 0;
}

void disposeCameraNative(SimGame& game, const NativeCall& call, uint64_t*) {
    disposeCamera(game.cameras, call.intArg(0));
}

void cameraRotation(SimGame& game, const NativeCall& call, uint64_t* result) {
    if (ScriptedCamera* camera = cameraOf(game, call, "cameraRotation"))
        writeVector3(result, reportedRotation(*camera, game.world));
}

void orientCamera(SimGame& game, const NativeCall& call, uint64_t*) {
    if (ScriptedCamera* camera = cameraOf(game, call, "orientCamera")) camera->rotation = floats3(call, 1);
}

void cameraPosition(SimGame& game, const NativeCall& call, uint64_t* result) {
    if (ScriptedCamera* camera = cameraOf(game, call, "cameraPosition"))
        writeVector3(result, camera->position);
}

void setCameraPosition(SimGame& game, const NativeCall& call, uint64_t*) {
    if (ScriptedCamera* camera = cameraOf(game, call, "setCameraPosition"))
        camera->position = floats3(call, 1);
}

void applyCameraPose(SimGame& game, const NativeCall& call, uint64_t*) {
    ScriptedCamera* camera = cameraOf(game, call, "applyCameraPose");
    if (!camera) return;
    camera->position = floats3(call, 1);
    camera->rotation = floats3(call, 4);
    camera->fov = call.floatArg(7);
    game.cameras.handedPose = HandedPose{camera->handle, camera->position, camera->rotation, camera->fov};
}

void applyCameraFov(SimGame& game, const NativeCall& call, uint64_t*) {
    if (ScriptedCamera* camera = cameraOf(game, call, "applyCameraFov")) camera->fov = call.floatArg(1);
}

void lockCameraOnEntity(SimGame& game, const NativeCall& call, uint64_t*) {
    if (ScriptedCamera* camera = cameraOf(game, call, "lockCameraOnEntity"))
        camera->lockedOn = call.intArg(1);
}

// A released camera keeps looking where the lock left it.
void releaseCameraLock(SimGame& game, const NativeCall& call, uint64_t*) {
    ScriptedCamera* camera = cameraOf(game, call, "releaseCameraLock");
    if (!camera || camera->lockedOn == 0) return;
    camera->rotation = reportedRotation(*camera, game.world);
    camera->lockedOn = 0;
}

void gameCameraPositionNative(SimGame& game, const NativeCall&, uint64_t* result) {
    writeVector3(result, gameCameraPosition(game.world));
}

void gameCameraRotationNative(SimGame& game, const NativeCall&, uint64_t* result) {
    writeVector3(result, gameCameraRotation(game.world));
}

// The game camera turns at once to the heading it is given, relative to the character.
void alignGameCameraHeading(SimGame& game, const NativeCall& call, uint64_t*) {
    game.world.cameraRelativeHeading = call.floatArg(0);
}

void alignGameCameraPitch(SimGame& game, const NativeCall& call, uint64_t*) {
    game.world.cameraPitch = call.floatArg(0);
}

void applyOrbitDistance(SimGame& game, const NativeCall& call, uint64_t*) {
    game.world.cameraDistance = call.floatArg(1);
    game.world.handedDistance = call.floatArg(1);
    game.world.distanceHandedThisFrame = true;
}

void ignored(SimGame&, const NativeCall&, uint64_t*) {}

constexpr NamedHandler handlerTable[] = {
    {"createCameraWithPose", createCameraWithPose},
    {"cameraActiveSwitch", cameraActiveSwitch},
    {"useScriptedView", useScriptedView},
    {"disposeCamera", disposeCameraNative},
    {"cameraRotation", cameraRotation},
    {"orientCamera", orientCamera},
    {"cameraPosition", cameraPosition},
    {"setCameraPosition", setCameraPosition},
    {"applyCameraPose", applyCameraPose},
    {"applyCameraFov", applyCameraFov},
    {"lockCameraOnEntity", lockCameraOnEntity},
    {"releaseCameraLock", releaseCameraLock},
    {"gameCameraPosition", gameCameraPositionNative},
    {"gameCameraRotation", gameCameraRotationNative},
    {"alignGameCameraHeading", alignGameCameraHeading},
    {"alignGameCameraPitch", alignGameCameraPitch},
    {"orientationSyncCallA", ignored}, // orientation sync calls change nothing here
    {"orientationSyncCallB", ignored},
    {"orientationSyncCallC", ignored},
    {"applyOrbitDistance", applyOrbitDistance},
};
} // namespace

std::span<const NamedHandler> cameraNatives() { return handlerTable; }

} // namespace sim
