// The whole frame update, called directly: which native calls a frame makes, in which order and
// with which slots, for look input, the pitch clamp, the auto-centre entry and the target lock.
#include "camera/look_frame.h"
#include "camera_test_fixture.h"

#include <cmath>
#include <limits>

using namespace camtrace;
using camtest::callsOf;
using camtest::start;

namespace {
constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

float ownZ(const Game& g) { return g.gameCamPosition.z + g.factorOwn * g.distance; }

Calls follow(const Game& g, float aimFov) {
    return join({expectedAlignGameCamera(g), expectedPlaceCamera(g, uncarriedQueries(g), ownZ(g), aimFov)});
}

// One frame of a fresh rig (aimFov still 0.0, distance 3.5, no carrier) in situation g.
// `steer` is empty without look input; `autoCentre` is what updateAutoCentre makes, if called.
Calls frame(const Game& g, const Calls& steer, const Calls& autoCentre, float fovAfter) {
    const int32_t query = g.targetResults.front();
    return join({expectedReapplyRotation(g),
                 expectedAxes(),
                 steer.empty() ? Calls{} : join({steer, follow(g, 0.0f)}),
                 {idleQuery()},
                 autoCentre,
                 expectedLookBehind(g),
                 follow(g, 0.0f),
                 expectedTargetLock(g, query),
                 expectedTargetRelease(g, query),
                 expectedFieldOfView(g, fovAfter),
                 expectedOrbitDistance(g, 3.5f, g.aiming == 0),
                 expectedSuppression(g)});
}

// updateAutoCentre in the base situation: not carried, so it only resets the idle timer.
Calls refusedCentre(const Game& g) { return join({{aimQuery()}, askCarriedA(g), {setIdle(0)}}); }

TEST(CameraLookFrame, QuietFrameWritesTheRotationBackAsReadAndFollowsOnce) {
    Game g = camtest::baseGame();
    start(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), frame(g, {}, {}, camtest::defaultFov)));
    EXPECT_EQ(cameraRig.lookRot.x, 10.0f);
    EXPECT_EQ(cameraRig.lookRot.y, 4.0f) << "without look input the roll is kept";
    EXPECT_EQ(cameraRig.aimFov, camtest::defaultFov);
}

TEST(CameraLookFrame, AxesThatDidNotMoveAreNoLookInput) {
    const float noInput[][2] = {{0.0f, 0.0f}, {-0.0f, 0.0f}, {0.0f, -0.0f}, {nan, 0.0f},
                                {0.0f, nan},  {nan, -0.0f},  {-0.0f, nan}};
    for (const auto& axes : noInput) {
        Game g = camtest::baseGame();
        g.axisH = axes[0];
        g.axisV = axes[1];
        start(g);
        cameraRig.autoCentreLatch = 1;
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), frame(g, {}, {}, camtest::defaultFov)))
            << axes[0] << ", " << axes[1];
        EXPECT_EQ(cameraRig.autoCentreLatch, 1) << "no look input keeps the latch";
    }
}

TEST(CameraLookFrame, LookInputSteersFromAFreshReadWithTheClampedPitchAndNoRoll) {
    struct Case {
        const char* situation;
        float axisH, axisV, camPitch, sensY;
        float pitch, heading; // what the steering writes
    };
    const Case cases[] = {
        {"right one unit", 1.0f, 0.0f, 10.0f, 4.0f, 10.0f, 120.0f - 7.2f},
        {"left one unit", -1.0f, 0.0f, 10.0f, 4.0f, 10.0f, 120.0f + 7.2f},
        {"vertical only", 0.0f, 0.5f, 10.0f, 4.0f, 8.0f, 120.0f},
        {"both axes", 0.25f, -1.0f, 10.0f, 4.0f, 14.0f, 120.0f - 0.25f * 7.2f},
        {"pitch 95 is held at 90", 0.0f, -8.5f, 10.0f, 10.0f, 90.0f, 120.0f},
        {"pitch -95 is held at -90", 0.0f, 10.5f, 10.0f, 10.0f, -90.0f, 120.0f},
        {"pitch exactly 90 passes", 0.0f, -8.0f, 10.0f, 10.0f, 90.0f, 120.0f},
        {"pitch exactly -90 passes", 0.0f, 10.0f, 10.0f, 10.0f, -90.0f, 120.0f},
        {"NaN pitch read back goes down to -90", 1.0f, 0.0f, nan, 4.0f, -90.0f, 120.0f - 7.2f},
        {"NaN from infinity times zero goes down to -90", 0.0f, inf, 10.0f, 0.0f, -90.0f, 120.0f},
        {"NaN on the vertical axis leaves the pitch", 1.0f, nan, 10.0f, 4.0f, 10.0f, 120.0f - 7.2f},
        {"-0.0 on the vertical axis leaves the pitch", 1.0f, -0.0f, 10.0f, 4.0f, 10.0f, 120.0f - 7.2f},
        {"an idle axis ignores an infinite sensitivity", 1.0f, 0.0f, 10.0f, inf, 10.0f, 120.0f - 7.2f},
        {"NaN on the horizontal axis leaves the heading", nan, 0.5f, 10.0f, 4.0f, 8.0f, 120.0f},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.axisH = c.axisH;
        g.axisV = c.axisV;
        g.camRotation.x = c.camPitch;
        g.idle = 5000; // above the threshold: look input still keeps the auto-centre out
        start(g);
        settings.sensitivityY = c.sensY;
        cameraRig.autoCentreLatch = 1;
        const Calls steer = expectedSteer(g, c.pitch, c.heading);
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), frame(g, steer, {}, camtest::defaultFov)))
            << c.situation;
        EXPECT_EQ(cameraRig.autoCentreLatch, 0) << c.situation << ": look input clears the latch";
    }
}

