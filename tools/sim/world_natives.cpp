// The character, what carries it, its weapon and target, the player's inputs and the idle
// counter, as the plug-in's natives see them.
#include "sim_game.h"
#include "sim_trig.h"

namespace sim {
namespace {
using standin::NativeCall;
constexpr uint32_t lookHorizontalInput = 0xA987235F;
constexpr uint32_t lookVerticalInput = 0xD2047988;
constexpr uint32_t lookBehindInput = 0x9959A6F0;
constexpr uint32_t orbitDistanceInput = 0x7F8D09B8;
constexpr uint32_t targetLockInput = 0xF8982F00;

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
    writeVec3(r, entityPosition(game.world, call.intArg(0)));
}
void entityRotation(SimGame& game, const NativeCall&, uint64_t* r) {
    writeVec3(r, Vec3{0.0f, 0.0f, game.world.characterHeading});
}
void entityHeading(SimGame& game, const NativeCall&, uint64_t* r) {
    standin::writeFloat(r, game.world.characterHeading);
}
// y is the forward speed: the measure that starts and ends the auto-centre.
void entityMotion(SimGame& game, const NativeCall&, uint64_t* r) {
    writeVec3(r, Vec3{0.0f, game.world.walkSpeed, 0.0f});
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
    const Vec3 a{call.floatArg(0), call.floatArg(1), call.floatArg(2)};
    const Vec3 b{call.floatArg(3), call.floatArg(4), call.floatArg(5)};
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
} // namespace

void addWorldNatives(NativeHandlers& handlers) {
    handlers[0x096275889B8E0EE0] = playerCharacter;
    handlers[0x217E9DC48139933D] = localPlayer;
    handlers[0x3EE1F7A8C32F24E1] = queryTargetEntity;
    handlers[0xA86D5F069399F44D] = entityPositionNative;
    handlers[0xE09CAF86C32CB48F] = entityRotation;
    handlers[0xC230DD956E2F5507] = entityHeading;
    handlers[0xF2DB09816A419DC5] = entityMotion;
    handlers[0x997ABD671D25CA0B] = isCarriedA;
    handlers[0x9A9112A0FE9A4713] = carrierA;
    handlers[0x460BC76A0E10655E] = isCarriedB;
    handlers[0xE7E11B8DCBED1058] = carrierB;
    handlers[0xCEDABC5900A0BF97] = slopeExcluded;
    handlers[0x47E4E977581C5B55] = slopeExcluded;
    handlers[0xEF355ABEFF7F5005] = entitySlopeAngle;
    handlers[0x0BADBFA3B172435F] = slopeFactor;
    handlers[0x0BE7F4E3CDBAFB28] = pointDistance;
    handlers[0x698F456FB909E077] = aimViewActive;
    handlers[0xF63134C54B6EC212] = scopeViewActive;
    handlers[0x8425C5F057012DAB] = heldWeapon;
    for (uint64_t hash : {0xC212F1D05A8232BBull, 0xC75386174ECE95D5ull, 0xDDC64F5E31EEDAB6ull})
        handlers[hash] = shortClassTest;
    for (uint64_t hash : {0xDDB2578E95EF7138ull, 0x6AD66548840472E5ull, 0x0A82317B7EBFC420ull})
        handlers[hash] = longClassTest;
    handlers[0x11E65974A982637C] = inputAxisValue;
    handlers[0xF3A21BCD95725A4A] = inputHeld;
    handlers[0x50F940259D3841E6] = inputReleased;
    handlers[0x580417101DDB492F] = inputTriggered;
    handlers[0x83666F9FB8FEBD4B] = idleTimer;
    handlers[0xC1B1E9A034A63A62] = setIdleTimer;
    handlers[0x03A8931ECC8015D6] = suppressionSubject;
    handlers[0xB78CC4B4706614B0] = ignored; // the suppression calls change nothing here
    handlers[0xE0DE43D290FB65F9] = ignored;
    handlers[0x570E35F5C4A44838] = ignored;
}

} // namespace sim
