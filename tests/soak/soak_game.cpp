#include "soak_game.h"

#include "camera_trace.h"
#include "native_catalogue.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <unordered_map>

namespace soak {
namespace {
namespace native = camtrace::native;

enum Flag {
    carriedA,
    carriedB,
    carrierExcluded,
    slopeExcluded,
    aiming,
    scopeUp,
    targetFound,
    lookBehindHeld,
    lookBehindReleased,
    targetReleased,
    distanceTriggered,
    otherInput,
    shortClass,
    longClass,
    flagCount
};

constexpr uint32_t ctrl = 17, keyZ = 90, keyG = 71;
constexpr float pitchLimit = 90.0f;

// Slot counts by hash, from the simulator's catalogue of the natives the plug-in may call.
const std::unordered_map<uint64_t, uint32_t>& catalogueSlots() {
    static const auto* table = [] {
        auto* slots = new std::unordered_map<uint64_t, uint32_t>;
        for (int k = 0; k < sim::nativeEntryCount(); ++k) {
            const sim::NativeEntry& entry = sim::nativeEntries()[k];
            (*slots)[entry.hash] = static_cast<uint32_t>(std::strlen(entry.arguments));
        }
        return slots;
    }();
    return *table;
}

// The look axes count as input when they are above or below zero; NaN is no input.
bool moved(float axis) { return axis > 0.0f || axis < 0.0f; }

std::string hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    return text;
}
} // namespace

Game::Game(uint64_t seed) : rng(seed) {
    for (int k = 0; k < 40; ++k) changeOneThing();
}

void Game::install() {
    standin::setRecording(false);
    standin::setFallbackResponder([this](const standin::NativeCall& call, uint64_t* r) { answer(call, r); });
    standin::setCallObserver([this](const standin::NativeCall& call) { observe(call); });
}

float Game::hostileFloat() {
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
    if (random(8) == 0) return special[random(sizeof special / sizeof special[0])];
    return std::uniform_real_distribution<float>(-400.0f, 400.0f)(rng);
}

int32_t Game::hostileHandle() {
    switch (random(6)) {
    case 0:
        return 0;
    case 1:
        return -1;
    case 2:
        return std::numeric_limits<int32_t>::min();
    default:
        return static_cast<int32_t>(random(5000));
    }
}

int32_t Game::hostileFlag() {
    const uint32_t pick = random(20);
    if (pick < 13) return 0;
    if (pick < 18) return 1;
    return pick == 18 ? 2 : -1;
}

Vec Game::hostileVec() { return Vec{hostileFloat(), hostileFloat(), hostileFloat()}; }

void Game::changeOneThing() {
    switch (random(22)) {
    case 0:
        game.axisH = random(3) == 0 ? 0.0f : hostileFloat() / 400.0f;
        break;
    case 1:
        game.axisV = random(3) == 0 ? 0.0f : hostileFloat() / 400.0f;
        break;
    case 2:
        game.cameraRotation = hostileVec();
        break;
    case 3:
        game.cameraPosition = hostileVec();
        break;
    case 4:
        game.gameCameraPosition = hostileVec();
        break;
    case 5:
        game.gameCameraRotation = hostileVec();
        break;
    case 6:
        game.entityPosition = hostileVec();
        break;
    case 7:
        game.entityRotation = hostileVec();
        break;
    case 8:
        game.entityMotion = hostileVec();
        break;
    case 9:
        game.entityHeading = hostileFloat();
        break;
    case 10:
        game.slopeAngle = hostileFloat();
        break;
    case 11:
        game.slopeFactor = hostileFloat();
        break;
    case 12:
        game.pointDistance = hostileFloat();
        break;
    case 13:
        game.character = hostileHandle();
        break;
    case 14:
        game.player = hostileHandle();
        break;
    case 15:
        game.subject = hostileHandle();
        break;
    case 16:
        game.weapon = hostileHandle();
        break;
    case 17:
        game.carrier = hostileHandle();
        break;
    case 18:
        game.target = hostileHandle();
        break;
    case 19:
        game.idle = random(4) == 0 ? hostileHandle() : static_cast<int32_t>(random(100));
        break;
    case 20:
        game.createdHandleKind = random(10) == 0 ? 1 + static_cast<int32_t>(random(2)) : 0;
        break;
    default: {
        const uint32_t which = random(flagCount);
        // The scope view switches the camera off under the scope rule: keep it up rarely.
        game.flags[which] = which == scopeUp ? (random(8) == 0 ? hostileFlag() : 0) : hostileFlag();
    }
    }
}

