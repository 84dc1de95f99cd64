// alignGameCamera and placeCamera called directly: the game camera turned after secondaryCam,
// and the height correction for each way the character can be carried.
#include "camera/follow.h"
#include "camera_test_fixture.h"

#include <algorithm>
#include <cmath>

using namespace camtrace;
using camtest::callsOf;
using camtest::start;

namespace {

TEST(CameraFollow, AlignGivesTheGameCameraTheUnwrappedRelativeHeadingAndTheAbsolutePitch) {
    struct Case {
        float camPitch, camHeading, characterHeading;
        float relativeHeading;
    };
    const Case cases[] = {
        {10.0f, 120.0f, 30.0f, 90.0f},
        {-20.0f, 170.0f, -170.0f, 340.0f}, // not -20
        {0.0f, -400.0f, 400.0f, -800.0f},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.camRotation = {c.camPitch, 4.0f, c.camHeading};
        g.characterHeading = c.characterHeading;
        start(g);
        const Calls expected = alignment(g, c.relativeHeading, c.camPitch);
        EXPECT_TRUE(expect::sameCalls(callsOf(alignGameCamera), expected)) << c.camHeading;
        EXPECT_EQ(cameraRig.lookRot.z, c.camHeading) << "lookRot is refreshed from the camera";
        EXPECT_EQ(cameraRig.lookRot.y, 4.0f);
    }
}

TEST(CameraFollow, PlaceAddsTheCorrectionsOfTheCarrierCaseAndHandsTheReadBackPoseOver) {
    // Each query and correction with its own character fetch. The corrections that reach the
    // camera height: game camera z 7.0, distance 4.0, factors A 0.5, B 0.25, own 0.125.
    const Game b = camtest::baseGame();
    const Calls askA = askCarriedA(b), askB = askCarriedB(b);
    const Calls carrierTest = askCarrierExcluded(b), characterTest = askCharacterExcluded(b);
    const Calls slopeTestB = askCarrierBExcluded(b);
    const Calls fixA = correctionA(b), fixB = correctionB(b), fixOwn = ownCorrection(b);
    struct Case {
        const char* situation;
        int32_t carriedA, carriedB;
        int32_t carrierExcluded, characterExcluded, carrierSlopeExcluded; // the three exclusion tests
        Calls queries; // between the character's distance and the move of secondaryCam
        float z;
    };
    const Case cases[] = {
        {"carried A", 1, 0, 0, 0, 0, join({askA, fixA, askB, askB, askA}), 9.0f},
        {"carried B, nothing excluded", 0, 1, 0, 0, 0,
         join({askA, askB, carrierTest, characterTest, slopeTestB, fixB, askB}), 8.0f},
        {"carried B, carrier excluded", 0, 1, 1, 0, 0, join({askA, askB, carrierTest, askB}), 7.0f},
        {"carried B, character excluded", 0, 1, 0, 1, 0, join({askA, askB, carrierTest, characterTest, askB}),
         7.0f},
        {"carried B, carrier's slope excluded", 0, 1, 0, 0, 1,
         join({askA, askB, carrierTest, characterTest, slopeTestB, askB}), 7.0f},
        {"carried A and B, nothing excluded", 1, 1, 0, 0, 0,
         join({askA, fixA, askB, carrierTest, characterTest, slopeTestB, fixB, askB}), 10.0f},
        {"carried A and B, carrier excluded", 1, 1, 1, 0, 0, join({askA, fixA, askB, carrierTest, askB}),
         9.0f},
        {"carried A and B, carrier's slope excluded", 1, 1, 0, 0, 1,
         join({askA, fixA, askB, carrierTest, characterTest, slopeTestB, askB}), 9.0f},
        {"not carried", 0, 0, 0, 0, 0, join({askA, askB, askB, askA, characterTest, fixOwn}), 7.5f},
        {"not carried, character excluded", 0, 0, 0, 1, 0, join({askA, askB, askB, askA, characterTest}),
         7.0f},
    };
    for (const Case& c : cases) {
        Game g = camtest::baseGame();
        g.carriedA = c.carriedA;
        g.carriedB = c.carriedB;
        g.carrierExcluded = c.carrierExcluded;
        g.characterSlopeExcluded = c.characterExcluded;
        g.carrierBSlopeExcluded = c.carrierSlopeExcluded;
        start(g);
        cameraRig.aimFov = 47.5f;
        const Calls expected = join({placeStart(g), c.queries, placeEnd(g, c.z, 47.5f)});
        EXPECT_TRUE(expect::sameCalls(callsOf(placeCamera), expected)) << c.situation;
        EXPECT_EQ(cameraRig.coord.x, 10.0f) << c.situation;
        EXPECT_EQ(cameraRig.coord.z, c.z) << c.situation;
        // Corrections never build up: a second call starts again from the game camera.
        EXPECT_TRUE(expect::sameCalls(callsOf(placeCamera), expected)) << c.situation << ", second call";
    }
}

TEST(CameraFollow, CorrectionsAreSingleFloatsAddedProductFirstInTurn) {
    // Values whose products and sums round: the height is ((z + tA*d) + tB*d) in floats, each product rounded
    // before it is added, and not the same sum taken in double.
    Game g = camtest::baseGame();
    g.carriedA = 1;
    g.carriedB = 1;
    g.gameCamPosition.z = 1.7f;
    g.distance = 7.7f;
    g.factorA = 0.3f;
    g.factorB = 0.9f;
    start(g);
    const float productA = 0.3f * 7.7f;
    const float afterA = 1.7f + productA;
    const float productB = 0.9f * 7.7f;
    const float expected = afterA + productB;
    const double inDouble = double{1.7f} + double{0.3f} * double{7.7f} + double{0.9f} * double{7.7f};
    const float fused = std::fma(0.9f, 7.7f, std::fma(0.3f, 7.7f, 1.7f));
    ASSERT_NE(expected, static_cast<float>(inDouble)) << "the case must tell float from double arithmetic";
    ASSERT_NE(expected, fused) << "the case must tell a rounded product from a fused one";
    callsOf(placeCamera);
    EXPECT_EQ(cameraRig.coord.z, expected);
    const auto& calls = standin::calls();
    const auto move = std::find_if(calls.begin(), calls.end(), [](const standin::NativeCall& c) {
        return c.hash == catalogue::hashOf("setCameraPosition");
    });
    ASSERT_NE(move, calls.end());
    EXPECT_EQ(move->floatArg(3), expected);
}

TEST(CameraFollow, FirstFrameAfterLoadHandsOverAnAimFovOfZero) {
    Game g = camtest::baseGame();
    start(g);
    const Calls expected =
        join({placeStart(g), askCarriedA(g), askCarriedB(g), askCarriedB(g), askCarriedA(g),
              askCharacterExcluded(g), ownCorrection(g), placeEnd(g, 7.5f, 0.0f)});
    EXPECT_TRUE(expect::sameCalls(callsOf(placeCamera), expected));
}
} // namespace
