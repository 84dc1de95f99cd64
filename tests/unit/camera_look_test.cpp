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

// The pieces of a frame that the cases below share, spelled out for a fresh rig (aimFov 0.0,
// distance 3.5) whose character nothing carries: height 7.0 + 0.125 * 4.0, own slope followed.
Calls follow(const Game& g, float relativeHeading) {
    return join({alignment(g, relativeHeading, g.camRotation.x), placeStart(g), askCarriedA(g),
                 askCarriedB(g), askCarriedB(g), askCarriedA(g), askCharacterExcluded(g), ownCorrection(g),
                 placeEnd(g, 7.5f, 0.0f)});
}

// Neither look-behind input is reported.
Calls noLookBehind() { return {askLookBehindHeld(), askLookBehindReleased()}; }

// No target: the lock's query finds none, and so does the release's fresh one, which releases.
Calls noTarget(const Game& g) {
    return join({targetQuery(g), {askLockReleased(), aimQuery()}, targetQuery(g), {releaseLock(g)}});
}

// Not aiming: the default field of view, no distance step, 3.5 handed over unscaled, suppression.
Calls notAimingEnd(const Game& g) {
    return join({{aimQuery(), applyFov(g, camtest::defaultFov), askDistanceStep(), aimQuery()},
                 askCarriedB(g),
                 askCarriedA(g),
                 {applyOrbit(3.5f)},
                 suppression(g)});
}

// Aiming an unclassified weapon: aimFov keeps its 0.0, no distance is handed over, suppression.
Calls aimingEnd(const Game& g) {
    return join({{aimQuery()},
                 weaponQuery(g),
                 {shortTest(g, 1), shortTest(g, 2), shortTest(g, 3), longTest(g, 1), longTest(g, 2),
                  longTest(g, 3), applyFov(g, 0.0f), askDistanceStep(), aimQuery()},
                 suppression(g)});
}

// A frame with no input at all in the base situation (camera heading 120, character heading 30).
Calls quietFrame(const Game& g) {
    return join({reapplyRotation(g),
                 lookAxes(),
                 {idleQuery()},
                 noLookBehind(),
                 follow(g, 90.0f),
                 noTarget(g),
                 notAimingEnd(g)});
}

TEST(CameraLookFrame, QuietFrameWritesTheRotationBackAsReadAndFollowsOnce) {
    Game g = camtest::baseGame();
    start(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), quietFrame(g)));
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
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), quietFrame(g))) << axes[0] << ", " << axes[1];
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
        // The steered frame follows twice: right after the steering and at its usual point.
        const Calls expected = join({reapplyRotation(g),
                                     lookAxes(),
                                     steer(g, c.pitch, c.heading),
                                     follow(g, 90.0f),
                                     {idleQuery()},
                                     noLookBehind(),
                                     follow(g, 90.0f),
                                     noTarget(g),
                                     notAimingEnd(g)});
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), expected)) << c.situation;
        EXPECT_EQ(cameraRig.autoCentreLatch, 0) << c.situation << ": look input clears the latch";
    }
}

TEST(CameraLookFrame, AutoCentreStartsOnlyAboveTheThresholdWithoutLookInput) {
    const Game base = camtest::baseGame();
    const Calls none;
    const Calls steered = join({steer(base, 10.0f, 120.0f - 7.2f), follow(base, 90.0f)});
    // updateAutoCentre in the base situation: not carried, so it only resets the idle timer.
    const Calls refused = join({{aimQuery()}, askCarriedA(base), {setIdle(0)}});
    struct Case {
        const char* situation;
        int32_t threshold, idle;
        float axisH;
        Calls steering, centring; // after the axes, and after the idle query
    };
    const Case cases[] = {
        {"below", 1000, 999, 0.0f, none, none},
        {"at", 1000, 1000, 0.0f, none, none},
        {"one above", 1000, 1001, 0.0f, none, refused},
        {"above, NaN axis", 1000, 1001, nan, none, refused},
        {"above, -0.0 axis", 1000, 1001, -0.0f, none, refused},
        {"above, look input", 1000, 1001, 1.0f, steered, none},
        {"threshold 0, idle 0", 0, 0, 0.0f, none, none},
        {"threshold 0, idle 1", 0, 1, 0.0f, none, refused},
        {"threshold 0, negative idle compares signed", 0, -1, 0.0f, none, none},
        {"negative threshold", -5, -4, 0.0f, none, refused},
        {"largest threshold", 2147483647, 2147483647, 0.0f, none, none},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.idle = c.idle;
        g.axisH = c.axisH;
        start(g);
        settings.autoCenterTime = c.threshold;
        const Calls expected = join({reapplyRotation(g),
                                     lookAxes(),
                                     c.steering,
                                     {idleQuery()},
                                     c.centring,
                                     noLookBehind(),
                                     follow(g, 90.0f),
                                     noTarget(g),
                                     notAimingEnd(g)});
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), expected)) << c.situation;
    }
}

