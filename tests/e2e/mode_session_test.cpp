// Whole sessions of the loaded plug-in: switching on and off by the key combinations, at
// start, and by the scope rule. Each scenario runs in a fresh process.
#include "fresh_process.h"
#include "plugin_session.h"

#include <gtest/gtest.h>

using namespace session;
using expect::Calls;

namespace {
// Starts a session in a fresh folder, with the settings file when given.
void begin(const char* settingsText = nullptr) {
    if (settingsText) writeSettings(settingsText);
    programGame();
    start();
}

// Runs passes until the camera has switched on (the first 0 ms wait), at most `limit`.
bool passUntilOn(int limit = 10) {
    for (int k = 0; k < limit; ++k)
        if (pass() == 0) return true;
    return false;
}

// Switches on with the scope rule in force, then lets the scope view suspend the camera.
bool beginSuspendedByScope() {
    begin("[Config]\ndisable_in_scope=1\n");
    hold(ctrl, keyZ);
    if (!passUntilOn()) return false;
    release(ctrl, keyZ);
    setScopeView(true);
    return pass() == 5;
}

// The calls of the next pass alone.
std::vector<standin::NativeCall> nextPassCalls(uint32_t& wait) {
    const size_t before = standin::calls().size();
    wait = pass();
    return expect::callsFrom(before);
}
} // namespace

TEST(ModeSession, WithoutSettingsFileEveryOffPassOnlySuppressesUntilCtrlZ) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin();
        for (int k = 0; k < 3; ++k) {
            uint32_t wait = 0;
            EXPECT_TRUE(expect::sameCalls(nextPassCalls(wait), expect::suppression(subject)));
            EXPECT_EQ(wait, 5u);
        }
        hold(ctrl, keyZ);
        uint32_t wait = 0;
        const auto calls = nextPassCalls(wait);
        EXPECT_TRUE(expect::sameCalls(calls, expect::join({expect::activation(gamePose, defaultFov, 101),
                                                           expect::suppression(subject)})));
        EXPECT_EQ(wait, 5u) << "the switch-on pass still ends with the off pass's wait";
        EXPECT_EQ(pass(), 0u) << "the next pass is the first frame";
    });
}

TEST(ModeSession, EnableOnDefaultOneRunsTheFirstFrameBeforeAnyWait) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\nenable_on_default=1\ndefault_fov=61.5\n");
        EXPECT_EQ(pass(), 0u);
        ASSERT_TRUE(standin::waits().size() == 1 && standin::waits()[0] == 0u);
        const auto all = standin::calls();
        const Calls activation = expect::activation(gamePose, 61.5f, 101);
        const std::vector<standin::NativeCall> head(all.begin(), all.begin() + activation.size());
        EXPECT_TRUE(expect::sameCalls(head, activation));
        const std::vector<standin::NativeCall> tail(all.end() - 5, all.end());
        EXPECT_TRUE(
            expect::sameCalls(tail, expect::join({expect::suppression(subject), expect::scopeQuery()})))
            << "the frame ends with suppression, then the controller asks for the scope view";
    });
}

TEST(ModeSession, EnableOnDefaultOtherThanOneLeavesTheCameraOff) {
    for (const char* value : {"2", "-1", "0", "1x"}) {
        EXPECT_IN_FRESH_PROCESS([value] {
            begin((std::string("[Config]\nenable_on_default=") + value + "\n").c_str());
            for (int k = 0; k < 5; ++k) pass();
            const bool on = std::string(value) == "1x"; // converts up to the letter: 1
            EXPECT_EQ(creations(), on ? 2u : 0u) << "enable_on_default=" << value;
        });
    }
}

TEST(ModeSession, CtrlZReadsTheFileAgainSoAnEditedFieldOfViewReachesTheNewCameras) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\ndefault_fov=40\n");
        pass();
        writeSettings("[Config]\ndefault_fov=70.25\n");
        hold(ctrl, keyZ);
        uint32_t wait = 0;
        EXPECT_TRUE(expect::sameCalls(
            nextPassCalls(wait),
            expect::join({expect::activation(gamePose, 70.25f, 101), expect::suppression(subject)})));
    });
}

