#include "camera_trace.h"

#include "standin_host.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>

namespace camtrace {
namespace {
using standin::answerFloat;
using standin::answerInt;
using standin::NativeCall;
using standin::setResponder;

constexpr uint64_t shortClassTests[3] = {catalogue::hashOf("weaponSelectsShortFov1"),
                                         catalogue::hashOf("weaponSelectsShortFov2"),
                                         catalogue::hashOf("weaponSelectsShortFov3")};
constexpr uint64_t longClassTests[3] = {catalogue::hashOf("weaponSelectsLongFov1"),
                                        catalogue::hashOf("weaponSelectsLongFov2"),
                                        catalogue::hashOf("weaponSelectsLongFov3")};

standin::Responder vector(const Vector3& v) { return standin::answerVector(v.x, v.y, v.z); }

// Each answer depends on one argument: the entity or the angle asked about.
standin::Responder byFirstArgument(int32_t a, int32_t answerA, int32_t b, int32_t answerB) {
    return [=](const NativeCall& call, uint64_t* r) {
        const int32_t arg = call.intArg(0);
        standin::writeInt(r, arg == a ? answerA : arg == b ? answerB : 0);
    };
}

void installLook(const Game& g) {
    setResponder(catalogue::hashOf("cameraRotation"), vector(g.camRotation));
    setResponder(catalogue::hashOf("cameraPosition"), vector(g.camPosition));
    setResponder(catalogue::hashOf("inputAxisValue"),
                 [h = g.axisH, v = g.axisV](const NativeCall& call, uint64_t* r) {
                     standin::writeFloat(r, inputOf(call) == lookHorizontalInput ? h
                                            : inputOf(call) == lookVerticalInput ? v
                                                                                 : 0.0f);
                 });
    setResponder(catalogue::hashOf("idleTimer"), answerInt(g.idle));
}

void installCharacter(const Game& g) {
    setResponder(catalogue::hashOf("playerCharacter"), answerInt(g.character));
    setResponder(catalogue::hashOf("entityHeading"), answerFloat(g.characterHeading));
    setResponder(catalogue::hashOf("entityRotation"), vector(g.characterRotation));
    setResponder(catalogue::hashOf("entityPosition"), vector(g.characterPosition));
    setResponder(catalogue::hashOf("gameCameraPosition"), vector(g.gameCamPosition));
    setResponder(catalogue::hashOf("pointDistance"), answerFloat(g.distance));
    setResponder(catalogue::hashOf("entityMotion"), standin::answerVector(-3.0f, g.motionY, 9.0f));
}

void installCarriers(const Game& g) {
    setResponder(catalogue::hashOf("isCarriedA"), answerInt(g.carriedA));
    setResponder(catalogue::hashOf("isCarriedB"), answerInt(g.carriedB));
    setResponder(catalogue::hashOf("carrierA"), answerInt(g.carrierAHandle));
    setResponder(catalogue::hashOf("carrierB"), answerInt(g.carrierBHandle));
    setResponder(catalogue::hashOf("carrierSlopeExclusionTest"),
                 byFirstArgument(g.carrierBHandle, g.carrierExcluded, 0, 0));
    setResponder(
        catalogue::hashOf("slopeExclusionTest"),
        byFirstArgument(g.character, g.characterSlopeExcluded, g.carrierBHandle, g.carrierBSlopeExcluded));
}

// Answers the float that goes with the call's first argument among three, 0.0 for any other.
template <typename Argument>
standin::Responder floatByFirstArgument(const Argument (&arguments)[3], const float (&answers)[3]) {
    return [a = std::to_array(arguments), v = std::to_array(answers)](const NativeCall& call, uint64_t* r) {
        Argument first{};
        std::memcpy(&first, &call.slots[0], sizeof first);
        float answer = 0.0f;
        for (size_t k = 0; k < a.size(); ++k)
            if (first == a[k]) answer = v[k];
        standin::writeFloat(r, answer);
    };
}

void installSlopes(const Game& g) {
    setResponder(catalogue::hashOf("entitySlopeAngle"),
                 floatByFirstArgument<int32_t>({g.carrierAHandle, g.carrierBHandle, g.character},
                                               {g.angleA, g.angleB, g.angleOwn}));
    setResponder(
        catalogue::hashOf("slopeFactor"),
        floatByFirstArgument<float>({g.angleA, g.angleB, g.angleOwn}, {g.factorA, g.factorB, g.factorOwn}));
}

void installInputs(const Game& g) {
    setResponder(catalogue::hashOf("aimViewActive"), answerInt(g.aiming));
    setResponder(catalogue::hashOf("inputHeld"), [g](const NativeCall& call, uint64_t* r) {
        standin::writeInt(r, inputOf(call) == lookBehindInput ? g.lookBehindHeld : 0);
    });
    setResponder(catalogue::hashOf("inputReleased"), [g](const NativeCall& call, uint64_t* r) {
        const uint32_t input = inputOf(call);
        standin::writeInt(r, input == lookBehindInput   ? g.lookBehindReleased
                             : input == targetLockInput ? g.targetReleased
                                                        : 0);
    });
    setResponder(catalogue::hashOf("inputTriggered"), [g](const NativeCall& call, uint64_t* r) {
        standin::writeInt(r, inputOf(call) == orbitDistanceInput ? g.distanceTriggered : 0);
    });
}

// The results in turn; the game writes the targeted entity through the pointer slot.
void installTarget(const Game& g) {
    setResponder(catalogue::hashOf("localPlayer"), answerInt(g.player));
    auto next = std::make_shared<size_t>(0);
    setResponder(catalogue::hashOf("queryTargetEntity"), [g, next](const NativeCall& call, uint64_t* r) {
        const size_t k = *next < g.targetResults.size() ? (*next)++ : g.targetResults.size() - 1;
        *reinterpret_cast<int32_t*>(static_cast<uintptr_t>(call.slots[1])) = g.targetWritten;
        standin::writeInt(r, g.targetResults[k]);
    });
}

void installWeapon(const Game& g) {
    setResponder(catalogue::hashOf("heldWeapon"), answerInt(g.weapon));
    for (int k = 0; k < 3; ++k) {
        setResponder(shortClassTests[k], byFirstArgument(g.weapon, g.shortClass[k], 0, 0));
        setResponder(longClassTests[k], byFirstArgument(g.weapon, g.longClass[k], 0, 0));
    }
}
} // namespace

void install(const Game& g) {
    installLook(g);
    installCharacter(g);
    installCarriers(g);
    installSlopes(g);
    installInputs(g);
    installTarget(g);
    installWeapon(g);
    setResponder(catalogue::hashOf("suppressionSubject"), answerInt(g.subject));
}

Calls join(std::initializer_list<Calls> parts) { return expect::join(parts); }

Call character() { return {catalogue::hashOf("playerCharacter"), {}}; }
Call readRotation(int32_t camera) { return {catalogue::hashOf("cameraRotation"), {i(camera), i(2)}}; }
Call orient(int32_t camera, float pitch, float roll, float heading) {
    return {catalogue::hashOf("orientCamera"), {i(camera), f(pitch), f(roll), f(heading), i(2)}};
}

Calls reapplyRotation(const Game& g) {
    const Vector3& r = g.camRotation;
    return {readRotation(g.secondary), orient(g.secondary, r.x, r.y, r.z)};
}

Calls lookAxes() {
    return {{catalogue::hashOf("inputAxisValue"), {i(0), u(lookHorizontalInput)}},
            {catalogue::hashOf("inputAxisValue"), {i(0), u(lookVerticalInput)}}};
}

Calls steer(const Game& g, float pitch, float heading) {
    return {setIdle(0), readRotation(g.secondary), orient(g.secondary, pitch, 0.0f, heading)};
}

Call idleQuery() { return {catalogue::hashOf("idleTimer"), {}}; }
Call setIdle(int32_t value) { return {catalogue::hashOf("setIdleTimer"), {i(value)}}; }
Call aimQuery() { return {catalogue::hashOf("aimViewActive"), {}}; }

Calls targetQuery(const Game& g) {
    return {{catalogue::hashOf("localPlayer"), {}},
            {catalogue::hashOf("queryTargetEntity"), {i(g.player), g.targetSlot, i(1), i(1)}}};
}
Call lockOn(const Game& g) {
    return {catalogue::hashOf("lockCameraOnEntity"),
            {i(g.secondary), i(g.targetWritten), f(0.0f), f(0.0f), f(0.0f), i(1)}};
}
Call askLockReleased() { return {catalogue::hashOf("inputReleased"), {i(0), u(targetLockInput)}}; }
Call releaseLock(const Game& g) { return {catalogue::hashOf("releaseCameraLock"), {i(g.secondary)}}; }

Calls alignment(const Game& g, float relativeHeading, float pitch) {
    return {readRotation(g.secondary),
            character(),
            {catalogue::hashOf("entityHeading"), {i(g.character)}},
            {catalogue::hashOf("alignGameCameraHeading"), {f(relativeHeading), f(1.0f)}},
            {catalogue::hashOf("orientationSyncCallA"), {i(0)}},
            {catalogue::hashOf("orientationSyncCallB"), {i(0)}},
            {catalogue::hashOf("orientationSyncCallC"), {i(0)}},
            {catalogue::hashOf("alignGameCameraPitch"), {f(pitch), f(1.0f)}}};
}

Calls placeStart(const Game& g) {
    const Vector3& c = g.gameCamPosition;
    const Vector3& p = g.characterPosition;
    return {{catalogue::hashOf("gameCameraPosition"), {}},
            character(),
            {catalogue::hashOf("entityPosition"), {i(g.character), i(1), i(0)}},
            {catalogue::hashOf("pointDistance"), {f(c.x), f(c.y), f(c.z), f(p.x), f(p.y), f(p.z), i(1)}}};
}

Calls placeEnd(const Game& g, float z, float aimFov) {
    const Vector3& c = g.gameCamPosition;
    const Vector3& q = g.camPosition;
    const Vector3& r = g.camRotation;
    return {{catalogue::hashOf("setCameraPosition"), {i(g.secondary), f(c.x), f(c.y), f(z)}},
            readRotation(g.secondary),
            {catalogue::hashOf("cameraPosition"), {i(g.secondary)}},
            {catalogue::hashOf("applyCameraPose"),
             {i(g.primary), f(q.x), f(q.y), f(q.z), f(r.x), f(r.y), f(r.z), f(aimFov), i(2500), i(0), i(0),
              i(2), i(1), i(0)}}};
}

Calls askCarriedA(const Game& g) {
    return {character(), {catalogue::hashOf("isCarriedA"), {i(g.character), i(0)}}};
}
Calls askCarriedB(const Game& g) {
    return {character(), {catalogue::hashOf("isCarriedB"), {i(g.character)}}};
}

namespace {
Calls fetchCarrierB(const Game& g) {
    return {character(), {catalogue::hashOf("carrierB"), {i(g.character)}}};
}
Calls slopeOf(int32_t entity, float angle) {
    return {{catalogue::hashOf("entitySlopeAngle"), {i(entity)}},
            {catalogue::hashOf("slopeFactor"), {f(angle)}}};
}
} // namespace

Calls askCarrierExcluded(const Game& g) {
    return join(
        {fetchCarrierB(g), {{catalogue::hashOf("carrierSlopeExclusionTest"), {i(g.carrierBHandle)}}}});
}
Calls askCharacterExcluded(const Game& g) {
    return {character(), {catalogue::hashOf("slopeExclusionTest"), {i(g.character)}}};
}
Calls askCarrierBExcluded(const Game& g) {
    return join({fetchCarrierB(g), {{catalogue::hashOf("slopeExclusionTest"), {i(g.carrierBHandle)}}}});
}
Calls correctionA(const Game& g) {
    return join({{character(), {catalogue::hashOf("carrierA"), {i(g.character), i(0)}}},
                 slopeOf(g.carrierAHandle, g.angleA)});
}
Calls correctionB(const Game& g) { return join({fetchCarrierB(g), slopeOf(g.carrierBHandle, g.angleB)}); }
Calls ownCorrection(const Game& g) { return join({{character()}, slopeOf(g.character, g.angleOwn)}); }

Calls motionQuery(const Game& g) {
    return {character(), {catalogue::hashOf("entityMotion"), {i(g.character), i(1)}}};
}

Calls characterTurn(const Game& g, float heading, float pitch) {
    return {character(),
            {catalogue::hashOf("entityRotation"), {i(g.character), i(2)}},
            orient(g.secondary, pitch, 0.0f, heading)};
}

Calls centre(const Game& g, int32_t idleValue) {
    return join({{setIdle(idleValue)}, characterTurn(g, g.characterRotation.z, -12.7f)});
}

Call askLookBehindHeld() { return {catalogue::hashOf("inputHeld"), {i(0), u(lookBehindInput)}}; }
Call askLookBehindReleased() { return {catalogue::hashOf("inputReleased"), {i(0), u(lookBehindInput)}}; }

Calls weaponQuery(const Game& g) {
    return {character(), {catalogue::hashOf("heldWeapon"), {i(g.character)}}};
}

Call shortTest(const Game& g, int which) { return {shortClassTests[which - 1], {i(g.weapon)}}; }
Call longTest(const Game& g, int which) { return {longClassTests[which - 1], {i(g.weapon)}}; }

Call applyFov(const Game& g, float fov) {
    return {catalogue::hashOf("applyCameraFov"), {i(g.primary), f(fov)}};
}

Call askDistanceStep() { return {catalogue::hashOf("inputTriggered"), {i(0), u(orbitDistanceInput)}}; }
Call applyOrbit(float distance) { return {catalogue::hashOf("applyOrbitDistance"), {f(1.0f), f(distance)}}; }

Calls suppression(const Game& g) { return expect::suppression(g.subject); }

} // namespace camtrace