TEST(CameraLookFrame, TargetIsLockedOnlyOnAnExactOneAndReleasedByTheFirstTrueTest) {
    const Game b = camtest::baseGame();
    const Calls ask = targetQuery(b);
    const Call aim = aimQuery(), lock = lockOn(b), letGo = askLockReleased(), release = releaseLock(b);
    const Calls quietEnd = notAimingEnd(b), aimedEnd = aimingEnd(b);
    struct Case {
        int32_t query, aiming, released;
        Calls target; // the lock's calls, then the release's
        Calls end;    // field of view, distance and suppression
    };
    const Case cases[] = {
        {0, 0, 0, join({ask, {letGo, aim}, ask, {release}}), quietEnd},
        {0, 0, 1, join({ask, {letGo, release}}), quietEnd},
        {0, 1, 0, join({ask, {letGo, aim, release}}), aimedEnd},
        {0, 1, 1, join({ask, {letGo, release}}), aimedEnd},
        {1, 0, 0, join({ask, {aim, lock, letGo, aim}, ask}), quietEnd},
        {1, 0, 1, join({ask, {aim, lock, letGo, release}}), quietEnd},
        {1, 1, 0, join({ask, {aim, letGo, aim, release}}), aimedEnd},
        {1, 1, 1, join({ask, {aim, letGo, release}}), aimedEnd},
        {2, 0, 0, join({ask, {letGo, aim}, ask}), quietEnd},
        {2, 0, 1, join({ask, {letGo, release}}), quietEnd},
        {2, 1, 0, join({ask, {letGo, aim, release}}), aimedEnd},
        {2, 1, 1, join({ask, {letGo, release}}), aimedEnd},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.targetResults = {c.query};
        g.aiming = c.aiming;
        g.targetReleased = c.released;
        start(g);
        const Calls expected = join({reapplyRotation(g),
                                     lookAxes(),
                                     {idleQuery()},
                                     noLookBehind(),
                                     follow(g, 90.0f),
                                     c.target,
                                     c.end});
        EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), expected))
            << "query " << c.query << ", aiming " << c.aiming << ", released " << c.released;
        EXPECT_EQ(cameraRig.targetEntity, g.targetWritten);
    }
}

TEST(CameraLookFrame, LockUsesTheEntityOfThisFramesFirstQueryAndTheSecondQueryIsFresh) {
    Game g = camtest::baseGame();
    g.targetResults = {1, 0}; // the target is lost between the two queries
    start(g);
    const Calls target = join({targetQuery(g),
                               {aimQuery(), lockOn(g), askLockReleased(), aimQuery()},
                               targetQuery(g),
                               {releaseLock(g)}});
    const Calls expected = join({reapplyRotation(g),
                                 lookAxes(),
                                 {idleQuery()},
                                 noLookBehind(),
                                 follow(g, 90.0f),
                                 target,
                                 notAimingEnd(g)});
    EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), expected));
    EXPECT_EQ(expect::countCalls(catalogue::hashOf("lockCameraOnEntity")), 1u);
    EXPECT_EQ(expect::countCalls(catalogue::hashOf("releaseCameraLock")), 1u);
}

TEST(CameraLookFrame, SteeredHeadingIsNeverWrapped) {
    Game g = camtest::baseGame();
    g.axisH = -10.0f;
    g.camRotation.z = 175.0f;
    start(g);
    settings.sensitivityX = 1.0f;
    // Steered to 185, not -175; the game camera is turned by 175 - 30.
    const Calls expected = join({reapplyRotation(g),
                                 lookAxes(),
                                 steer(g, 10.0f, 185.0f),
                                 follow(g, 145.0f),
                                 {idleQuery()},
                                 noLookBehind(),
                                 follow(g, 145.0f),
                                 noTarget(g),
                                 notAimingEnd(g)});
    EXPECT_TRUE(expect::sameCalls(callsOf(updateLookFrame), expected));
}
} // namespace
