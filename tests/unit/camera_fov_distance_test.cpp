// updateFieldOfView, updateOrbitDistance and suppressControls called directly: the field of view
// by weapon class, the stepped distance with its carried-state factors, and the four fixed calls.
#include "camera/fov_distance.h"
#include "camera/suppression.h"
#include "camera_test_fixture.h"

using namespace camtrace;
using camtest::callsOf;
using camtest::defaultFov;
using camtest::longFov;
using camtest::shortFov;
using camtest::start;

namespace {

TEST(CameraFieldOfView, ChosenByAimingAndTheClassOfTheWeapon) {
    struct Case {
        const char* situation;
        int32_t aiming;
        int32_t shortClass[3], longClass[3];
        float before;
        int shortAsked, longAsked; // tests asked of each class
        float fov;
    };
    const Case cases[] = {
        {"not aiming, whatever the weapon", 0, {1, 1, 1}, {1, 1, 1}, longFov, 0, 0, defaultFov},
        {"short by the first test", 1, {1, 0, 0}, {0, 0, 0}, defaultFov, 1, 3, shortFov},
        {"short by the second test", 1, {0, 1, 0}, {0, 0, 0}, defaultFov, 2, 3, shortFov},
        {"short by the third test", 1, {0, 0, 1}, {0, 0, 0}, defaultFov, 3, 3, shortFov},
        {"long by the first test", 1, {0, 0, 0}, {1, 0, 0}, defaultFov, 3, 1, longFov},
        {"long by the second test", 1, {0, 0, 0}, {0, 1, 0}, defaultFov, 3, 2, longFov},
        {"long by the third test", 1, {0, 0, 0}, {0, 0, 1}, defaultFov, 3, 3, longFov},
        {"both classes: long wins", 1, {1, 0, 0}, {0, 1, 0}, defaultFov, 1, 2, longFov},
        {"neither, right after not aiming", 1, {0, 0, 0}, {0, 0, 0}, defaultFov, 3, 3, defaultFov},
        {"neither, after a long-class weapon", 1, {0, 0, 0}, {0, 0, 0}, longFov, 3, 3, longFov},
        {"neither, before any choice", 1, {0, 0, 0}, {0, 0, 0}, 0.0f, 3, 3, 0.0f},
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
        const Calls weapon = c.aiming ? weaponQuery(g) : Calls{};
        const Calls expected = join({{aimQuery()},
                                     weapon,
                                     shortTests(g, c.shortAsked),
                                     longTests(g, c.longAsked),
                                     {applyFov(g, c.fov)}});
        EXPECT_TRUE(expect::sameCalls(callsOf(updateFieldOfView), expected)) << c.situation;
        EXPECT_TRUE(expect::sameCalls(standin::calls(), expectedFieldOfView(g, c.fov))) << c.situation;
        EXPECT_EQ(cameraRig.aimFov, c.fov) << c.situation;
    }
}

TEST(CameraFieldOfView, SettingsValuesArePassedOnUnclamped) {
    Game g = camtest::baseGame();
    g.aiming = 1;
    g.shortClass[0] = 1;
    start(g);
    settings.shortFov = 0.0f;
    EXPECT_TRUE(expect::sameCalls(callsOf(updateFieldOfView), expectedFieldOfView(g, 0.0f)));
    g.aiming = 0;
    install(g);
    settings.defaultFov = -15.0f;
    EXPECT_TRUE(expect::sameCalls(callsOf(updateFieldOfView), expectedFieldOfView(g, -15.0f)));
}

TEST(CameraOrbitDistance, StepsOnTheInputAndHandsOverTheScaledDistance) {
    struct Case {
        const char* situation;
        int32_t triggered, aiming, carriedB, carriedA, lookBehind;
        float before, after;
        Calls (*expected)(const Game&);
    };
    const Case cases[] = {
        {"no step", 0, 0, 0, 0, 0, 3.5f, 3.5f,
         [](const Game& g) {
             return join({{{native::inputTriggered, {i(0), i(distanceInput)}}, aimQuery()},
                          askCarriedB(g),
                          askCarriedA(g),
                          {applyOrbit(3.5f)}});
         }},
        {"3.5 to 5.5", 1, 0, 0, 0, 0, 3.5f, 5.5f,
         [](const Game& g) {
             return join({{{native::inputTriggered, {i(0), i(distanceInput)}}, aimQuery(), aimQuery()},
                          askCarriedB(g),
                          askCarriedA(g),
                          {applyOrbit(5.5f)}});
         }},
        {"5.5 to 7.5", 1, 0, 0, 0, 0, 5.5f, 7.5f,
         [](const Game& g) { return expectedOrbitDistance(g, 7.5f, true); }},
        {"7.5 back to 3.5", 1, 0, 0, 0, 0, 7.5f, 3.5f,
         [](const Game& g) { return expectedOrbitDistance(g, 3.5f, true); }},
        {"no step while aiming", 1, 1, 0, 0, 0, 3.5f, 3.5f,
         [](const Game&) {
             return Calls{{native::inputTriggered, {i(0), i(distanceInput)}}, aimQuery(), aimQuery()};
         }},
        {"carried B at 7.5", 0, 0, 1, 0, 0, 7.5f, 7.5f,
         [](const Game& g) {
             return join({{{native::inputTriggered, {i(0), i(distanceInput)}}, aimQuery()},
                          askCarriedB(g),
                          {applyOrbit(11.25f)}});
         }},
        {"carried A at 7.5", 0, 0, 0, 1, 0, 7.5f, 7.5f,
         [](const Game& g) {
             return join({{{native::inputTriggered, {i(0), i(distanceInput)}}, aimQuery()},
                          askCarriedB(g),
                          askCarriedA(g),
                          {applyOrbit(15.0f)}});
         }},
        {"carried A and B: B's factor, A not asked", 0, 0, 1, 1, 0, 5.5f, 5.5f,
         [](const Game& g) { return expectedOrbitDistance(g, 8.25f, true); }},
        {"carried B at 3.5", 0, 0, 1, 0, 0, 3.5f, 3.5f,
         [](const Game& g) { return expectedOrbitDistance(g, 5.25f, true); }},
        {"carried A at 5.5", 0, 0, 0, 1, 0, 5.5f, 5.5f,
         [](const Game& g) { return expectedOrbitDistance(g, 11.0f, true); }},
        {"looking behind: steps and asks, applies nothing", 1, 0, 0, 1, 1, 3.5f, 5.5f,
         [](const Game& g) {
             return join({{{native::inputTriggered, {i(0), i(distanceInput)}}, aimQuery(), aimQuery()},
                          askCarriedB(g),
                          askCarriedA(g)});
         }},
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
        EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), c.expected(g))) << c.situation;
        EXPECT_EQ(cameraRig.orbitDistance, c.after) << c.situation;
    }
}