void Game::sendKeys() {
    // Switching on and off every few hundred frames; stray messages for any code in between.
    const uint32_t pick = random(1000);
    if (pick < 2) {
        standin::pressKey(ctrl);
        standin::pressKey(keyZ);
    } else if (pick < 3) {
        standin::pressKey(ctrl);
        standin::pressKey(keyG);
    } else if (pick < 13) {
        static constexpr uint32_t combination[] = {ctrl, keyZ, keyG};
        standin::releaseKey(combination[random(3)]);
    } else if (pick < 60) {
        // Any code at all, most of them past the table's end.
        standin::sendKeyMessage(random(1024), random(2) == 0, hostileFlag(), hostileFlag());
    }
}

void Game::step() {
    const uint32_t changes = random(16) == 0 ? 12 : random(3);
    for (uint32_t k = 0; k < changes; ++k) changeOneThing();
    sendKeys();
    if (random(4000) == 0) {
        // A player edits the file; the next switch-on reads it.
        std::ofstream("Vorthmere.ini", std::ios::binary)
            << "[Config]\nsensitivity_x=" << hostileFloat() << "\nsensitivity_y=" << hostileFloat()
            << "\nauto_center_time=" << hostileHandle() % 200 << "\ndefault_fov=" << hostileFloat()
            << "\nshort_fov=" << hostileFloat() << "\nlong_fov=" << hostileFloat()
            << "\ndisable_in_scope=" << random(2) << "\n";
    }
}

void Game::beginPass() {
    rotationReads = 0;
    steeringSeen = false;
    lookInput = moved(game.axisH) || moved(game.axisV);
}

void Game::windDown() {
    standin::releaseKey(keyZ);
    standin::pressKey(ctrl);
    standin::pressKey(keyG);
    game.flags[scopeUp] = 1; // no resume by the scope rule either
}

void Game::fail(const std::string& what) {
    if (seen.fault.empty()) seen.fault = what;
}