TEST(ModeSession, CtrlGTearsDownAndTheSamePassRunsTheOffPassWithoutWaiting) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin();
        hold(ctrl, keyZ);
        ASSERT_TRUE(passUntilOn());
        release(ctrl, keyZ);
        pass();
        hold(ctrl, keyG);
        uint32_t wait = 0;
        const auto calls = nextPassCalls(wait);
        EXPECT_EQ(wait, 5u);
        const Calls ending = expect::join(
            {expect::suppression(subject), expect::teardown(101, 102), expect::suppression(subject)});
        ASSERT_GE(calls.size(), ending.size());
        const std::vector<standin::NativeCall> tail(calls.end() - static_cast<long>(ending.size()),
                                                    calls.end());
        EXPECT_TRUE(expect::sameCalls(tail, ending)) << "the frame's suppression, the teardown, then the off "
                                                        "pass's suppression, no scope query between";
        release(ctrl, keyG);
        EXPECT_TRUE(expect::sameCalls(nextPassCalls(wait), expect::suppression(subject)));
        EXPECT_EQ(disposals(), 2u);
    });
}

TEST(ModeSession, ScopeRuleSuspendsAndResumesWithoutReadingTheFile) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\ndisable_in_scope=1\ndefault_fov=40\n");
        hold(ctrl, keyZ);
        ASSERT_TRUE(passUntilOn());
        release(ctrl, keyZ);
        writeSettings("[Config]\ndisable_in_scope=1\ndefault_fov=80\n");
        setScopeView(true);
        uint32_t wait = 0;
        auto calls = nextPassCalls(wait);
        EXPECT_EQ(wait, 5u);
        const Calls ending = expect::join({expect::scopeQuery(), expect::teardown(101, 102),
                                           expect::scopeQuery(), expect::suppression(subject)});
        const std::vector<standin::NativeCall> tail(calls.end() - static_cast<long>(ending.size()),
                                                    calls.end());
        EXPECT_TRUE(expect::sameCalls(tail, ending)) << "suspended, and the resume test already asks";
        for (int k = 0; k < 3; ++k) {
            EXPECT_TRUE(expect::sameCalls(
                nextPassCalls(wait), expect::join({expect::scopeQuery(), expect::suppression(subject)})));
        }
        setScopeView(false);
        calls = nextPassCalls(wait);
        EXPECT_TRUE(expect::sameCalls(
            calls, expect::join({expect::scopeQuery(), expect::activation(gamePose, 40.0f, 103),
                                 expect::suppression(subject)})))
            << "the resumed cameras keep the field of view read before: no reload";
        EXPECT_EQ(pass(), 0u);
    });
}

TEST(ModeSession, WithoutTheScopeRuleTheScopeIsAskedEveryFrameButNeverSwitchesOff) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\ndisable_in_scope=2\n");
        hold(ctrl, keyZ);
        ASSERT_TRUE(passUntilOn());
        setScopeView(true);
        const size_t before = expect::countCalls(catalogue::hashOf("scopeViewActive"));
        for (int k = 0; k < 10; ++k) EXPECT_EQ(pass(), 0u);
        EXPECT_EQ(expect::countCalls(catalogue::hashOf("scopeViewActive")), before + 10);
        EXPECT_EQ(disposals(), 0u);
    });
}

TEST(ModeSession, EnableDuringSuspensionWithTheScopeStillUpIsOnForOneFrame) {
    EXPECT_IN_FRESH_PROCESS([] {
        ASSERT_TRUE(beginSuspendedByScope());
        hold(ctrl, keyZ);
        EXPECT_EQ(pass(), 5u); // switched on again by the combination
        EXPECT_EQ(creations(), 4u);
        release(ctrl, keyZ);
        EXPECT_EQ(pass(), 5u) << "the first frame's scope test suspends it again";
        EXPECT_EQ(disposals(), 4u);
        EXPECT_EQ(pass(), 5u);
    });
}

