#include "soak_game.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

namespace soak {
namespace {
using standin::NativeCall;

constexpr uint32_t ctrl = 17, keyZ = 90, keyG = 71;
constexpr float pitchLimit = 90.0f;

uint32_t random(Soak& s, uint32_t bound) {
    return std::uniform_int_distribution<uint32_t>(0, bound - 1)(s.rng);
}

float hostileFloat(Soak& s) {
    static constexpr float special[] = {std::numeric_limits<float>::quiet_NaN(),
                                        std::numeric_limits<float>::infinity(),
                                        -std::numeric_limits<float>::infinity(),
                                        -0.0f,
                                        0.0f,
                                        std::numeric_limits<float>::max(),
                                        -std::numeric_limits<float>::max(),
                                        std::numeric_limits<float>::denorm_min(),
                                        1e30f,
                                        90.0f,
                                        -90.0f};
    if (random(s, 8) == 0) return special[random(s, std::size(special))];
    return std::uniform_real_distribution<float>(-400.0f, 400.0f)(s.rng);
}

int32_t hostileHandle(Soak& s) {
    switch (random(s, 6)) {
    case 0:
        return 0;
    case 1:
        return -1;
    case 2:
        return std::numeric_limits<int32_t>::min();
    default:
        return static_cast<int32_t>(random(s, 5000));
    }
}

int32_t hostileFlag(Soak& s) {
    const uint32_t pick = random(s, 20);
    if (pick < 13) return 0;
    if (pick < 18) return 1;
    return pick == 18 ? 2 : -1;
}

Vector3 hostileVector(Soak& s) { return Vector3{hostileFloat(s), hostileFloat(s), hostileFloat(s)}; }

// The look axes count as input when they are above or below zero; NaN is no input.
bool moved(float axis) { return axis > 0.0f || axis < 0.0f; }

void fail(Soak& s, const std::string& what) {
    if (s.fault.empty()) s.fault = what;
}

// ---- changes to the world ----
sim::World& world(Soak& s) { return s.game.world; }
float lookAxis(Soak& s) { return random(s, 3) == 0 ? 0.0f : hostileFloat(s) / 400.0f; }

void changeLookHorizontal(Soak& s) { world(s).inputs.lookHorizontal = lookAxis(s); }
void changeLookVertical(Soak& s) { world(s).inputs.lookVertical = lookAxis(s); }
void moveCharacter(Soak& s) { world(s).characterPosition = hostileVector(s); }
void turnCharacter(Soak& s) { world(s).characterHeading = hostileFloat(s); }
// The walk speed is also the auto-centre's measure.
void changeGait(Soak& s) {
    world(s).walkSpeed = hostileFloat(s) / 40.0f;
    world(s).turnRate = hostileFloat(s);
}
void changeSlope(Soak& s) {
    world(s).slopeAngle = hostileFloat(s);
    world(s).slopeExcluded = random(s, 2) == 0;
}
void changeCarrier(Soak& s) {
    const uint32_t pick = random(s, 4);
    world(s).carriedA = (pick & 1) != 0;
    world(s).carriedB = (pick & 2) != 0;
}
void changeWeapon(Soak& s) { world(s).weapon = static_cast<sim::WeaponClass>(random(s, 4)); }
void moveTarget(Soak& s) { world(s).targetPosition = hostileVector(s); }
void changeIdle(Soak& s) {
    world(s).idleCounter = random(s, 4) == 0 ? hostileHandle(s) : static_cast<int32_t>(random(s, 100));
}
// The game turns its own camera as it likes between frames.
void turnGameCamera(Soak& s) {
    world(s).cameraRelativeHeading = hostileFloat(s);
    world(s).cameraPitch = hostileFloat(s);
}

// The scope view switches the camera off under the scope rule: keep it up rarely.
void changeScopeView(Soak& s) {
    world(s).inputs.scope = false;
    if (random(s, 8) != 0) return sim::overrideNative(s.game, "scopeViewActive", nullptr);
    sim::overrideNative(s.game, "scopeViewActive", standin::answerInt(hostileFlag(s)));
}

void changeInput(Soak& s) {
    static constexpr bool sim::Inputs::*flags[] = {
        &sim::Inputs::lookBehindHeld,     &sim::Inputs::targetHeld,     &sim::Inputs::aiming,
        &sim::Inputs::lookBehindReleased, &sim::Inputs::targetReleased, &sim::Inputs::distanceTriggered};
    const uint32_t pick = random(s, std::size(flags) + 1);
    if (pick == std::size(flags)) return changeScopeView(s);
    world(s).inputs.*flags[pick] = random(s, 20) < 7;
}

// ---- answers no world gives, in front of the world's ----
enum class Kind { vector, real, handle, flag };
struct HostileAnswer {
    catalogue::NativeName native;
    Kind kind;
};
constexpr HostileAnswer hostileAnswers[] = {
    {"cameraRotation", Kind::vector},
    {"cameraPosition", Kind::vector},
    {"gameCameraPosition", Kind::vector},
    {"gameCameraRotation", Kind::vector},
    {"entityPosition", Kind::vector},
    {"entityRotation", Kind::vector},
    {"entityMotion", Kind::vector},
    {"entityHeading", Kind::real},
    {"entitySlopeAngle", Kind::real},
    {"slopeFactor", Kind::real},
    {"pointDistance", Kind::real},
    {"playerCharacter", Kind::handle},
    {"localPlayer", Kind::handle},
    {"suppressionSubject", Kind::handle},
    {"heldWeapon", Kind::handle},
    {"carrierA", Kind::handle},
    {"carrierB", Kind::handle},
    {"idleTimer", Kind::handle},
    {"isCarriedA", Kind::flag},
    {"isCarriedB", Kind::flag},
    {"carrierSlopeExclusionTest", Kind::flag},
    {"slopeExclusionTest", Kind::flag},
    {"aimViewActive", Kind::flag},
    {"inputHeld", Kind::flag},
    {"inputReleased", Kind::flag},
    {"inputTriggered", Kind::flag},
    {"weaponSelectsShortFov1", Kind::flag},
    {"weaponSelectsShortFov2", Kind::flag},
    {"weaponSelectsShortFov3", Kind::flag},
    {"weaponSelectsLongFov1", Kind::flag},
    {"weaponSelectsLongFov2", Kind::flag},
    {"weaponSelectsLongFov3", Kind::flag},
};

sim::NativeOverride hostileOverride(Soak& s, Kind kind) {
    switch (kind) {
    case Kind::vector:
        return [v = hostileVector(s)](const NativeCall&, uint64_t* r) { sim::writeVector3(r, v); };
    case Kind::real:
        return standin::answerFloat(hostileFloat(s));
    case Kind::handle:
        return standin::answerInt(hostileHandle(s));
    case Kind::flag:
        break;
    }
    return standin::answerInt(hostileFlag(s));
}

// Half the time the world answers again.
void changeHostileAnswer(Soak& s) {
    const HostileAnswer& pick = hostileAnswers[random(s, std::size(hostileAnswers))];
    sim::overrideNative(s.game, pick.native, random(s, 2) == 0 ? nullptr : hostileOverride(s, pick.kind));
}

// The game writes the entity it found through the address it was given.
void changeTargetQuery(Soak& s) {
    if (random(s, 2) == 0) return sim::overrideNative(s.game, "queryTargetEntity", nullptr);
    const int32_t entity = hostileHandle(s), found = hostileFlag(s);
    sim::overrideNative(s.game, "queryTargetEntity", [entity, found](const NativeCall& c, uint64_t* r) {
        if (c.slots[1] != 0)
            std::memcpy(reinterpret_cast<void*>(static_cast<uintptr_t>(c.slots[1])), &entity, sizeof entity);
        standin::writeInt(r, found);
    });
}

void changeCameraHandles(Soak& s) {
    s.createdHandleKind = random(s, 10) == 0 ? 1 + static_cast<int32_t>(random(s, 2)) : 0;
}

using Change = void (*)(Soak&);
constexpr Change changes[] = {
    changeLookHorizontal, changeLookVertical,  changeInput,         changeInput,         moveCharacter,
    turnCharacter,        changeGait,          changeSlope,         changeCarrier,       changeWeapon,
    moveTarget,           changeIdle,          turnGameCamera,      changeCameraHandles, changeTargetQuery,
    changeHostileAnswer,  changeHostileAnswer, changeHostileAnswer, changeHostileAnswer, changeHostileAnswer,
    changeHostileAnswer,  changeHostileAnswer,
};

void changeOneThing(Soak& s) { changes[random(s, std::size(changes))](s); }

// ---- what the soak answers and watches itself ----
// The world creates the camera; now and then the game hands back 0 or -1 for it instead.
void createCamera(Soak& s, const NativeCall& call, uint64_t* r) {
    sim::answerFromWorld(s.game, call, r);
    if (s.createdHandleKind != 0) {
        const int32_t handle = s.createdHandleKind == 1 ? 0 : -1;
        s.game.cameras.cameras.back().handle = handle;
        standin::writeInt(r, handle);
    }
    if (sim::aliveCameraCount(s.game.cameras) > 2) fail(s, "a third camera created while a pair is alive");
}

// The world's look axes, noted: a pass whose frame read a moved axis must steer.
void answerLookAxis(Soak& s, const NativeCall& call, uint64_t* r) {
    sim::answerFromWorld(s.game, call, r);
    s.lookInput = s.lookInput || moved(std::bit_cast<float>(static_cast<uint32_t>(r[0])));
}

void observe(Soak& s, const NativeCall& call) {
    if (call.hash == catalogue::hashOf("cameraRotation")) ++s.rotationReads;
    if (call.hash != catalogue::hashOf("orientCamera") || s.rotationReads != 2 || !s.lookInput ||
        s.steeringSeen)
        return;
    // The write right after the fresh read of a frame with look input is the steering.
    s.steeringSeen = true;
    ++s.steeringChecks;
    const float pitch = call.floatArg(1);
    if (!(pitch >= -pitchLimit && pitch <= pitchLimit))
        fail(s, "steering wrote the pitch " + std::to_string(pitch));
}

void sendKeys(Soak& s) {
    // Switching on and off every few hundred passes; stray messages for any code in between.
    const uint32_t pick = random(s, 1000);
    if (pick < 2) {
        standin::pressKey(ctrl);
        standin::pressKey(keyZ);
    } else if (pick < 3) {
        standin::pressKey(ctrl);
        standin::pressKey(keyG);
    } else if (pick < 13) {
        static constexpr uint32_t combination[] = {ctrl, keyZ, keyG};
        standin::releaseKey(combination[random(s, 3)]);
    } else if (pick < 60) {
        // Any code at all, most of them past the table's end.
        standin::sendKeyMessage(random(s, 1024), random(s, 2) == 0, hostileFlag(s), hostileFlag(s));
    }
}

// A player edits the file; the next switch-on reads it.
void rewriteSettings(Soak& s) {
    std::ofstream("Vorthmere.ini", std::ios::binary)
        << "[Config]\nsensitivity_x=" << hostileFloat(s) << "\nsensitivity_y=" << hostileFloat(s)
        << "\nauto_center_time=" << hostileHandle(s) % 200 << "\ndefault_fov=" << hostileFloat(s)
        << "\nshort_fov=" << hostileFloat(s) << "\nlong_fov=" << hostileFloat(s)
        << "\ndisable_in_scope=" << random(s, 2) << "\n";
}
} // namespace

void seedSoak(Soak& s, uint64_t seed) {
    s.rng.seed(seed);
    for (int k = 0; k < 40; ++k) changeOneThing(s);
}

void installSoak(Soak& s) {
    sim::installGame(s.game);
    sim::overrideNative(s.game, "createCameraWithPose",
                        [&s](const NativeCall& call, uint64_t* r) { createCamera(s, call, r); });
    sim::overrideNative(s.game, "inputAxisValue",
                        [&s](const NativeCall& call, uint64_t* r) { answerLookAxis(s, call, r); });
    standin::setCallObserver([&s](const NativeCall& call) { observe(s, call); });
}

void stepSoak(Soak& s) {
    sim::startFrame(s.game.world);
    const uint32_t count = random(s, 16) == 0 ? 12 : random(s, 3);
    for (uint32_t k = 0; k < count; ++k) changeOneThing(s);
    sim::countIdleFrame(s.game.world);
    sendKeys(s);
    if (random(s, 4000) == 0) rewriteSettings(s);
}

void beginPass(Soak& s) {
    s.rotationReads = 0;
    s.steeringSeen = false;
    s.lookInput = false;
}

void windDown(Soak& s) {
    standin::releaseKey(keyZ);
    standin::pressKey(ctrl);
    standin::pressKey(keyG);
    world(s).inputs.scope = true; // no resume by the scope rule either
    sim::overrideNative(s.game, "scopeViewActive", nullptr);
}

void checkPass(Soak& s) {
    if (standin::protocolErrors() != 0)
        fail(s, "a native call opened inside another, or slots outside a call");
    if (!s.game.callFaults.empty())
        fail(s, "every native is called with its catalogue slot count: " + s.game.callFaults.front());
    if (!s.game.cameras.faults.empty())
        fail(s, "each camera is used and disposed of only while alive: " +
                    s.game.cameras.faults.front().message);
    if (sim::aliveCameraCount(s.game.cameras) > 2) fail(s, "more than one camera pair alive");
    if (s.rotationReads == 0) return;
    ++s.frames;
    if (s.lookInput && !s.steeringSeen)
        fail(s, "a frame with look input wrote no steering after its fresh read");
}

int camerasCreated(const Soak& s) { return sim::createdCameraCount(s.game.cameras); }
int camerasAlive(const Soak& s) { return sim::aliveCameraCount(s.game.cameras); }

} // namespace soak
