// The character, what carries it, its weapon and target, the player's inputs and the idle
// counter, as the plug-in's natives see them.
#include "host/natives.h"
#include "sim_game.h"
#include "sim_trig.h"

namespace sim {
namespace {
using standin::NativeCall;

uint32_t inputOf(const NativeCall& call) { return static_cast<uint32_t>(call.slots[1]); }
const Inputs& inputs(const SimGame& game) { return game.world.inputs; }

void playerCharacter(SimGame&, const NativeCall&, uint64_t* r) { standin::writeInt(r, characterHandle); }
void localPlayer(SimGame&, const NativeCall&, uint64_t* r) { standin::writeInt(r, playerId); }

// The game writes the targeted entity through the pointer it is given, 0 when there is none.
void queryTargetEntity(SimGame& game, const NativeCall& call, uint64_t* r) {
    const bool targeting = inputs(game).targetHeld;
    if (auto* out = reinterpret_cast<int32_t*>(call.slots[1])) *out = targeting ? targetHandle : 0;
    writeBool(r, targeting);
}

void entityPositionNative(SimGame& game, const NativeCall& call, uint64_t* r) {
    writeVector3(r, entityPosition(game.world, call.intArg(0)));
}
void entityRotation(SimGame& game, const NativeCall&, uint64_t* r) {
    writeVector3(r, Vector3{0.0f, 0.0f, game.world.characterHeading});
}
void entityHeading(SimGame& game, const NativeCall&, uint64_t* r) {
    standin::writeFloat(r, game.world.characterHeading);
}
// y is the forward speed: the measure that starts and ends the auto-centre.
void entityMotion(SimGame& game, const NativeCall&, uint64_t* r) {
    writeVector3(r, Vector3{0.0f, game.world.walkSpeed, 0.0f});
}
void isCarriedA(SimGame& game, const NativeCall&, uint64_t* r) { writeBool(r, game.world.carriedA); }
void carrierA(SimGame&, const NativeCall&, uint64_t* r) { standin::writeInt(r, carrierAHandle); }
void isCarriedB(SimGame& game, const NativeCall&, uint64_t* r) { writeBool(r, game.world.carriedB); }
void carrierB(SimGame&, const NativeCall&, uint64_t* r) { standin::writeInt(r, carrierBHandle); }
void slopeExcluded(SimGame& game, const NativeCall&, uint64_t* r) { writeBool(r, game.world.slopeExcluded); }
void entitySlopeAngle(SimGame& game, const NativeCall&, uint64_t* r) {
    standin::writeFloat(r, game.world.slopeAngle);
}
// The camera rises by the sine of the slope for each metre it is away from the character.
void slopeFactor(SimGame&, const NativeCall& call, uint64_t* r) {
    standin::writeFloat(r, sine(call.floatArg(0) * 3.14159265f / 180.0f));
}
void pointDistance(SimGame&, const NativeCall& call, uint64_t* r) {
    const Vector3 a{call.floatArg(0), call.floatArg(1), call.floatArg(2)};
    const Vector3 b{call.floatArg(3), call.floatArg(4), call.floatArg(5)};
    standin::writeFloat(r, distanceBetween(a, b));
}

void aimViewActive(SimGame& game, const NativeCall&, uint64_t* r) { writeBool(r, inputs(game).aiming); }
void scopeViewActive(SimGame& game, const NativeCall&, uint64_t* r) { writeBool(r, inputs(game).scope); }
void heldWeapon(SimGame& game, const NativeCall&, uint64_t* r) {
    standin::writeInt(r, heldWeaponValue(game.world));
}
void shortClassTest(SimGame&, const NativeCall& call, uint64_t* r) {
    writeBool(r, weaponIsShortClass(call.intArg(0)));
}
void longClassTest(SimGame&, const NativeCall& call, uint64_t* r) {
    writeBool(r, weaponIsLongClass(call.intArg(0)));
}

void inputAxisValue(SimGame& game, const NativeCall& call, uint64_t* r) {
    const uint32_t input = inputOf(call);
    float value = 0.0f;
    if (input == lookHorizontalInput) value = inputs(game).lookHorizontal;
    if (input == lookVerticalInput) value = inputs(game).lookVertical;
    standin::writeFloat(r, value);
}
void inputHeld(SimGame& game, const NativeCall& call, uint64_t* r) {
    const uint32_t input = inputOf(call);
    writeBool(r, (input == lookBehindInput && inputs(game).lookBehindHeld) ||
                     (input == targetLockInput && inputs(game).targetHeld));
}
void inputReleased(SimGame& game, const NativeCall& call, uint64_t* r) {
    const uint32_t input = inputOf(call);
    writeBool(r, (input == lookBehindInput && inputs(game).lookBehindReleased) ||
                     (input == targetLockInput && inputs(game).targetReleased));
}
void inputTriggered(SimGame& game, const NativeCall& call, uint64_t* r) {
    writeBool(r, inputOf(call) == orbitDistanceInput && inputs(game).distanceTriggered);
}

void idleTimer(SimGame& game, const NativeCall&, uint64_t* r) {
    standin::writeInt(r, game.world.idleCounter);
}
void setIdleTimer(SimGame& game, const NativeCall& call, uint64_t*) {
    game.world.idleCounter = call.intArg(0);
}
void suppressionSubject(SimGame&, const NativeCall&, uint64_t* r) { standin::writeInt(r, playerId); }
void ignored(SimGame&, const NativeCall&, uint64_t*) {}

constexpr NamedHandler handlerTable[] = {
    {"playerCharacter", playerCharacter},
    {"localPlayer", localPlayer},
    {"queryTargetEntity", queryTargetEntity},
    {"entityPosition", entityPositionNative},
    {"entityRotation", entityRotation},
    {"entityHeading", entityHeading},
    {"entityMotion", entityMotion},
    {"isCarriedA", isCarriedA},
    {"carrierA", carrierA},
    {"isCarriedB", isCarriedB},
    {"carrierB", carrierB},
    {"carrierSlopeExclusionTest", slopeExcluded},
    {"slopeExclusionTest", slopeExcluded},
    {"entitySlopeAngle", entitySlopeAngle},
    {"slopeFactor", slopeFactor},
    {"pointDistance", pointDistance},
    {"aimViewActive", aimViewActive},
    {"scopeViewActive", scopeViewActive},
    {"heldWeapon", heldWeapon},
    {"weaponSelectsShortFov1", shortClassTest},
    {"weaponSelectsShortFov2", shortClassTest},
    {"weaponSelectsShortFov3", shortClassTest},
    {"weaponSelectsLongFov1", longClassTest},
    {"weaponSelectsLongFov2", longClassTest},
    {"weaponSelectsLongFov3", longClassTest},
    {"inputAxisValue", inputAxisValue},
    {"inputHeld", inputHeld},
    {"inputReleased", inputReleased},
    {"inputTriggered", inputTriggered},
    {"idleTimer", idleTimer},
    {"setIdleTimer", setIdleTimer},
    {"suppressionSubject", suppressionSubject},
    {"suppressForSubject", ignored}, // the suppression calls change nothing here
    {"suppressionCallA", ignored},
    {"suppressionCallB", ignored},
};
} // namespace

std::span<const NamedHandler> worldNatives() { return handlerTable; }

} // namespace sim
