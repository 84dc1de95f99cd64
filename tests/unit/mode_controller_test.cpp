// The controller's passes, called directly: which keys each pass asks about, and what a
// pass that switches the camera off leaves for the off pass that follows.
#include "camera/camera_rig.h"
#include "expected_calls.h"
#include "input/key_state.h"
#include "settings/settings.h"
#include "shell/mode_controller.h"
#include "standin_host.h"

#include <gtest/gtest.h>

namespace {
constexpr uint32_t enable1 = 30, enable2 = 31, disable1 = 40, disable2 = 41;

class ModeControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        standin::reset();
        // A fresh stretch of the clock, so that keys pressed by earlier tests have expired.
        static uint32_t clock = 100000;
        clock += 100000;
        standin::setTickCount(clock);
        settings = Settings{};
        settings.enableKey1 = enable1;
        settings.enableKey2 = enable2;
        settings.disableKey1 = disable1;
        settings.disableKey2 = disable2;
        cameraRig = CameraRig{};
    }
    void press(uint32_t key) { keyMessageHandler(key, 1, 0, 0, 0, 0, 0); }
    // Clock reads during one pass: each key test reads the clock once.
    template <typename Pass> uint64_t keyTestsDuring(Pass pass) {
        const uint64_t before = standin::tickCountReads();
        pass();
        return standin::tickCountReads() - before;
    }
};

TEST_F(ModeControllerTest, OffPassAsksOnlyTheEnableCombination) {
    struct Case {
        const char* held;
        std::vector<uint32_t> keys;
        uint64_t keyTests;
    };
    const Case cases[] = {
        {"nothing", {}, 1},
        {"the disable combination", {disable1, disable2}, 1},
        {"the first enable key", {enable1}, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        for (uint32_t key : c.keys) press(key);
        EXPECT_EQ(keyTestsDuring(runOffPass), c.keyTests) << c.held;
        EXPECT_EQ(cameraRig.active, 0) << c.held;
        EXPECT_EQ(standin::waits(), std::vector<uint32_t>{5}) << c.held;
    }
}

TEST_F(ModeControllerTest, OnPassNeverAsksTheEnableCombination) {
    cameraRig.active = 1;
    press(enable1);
    press(enable2);
    EXPECT_EQ(keyTestsDuring([] { EXPECT_TRUE(runOnPass()); }), 1u) << "only the first disable key";
    EXPECT_EQ(cameraRig.active, 1);
    EXPECT_EQ(standin::waits(), std::vector<uint32_t>{0});
    EXPECT_EQ(expect::countCalls(catalogue::hashOf("scopeViewActive")), 1u);
}

TEST_F(ModeControllerTest, SwitchingOffEndsThePassWithoutWaiting) {
    struct Case {
        const char* cause;
        bool disableHeld;
        int32_t scopeView;
        int32_t disableInScope;
        int32_t suspendedAfter;
        size_t scopeQueries;
    };
    const Case cases[] = {
        {"disable combination", true, 1, 1, 0, 0},
        {"scope rule", false, 1, 1, 1, 1},
        {"scope up, rule off", false, 1, 0, 0, 1},
        {"rule on, no scope", false, 0, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        cameraRig.active = 1;
        settings.disableInScope = c.disableInScope;
        standin::setResponder(catalogue::hashOf("scopeViewActive"), standin::answerInt(c.scopeView));
        if (c.disableHeld) {
            press(disable1);
            press(disable2);
        }
        const bool switchedOff = c.disableHeld || (c.scopeView != 0 && c.disableInScope == 1);
        EXPECT_EQ(runOnPass(), !switchedOff) << c.cause;
        EXPECT_EQ(cameraRig.active, switchedOff ? 0 : 1) << c.cause;
        EXPECT_EQ(cameraRig.scopeSuspended, c.suspendedAfter) << c.cause;
        EXPECT_EQ(standin::waits().empty(), switchedOff) << c.cause;
        EXPECT_EQ(expect::countCalls(catalogue::hashOf("scopeViewActive")), c.scopeQueries) << c.cause;
        EXPECT_EQ(expect::countCalls(catalogue::hashOf("suppressionSubject")), 1u)
            << c.cause << ": the frame's own suppression";
    }
}

TEST_F(ModeControllerTest, DisableCombinationWinsOverTheScopeRuleAndLeavesThePendingSuspension) {
    cameraRig.active = 1;
    cameraRig.scopeSuspended = 1;
    settings.disableInScope = 1;
    standin::setResponder(catalogue::hashOf("scopeViewActive"), standin::answerInt(1));
    press(disable1);
    press(disable2);
    EXPECT_FALSE(runOnPass());
    EXPECT_EQ(cameraRig.scopeSuspended, 1);
    EXPECT_EQ(expect::countCalls(catalogue::hashOf("scopeViewActive")), 0u);
}

TEST_F(ModeControllerTest, ResumeTestAppliesOnlyWhileSuspendedAndTheRuleIsOn) {
    struct Case {
        const char* situation;
        int32_t suspended;
        int32_t disableInScope;
        int32_t scopeView;
        size_t scopeQueries;
        int32_t activeAfter;
        int32_t suspendedAfter;
    };
    const Case cases[] = {
        {"not suspended", 0, 1, 0, 0, 0, 0},
        {"suspended, scope gone", 1, 1, 0, 1, 1, 0},
        {"suspended, scope still up", 1, 1, 1, 1, 0, 1},
        {"suspended, rule switched off meanwhile", 1, 0, 0, 1, 0, 1},
        {"suspension flag other than 1", 2, 1, 0, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        cameraRig.scopeSuspended = c.suspended;
        settings.disableInScope = c.disableInScope;
        standin::setResponder(catalogue::hashOf("scopeViewActive"), standin::answerInt(c.scopeView));
        runOffPass();
        EXPECT_EQ(expect::countCalls(catalogue::hashOf("scopeViewActive")), c.scopeQueries) << c.situation;
        EXPECT_EQ(cameraRig.active, c.activeAfter) << c.situation;
        EXPECT_EQ(cameraRig.scopeSuspended, c.suspendedAfter) << c.situation;
        EXPECT_EQ(expect::countCalls(catalogue::hashOf("createCameraWithPose")), c.activeAfter == 1 ? 2u : 0u)
            << c.situation;
    }
}
} // namespace
