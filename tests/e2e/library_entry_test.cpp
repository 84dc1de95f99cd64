// The library entry of the loaded plug-in: what it hands the host for each reason code.
#include "fresh_process.h"
#include "plugin_loader.h"
#include "standin_host.h"

#include <gtest/gtest.h>

using standin::HostEvent;

TEST(LibraryEntry, AttachRegistersScriptThenKeyboardAndDetachUnregistersInTheSameOrder) {
    EXPECT_IN_FRESH_PROCESS([] {
        const auto plugin = testsupport::loadPlugin();
        ASSERT_NE(plugin.dllMain, nullptr);
        EXPECT_TRUE(standin::registrations().empty()) << "loading alone calls nothing";
        void* module = testsupport::testModuleHandle();
        EXPECT_EQ(plugin.dllMain(module, 1, nullptr), 1);
        EXPECT_EQ(plugin.dllMain(module, 0, nullptr), 1);
        const auto& events = standin::registrations();
        ASSERT_EQ(events.size(), 4u);
        EXPECT_EQ(events[0].event, HostEvent::scriptRegister);
        EXPECT_EQ(events[0].pointer, module);
        EXPECT_EQ(events[1].event, HostEvent::keyboardRegister);
        EXPECT_EQ(events[2].event, HostEvent::scriptUnregister);
        EXPECT_EQ(events[2].pointer, module);
        EXPECT_EQ(events[3].event, HostEvent::keyboardUnregister);
        EXPECT_EQ(events[3].pointer, events[1].pointer) << "the same handler both ways";
        EXPECT_TRUE(standin::calls().empty());
    });
}

TEST(LibraryEntry, OtherReasonsCallNothingAndSucceed) {
    EXPECT_IN_FRESH_PROCESS([] {
        const auto plugin = testsupport::loadPlugin();
        ASSERT_NE(plugin.dllMain, nullptr);
        for (uint32_t reason : {2u, 3u, 4u, 0xFFFFFFFFu})
            EXPECT_EQ(plugin.dllMain(testsupport::testModuleHandle(), reason, nullptr), 1) << reason;
        EXPECT_TRUE(standin::registrations().empty());
    });
}

TEST(LibraryEntry, DetachWhileTheCameraIsOnLeavesTheCamerasAlone) {
    EXPECT_IN_FRESH_PROCESS([] {
        const auto plugin = testsupport::startPlugin();
        ASSERT_NE(plugin.dllMain, nullptr);
        standin::setTickCount(100000);
        standin::pressKey(17);
        standin::pressKey(90);
        standin::runPass();
        const size_t before = standin::calls().size();
        EXPECT_EQ(plugin.dllMain(testsupport::testModuleHandle(), 0, nullptr), 1);
        EXPECT_EQ(standin::calls().size(), before) << "no camera call on detach";
    });
}
