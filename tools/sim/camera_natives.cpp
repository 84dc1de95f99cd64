// The scripted cameras and the game's own camera, as the plug-in's natives see them.
#include "sim_game.h"

namespace sim {
namespace {
using standin::NativeCall;

Vec3 floats3(const NativeCall& call, size_t first) {
    return Vec3{call.floatArg(first), call.floatArg(first + 1), call.floatArg(first + 2)};
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
        writeVec3(result, reportedRotation(*camera, game.world));
}

void orientCamera(SimGame& game, const NativeCall& call, uint64_t*) {
    if (ScriptedCamera* camera = cameraOf(game, call, "orientCamera")) camera->rotation = floats3(call, 1);
}

void cameraPosition(SimGame& game, const NativeCall& call, uint64_t* result) {
    if (ScriptedCamera* camera = cameraOf(game, call, "cameraPosition")) writeVec3(result, camera->position);
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
    writeVec3(result, gameCameraPosition(game.world));
}

void gameCameraRotationNative(SimGame& game, const NativeCall&, uint64_t* result) {
    writeVec3(result, gameCameraRotation(game.world));
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
} // namespace

void addCameraNatives(NativeHandlers& handlers) {
    handlers[0x40C23491CE83708E] = createCameraWithPose;
    handlers[0x87295BCA613800C8] = cameraActiveSwitch;
    handlers[0x33281167E4942E4F] = useScriptedView;
    handlers[0x4E67E0B6D7FD5145] = disposeCameraNative;
    handlers[0x9BF96B57254E7889] = cameraRotation;
    handlers[0x63DFA6810AD78719] = orientCamera;
    handlers[0x6B12F11C2A9F0344] = cameraPosition;
    handlers[0xF9EE7D419EE49DE6] = setCameraPosition;
    handlers[0xA47BBFFFB83D4D0A] = applyCameraPose;
    handlers[0x27666E5988D9D429] = applyCameraFov;
    handlers[0xFC2867E6074D3A61] = lockCameraOnEntity;
    handlers[0xCA1B30A3357C71F1] = releaseCameraLock;
    handlers[0x595320200B98596E] = gameCameraPositionNative;
    handlers[0x0252D2B5582957A6] = gameCameraRotationNative;
    handlers[0x5D1EB123EAC5D071] = alignGameCameraHeading;
    handlers[0xFB760AF4F537B8BF] = alignGameCameraPitch;
    handlers[0x421192A2DA48FD01] = ignored; // orientation sync calls change nothing here
    handlers[0xF86B6F93727C59C9] = ignored;
    handlers[0x29E74F819150CC32] = ignored;
    handlers[0x2126C740A4AC370B] = applyOrbitDistance;
}

} // namespace sim
