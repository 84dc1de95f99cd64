// Seconds of play through the loaded library at 60 frames a second, against a small model of
// the game: scripted cameras keep the pose they are given, the game's own camera circles the
// character at the heading it is turned to, and the test plays the inputs. Every frame checks
// what the player sees: the pose handed to the shown camera, its field of view and the orbit
// distance handed to the game.
#include "camera_trace.h"
#include "fresh_process.h"
#include "plugin_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

using namespace camtrace;

namespace {
constexpr float characterHeading = 30.0f;
constexpr Vec characterPosition{100.0f, 200.0f, 10.0f};
constexpr Vec gameRotationAtStart{-8.0f, 12.0f, 135.0f}; // rolled: the cameras start with no roll
constexpr Vec facingTarget{-5.0f, 0.0f, 75.0f}; // where the game points a camera locked on the target
constexpr int32_t character = 55, targetEntity = 999, longWeapon = 4242;
constexpr float defaultFov = 60.0f, shortFov = 45.0f, longFov = 30.0f;
constexpr float sensitivityX = 2.0f, sensitivityY = 1.5f;

// Where the game puts its own camera: four units behind the character at the heading it was turned to.
Vec gameCameraAt(float heading) {
    const float r = heading * 0.017453292f;
    return {characterPosition.x - 4.0f * std::sin(r), characterPosition.y - 4.0f * std::cos(r),
            characterPosition.z + 1.5f};
}

struct Camera {
    Vec position, rotation;
    float fov;
};

// What the player sees in one frame.
struct View {
    int poses = 0; // pose hand-overs to the shown camera
    Vec position{}, rotation{};
    float poseFov = 0.0f;
    std::optional<float> fov, orbit;
    int locks = 0, releases = 0;
};

// The game: its state, the inputs the test plays, and the view recorded in the current frame.
struct Model {
    std::map<int32_t, Camera> cameras;
    int32_t nextHandle = 101, shown = 0;
    float gameHeading = gameRotationAtStart.z;
    float axisH = 0.0f, axisV = 0.0f;
    int32_t lookBehindHeld = 0, lookBehindReleased = 0, aiming = 0, distanceStep = 0;
    int32_t targetHeld = 0, targetReleased = 0;
    View view;
} game;

Vec vec(const standin::NativeCall& c, size_t first) {
    return {c.floatArg(first), c.floatArg(first + 1), c.floatArg(first + 2)};
}
void answer(uint64_t* r, const Vec& v) { standin::writeVector(r, v.x, v.y, v.z); }
void on(uint64_t hash, void (*respond)(const standin::NativeCall&, uint64_t*)) {
    standin::setResponder(hash, respond);
}

void programModel() {
    using namespace native;
    using standin::NativeCall;
    on(expect::createCameraWithPose, [](const NativeCall& c, uint64_t* r) {
        game.cameras[game.nextHandle] = {vec(c, 1), vec(c, 4), c.floatArg(7)};
        standin::writeInt(r, game.nextHandle++);
    });
    on(expect::cameraActiveSwitch, [](const NativeCall& c, uint64_t*) {
        if (c.intArg(1) == 1) game.shown = c.intArg(0);
    });
    on(expect::gameCameraRotation, [](const NativeCall&, uint64_t* r) { answer(r, gameRotationAtStart); });
    on(gameCameraPosition, [](const NativeCall&, uint64_t* r) { answer(r, gameCameraAt(game.gameHeading)); });
    on(alignGameCameraHeading,
       [](const NativeCall& c, uint64_t*) { game.gameHeading = c.floatArg(0) + characterHeading; });
    on(cameraRotation,
       [](const NativeCall& c, uint64_t* r) { answer(r, game.cameras[c.intArg(0)].rotation); });
    on(orientCamera, [](const NativeCall& c, uint64_t*) { game.cameras[c.intArg(0)].rotation = vec(c, 1); });
    on(cameraPosition,
       [](const NativeCall& c, uint64_t* r) { answer(r, game.cameras[c.intArg(0)].position); });
    on(setCameraPosition,
       [](const NativeCall& c, uint64_t*) { game.cameras[c.intArg(0)].position = vec(c, 1); });
    on(applyCameraPose, [](const NativeCall& c, uint64_t*) {
        if (c.intArg(0) != game.shown) ADD_FAILURE() << "pose handed to a camera that is not shown";
        game.cameras[c.intArg(0)] = {vec(c, 1), vec(c, 4), c.floatArg(7)};
        game.view.poses++;
        game.view.position = vec(c, 1);
        game.view.rotation = vec(c, 4);
        game.view.poseFov = c.floatArg(7);
    });
    on(applyCameraFov, [](const NativeCall& c, uint64_t*) { game.view.fov = c.floatArg(1); });
    on(applyOrbitDistance, [](const NativeCall& c, uint64_t*) { game.view.orbit = c.floatArg(1); });
    on(lockCameraOnEntity, [](const NativeCall& c, uint64_t*) {
        if (c.intArg(1) == targetEntity) game.cameras[c.intArg(0)].rotation = facingTarget;
        game.view.locks++;
    });
    on(releaseCameraLock, [](const NativeCall&, uint64_t*) { game.view.releases++; });
    on(playerCharacter, [](const NativeCall&, uint64_t* r) { standin::writeInt(r, character); });
    on(entityHeading, [](const NativeCall&, uint64_t* r) { standin::writeFloat(r, characterHeading); });
    on(entityRotation, [](const NativeCall&, uint64_t* r) { answer(r, {0.0f, 0.0f, characterHeading}); });
    on(entityPosition, [](const NativeCall&, uint64_t* r) { answer(r, characterPosition); });
    on(pointDistance, [](const NativeCall&, uint64_t* r) { standin::writeFloat(r, 4.3f); });
    on(inputAxisValue, [](const NativeCall& c, uint64_t* r) {
        standin::writeFloat(r, c.intArg(1) == lookHorizontal ? game.axisH
                               : c.intArg(1) == lookVertical ? game.axisV
                                                             : 0);
    });
    on(inputHeld, [](const NativeCall& c, uint64_t* r) {
        standin::writeInt(r, c.intArg(1) == lookBehindInput ? game.lookBehindHeld : 0);
    });
    on(inputReleased, [](const NativeCall& c, uint64_t* r) {
        standin::writeInt(r, c.intArg(1) == lookBehindInput   ? game.lookBehindReleased
                             : c.intArg(1) == targetLockInput ? game.targetReleased
                                                              : 0);
    });
    on(inputTriggered, [](const NativeCall& c, uint64_t* r) {
        standin::writeInt(r, c.intArg(1) == distanceInput ? game.distanceStep : 0);
    });
    on(aimViewActive, [](const NativeCall&, uint64_t* r) { standin::writeInt(r, game.aiming); });
    on(heldWeapon, [](const NativeCall&, uint64_t* r) { standin::writeInt(r, longWeapon); });
    on(weaponSelectsLongFov1,
       [](const NativeCall& c, uint64_t* r) { standin::writeInt(r, c.intArg(0) == longWeapon ? 1 : 0); });
    on(queryTargetEntity, [](const NativeCall& c, uint64_t* r) {
        *reinterpret_cast<int32_t*>(static_cast<uintptr_t>(c.slots[1])) = game.targetHeld ? targetEntity : 0;
        standin::writeInt(r, game.targetHeld);
    });
}

// One game frame; the view the player got in it.
View frame() {
    game.view = View{};
    EXPECT_EQ(session::pass(), 0u) << "an active frame ends with the 0 ms wait";
    return game.view;
}

// What the player should see in a frame: the camera sits where the game put its own camera.
struct Expected {
    Vec rotation;
    float poseFov;
    std::optional<float> fov, orbit;
    int poses = 1;
};

::testing::AssertionResult sees(const View& v, const Expected& e, float cameraHeading) {
    const Vec p = gameCameraAt(cameraHeading);
    auto same = [](const Vec& a, const Vec& b) { return a.x == b.x && a.y == b.y && a.z == b.z; };
    if (v.poses != e.poses) return ::testing::AssertionFailure() << v.poses << " pose hand-overs";
    if (!same(v.rotation, e.rotation))
        return ::testing::AssertionFailure()
               << "rotation " << v.rotation.x << ", " << v.rotation.y << ", " << v.rotation.z << "; expected "
               << e.rotation.x << ", " << e.rotation.y << ", " << e.rotation.z;
    if (!same(v.position, p))
        return ::testing::AssertionFailure()
               << "position " << v.position.x << ", " << v.position.y << ", " << v.position.z << "; expected "
               << p.x << ", " << p.y << ", " << p.z;
    if (v.poseFov != e.poseFov) return ::testing::AssertionFailure() << "pose fov " << v.poseFov;
    if (v.fov != e.fov) return ::testing::AssertionFailure() << "fov " << v.fov.value_or(-1);
    if (v.orbit != e.orbit) return ::testing::AssertionFailure() << "orbit " << v.orbit.value_or(-1);
    return ::testing::AssertionSuccess();
}

constexpr int perSecond = 60;

// Switch on, a quiet second, turn, look behind and back, aim, step the distance, lock onto a target and
// release it, switch off.
void playSession() {
    {
        session::writeSettings(
            "[Config]\nsensitivity_x=2.0\nsensitivity_y=1.5\ndefault_fov=60\nshort_fov=45\n"
            "long_fov=30\nauto_center_time=1000000\n");
        programModel();
        session::start();
        for (int k = 0; k < 3; ++k) ASSERT_EQ(session::pass(), 5u);

        // Ctrl+Z: the switch-on pass still waits 5 ms; the cameras start at the game camera's pose.
        session::hold(session::ctrl, session::keyZ);
        ASSERT_EQ(session::pass(), 5u);
        session::release(session::ctrl, session::keyZ);
        ASSERT_EQ(game.cameras.size(), 2u);
        ASSERT_EQ(game.shown, 101);
        EXPECT_EQ(game.cameras[102].rotation.y, 0.0f);

        // A quiet second. The first frame hands over the field of view chosen before any frame: 0.0.
        Vec rotation{-8.0f, 0.0f, 135.0f};
        float heading = 135.0f;
        for (int n = 0; n < perSecond; ++n)
            EXPECT_TRUE(sees(frame(), {rotation, n == 0 ? 0.0f : defaultFov, defaultFov, 3.5f}, heading))
                << "quiet frame " << n;

        // Turn right and look up for a second: the pitch stops at 90; each frame follows twice.
        game.axisH = 0.5f;
        game.axisV = -2.0f;
        for (int n = 0; n < perSecond; ++n) {
            rotation.z = rotation.z - 0.5f * sensitivityX;
            rotation.x = std::min(90.0f, rotation.x - -2.0f * sensitivityY);
            heading = rotation.z;
            EXPECT_TRUE(sees(frame(), {rotation, defaultFov, defaultFov, 3.5f, 2}, heading))
                << "turn frame " << n;
        }
        EXPECT_EQ(rotation.x, 90.0f);
        EXPECT_EQ(rotation.z, 75.0f);
        game.axisH = game.axisV = 0.0f;

        // Look behind for half a second, then back: no orbit distance while behind.
        game.lookBehindHeld = 1;
        const Vec behind{-2.7f, 0.0f, characterHeading + 180.0f};
        for (int n = 0; n < perSecond / 2; ++n)
            EXPECT_TRUE(sees(frame(), {behind, defaultFov, defaultFov, std::nullopt}, behind.z))
                << "behind " << n;
        game.lookBehindHeld = 0;
        game.lookBehindReleased = 1;
        const Vec forward{-2.7f, 0.0f, characterHeading};
        EXPECT_TRUE(sees(frame(), {forward, defaultFov, defaultFov, 3.5f}, forward.z)) << "back";
        game.lookBehindReleased = 0;
        rotation = forward;
        heading = forward.z;

        // Aim a long-class weapon for a second: its field of view, one frame late in the pose hand-over.
        game.aiming = 1;
        for (int n = 0; n < perSecond; ++n)
            EXPECT_TRUE(
                sees(frame(), {rotation, n == 0 ? defaultFov : longFov, longFov, std::nullopt}, heading))
                << "aiming " << n;
        game.aiming = 0;
        EXPECT_TRUE(sees(frame(), {rotation, longFov, defaultFov, 3.5f}, heading)) << "aim ended";

        // Three distance steps a third of a second apart.
        const float distances[] = {5.5f, 7.5f, 3.5f};
        for (int n = 0; n < perSecond; ++n) {
            game.distanceStep = n % 20 == 0 ? 1 : 0;
            EXPECT_TRUE(sees(frame(), {rotation, defaultFov, defaultFov, distances[n / 20]}, heading))
                << "distance " << n;
        }
        game.distanceStep = 0;

        // Lock onto a target: the game points the camera at it, seen from the next frame on.
        game.targetHeld = 1;
        for (int n = 0; n < perSecond / 2; ++n) {
            const View v = frame();
            EXPECT_TRUE(sees(v, {n == 0 ? rotation : facingTarget, defaultFov, defaultFov, 3.5f},
                             n == 0 ? heading : facingTarget.z))
                << "locked " << n;
            EXPECT_EQ(v.locks, 1) << n;
            EXPECT_EQ(v.releases, 0) << n;
        }
        // Let go of the lock input: lock and release in the same frame; then the target is gone.
        game.targetReleased = 1;
        View v = frame();
        EXPECT_EQ(v.locks, 1);
        EXPECT_EQ(v.releases, 1);
        game.targetReleased = 0;
        game.targetHeld = 0;
        for (int n = 0; n < perSecond / 2; ++n) {
            v = frame();
            EXPECT_TRUE(sees(v, {facingTarget, defaultFov, defaultFov, 3.5f}, facingTarget.z))
                << "released " << n;
            EXPECT_EQ(v.locks, 0) << n;
            EXPECT_EQ(v.releases, 1) << n;
        }

        // Ctrl+G: the pass tears both cameras down and goes on as an off pass.
        session::hold(session::ctrl, session::keyG);
        EXPECT_EQ(session::pass(), 5u);
        EXPECT_EQ(session::disposals(), 2u);
        EXPECT_EQ(standin::protocolErrors(), 0u);
    }
}

TEST(CameraSession, SecondsOfPlayShowTheSteeredViewFrameByFrame) { EXPECT_IN_FRESH_PROCESS(playSession); }
} // namespace
