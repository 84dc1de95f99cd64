// Seconds of play through the loaded library at 60 frames a second, against the simulated game:
// scripted cameras keep the pose they are given, the game's own camera orbits the character's
// head at the heading and pitch it is turned to, at the distance handed over in the frame before,
// and the test plays the inputs. Every frame checks what the player sees: the pose handed to the
// shown camera, its field of view and the orbit distance handed to the game.
#include "fresh_process.h"
#include "plugin_session.h"
#include "sim_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {
constexpr float characterHeading = 30.0f;
constexpr Vector3 characterPosition{100.0f, 200.0f, 10.0f};
constexpr Vector3 gameRotationAtStart{-8.0f, 12.0f, 135.0f}; // rolled: the cameras start with no roll
constexpr Vector3 targetPosition{90.0f, 215.0f, 11.0f};      // ahead of the character, to its left
constexpr float defaultFov = 60.0f, longFov = 30.0f;
constexpr float sensitivityX = 2.0f, sensitivityY = 1.5f;
constexpr float ownDistance = sim::gameCameraOwnDistance;

sim::SimGame game;

// The character stands still on flat ground holding a long-class weapon; the game's camera is
// turned to gameRotationAtStart, whose roll only the rotation query reports.
void setUpWorld() {
    sim::World& world = game.world;
    world.characterPosition = characterPosition;
    world.characterHeading = characterHeading;
    world.targetPosition = targetPosition;
    world.weapon = sim::WeaponClass::longClass;
    world.cameraPitch = gameRotationAtStart.x;
    world.cameraRelativeHeading = gameRotationAtStart.z - characterHeading;
    sim::overrideNative(game, "gameCameraRotation", [](const standin::NativeCall&, uint64_t* r) {
        const Vector3 rotation = sim::gameCameraRotation(game.world);
        standin::writeVector(r, rotation.x, gameRotationAtStart.y, rotation.z);
    });
    sim::installGame(game);
}

// Where the game puts its own camera when turned to this pitch and heading at this distance: where
// the scripted camera is placed, the ground being flat.
Vector3 gameCameraAt(const Vector3& rotation, float distance) {
    sim::World turned = game.world;
    turned.cameraPitch = rotation.x;
    turned.cameraRelativeHeading = rotation.z - characterHeading;
    turned.cameraDistance = distance;
    return sim::gameCameraPosition(turned);
}

// A camera locked on the target reports the rotation that looks at it from where the camera is.
Vector3 facingTarget(const Vector3& from) { return sim::lookAtRotation(from, targetPosition); }

// What the player sees in one frame.
struct View {
    uint64_t poses = 0; // pose hand-overs
    sim::HandedPose pose;
    int32_t shown = 0;
    std::optional<float> fov{}, orbit{};
    std::optional<float> orbitBefore{}; // handed in the frame before: the game camera orbits at it
    uint64_t locks = 0, releases = 0;
};

struct Counts {
    uint64_t poses, fovs, locks, releases;
};
Counts counts() {
    return {sim::callCount(game, "applyCameraPose"), sim::callCount(game, "applyCameraFov"),
            sim::callCount(game, "lockCameraOnEntity"), sim::callCount(game, "releaseCameraLock")};
}

// One game frame and the view the player got in it; then the world starts the next frame.
View frame() {
    static std::optional<float> handedBefore;
    const Counts before = counts();
    EXPECT_EQ(session::pass(), 0u) << "an active frame ends with the 0 ms wait";
    const Counts after = counts();
    const sim::ScriptedCamera* shown = sim::activeCamera(game.cameras);
    View v{after.poses - before.poses, game.cameras.handedPose, shown ? shown->handle : 0};
    if (after.fovs != before.fovs && shown) v.fov = shown->fov;
    if (game.world.distanceHandedThisFrame) v.orbit = game.world.handedDistance;
    v.orbitBefore = handedBefore;
    v.locks = after.locks - before.locks;
    v.releases = after.releases - before.releases;
    handedBefore = v.orbit;
    sim::startFrame(game.world);
    return v;
}

