// updateFieldOfView, updateOrbitDistance and suppressControls called directly: the field of view
// by weapon class, the stepped distance with its carried-state factors, and the four fixed calls.
#include "camera/fov_distance.h"
#include "camera/suppression.h"
#include "camera_test_fixture.h"

#include <initializer_list>

using namespace camtrace;
using camtest::callsOf;
using camtest::defaultFov;
using camtest::longFov;
using camtest::shortFov;
using camtest::start;

namespace {

TEST(CameraFieldOfView, ChosenByAimingAndTheClassOfTheWeapon) {
    const Game b = camtest::baseGame();
    const Call s1 = shortTest(b, 1), s2 = shortTest(b, 2), s3 = shortTest(b, 3);
    const Call l1 = longTest(b, 1), l2 = longTest(b, 2), l3 = longTest(b, 3);
    // While aiming: the weapon, then the class tests as far as their answers take them.
    const auto aimed = [&b](std::initializer_list<Call> tests) {
        return join({weaponQuery(b), Calls(tests)});
    };
    struct Case {
        const char* situation;
        int32_t aiming;
        int32_t shortClass[3], longClass[3];
        float before;
        Calls queries; // between the aim query and the field of view applied
        float fov;
    };
    const Calls everyTest = aimed({s1, s2, s3, l1, l2, l3});
    const Case cases[] = {
        {"not aiming, whatever the weapon", 0, {1, 1, 1}, {1, 1, 1}, longFov, {}, defaultFov},
        {"short by test 1", 1, {1, 0, 0}, {0, 0, 0}, defaultFov, aimed({s1, l1, l2, l3}), shortFov},
        {"short by test 2", 1, {0, 1, 0}, {0, 0, 0}, defaultFov, aimed({s1, s2, l1, l2, l3}), shortFov},
        {"short by test 3", 1, {0, 0, 1}, {0, 0, 0}, defaultFov, everyTest, shortFov},
        {"long by test 1", 1, {0, 0, 0}, {1, 0, 0}, defaultFov, aimed({s1, s2, s3, l1}), longFov},
        {"long by test 2", 1, {0, 0, 0}, {0, 1, 0}, defaultFov, aimed({s1, s2, s3, l1, l2}), longFov},
        {"long by test 3", 1, {0, 0, 0}, {0, 0, 1}, defaultFov, everyTest, longFov},
        {"both classes: long wins", 1, {1, 0, 0}, {0, 1, 0}, defaultFov, aimed({s1, l1, l2}), longFov},
        {"neither, right after not aiming", 1, {0, 0, 0}, {0, 0, 0}, defaultFov, everyTest, defaultFov},
        {"neither, after a long-class weapon", 1, {0, 0, 0}, {0, 0, 0}, longFov, everyTest, longFov},
        {"neither, before any choice", 1, {0, 0, 0}, {0, 0, 0}, 0.0f, everyTest, 0.0f},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.aiming = c.aiming;
        for (int k = 0; k < 3; ++k) {
            g.shortClass[k] = c.shortClass[k];
            g.longClass[k] = c.longClass[k];
        }
        start(g);
        cameraRig.aimFov = c.before;
        const Calls expected = join({{aimQuery()}, c.queries, {applyFov(g, c.fov)}});
        EXPECT_TRUE(expect::sameCalls(callsOf(updateFieldOfView), expected)) << c.situation;
        EXPECT_EQ(cameraRig.aimFov, c.fov) << c.situation;
    }
}

TEST(CameraFieldOfView, SettingsValuesArePassedOnUnclamped) {
    Game g = camtest::baseGame();
    g.aiming = 1;
    g.shortClass[0] = 1;
    start(g);
    settings.shortFov = 0.0f;
    const Calls aimed =
        join({{aimQuery()},
              weaponQuery(g),
              {shortTest(g, 1), longTest(g, 1), longTest(g, 2), longTest(g, 3), applyFov(g, 0.0f)}});
    EXPECT_TRUE(expect::sameCalls(callsOf(updateFieldOfView), aimed));
    g.aiming = 0;
    install(g);
    settings.defaultFov = -15.0f;
    EXPECT_TRUE(expect::sameCalls(callsOf(updateFieldOfView), Calls{aimQuery(), applyFov(g, -15.0f)}));
}

TEST(CameraOrbitDistance, StepsOnTheInputAndHandsOverTheScaledDistance) {
    const Game base = camtest::baseGame();
    const Call step = askDistanceStep(), aim = aimQuery();
    const Calls askB = askCarriedB(base), askA = askCarriedA(base);
    struct Case {
        const char* situation;
        int32_t triggered, aiming, carriedB, carriedA, lookBehind;
        float before, after;
        Calls expected;
    };
    const Case cases[] = {
        {"no step", 0, 0, 0, 0, 0, 3.5f, 3.5f, join({{step, aim}, askB, askA, {applyOrbit(3.5f)}})},
        {"3.5 to 5.5", 1, 0, 0, 0, 0, 3.5f, 5.5f, join({{step, aim, aim}, askB, askA, {applyOrbit(5.5f)}})},
        {"5.5 to 7.5", 1, 0, 0, 0, 0, 5.5f, 7.5f, join({{step, aim, aim}, askB, askA, {applyOrbit(7.5f)}})},
        {"7.5 back to 3.5", 1, 0, 0, 0, 0, 7.5f, 3.5f,
         join({{step, aim, aim}, askB, askA, {applyOrbit(3.5f)}})},
        {"no step while aiming", 1, 1, 0, 0, 0, 3.5f, 3.5f, {step, aim, aim}},
        {"carried B at 7.5", 0, 0, 1, 0, 0, 7.5f, 7.5f, join({{step, aim}, askB, {applyOrbit(11.25f)}})},
        {"carried A at 7.5", 0, 0, 0, 1, 0, 7.5f, 7.5f, join({{step, aim}, askB, askA, {applyOrbit(15.0f)}})},
        {"carried A and B: B's factor, A not asked", 0, 0, 1, 1, 0, 5.5f, 5.5f,
         join({{step, aim}, askB, {applyOrbit(8.25f)}})},
        {"carried B at 3.5", 0, 0, 1, 0, 0, 3.5f, 3.5f, join({{step, aim}, askB, {applyOrbit(5.25f)}})},
        {"carried A at 5.5", 0, 0, 0, 1, 0, 5.5f, 5.5f, join({{step, aim}, askB, askA, {applyOrbit(11.0f)}})},
        {"looking behind: steps and asks, applies nothing", 1, 0, 0, 1, 1, 3.5f, 5.5f,
         join({{step, aim, aim}, askB, askA})},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.distanceTriggered = c.triggered;
        g.aiming = c.aiming;
        g.carriedB = c.carriedB;
        g.carriedA = c.carriedA;
        start(g);
        cameraRig.orbitDistance = c.before;
        cameraRig.lookBehind = c.lookBehind;
        EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), c.expected)) << c.situation;
        EXPECT_EQ(cameraRig.orbitDistance, c.after) << c.situation;
    }
}

