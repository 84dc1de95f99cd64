// The simulated game's scripted cameras. Each keeps the pose and field of view it is given; a
// camera locked on an entity reports the rotation that looks at it. Every use of a handle that
// was never created or is already disposed is recorded as a fault of the plug-in.
#pragma once

#include "sim_world.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct ScriptedCamera {
    int32_t handle = 0;
    Vector3 position{};
    Vector3 rotation{}; // pitch, roll, heading
    float fov = 0.0f;
    bool alive = true;
    bool active = false;
    int32_t lockedOn = 0; // entity the camera points at, 0 for none
};

struct CameraFault {
    std::string message;
};

// A pose as applyCameraPose hands it over, before the frame's own field of view replaces its fov.
struct HandedPose {
    int32_t camera = 0;
    Vector3 position{};
    Vector3 rotation{};
    float fov = 0.0f;
};

struct CameraRegistry {
    std::vector<ScriptedCamera> cameras; // every camera ever created, disposed ones too
    int aliveCount = 0;                  // created and not yet disposed
    bool scriptedView = false;           // rendering through the active scripted camera
    int32_t nextHandle = 0x3C01;
    std::vector<CameraFault> faults;
    HandedPose handedPose; // the last one
};

int32_t createCamera(CameraRegistry& registry, Vector3 position, Vector3 rotation, float fov);
// The live camera with this handle; records a fault naming the native and returns nullptr
// when the handle was never created or is disposed.
ScriptedCamera* useCamera(CameraRegistry& registry, int32_t handle, const char* nativeName);
void disposeCamera(CameraRegistry& registry, int32_t handle);
// The rotation a camera reports: its own, or the one that looks at the entity it is locked on.
Vector3 reportedRotation(const ScriptedCamera& camera, const World& world);

int aliveCameraCount(const CameraRegistry& registry);
int createdCameraCount(const CameraRegistry& registry);
// The live camera made active, or nullptr.
const ScriptedCamera* activeCamera(const CameraRegistry& registry);

} // namespace sim
