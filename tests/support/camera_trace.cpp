#include "camera_trace.h"

#include "standin_host.h"

#include <cstddef>
#include <memory>

namespace camtrace {
namespace {
using standin::NativeCall;

standin::Responder vector(const Vec& v) { return standin::answerVector(v.x, v.y, v.z); }

// Each answer depends on one argument: the entity or the angle asked about.
standin::Responder byFirstArgument(int32_t a, int32_t answerA, int32_t b, int32_t answerB) {
    return [=](const NativeCall& call, uint64_t* r) {
        const int32_t arg = call.intArg(0);
        standin::writeInt(r, arg == a ? answerA : arg == b ? answerB : 0);
    };
}
} // namespace

void install(const Game& g) {
    using namespace native;
    using standin::answerFloat;
    using standin::answerInt;
    using standin::setResponder;
    setResponder(cameraRotation, vector(g.camRotation));
    setResponder(cameraPosition, vector(g.camPosition));
    setResponder(inputAxisValue, [h = g.axisH, v = g.axisV](const NativeCall& call, uint64_t* r) {
        standin::writeFloat(r, call.intArg(1) == lookHorizontal ? h
                               : call.intArg(1) == lookVertical ? v
                                                                : 0.0f);
    });
    setResponder(idleTimer, answerInt(g.idle));
    setResponder(playerCharacter, answerInt(g.character));
    setResponder(entityHeading, answerFloat(g.characterHeading));
    setResponder(entityRotation, vector(g.characterRotation));
    setResponder(entityPosition, vector(g.characterPosition));
    setResponder(gameCameraPosition, vector(g.gameCamPosition));
    setResponder(pointDistance, answerFloat(g.distance));
    setResponder(isCarriedA, answerInt(g.carriedA));
    setResponder(isCarriedB, answerInt(g.carriedB));
    setResponder(carrierA, answerInt(g.carrierAHandle));
    setResponder(carrierB, answerInt(g.carrierBHandle));
    setResponder(carrierSlopeExclusionTest, byFirstArgument(g.carrierBHandle, g.carrierExcluded, 0, 0));
    setResponder(slopeExclusionTest, byFirstArgument(g.character, g.characterSlopeExcluded, g.carrierBHandle,
                                                     g.carrierBSlopeExcluded));
    setResponder(entitySlopeAngle, [g](const NativeCall& call, uint64_t* r) {
        const int32_t e = call.intArg(0);
        standin::writeFloat(r, e == g.carrierAHandle   ? g.angleA
                               : e == g.carrierBHandle ? g.angleB
                               : e == g.character      ? g.angleOwn
                                                       : 0.0f);
    });
    setResponder(slopeFactor, [g](const NativeCall& call, uint64_t* r) {
        const float a = call.floatArg(0);
        standin::writeFloat(r, a == g.angleA     ? g.factorA
                               : a == g.angleB   ? g.factorB
                               : a == g.angleOwn ? g.factorOwn
                                                 : 0.0f);
    });
    setResponder(aimViewActive, answerInt(g.aiming));
    setResponder(inputHeld, [g](const NativeCall& call, uint64_t* r) {
        standin::writeInt(r, call.intArg(1) == lookBehindInput ? g.lookBehindHeld : 0);
    });
    setResponder(inputReleased, [g](const NativeCall& call, uint64_t* r) {
        const int32_t input = call.intArg(1);
        standin::writeInt(r, input == lookBehindInput   ? g.lookBehindReleased
                             : input == targetLockInput ? g.targetReleased
                                                        : 0);
    });
    setResponder(inputTriggered, [g](const NativeCall& call, uint64_t* r) {
        standin::writeInt(r, call.intArg(1) == distanceInput ? g.distanceTriggered : 0);
    });
    setResponder(entityMotion, standin::answerVector(-3.0f, g.motionY, 9.0f));
    setResponder(localPlayer, answerInt(g.player));
    // The results in turn; the game writes the targeted entity through the pointer slot.
    auto next = std::make_shared<size_t>(0);
    setResponder(queryTargetEntity, [g, next](const NativeCall& call, uint64_t* r) {
        const size_t k = *next < g.targetResults.size() ? (*next)++ : g.targetResults.size() - 1;
        *reinterpret_cast<int32_t*>(static_cast<uintptr_t>(call.slots[1])) = g.targetWritten;
        standin::writeInt(r, g.targetResults[k]);
    });
    setResponder(heldWeapon, answerInt(g.weapon));
    const uint64_t shortHashes[3] = {weaponSelectsShortFov1, weaponSelectsShortFov2, weaponSelectsShortFov3};
    const uint64_t longHashes[3] = {weaponSelectsLongFov1, weaponSelectsLongFov2, weaponSelectsLongFov3};
    for (int k = 0; k < 3; ++k) {
        setResponder(shortHashes[k], byFirstArgument(g.weapon, g.shortClass[k], 0, 0));
        setResponder(longHashes[k], byFirstArgument(g.weapon, g.longClass[k], 0, 0));
    }
    setResponder(suppressionSubject, answerInt(g.subject));
}

Calls join(std::initializer_list<Calls> parts) { return expect::join(parts); }

Call character() { return {native::playerCharacter, {}}; }
Calls rotationRead(int32_t camera) { return {{native::cameraRotation, {i(camera), i(2)}}}; }
Call orient(int32_t camera, float pitch, float roll, float heading) {
    return {native::orientCamera, {i(camera), f(pitch), f(roll), f(heading), i(2)}};
}
Call setIdle(int32_t value) { return {native::setIdleTimer, {i(value)}}; }
Call aimQuery() { return {native::aimViewActive, {}}; }

Calls expectedReapplyRotation(const Game& g) {
    const Vec& r = g.camRotation;
    return join({rotationRead(g.secondary), {orient(g.secondary, r.x, r.y, r.z)}});
}

Calls expectedAxes() {
    return {{native::inputAxisValue, {i(0), i(lookHorizontal)}},
            {native::inputAxisValue, {i(0), i(lookVertical)}}};
}

Calls expectedSteer(const Game& g, float pitch, float heading) {
    return join({{setIdle(0)}, rotationRead(g.secondary), {orient(g.secondary, pitch, 0.0f, heading)}});
}

Call idleQuery() { return {native::idleTimer, {}}; }

Calls targetQuery(const Game& g) {
    return {{native::localPlayer, {}}, {native::queryTargetEntity, {i(g.player), g.targetSlot, i(1), i(1)}}};
}

Calls expectedTargetLock(const Game& g, int32_t queryResult) {
    Calls calls = targetQuery(g);
    if (queryResult != 1) return calls;
    calls.push_back(aimQuery());
    if (g.aiming == 0)
        calls.push_back({native::lockCameraOnEntity,
                         {i(g.secondary), i(g.targetWritten), f(0.0f), f(0.0f), f(0.0f), i(1)}});
    return calls;
}

Calls expectedTargetRelease(const Game& g, int32_t queryResult) {
    const Call release{native::releaseCameraLock, {i(g.secondary)}};
    Calls calls{{native::inputReleased, {i(0), i(targetLockInput)}}};
    if (g.targetReleased != 0) return join({calls, {release}});
    calls.push_back(aimQuery());
    if (g.aiming != 0) return join({calls, {release}});
    calls = join({calls, targetQuery(g)});
    if (queryResult == 0) calls.push_back(release);
    return calls;
}

Calls expectedAlignGameCamera(const Game& g) {
    const Vec& r = g.camRotation;
    return join({rotationRead(g.secondary),
                 {character(),
                  {native::entityHeading, {i(g.character)}},
                  {native::alignGameCameraHeading, {f(r.z - g.characterHeading), f(1.0f)}},
                  {native::orientationSyncCallA, {i(0)}},
                  {native::orientationSyncCallB, {i(0)}},
                  {native::orientationSyncCallC, {i(0)}},
                  {native::alignGameCameraPitch, {f(r.x), f(1.0f)}}}});
}

Calls placeStart(const Game& g) {
    const Vec& c = g.gameCamPosition;
    const Vec& p = g.characterPosition;
    return {{native::gameCameraPosition, {}},
            character(),
            {native::entityPosition, {i(g.character), i(1), i(0)}},
            {native::pointDistance, {f(c.x), f(c.y), f(c.z), f(p.x), f(p.y), f(p.z), i(1)}}};
}

Calls placeEnd(const Game& g, float z, float aimFov) {
    const Vec& c = g.gameCamPosition;
    const Vec& q = g.camPosition;
    const Vec& r = g.camRotation;
    return join({{{native::setCameraPosition, {i(g.secondary), f(c.x), f(c.y), f(z)}}},
                 rotationRead(g.secondary),
                 {{native::cameraPosition, {i(g.secondary)}},
                  {native::applyCameraPose,
                   {i(g.primary), f(q.x), f(q.y), f(q.z), f(r.x), f(r.y), f(r.z), f(aimFov), i(2500), i(0),
                    i(0), i(2), i(1), i(0)}}}});
}

Calls expectedPlaceCamera(const Game& g, const Calls& carrierQueries, float z, float aimFov) {
    return join({placeStart(g), carrierQueries, placeEnd(g, z, aimFov)});
}

Calls askCarriedA(const Game& g) { return {character(), {native::isCarriedA, {i(g.character), i(0)}}}; }
Calls askCarriedB(const Game& g) { return {character(), {native::isCarriedB, {i(g.character)}}}; }

namespace {
Calls fetchCarrierB(const Game& g) { return {character(), {native::carrierB, {i(g.character)}}}; }
Calls slopeOf(int32_t entity, float angle) {
    return {{native::entitySlopeAngle, {i(entity)}}, {native::slopeFactor, {f(angle)}}};
}
} // namespace

Calls askCarrierExcluded(const Game& g) {
    return join({fetchCarrierB(g), {{native::carrierSlopeExclusionTest, {i(g.carrierBHandle)}}}});
}
Calls askCharacterExcluded(const Game& g) {
    return {character(), {native::slopeExclusionTest, {i(g.character)}}};
}
Calls askCarrierBExcluded(const Game& g) {
    return join({fetchCarrierB(g), {{native::slopeExclusionTest, {i(g.carrierBHandle)}}}});
}
Calls correctionA(const Game& g) {
    return join(
        {{character(), {native::carrierA, {i(g.character), i(0)}}}, slopeOf(g.carrierAHandle, g.angleA)});
}
Calls correctionB(const Game& g) { return join({fetchCarrierB(g), slopeOf(g.carrierBHandle, g.angleB)}); }
Calls ownCorrection(const Game& g) { return join({{character()}, slopeOf(g.character, g.angleOwn)}); }

Calls uncarriedQueries(const Game& g) {
    return join({askCarriedA(g), askCarriedB(g), askCarriedB(g), askCarriedA(g), askCharacterExcluded(g),
                 ownCorrection(g)});
}

Calls motionQuery(const Game& g) { return {character(), {native::entityMotion, {i(g.character), i(1)}}}; }

Calls characterTurn(const Game& g, float heading, float pitch) {
    return {character(),
            {native::entityRotation, {i(g.character), i(2)}},
            orient(g.secondary, pitch, 0.0f, heading)};
}

Calls centre(const Game& g, int32_t idleValue) {
    return join({{setIdle(idleValue)}, characterTurn(g, g.characterRotation.z, -12.7f)});
}

Calls expectedLookBehind(const Game& g) {
    Calls calls{{native::inputHeld, {i(0), i(lookBehindInput)}}};
    if (g.lookBehindHeld != 0) {
        calls.push_back(aimQuery());
        if (g.aiming == 0) calls = join({calls, characterTurn(g, g.characterRotation.z + 180.0f, -2.7f)});
    }
    calls.push_back({native::inputReleased, {i(0), i(lookBehindInput)}});
    if (g.lookBehindReleased != 0) {
        calls.push_back(aimQuery());
        if (g.aiming == 0) calls = join({calls, characterTurn(g, g.characterRotation.z, -2.7f)});
    }
    return calls;
}

Calls weaponQuery(const Game& g) { return {character(), {native::heldWeapon, {i(g.character)}}}; }

namespace {
Calls classTests(const uint64_t (&hashes)[3], int32_t weapon, int upTo) {
    Calls calls;
    for (int k = 0; k < upTo; ++k) calls.push_back({hashes[k], {i(weapon)}});
    return calls;
}
// How many tests of a class are asked: up to and including the first that answers non-zero.
int asked(const int32_t (&answers)[3]) {
    for (int k = 0; k < 3; ++k)
        if (answers[k] != 0) return k + 1;
    return 3;
}
} // namespace

Calls shortTests(const Game& g, int upTo) {
    static constexpr uint64_t hashes[3] = {native::weaponSelectsShortFov1, native::weaponSelectsShortFov2,
                                           native::weaponSelectsShortFov3};
    return classTests(hashes, g.weapon, upTo);
}
Calls longTests(const Game& g, int upTo) {
    static constexpr uint64_t hashes[3] = {native::weaponSelectsLongFov1, native::weaponSelectsLongFov2,
                                           native::weaponSelectsLongFov3};
    return classTests(hashes, g.weapon, upTo);
}

Call applyFov(const Game& g, float fov) { return {native::applyCameraFov, {i(g.primary), f(fov)}}; }

Calls expectedFieldOfView(const Game& g, float fov) {
    if (g.aiming == 0) return {aimQuery(), applyFov(g, fov)};
    return join({{aimQuery()},
                 weaponQuery(g),
                 shortTests(g, asked(g.shortClass)),
                 longTests(g, asked(g.longClass)),
                 {applyFov(g, fov)}});
}

Call applyOrbit(float distance) { return {native::applyOrbitDistance, {f(1.0f), f(distance)}}; }

Calls expectedOrbitDistance(const Game& g, float applied, bool apply) {
    Calls calls{{native::inputTriggered, {i(0), i(distanceInput)}}};
    if (g.distanceTriggered != 0) calls.push_back(aimQuery());
    calls.push_back(aimQuery());
    if (g.aiming != 0) return calls;
    calls = join({calls, askCarriedB(g)});
    if (g.carriedB == 0) calls = join({calls, askCarriedA(g)});
    if (apply) calls.push_back(applyOrbit(applied));
    return calls;
}

Calls expectedSuppression(const Game& g) { return expect::suppression(g.subject); }

Calls expectedQuietFrame(const Game& g, float aimFovBefore, float fov, float orbit) {
    const float z = g.gameCamPosition.z + g.factorOwn * g.distance;
    return join({expectedReapplyRotation(g),
                 expectedAxes(),
                 {idleQuery()},
                 expectedLookBehind(g),
                 expectedAlignGameCamera(g),
                 expectedPlaceCamera(g, uncarriedQueries(g), z, aimFovBefore),
                 expectedTargetLock(g, 0),
                 expectedTargetRelease(g, 0),
                 expectedFieldOfView(g, fov),
                 expectedOrbitDistance(g, orbit, true),
                 expectedSuppression(g)});
}

} // namespace camtrace