// What the player should see in a frame: the camera sits where the game put its own camera,
// turned to the rotation it was aligned to (the one shown, unless a lock turned it since).
struct Expected {
    Vector3 rotation;
    float poseFov;
    std::optional<float> fov{}, orbit{};
    uint64_t poses = 1;
    std::optional<Vector3> aligned{};
};

bool same(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

::testing::AssertionResult differs(const char* what, const Vector3& got, const Vector3& expected) {
    return ::testing::AssertionFailure()
           << what << " " << got.x << ", " << got.y << ", " << got.z << "; expected " << expected.x << ", "
           << expected.y << ", " << expected.z;
}

::testing::AssertionResult sees(const View& v, const Expected& e) {
    const Vector3 p = gameCameraAt(e.aligned.value_or(e.rotation), v.orbitBefore.value_or(ownDistance));
    if (v.poses != e.poses) return ::testing::AssertionFailure() << v.poses << " pose hand-overs";
    if (v.pose.camera != v.shown) return ::testing::AssertionFailure() << "pose handed to a camera not shown";
    if (!same(v.pose.rotation, e.rotation)) return differs("rotation", v.pose.rotation, e.rotation);
    if (!same(v.pose.position, p)) return differs("position", v.pose.position, p);
    if (v.pose.fov != e.poseFov) return ::testing::AssertionFailure() << "pose fov " << v.pose.fov;
    if (v.fov != e.fov) return ::testing::AssertionFailure() << "fov " << v.fov.value_or(-1);
    if (v.orbit != e.orbit) return ::testing::AssertionFailure() << "orbit " << v.orbit.value_or(-1);
    return ::testing::AssertionSuccess();
}

// The locked camera turns the game's camera to the target as seen from where it was placed in
// the frame before, is placed behind that, and shows the target from there.
Expected lockedView(const Vector3& placedBefore) {
    const Vector3 aligned = facingTarget(placedBefore);
    const Vector3 placed = gameCameraAt(aligned, ownDistance);
    return {facingTarget(placed), defaultFov, defaultFov, ownDistance, 1, aligned};
}

constexpr int perSecond = 60;

// Switch on, a quiet second, turn, look behind and back, aim, step the distance, lock onto a target and
// release it, switch off.
void playSession() {
    {
        session::writeSettings(
            "[Config]\nsensitivity_x=2.0\nsensitivity_y=1.5\ndefault_fov=60\nshort_fov=45\n"
            "long_fov=30\nauto_center_time=1000000\n");
        setUpWorld();
        session::start();
        for (int k = 0; k < 3; ++k) ASSERT_EQ(session::pass(), 5u);

        // Ctrl+Z: the switch-on pass still waits 5 ms; the cameras start at the game camera's pose.
        session::hold(session::ctrl, session::keyZ);
        ASSERT_EQ(session::pass(), 5u);
        session::release(session::ctrl, session::keyZ);
        ASSERT_EQ(sim::createdCameraCount(game.cameras), 2);
        ASSERT_TRUE(game.cameras.scriptedView);
        ASSERT_EQ(sim::activeCamera(game.cameras), &game.cameras.cameras[0]);
        Vector3 rotation{-8.0f, 0.0f, 135.0f};
        for (const sim::ScriptedCamera& camera : game.cameras.cameras) {
            EXPECT_TRUE(same(camera.rotation, rotation)) << "no roll";
            EXPECT_TRUE(same(camera.position, gameCameraAt(rotation, ownDistance)));
        }

        // A quiet second. The first frame hands over the field of view chosen before any frame: 0.0.
        for (int n = 0; n < perSecond; ++n)
            EXPECT_TRUE(sees(frame(), {rotation, n == 0 ? 0.0f : defaultFov, defaultFov, 3.5f}))
                << "quiet frame " << n;

        // Turn right and look up for a second: the pitch stops at 90; each frame follows twice.
        game.world.inputs.lookHorizontal = 0.5f;
        game.world.inputs.lookVertical = -2.0f;
        for (int n = 0; n < perSecond; ++n) {
            rotation.z = rotation.z - 0.5f * sensitivityX;
            rotation.x = std::min(90.0f, rotation.x - -2.0f * sensitivityY);
            EXPECT_TRUE(sees(frame(), {rotation, defaultFov, defaultFov, 3.5f, 2})) << "turn frame " << n;
        }
        EXPECT_EQ(rotation.x, 90.0f);
        EXPECT_EQ(rotation.z, 75.0f);
        game.world.inputs.lookHorizontal = game.world.inputs.lookVertical = 0.0f;

        // Look behind for half a second, then back: no orbit distance while behind.
        game.world.inputs.lookBehindHeld = true;
        const Vector3 behind{-2.7f, 0.0f, characterHeading + 180.0f};
        for (int n = 0; n < perSecond / 2; ++n)
            EXPECT_TRUE(sees(frame(), {behind, defaultFov, defaultFov, std::nullopt})) << "behind " << n;
        game.world.inputs.lookBehindHeld = false;
        game.world.inputs.lookBehindReleased = true;
        const Vector3 forward{-2.7f, 0.0f, characterHeading};
        EXPECT_TRUE(sees(frame(), {forward, defaultFov, defaultFov, 3.5f})) << "back";
        rotation = forward;

        // Aim a long-class weapon for a second: its field of view, one frame late in the pose hand-over.
        game.world.inputs.aiming = true;
        for (int n = 0; n < perSecond; ++n)
            EXPECT_TRUE(sees(frame(), {rotation, n == 0 ? defaultFov : longFov, longFov, std::nullopt}))
                << "aiming " << n;
        game.world.inputs.aiming = false;
        EXPECT_TRUE(sees(frame(), {rotation, longFov, defaultFov, 3.5f})) << "aim ended";

        // Three distance steps a third of a second apart.
        const float distances[] = {5.5f, 7.5f, 3.5f};
        for (int n = 0; n < perSecond; ++n) {
            game.world.inputs.distanceTriggered = n % 20 == 0;
            EXPECT_TRUE(sees(frame(), {rotation, defaultFov, defaultFov, distances[n / 20]}))
                << "distance " << n;
        }

        // Lock onto a target: the game points the camera at it, seen from the next frame on.
        game.world.inputs.targetHeld = true;
        Vector3 placed{};
        for (int n = 0; n < perSecond / 2; ++n) {
            const View v = frame();
            const Expected e = n == 0 ? Expected{rotation, defaultFov, defaultFov, 3.5f} : lockedView(placed);
            EXPECT_TRUE(sees(v, e)) << "locked " << n;
            EXPECT_EQ(v.locks, 1u) << n;
            EXPECT_EQ(v.releases, 0u) << n;
            placed = v.pose.position;
        }
        // Let go of the lock input: lock and release in the same frame; the camera keeps the view
        // the lock gave it, and the target is gone.
        game.world.inputs.targetReleased = true;
        View v = frame();
        const Expected letGo = lockedView(placed);
        EXPECT_TRUE(sees(v, letGo)) << "let go";
        EXPECT_EQ(v.locks, 1u);
        EXPECT_EQ(v.releases, 1u);
        game.world.inputs.targetHeld = false;
        for (int n = 0; n < perSecond / 2; ++n) {
            v = frame();
            EXPECT_TRUE(sees(v, {letGo.rotation, defaultFov, defaultFov, 3.5f})) << "released " << n;
            EXPECT_EQ(v.locks, 0u) << n;
            EXPECT_EQ(v.releases, 1u) << n;
        }

        // Ctrl+G: the pass tears both cameras down and goes on as an off pass.
        session::hold(session::ctrl, session::keyG);
        EXPECT_EQ(session::pass(), 5u);
        EXPECT_EQ(sim::callCount(game, "disposeCamera"), 2u);
        EXPECT_EQ(sim::aliveCameraCount(game.cameras), 0);
        EXPECT_EQ(standin::protocolErrors(), 0u);
        EXPECT_TRUE(game.cameras.faults.empty()) << game.cameras.faults.front().message;
        EXPECT_TRUE(game.callFaults.empty()) << game.callFaults.front();
    }
}

TEST(CameraSession, SecondsOfPlayShowTheSteeredViewFrameByFrame) { EXPECT_IN_FRESH_PROCESS(playSession); }
} // namespace