void Game::answer(const standin::NativeCall& call, uint64_t* r) {
    const uint64_t h = call.hash;
    auto vec = [r](const Vec& v) { standin::writeVector(r, v.x, v.y, v.z); };
    if (h == expect::createCameraWithPose) {
        const int32_t handle = game.createdHandleKind == 0   ? nextHandle++
                               : game.createdHandleKind == 1 ? 0
                                                             : -1;
        seen.liveCameras.insert(handle);
        ++seen.created;
        if (seen.liveCameras.size() > 2) fail("a third camera created while a pair is alive");
        standin::writeInt(r, handle);
    } else if (h == native::cameraRotation) {
        vec(game.cameraRotation);
    } else if (h == native::cameraPosition) {
        vec(game.cameraPosition);
    } else if (h == native::gameCameraPosition) {
        vec(game.gameCameraPosition);
    } else if (h == expect::gameCameraRotation) {
        vec(game.gameCameraRotation);
    } else if (h == native::entityPosition) {
        vec(game.entityPosition);
    } else if (h == native::entityRotation) {
        vec(game.entityRotation);
    } else if (h == native::entityMotion) {
        vec(game.entityMotion);
    } else if (h == native::entityHeading) {
        standin::writeFloat(r, game.entityHeading);
    } else if (h == native::entitySlopeAngle) {
        standin::writeFloat(r, game.slopeAngle);
    } else if (h == native::slopeFactor) {
        standin::writeFloat(r, game.slopeFactor);
    } else if (h == native::pointDistance) {
        standin::writeFloat(r, game.pointDistance);
    } else if (h == native::inputAxisValue) {
        standin::writeFloat(r, call.intArg(1) == camtrace::lookHorizontal ? game.axisH
                               : call.intArg(1) == camtrace::lookVertical ? game.axisV
                                                                          : 0.0f);
    } else if (h == native::inputHeld) {
        standin::writeInt(r, call.intArg(1) == camtrace::lookBehindInput ? game.flags[lookBehindHeld]
                                                                         : game.flags[otherInput]);
    } else if (h == native::inputReleased) {
        standin::writeInt(r, call.intArg(1) == camtrace::lookBehindInput ? game.flags[lookBehindReleased]
                                                                         : game.flags[targetReleased]);
    } else if (h == native::inputTriggered) {
        standin::writeInt(r, game.flags[distanceTriggered]);
    } else if (h == native::queryTargetEntity) {
        // The game writes the entity it found through the address it was given.
        if (call.slots[1] != 0) {
            const int32_t found = game.target;
            std::memcpy(reinterpret_cast<void*>(static_cast<uintptr_t>(call.slots[1])), &found, sizeof found);
        }
        standin::writeInt(r, game.flags[targetFound]);
    } else if (h == native::playerCharacter) {
        standin::writeInt(r, game.character);
    } else if (h == native::localPlayer) {
        standin::writeInt(r, game.player);
    } else if (h == native::isCarriedA) {
        standin::writeInt(r, game.flags[carriedA]);
    } else if (h == native::isCarriedB) {
        standin::writeInt(r, game.flags[carriedB]);
    } else if (h == native::carrierA || h == native::carrierB) {
        standin::writeInt(r, game.carrier);
    } else if (h == native::carrierSlopeExclusionTest) {
        standin::writeInt(r, game.flags[carrierExcluded]);
    } else if (h == native::slopeExclusionTest) {
        standin::writeInt(r, game.flags[slopeExcluded]);
    } else if (h == native::aimViewActive) {
        standin::writeInt(r, game.flags[aiming]);
    } else if (h == expect::scopeViewActive) {
        standin::writeInt(r, game.flags[scopeUp]);
    } else if (h == native::heldWeapon) {
        standin::writeInt(r, game.weapon);
    } else if (h == native::weaponSelectsShortFov1 || h == native::weaponSelectsShortFov2 ||
               h == native::weaponSelectsShortFov3) {
        standin::writeInt(r, game.flags[shortClass]);
    } else if (h == native::weaponSelectsLongFov1 || h == native::weaponSelectsLongFov2 ||
               h == native::weaponSelectsLongFov3) {
        standin::writeInt(r, game.flags[longClass]);
    } else if (h == native::idleTimer) {
        standin::writeInt(r, game.idle);
    } else if (h == expect::suppressionSubject) {
        standin::writeInt(r, game.subject);
    }
}

void Game::observe(const standin::NativeCall& call) {
    ++seen.calls;
    const auto& slots = catalogueSlots();
    const auto entry = slots.find(call.hash);
    if (entry == slots.end()) {
        fail("a native outside the catalogue: " + hex(call.hash));
    } else if (entry->second != call.slotCount) {
        fail("native " + hex(call.hash) + " called with " + std::to_string(call.slotCount) + " slots, not " +
             std::to_string(entry->second));
    }
    if (call.hash == expect::disposeCamera) {
        const auto live = seen.liveCameras.find(call.intArg(0));
        if (live == seen.liveCameras.end()) {
            fail("camera " + std::to_string(call.intArg(0)) + " disposed but not alive");
        } else {
            seen.liveCameras.erase(live);
            ++seen.disposed;
        }
    } else if (call.hash == native::cameraRotation) {
        ++rotationReads;
    } else if (call.hash == native::orientCamera && rotationReads == 2 && lookInput && !steeringSeen) {
        // The write right after the fresh read of a frame with look input is the steering.
        steeringSeen = true;
        ++seen.steeringChecks;
        const float pitch = call.floatArg(1);
        if (!(pitch >= -pitchLimit && pitch <= pitchLimit))
            fail("steering wrote the pitch " + std::to_string(pitch));
    }
}

void Game::checkPass() {
    if (standin::protocolErrors() != 0) fail("a native call opened inside another, or slots outside a call");
    if (seen.liveCameras.size() > 2) fail("more than one camera pair alive");
    if (rotationReads > 0) {
        ++seen.frames;
        if (lookInput && !steeringSeen)
            fail("a frame with look input wrote no steering after its fresh read");
    }
}

} // namespace soak
