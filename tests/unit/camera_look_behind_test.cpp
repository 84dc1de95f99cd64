// updateLookBehind and updateAutoCentre called directly: the turns to the character's heading,
// the flags they leave and the idle timer handed to the game.
#include "camera/look_behind.h"
#include "camera_test_fixture.h"

#include <limits>

using namespace camtrace;
using camtest::callsOf;
using camtest::start;

namespace {
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

TEST(CameraLookBehind, StartFacesBehindAndEndFacesForwardUnlessAiming) {
    const Game base = camtest::baseGame(); // character heading 170: behind is 350, not -190
    const Call held = askLookBehindHeld(), released = askLookBehindReleased(), aim = aimQuery();
    const Calls behind = characterTurn(base, 350.0f, -2.7f), forward = characterTurn(base, 170.0f, -2.7f);
    struct Case {
        const char* situation;
        int32_t held, released, aiming, before;
        Calls expected;
        int32_t after;
    };
    const Case cases[] = {
        {"no input", 0, 0, 0, 0, {held, released}, 0},
        {"start", 1, 0, 0, 0, join({{held, aim}, behind, {released}}), 1},
        {"held on", 1, 0, 0, 1, join({{held, aim}, behind, {released}}), 1},
        {"end", 0, 1, 0, 1, join({{held, released, aim}, forward}), 0},
        {"start and end in one frame", 1, 1, 0, 0, join({{held, aim}, behind, {released, aim}, forward}), 0},
        {"start while aiming", 1, 0, 1, 0, {held, aim, released}, 0},
        {"ended while aiming", 0, 1, 1, 1, {held, released, aim}, 1},
        {"flag other than 1 is ended all the same", 0, 1, 0, 2, join({{held, released, aim}, forward}), 0},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.lookBehindHeld = c.held;
        g.lookBehindReleased = c.released;
        g.aiming = c.aiming;
        start(g);
        cameraRig.lookBehind = c.before;
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookBehind), c.expected)) << c.situation;
        EXPECT_EQ(cameraRig.lookBehind, c.after) << c.situation;
    }
}

TEST(CameraLookBehind, TurnStoresTheCharacterRotationInBaseRot) {
    Game g = camtest::baseGame();
    g.lookBehindHeld = 1;
    start(g);
    callsOf(updateLookBehind);
    EXPECT_EQ(cameraRig.baseRot.x, 5.0f);
    EXPECT_EQ(cameraRig.baseRot.y, 6.0f);
    EXPECT_EQ(cameraRig.baseRot.z, 170.0f);
}

// As far as updateAutoCentre gets while not aiming and carried: the aim, carried A and the measure.
Calls reach(const Game& g) { return join({{aimQuery()}, askCarriedA(g), motionQuery(g)}); }

TEST(CameraAutoCentre, MeasureLatchesAtOneAndReleasesAtZero) {
    const Game base = camtest::baseGame();
    const Calls reached = reach(base), turn = centre(base, 1001);
    const Call reset = setIdle(0);
    struct Case {
        const char* situation;
        int32_t aiming, carriedA;
        float measure;
        int32_t latchBefore;
        Calls expected;
        int32_t latchAfter;
    };
    const Case cases[] = {
        {"aiming keeps the latch", 1, 1, 1.0f, 1, {aimQuery(), reset}, 1},
        {"not carried keeps the latch", 0, 0, 1.0f, 1, join({{aimQuery()}, askCarriedA(base), {reset}}), 1},
        {"measure 1.0 latches", 0, 1, 1.0f, 0, join({reached, turn}), 1},
        {"measure above 1.0 latches", 0, 1, 2.5f, 0, join({reached, turn}), 1},
        {"between 0 and 1, unlatched: nothing", 0, 1, 0.5f, 0, reached, 0},
        {"between 0 and 1, latched: centring goes on", 0, 1, 0.5f, 1, join({reached, turn}), 1},
        {"0.0 releases after one more turn", 0, 1, 0.0f, 1, join({reached, turn, {reset}}), 0},
        {"0.0 unlatched resets the idle timer", 0, 1, 0.0f, 0, join({reached, {reset}}), 0},
        {"negative measure", 0, 1, -1.0f, 0, join({reached, {reset}}), 0},
        {"NaN measure, latched: one more turn, then released", 0, 1, nan, 1, join({reached, turn, {reset}}),
         0},
        {"latch other than 1 counts as unset", 0, 1, 0.5f, 2, reached, 2},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.aiming = c.aiming;
        g.carriedA = c.carriedA;
        g.motionY = c.measure;
        start(g);
        cameraRig.autoCentreLatch = c.latchBefore;
        EXPECT_TRUE(expect::sameCalls(callsOf(updateAutoCentre), c.expected)) << c.situation;
        EXPECT_EQ(cameraRig.autoCentreLatch, c.latchAfter) << c.situation;
    }
}

TEST(CameraAutoCentre, IdleValueHandedOverWrapsAt32Bits) {
    struct Case {
        int32_t threshold, handed;
    };
    const Case cases[] = {{1000, 1001}, {0, 1}, {-1, 0}, {2147483647, -2147483647 - 1}};
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.carriedA = 1;
        g.motionY = 1.0f;
        start(g);
        settings.autoCenterTime = c.threshold;
        EXPECT_TRUE(expect::sameCalls(callsOf(updateAutoCentre), join({reach(g), centre(g, c.handed)})))
            << c.threshold;
    }
}

TEST(CameraAutoCentre, AimingInterruptsALatchedCentringThatResumesAtOnce) {
    Game g = camtest::baseGame();
    g.carriedA = 1;
    g.motionY = 1.0f;
    start(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(updateAutoCentre), join({reach(g), centre(g, 1001)})));
    EXPECT_EQ(cameraRig.autoCentreLatch, 1);

    g.aiming = 1;
    install(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(updateAutoCentre), Calls{aimQuery(), setIdle(0)}));
    EXPECT_EQ(cameraRig.autoCentreLatch, 1);

    g.aiming = 0;
    g.motionY = 0.5f;
    install(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(updateAutoCentre), join({reach(g), centre(g, 1001)})));
    EXPECT_EQ(cameraRig.autoCentreLatch, 1);
    EXPECT_EQ(cameraRig.baseRot.z, 170.0f);
}
} // namespace