TEST(ModeSession, EnableAndResumeInOneOffPassActivateOnce) {
    EXPECT_IN_FRESH_PROCESS([] {
        ASSERT_TRUE(beginSuspendedByScope());
        setScopeView(false);
        hold(ctrl, keyZ);
        uint32_t wait = 0;
        const auto calls = nextPassCalls(wait);
        EXPECT_TRUE(
            expect::sameCalls(calls, expect::join({expect::activation(gamePose, defaultFov, 103),
                                                   expect::scopeQuery(), expect::suppression(subject)})))
            << "one pair, and the suspension is over";
        release(ctrl, keyZ);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(pass(), 0u);
        EXPECT_EQ(creations(), 4u);
        EXPECT_EQ(disposals(), 2u);
    });
}

TEST(ModeSession, KeyCodesOf255OrMoreAndNegativeOnesNeverHold) {
    for (const char* code : {"255", "256", "-1", "0x1FF", "4294967295"}) {
        EXPECT_IN_FRESH_PROCESS([code] {
            begin((std::string("[Config]\nenable_key1=") + code + "\n").c_str());
            for (uint32_t key = 0; key < 300; ++key) standin::pressKey(key);
            standin::pressKey(0xFFFFFFFF);
            for (int k = 0; k < 5; ++k) EXPECT_EQ(pass(), 5u) << "enable_key1=" << code;
            EXPECT_EQ(creations(), 0u);
        });
    }
}

TEST(ModeSession, SameKeysForBothCombinationsToggleEveryPairOfPasses) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\ndisable_key1=17\ndisable_key2=90\n");
        hold(ctrl, keyZ);
        EXPECT_EQ(pass(), 5u); // on
        EXPECT_EQ(pass(), 5u); // frame, off, and on again in the off pass that follows
        EXPECT_EQ(pass(), 5u);
        EXPECT_EQ(creations(), 6u);
        EXPECT_EQ(disposals(), 4u);
    });
}

TEST(ModeSession, HeldKeysStopCountingFiveSecondsAfterTheirLastMessage) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin();
        hold(ctrl, keyZ);
        standin::advanceTicks(5000);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(pass(), 5u);
        EXPECT_EQ(creations(), 0u);
        hold(ctrl, keyZ); // auto-repeat refreshes the keys
        EXPECT_EQ(pass(), 5u);
        EXPECT_EQ(creations(), 2u);
    });
}

// Hosts start the script entry again in the same process, for example when a save is loaded.
TEST(ModeSession, ARestartedScriptEntryKeepsThePairItFindsAndSwitchesOnOnlyWhenOff) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\nenable_on_default=1\ndefault_fov=40\n");
        EXPECT_EQ(pass(), 0u);
        EXPECT_EQ(creations(), 2u);
        standin::startScript(); // the camera is on: the new start must not make a second pair
        EXPECT_EQ(pass(), 0u) << "the restarted entry goes straight to the on pass";
        EXPECT_EQ(creations(), 2u);
        hold(ctrl, keyG);
        EXPECT_EQ(pass(), 5u);
        release(ctrl, keyG);
        EXPECT_EQ(disposals(), 2u) << "the one pair is the one torn down";
        writeSettings("[Config]\nenable_on_default=1\ndefault_fov=55\n");
        standin::startScript(); // the camera is off: the start reads the file and switches on
        uint32_t wait = 0;
        const auto calls = nextPassCalls(wait);
        EXPECT_EQ(wait, 0u);
        const Calls activation = expect::activation(gamePose, 55.0f, 103);
        ASSERT_GE(calls.size(), activation.size());
        EXPECT_TRUE(expect::sameCalls({calls.begin(), calls.begin() + static_cast<long>(activation.size())},
                                      activation));
        EXPECT_EQ(standin::protocolErrors(), 0u);
    });
}
