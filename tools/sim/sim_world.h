// The simulated game: a character walking and turning on flat or sloped ground, the game's own
// camera orbiting it, what carries it, the weapon it holds, one entity it can target, the
// player's inputs of the current frame and the game's idle counter. Deterministic: the same
// frames with the same inputs always give the same world.
#pragma once

#include "host/native_call.h"

#include <cstdint>

namespace sim {

// Entity handles the simulated game hands out.
constexpr int32_t characterHandle = 0x2A01;
constexpr int32_t carrierAHandle = 0x2A02; // a horse: carried state A
constexpr int32_t carrierBHandle = 0x2A03; // a wagon: carried state B
constexpr int32_t targetHandle = 0x2A04;
constexpr int32_t playerId = 1;

constexpr float framesPerSecond = 60.0f;
constexpr float gameCameraOwnDistance = 3.5f; // the game's distance in frames nobody hands one over
constexpr float gameCameraOwnFov = 50.0f;     // the field of view of the game's own camera
constexpr float pivotHeight = 1.6f;           // the game camera orbits the character's head

enum class WeaponClass { none, shortClass, longClass, both };

struct Inputs {
    float lookHorizontal = 0.0f;
    float lookVertical = 0.0f;
    bool lookBehindHeld = false;
    bool targetHeld = false;
    bool aiming = false;
    bool scope = false;
    // Edges: true during the one frame in which they happened.
    bool lookBehindReleased = false;
    bool targetReleased = false;
    bool distanceTriggered = false;
};

struct World {
    Vector3 characterPosition{};
    float characterHeading = 0.0f; // degrees; 0 faces +y, growing counter-clockwise
    float walkSpeed = 0.0f;        // metres per second, forwards
    float turnRate = 0.0f;         // degrees per second
    bool carriedA = false;
    bool carriedB = false;
    float slopeAngle = 0.0f; // degrees, of the ground and whatever carries the character
    bool slopeExcluded = false;
    WeaponClass weapon = WeaponClass::none;
    Vector3 targetPosition{6.0f, 20.0f, 0.5f};
    Inputs inputs;
    int32_t idleCounter = 0;
    // The game camera, relative to the character.
    float cameraRelativeHeading = 0.0f;
    float cameraPitch = 0.0f;
    float cameraDistance = gameCameraOwnDistance;
    bool distanceHandedThisFrame = false;
    float handedDistance = 0.0f;
};

// One game frame: clears the input edges, lets the character walk and turn, counts idle frames,
// and lets the game camera fall back to its own distance when none was handed over.
void startFrame(World& world);
// Called after the frame's events: counts the frame as idle when no input is in use.
void countIdleFrame(World& world);

Vector3 forwardVector(float headingDegrees, float pitchDegrees);
Vector3 gameCameraPosition(const World& world);
Vector3 gameCameraRotation(const World& world); // pitch, roll 0, heading
Vector3 entityPosition(const World& world, int32_t entity);
// The rotation (pitch, roll 0, heading) that looks from one point at another.
Vector3 lookAtRotation(Vector3 from, Vector3 to);
float distanceBetween(Vector3 a, Vector3 b);
int32_t heldWeaponValue(const World& world);
bool weaponIsShortClass(int32_t weapon);
bool weaponIsLongClass(int32_t weapon);

} // namespace sim
