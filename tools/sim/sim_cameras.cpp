#include "sim_cameras.h"

#include <cstdio>

namespace sim {
namespace {
// The live camera with this handle, else the last one that had it. Searched from the newest,
// where the live ones are; a game that hands out one handle twice (0, say) has the live one used.
ScriptedCamera* findCamera(CameraRegistry& registry, int32_t handle) {
    ScriptedCamera* last = nullptr;
    for (auto camera = registry.cameras.rbegin(); camera != registry.cameras.rend(); ++camera) {
        if (camera->handle != handle) continue;
        if (camera->alive) return &*camera;
        if (!last) last = &*camera;
    }
    return last;
}

void addFault(CameraRegistry& registry, const char* what, int32_t handle, const char* nativeName) {
    char text[160];
    std::snprintf(text, sizeof text, "%s camera handle 0x%X passed to %s", what,
                  static_cast<unsigned>(handle), nativeName);
    registry.faults.push_back({text});
}
} // namespace

int32_t createCamera(CameraRegistry& registry, Vector3 position, Vector3 rotation, float fov) {
    ScriptedCamera camera;
    camera.handle = registry.nextHandle++;
    camera.position = position;
    camera.rotation = rotation;
    camera.fov = fov;
    registry.cameras.push_back(camera);
    ++registry.aliveCount;
    return camera.handle;
}

ScriptedCamera* useCamera(CameraRegistry& registry, int32_t handle, const char* nativeName) {
    ScriptedCamera* camera = findCamera(registry, handle);
    if (!camera) {
        addFault(registry, "unknown", handle, nativeName);
        return nullptr;
    }
    if (!camera->alive) {
        addFault(registry, "disposed", handle, nativeName);
        return nullptr;
    }
    return camera;
}

void disposeCamera(CameraRegistry& registry, int32_t handle) {
    ScriptedCamera* camera = useCamera(registry, handle, "disposeCamera");
    if (!camera) return;
    camera->alive = false;
    camera->active = false;
    --registry.aliveCount;
}

Vector3 reportedRotation(const ScriptedCamera& camera, const World& world) {
    if (camera.lockedOn == 0) return camera.rotation;
    return lookAtRotation(camera.position, entityPosition(world, camera.lockedOn));
}

int aliveCameraCount(const CameraRegistry& registry) { return registry.aliveCount; }

int createdCameraCount(const CameraRegistry& registry) { return static_cast<int>(registry.cameras.size()); }

const ScriptedCamera* activeCamera(const CameraRegistry& registry) {
    for (const ScriptedCamera& camera : registry.cameras) {
        if (camera.alive && camera.active) return &camera;
    }
    return nullptr;
}

} // namespace sim
