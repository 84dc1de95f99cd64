#include "sim_world.h"

#include "sim_trig.h"

#include <cmath>

namespace sim {
namespace {
constexpr float degrees = 180.0f / 3.14159265358979f;
constexpr int32_t shortWeapon = 0x5101;
constexpr int32_t longWeapon = 0x5102;
constexpr int32_t bothClassWeapon = 0x5103;
constexpr int32_t unarmed = 0x5100;

void walk(World& world) {
    const float dt = 1.0f / framesPerSecond;
    world.characterHeading += world.turnRate * dt;
    const Vector3 forward = forwardVector(world.characterHeading, 0.0f);
    world.characterPosition.x += forward.x * world.walkSpeed * dt;
    world.characterPosition.y += forward.y * world.walkSpeed * dt;
    // Walking up or down the slope changes the height with the distance covered.
    world.characterPosition.z += tangent(world.slopeAngle / degrees) * world.walkSpeed * dt;
}
} // namespace

void startFrame(World& world) {
    world.inputs.lookBehindReleased = false;
    world.inputs.targetReleased = false;
    world.inputs.distanceTriggered = false;
    // The handed-over distance lasts for the frame after the one it was handed over in.
    if (!world.distanceHandedThisFrame) world.cameraDistance = gameCameraOwnDistance;
    world.distanceHandedThisFrame = false;
    walk(world);
}

void countIdleFrame(World& world) {
    const Inputs& in = world.inputs;
    const bool busy = in.lookHorizontal != 0.0f || in.lookVertical != 0.0f || in.lookBehindHeld ||
                      in.targetHeld || in.aiming;
    world.idleCounter = busy ? 0 : world.idleCounter + 1;
}

Vector3 forwardVector(float headingDegrees, float pitchDegrees) {
    const float h = headingDegrees / degrees;
    const float p = pitchDegrees / degrees;
    return Vector3{-sine(h) * cosine(p), cosine(h) * cosine(p), sine(p)};
}

// The camera sits behind the point it looks at, at the orbit distance from the character's head.
Vector3 gameCameraPosition(const World& world) {
    const Vector3 rotation = gameCameraRotation(world);
    const Vector3 forward = forwardVector(rotation.z, rotation.x);
    const Vector3& c = world.characterPosition;
    const float d = world.cameraDistance;
    return Vector3{c.x - forward.x * d, c.y - forward.y * d, c.z + pivotHeight - forward.z * d};
}

Vector3 gameCameraRotation(const World& world) {
    return Vector3{world.cameraPitch, 0.0f, world.characterHeading + world.cameraRelativeHeading};
}

Vector3 entityPosition(const World& world, int32_t entity) {
    if (entity == targetHandle) return world.targetPosition;
    if (entity == carrierAHandle || entity == carrierBHandle || entity == characterHandle)
        return world.characterPosition;
    return Vector3{};
}

Vector3 lookAtRotation(Vector3 from, Vector3 to) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float dz = to.z - from.z;
    const float ground = std::sqrt(dx * dx + dy * dy);
    return Vector3{arcTangent2(dz, ground) * degrees, 0.0f, arcTangent2(-dx, dy) * degrees};
}

float distanceBetween(Vector3 a, Vector3 b) {
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    const float dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

int32_t heldWeaponValue(const World& world) {
    switch (world.weapon) {
    case WeaponClass::shortClass:
        return shortWeapon;
    case WeaponClass::longClass:
        return longWeapon;
    case WeaponClass::both:
        return bothClassWeapon;
    case WeaponClass::none:
        break;
    }
    return unarmed;
}

bool weaponIsShortClass(int32_t weapon) { return weapon == shortWeapon || weapon == bothClassWeapon; }
bool weaponIsLongClass(int32_t weapon) { return weapon == longWeapon || weapon == bothClassWeapon; }

} // namespace sim