TEST(CameraOrbitDistance, ThreeStepsCycleAndLookBehindHoldsTheHandOverBack) {
    Game g = camtest::baseGame();
    g.distanceTriggered = 1;
    start(g);
    EXPECT_EQ(cameraRig.orbitDistance, 3.5f);
    for (float applied : {5.5f, 7.5f, 3.5f})
        EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), expectedOrbitDistance(g, applied, true)))
            << applied;
    cameraRig.lookBehind = 1;
    EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), expectedOrbitDistance(g, 0.0f, false)));
    EXPECT_EQ(cameraRig.orbitDistance, 5.5f);
    g.distanceTriggered = 0;
    install(g);
    cameraRig.lookBehind = 0;
    EXPECT_TRUE(expect::sameCalls(callsOf(updateOrbitDistance), expectedOrbitDistance(g, 5.5f, true)));
}

TEST(CameraSuppression, FourFixedCallsWithTheSubjectFetchedAnew) {
    Game g = camtest::baseGame();
    start(g);
    const Calls expected{{native::suppressionSubject, {}},
                         {native::suppressForSubject, {i(901), i(1)}},
                         {native::suppressionCallA, {i(1)}},
                         {native::suppressionCallB, {i(0)}}};
    EXPECT_TRUE(expect::sameCalls(callsOf(suppressControls), expected));
    g.subject = -2;
    install(g);
    EXPECT_TRUE(expect::sameCalls(callsOf(suppressControls), expectedSuppression(g)));
    EXPECT_EQ(standin::calls()[1].slots[0], 0xFFFFFFFEu) << "zero-extended, not sign-extended";
}
} // namespace
