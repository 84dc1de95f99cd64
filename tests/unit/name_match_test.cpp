// The nearest-name search of the settings report: distances with and without a limit, and the
// setting named for a misspelt key.
#include "report/name_match.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NameMatch, EditDistanceCountsInsertsDeletesChangesAndSwaps) {
    struct Case {
        std::string a, b;
        size_t distance;
    };
    const Case cases[] = {
        {"", "", 0},
        {"", "abc", 3},
        {"kitten", "sitting", 3},
        {"ab", "ba", 1},
        {"abcdef", "badcfe", 3},
        {"Ctlr", "ctrl", 1},
        {"DEFAULT_FOV", "default_fov", 0},
        {std::string(40, 'a'), std::string(38, 'a') + "bb", 2}, // longer than the rows kept on the stack
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editDistance(c.a, c.b), c.distance) << c.a << " / " << c.b;
        EXPECT_EQ(editDistance(c.b, c.a), c.distance) << c.b << " / " << c.a;
    }
}

// With a limit the answer is the distance, or the limit when the distance reaches it; the band
// and the early stop must never make a distance below the limit look larger or smaller.
TEST(NameMatch, LimitedDistanceIsExactBelowItsLimit) {
    const std::string names[] = {"default_fov",
                                 "defualt_fov",
                                 "dfault_fov",
                                 "default_fovxx",
                                 "fov_default",
                                 "sensitivity_x",
                                 "sensitivty_1",
                                 "x",
                                 "",
                                 "auto_center_time",
                                 "enable_key1",
                                 "enable_kye1",
                                 "disable_key1",
                                 std::string(45, 'q')};
    for (const std::string& a : names)
        for (const std::string& b : names)
            for (size_t limit : {1u, 2u, 3u, 4u, 6u}) {
                const size_t full = editDistance(a, b);
                EXPECT_EQ(editDistanceBelow(a, b, limit), std::min(full, limit))
                    << a << " / " << b << " below " << limit;
            }
}

TEST(NameMatch, NearestSettingIsWithinThreeEdits) {
    struct Case {
        const char* name;
        const char* nearest;
    };
    const Case cases[] = {
        {"defualt_fov", "default_fov"},
        {"SHORT_FOV_", "short_fov"},
        {"sensitivity", "sensitivity_x"}, // as near to both: the first in the file's order
        {"enable_key", "enable_key1"},
        {"auto_centre_time", "auto_center_time"},
        {"fov", ""},
        {"volume", ""},
        {"zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(nearestSetting(c.name), c.nearest) << c.name;
}

} // namespace
