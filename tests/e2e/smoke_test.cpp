#include "fresh_process.h"
#include "plugin_loader.h"
#include "standin_host.h"

#include <gtest/gtest.h>

TEST(Smoke, LoadedPluginRunsOffPassesUntilCtrlZ) {
    EXPECT_IN_FRESH_PROCESS([] {
        standin::setTickCount(100000);
        testsupport::startPlugin();
        EXPECT_EQ(standin::runPass(), 5u);
        EXPECT_EQ(standin::runPass(), 5u);
        standin::pressKey(17);
        standin::pressKey(90);
        EXPECT_EQ(standin::runPass(), 5u); // the switch-on pass still ends with the 5 ms wait
        EXPECT_EQ(standin::runPass(), 0u); // the first frame
        EXPECT_FALSE(standin::scriptReturned());
        EXPECT_EQ(standin::protocolErrors(), 0u);
    });
}