TEST(CameraOrbitDistance, ThreeStepsCycleAndLookBehindHoldsTheHandOverBack) {
    Game g = camtest::baseGame();
    g.distanceTriggered = 1;
    start(g);
    EXPECT_EQ(cameraRig.orbitDistance, 3.5f);
    const Calls stepped = join({{askDistanceStep(), aimQuery(), aimQuery()}, askCarriedB(g), askCarriedA(g)});
    for (float applied : {5.5f, 7.5f, 3.5f})
        EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), join({stepped, {applyOrbit(applied)}})))
            << applied;
    cameraRig.lookBehind = 1;
    EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), stepped));
    EXPECT_EQ(cameraRig.orbitDistance, 5.5f);
    g.distanceTriggered = 0;
    install(g);
    cameraRig.lookBehind = 0;
    const Calls held =
        join({{askDistanceStep(), aimQuery()}, askCarriedB(g), askCarriedA(g), {applyOrbit(5.5f)}});
    EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), held));
}

TEST(CameraSuppression, FourFixedCallsWithTheSubjectFetchedAnew) {
    Game g = camtest::baseGame();
    start(g);
    const Calls expected{{catalogue::hashOf("suppressionSubject"), {}},
                         {catalogue::hashOf("suppressForSubject"), {i(901), i(1)}},
                         {catalogue::hashOf("suppressionCallA"), {i(1)}},
                         {catalogue::hashOf("suppressionCallB"), {i(0)}}};
    EXPECT_TRUE(expect::sameCalls(callsOf(suppressControls), expected));
    g.subject = -2;
    install(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(suppressControls), suppression(g)));
    EXPECT_EQ(standin::calls()[1].slots[0], 0xFFFFFFFEu) << "zero-extended, not sign-extended";
}
} // namespace