TEST(CameraLookFrame, AutoCentreStartsOnlyAboveTheThresholdWithoutLookInput) {
    struct Case {
        const char* situation;
        int32_t threshold, idle;
        float axisH;
        bool centre;
    };
    const Case cases[] = {
        {"below", 1000, 999, 0.0f, false},
        {"at", 1000, 1000, 0.0f, false},
        {"one above", 1000, 1001, 0.0f, true},
        {"above, NaN axis", 1000, 1001, nan, true},
        {"above, -0.0 axis", 1000, 1001, -0.0f, true},
        {"above, look input", 1000, 1001, 1.0f, false},
        {"threshold 0, idle 0", 0, 0, 0.0f, false},
        {"threshold 0, idle 1", 0, 1, 0.0f, true},
        {"threshold 0, negative idle compares signed", 0, -1, 0.0f, false},
        {"negative threshold", -5, -4, 0.0f, true},
        {"largest threshold", 2147483647, 2147483647, 0.0f, false},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.idle = c.idle;
        g.axisH = c.axisH;
        start(g);
        settings.autoCenterTime = c.threshold;
        const Calls steer = c.axisH == 1.0f ? expectedSteer(g, 10.0f, 120.0f - 7.2f) : Calls{};
        const Calls centre = c.centre ? refusedCentre(g) : Calls{};
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), frame(g, steer, centre, camtest::defaultFov)))
            << c.situation;
    }
}

TEST(CameraLookFrame, TargetIsLockedOnlyOnAnExactOneAndReleasedByTheFirstTrueTest) {
    for (int32_t query : {0, 1, 2})
        for (int32_t aiming : {0, 1})
            for (int32_t released : {0, 1}) {
                Game g = camtest::baseGame();
                g.targetResults = {query};
                g.aiming = aiming;
                g.targetReleased = released;
                start(g);
                // While aiming with a fresh rig no weapon is classified: aimFov keeps its 0.0.
                const float fovAfter = aiming ? 0.0f : camtest::defaultFov;
                EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), frame(g, {}, {}, fovAfter)))
                    << "query " << query << ", aiming " << aiming << ", released " << released;
                EXPECT_EQ(cameraRig.targetEntity, g.targetWritten);
            }
}

TEST(CameraLookFrame, LockUsesTheEntityOfThisFramesFirstQueryAndTheSecondQueryIsFresh) {
    Game g = camtest::baseGame();
    g.targetResults = {1, 0}; // the target is lost between the two queries
    start(g);
    const Calls lock = expectedTargetLock(g, 1);
    const Calls release = expectedTargetRelease(g, 0);
    const auto calls = callsOf(updateLookFrame);
    ASSERT_GE(calls.size(), 2u);
    const Calls expected = join({expectedReapplyRotation(g),
                                 expectedAxes(),
                                 {idleQuery()},
                                 expectedLookBehind(g),
                                 follow(g, 0.0f),
                                 lock,
                                 release,
                                 expectedFieldOfView(g, camtest::defaultFov),
                                 expectedOrbitDistance(g, 3.5f, true),
                                 expectedSuppression(g)});
    EXPECT_TRUE(expect::sameCalls(calls, expected));
    EXPECT_EQ(expect::countCalls(native::lockCameraOnEntity), 1u);
    EXPECT_EQ(expect::countCalls(native::releaseCameraLock), 1u);
}

TEST(CameraLookFrame, SteeredHeadingIsNeverWrapped) {
    Game g = camtest::baseGame();
    g.axisH = -10.0f;
    g.camRotation.z = 175.0f;
    start(g);
    settings.sensitivityX = 1.0f;
    const Calls steer = expectedSteer(g, 10.0f, 185.0f); // not -175
    EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), frame(g, steer, {}, camtest::defaultFov)));
}
} // namespace
