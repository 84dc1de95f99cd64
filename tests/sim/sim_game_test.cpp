// The simulated game answering the plug-in's natives, and the invariants checked after passes.
#include "host/natives.h"
#include "native_catalogue.h"
#include "sim_game.h"
#include "sim_runner.h"

#include <gtest/gtest.h>

#include <bit>
#include <initializer_list>

namespace {
using sim::SimGame;

uint64_t f(float value) { return std::bit_cast<uint32_t>(value); }
uint64_t i(int32_t value) { return static_cast<uint32_t>(value); }

struct Answer {
    uint64_t slots[standin::resultSlots] = {};
    int32_t integer() const { return static_cast<int32_t>(slots[0]); }
    float real(int n = 0) const { return std::bit_cast<float>(static_cast<uint32_t>(slots[n])); }
    Vector3 vec() const { return {real(0), real(1), real(2)}; }
};

Answer call(SimGame& game, uint64_t hash, std::initializer_list<uint64_t> args) {
    standin::NativeCall c;
    c.hash = hash;
    for (uint64_t a : args) c.slots[c.slotCount++] = a;
    Answer answer;
    sim::answerNative(game, c, answer.slots);
    return answer;
}

constexpr uint64_t create = catalogue::hashOf("createCameraWithPose"),
                   dispose = catalogue::hashOf("disposeCamera");
constexpr uint64_t rotation = catalogue::hashOf("cameraRotation"), orient = catalogue::hashOf("orientCamera");
constexpr uint64_t position = catalogue::hashOf("cameraPosition"),
                   pose = catalogue::hashOf("applyCameraPose");
constexpr uint64_t lock = catalogue::hashOf("lockCameraOnEntity"),
                   release = catalogue::hashOf("releaseCameraLock");
const char* const cameraType = "DEFAULT_SCRIPTED_CAMERA";

int32_t newCamera(SimGame& game) {
    return call(game, create,
                {reinterpret_cast<uintptr_t>(cameraType), f(1), f(2), f(3), f(-5), f(0), f(40), f(50), 1, 2})
        .integer();
}

void expectVec(Vector3 v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

TEST(SimulatedGame, CamerasKeepThePoseAndFieldOfViewTheyAreGiven) {
    SimGame game;
    const int32_t cam = newCamera(game);
    expectVec(call(game, rotation, {i(cam), 2}).vec(), -5, 0, 40);
    expectVec(call(game, position, {i(cam)}).vec(), 1, 2, 3);
    call(game, orient, {i(cam), f(10), f(0), f(-200), 2});
    expectVec(call(game, rotation, {i(cam), 2}).vec(), 10, 0, -200);
    call(game, pose, {i(cam), f(7), f(8), f(9), f(1), f(2), f(3), f(35), 2500, 0, 0, 2, 1, 0});
    expectVec(call(game, position, {i(cam)}).vec(), 7, 8, 9);
    EXPECT_FLOAT_EQ(game.cameras.cameras.at(0).fov, 35.0f);
    call(game, catalogue::hashOf("applyCameraFov"), {i(cam), f(60)});
    EXPECT_FLOAT_EQ(game.cameras.cameras.at(0).fov, 60.0f);
    EXPECT_FLOAT_EQ(game.cameras.handedPose.fov, 35.0f); // the pose as it was handed over
    EXPECT_EQ(game.cameras.handedPose.camera, cam);
    EXPECT_TRUE(game.cameras.faults.empty());
    EXPECT_TRUE(game.callFaults.empty());
}

TEST(SimulatedGame, LockedCameraLooksAtTheTargetAndKeepsThatViewWhenReleased) {
    SimGame game;
    game.world.targetPosition = {1.0f, 12.0f, 3.0f}; // 10 m ahead of the camera, 10 m to its left
    const int32_t cam = newCamera(game);
    call(game, catalogue::hashOf("setCameraPosition"), {i(cam), f(11), f(2), f(3)});
    call(game, lock, {i(cam), i(sim::targetHandle), f(0), f(0), f(0), 1});
    const Vector3 locked = call(game, rotation, {i(cam), 2}).vec();
    EXPECT_NEAR(locked.z, 45.0f, 1e-3); // heading grows counter-clockwise from +y
    EXPECT_NEAR(locked.x, 0.0f, 1e-3);
    call(game, release, {i(cam)});
    game.world.targetPosition = {50.0f, 0.0f, 0.0f};
    EXPECT_NEAR(call(game, rotation, {i(cam), 2}).vec().z, 45.0f, 1e-3);
}

struct HandleMisuse {
    const char* what;
    int disposals;
    uint64_t laterHash; // 0: none
    size_t faults;
};

void PrintTo(const HandleMisuse& m, std::ostream* out) { *out << m.what; }

class CameraHandleFaults : public ::testing::TestWithParam<HandleMisuse> {};

TEST_P(CameraHandleFaults, AreRecorded) {
    SimGame game;
    const int32_t cam = newCamera(game);
    for (int n = 0; n < GetParam().disposals; ++n) call(game, dispose, {i(cam), 1});
    if (GetParam().laterHash) call(game, GetParam().laterHash, {i(cam), 2});
    EXPECT_EQ(game.cameras.faults.size(), GetParam().faults) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, CameraHandleFaults,
                         ::testing::Values(HandleMisuse{"disposed once", 1, 0, 0},
                                           HandleMisuse{"disposed twice", 2, 0, 1},
                                           HandleMisuse{"rotation read after disposal", 1, rotation, 1},
                                           HandleMisuse{"made active after disposal", 1,
                                                        catalogue::hashOf("cameraActiveSwitch"), 1},
                                           HandleMisuse{"live camera used", 0, rotation, 0}));

// A failing game may hand out one handle for both cameras of a pair: each use names a live one.
TEST(SimulatedGame, AHandleHandedOutTwiceNamesTheLiveCameraUntilBothAreDisposed) {
    sim::CameraRegistry registry;
    for (int n = 0; n < 2; ++n) {
        sim::createCamera(registry, {}, {}, 50.0f);
        registry.cameras.back().handle = 0;
    }
    sim::disposeCamera(registry, 0);
    EXPECT_NE(sim::useCamera(registry, 0, "cameraRotation"), nullptr);
    sim::disposeCamera(registry, 0);
    EXPECT_TRUE(registry.faults.empty());
    EXPECT_EQ(sim::aliveCameraCount(registry), 0);
    sim::disposeCamera(registry, 0);
    EXPECT_EQ(registry.faults.size(), 1u);
}

// A test's answer replaces the world's for one native only, may build on the world's, and
// gives the world back when cleared; every call is counted.
TEST(SimulatedGame, AnOverrideAnswersInFrontOfTheWorldUntilCleared) {
    SimGame game;
    game.world.characterHeading = 30.0f;
    auto headingNow = [&game] {
        return call(game, catalogue::hashOf("entityHeading"), {i(sim::characterHandle)}).real();
    };
    sim::overrideNative(game, "entityHeading",
                        [](const standin::NativeCall&, uint64_t* r) { standin::writeFloat(r, -1e30f); });
    EXPECT_FLOAT_EQ(headingNow(), -1e30f);
    EXPECT_FLOAT_EQ(call(game, catalogue::hashOf("entityRotation"), {i(sim::characterHandle), 2}).vec().z,
                    30.0f);
    sim::overrideNative(game, "entityHeading", [&game](const standin::NativeCall& c, uint64_t* r) {
        sim::answerFromWorld(game, c, r);
        standin::writeFloat(r, 2.0f * std::bit_cast<float>(static_cast<uint32_t>(r[0])));
    });
    EXPECT_FLOAT_EQ(headingNow(), 60.0f);
    sim::overrideNative(game, "entityHeading", nullptr);
    EXPECT_FLOAT_EQ(headingNow(), 30.0f);
    EXPECT_EQ(sim::callCount(game, "entityHeading"), 3u);
    EXPECT_EQ(sim::callCount(game, "entityRotation"), 1u);
    EXPECT_EQ(game.nativeCalls, 4u);
}

TEST(SimulatedGame, UnknownHandlesAndNativesAndWrongArgumentCountsAreFaults) {
    SimGame game;
    call(game, rotation, {0x7777, 2});
    call(game, 0x1234, {});
    call(game, catalogue::hashOf("idleTimer"), {5}); // the idle timer takes no argument
    EXPECT_EQ(game.cameras.faults.size(), 1u);
    EXPECT_EQ(game.callFaults.size(), 2u);
}

// A native left out of the handler tables would be a fault the moment the plug-in calls it.
TEST(SimulatedGame, AnswersEveryNativeOfTheCatalogue) {
    SimGame game;
    for (const catalogue::Native& native : catalogue::natives) {
        standin::NativeCall c;
        c.hash = native.hash;
        c.slotCount = static_cast<uint32_t>(native.arguments.size());
        uint64_t result[standin::resultSlots] = {};
        sim::answerNative(game, c, result);
    }
    EXPECT_TRUE(game.callFaults.empty()) << game.callFaults.front();
}

TEST(SimulatedGame, GameCameraOrbitsAtTheHandedDistanceForOneFrame) {
    SimGame game;
    game.world.characterHeading = 30.0f;
    call(game, catalogue::hashOf("alignGameCameraHeading"), {f(90), f(1)});
    EXPECT_FLOAT_EQ(call(game, catalogue::hashOf("gameCameraRotation"), {2}).vec().z, 120.0f);
    call(game, catalogue::hashOf("applyOrbitDistance"), {f(1), f(7)});
    const Vector3 pivot{0.0f, 0.0f, sim::pivotHeight};
    EXPECT_NEAR(sim::distanceBetween(call(game, catalogue::hashOf("gameCameraPosition"), {}).vec(), pivot),
                7.0f, 1e-4);
    sim::startFrame(game.world); // the distance handed in the last frame still holds
    EXPECT_FLOAT_EQ(game.world.cameraDistance, 7.0f);
    sim::startFrame(game.world); // none was handed in the last frame
    EXPECT_FLOAT_EQ(game.world.cameraDistance, sim::gameCameraOwnDistance);
}

TEST(SimulatedGame, InputEdgesLastOneFrameAndTheIdleCounterCountsQuietFrames) {
    SimGame game;
    game.world.inputs.distanceTriggered = true;
    EXPECT_EQ(call(game, catalogue::hashOf("inputTriggered"), {0, orbitDistanceInput}).integer(), 1);
    EXPECT_EQ(call(game, catalogue::hashOf("inputTriggered"), {0, lookBehindInput}).integer(), 0);
    sim::startFrame(game.world);
    EXPECT_EQ(call(game, catalogue::hashOf("inputTriggered"), {0, orbitDistanceInput}).integer(), 0);
    sim::countIdleFrame(game.world);
    sim::countIdleFrame(game.world);
    EXPECT_EQ(call(game, catalogue::hashOf("idleTimer"), {}).integer(), 2);
    call(game, catalogue::hashOf("setIdleTimer"), {i(46)});
    EXPECT_EQ(call(game, catalogue::hashOf("idleTimer"), {}).integer(), 46);
    game.world.inputs.lookVertical = 0.5f;
    sim::countIdleFrame(game.world);
    EXPECT_EQ(call(game, catalogue::hashOf("idleTimer"), {}).integer(), 0);
}

TEST(SimulatedGame, TargetQueryWritesTheEntityThroughItsPointer) {
    SimGame game;
    int32_t target = -1;
    EXPECT_EQ(
        call(game, catalogue::hashOf("queryTargetEntity"), {1, reinterpret_cast<uintptr_t>(&target), 1, 1})
            .integer(),
        0);
    EXPECT_EQ(target, 0);
    game.world.inputs.targetHeld = true;
    EXPECT_EQ(
        call(game, catalogue::hashOf("queryTargetEntity"), {1, reinterpret_cast<uintptr_t>(&target), 1, 1})
            .integer(),
        1);
    EXPECT_EQ(target, sim::targetHandle);
}

struct PassState {
    const char* what;
    bool view;
    int cameras; // created, all alive
    bool active; // the first is made active
    uint32_t wait;
    bool violated;
};

void PrintTo(const PassState& p, std::ostream* out) { *out << p.what; }

class PassInvariants : public ::testing::TestWithParam<PassState> {};

TEST_P(PassInvariants, FlagWhatIsWrong) {
    const PassState& p = GetParam();
    sim::CameraRegistry registry;
    for (int n = 0; n < p.cameras; ++n) sim::createCamera(registry, {}, {}, 50.0f);
    if (p.active) registry.cameras.at(0).active = true;
    registry.scriptedView = p.view;
    EXPECT_EQ(!sim::passViolations(registry, p.wait).empty(), p.violated) << p.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PassInvariants,
    ::testing::Values(PassState{"on pass with one pair", true, 2, true, 0, false},
                      PassState{"switch-on pass ends with the 5 ms wait", true, 2, true, 5, false},
                      PassState{"off pass with no camera", false, 0, false, 5, false},
                      PassState{"one camera only", true, 1, true, 0, true},
                      PassState{"an orphaned pair beside the shown one", true, 4, true, 0, true},
                      PassState{"pair left alive after switch-off", false, 2, false, 5, true},
                      PassState{"view on with no active camera", true, 2, false, 0, true},
                      PassState{"on pass with the view off", false, 0, false, 0, true},
                      PassState{"a wait the loop never asks for", false, 0, false, 7, true}));

TEST(PassInvariants, SessionMustEndWithEveryCameraDisposed) {
    sim::CameraRegistry registry;
    const int32_t a = sim::createCamera(registry, {}, {}, 50.0f);
    sim::createCamera(registry, {}, {}, 50.0f);
    sim::disposeCamera(registry, a);
    EXPECT_FALSE(sim::endViolations(registry).empty());
}

TEST(Frames, SixtyFramesASecondInSteps_of16And17Ms) {
    EXPECT_EQ(sim::frameStartMs(0), 0u);
    EXPECT_EQ(sim::frameStartMs(1), 16u);
    EXPECT_EQ(sim::frameStartMs(2), 33u);
    EXPECT_EQ(sim::frameStartMs(3), 50u);
    EXPECT_EQ(sim::frameStartMs(60), 1000u);
}
} // namespace
