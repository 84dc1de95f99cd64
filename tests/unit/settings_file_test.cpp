// The streaming read of the settings file: what it notes about the bytes (the first line with a
// NUL, or that is not UTF-8) and the text each key gets, wherever the read's own buffer of 4096
// bytes and inih's line buffer of 200 happen to split the file.
#include "settings/setting_rows.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

using namespace std::string_literals;

namespace {

struct Case {
    const char* situation;
    std::string bytes;
    std::string encoding;
    int encodingLine;
    std::string defaultFov; // the text of default_fov
};

std::string filler(size_t size) { return "; " + std::string(size - 3, 'c') + "\n"; }

// Two bytes of an "é" on either side of the read buffer's end.
const std::string acrossBuffer = filler(4095) + "\xC3\xA9\n[Config]\ndefault_fov = 40\n";

const Case cases[] = {
    {"plain", "[Config]\ndefault_fov = 40\n", "", 0, "40"},
    {"UTF-8 split across the read buffer", acrossBuffer, "", 0, "40"},
    {"truncated UTF-8 at the buffer's end", filler(4095) + "\xC3\n[Config]\ndefault_fov = 40\n", "not UTF-8",
     2, "40"},
    {"NUL ends the line", "[Config]\ndefault_fov = 40\0 junk\nshort_fov = 30\n"s, "NUL", 2, "40"},
    {"NUL wins over bad UTF-8 on its line", "[Config]\ndefault_fov = 4\xFF\0\n"s, "NUL", 2, "4\xFF"},
    {"bad UTF-8 after the NUL is not looked at", "[Config]\ndefault_fov = 40\0\xFF\n"s, "NUL", 2, "40"},
    {"bad UTF-8 first, NUL on a later line", "; \xFF\n[Config]\ndefault_fov = 40\0\n"s, "not UTF-8", 1, "40"},
    {"NUL in the dropped tail of a long line",
     "[Config]\ndefault_fov = 40 ;" + std::string(300, 'x') + std::string(1, '\0') + "x\n", "NUL", 2, "40"},
    {"repeats joined, an empty first value dropped",
     "[Config]\ndefault_fov =\ndefault_fov = 41\nDEFAULT_FOV = 42\n", "", 0, "41\n42"},
    {"last line without a line break", "[Config]\ndefault_fov = 40", "", 0, "40"},
    {"bad UTF-8 on a last line without a line break", "[Config]\ndefault_fov = 40\n;\xE2\x82", "not UTF-8", 3,
     "40"},
    {"UTF-16 mark", "\xFF\xFE[\0C\0"s, "UTF-16", 0, ""},
};

class SettingsFileTest : public ::testing::TestWithParam<Case> {};

TEST_P(SettingsFileTest, NotesTheBytesAndKeepsEachKeysText) {
    const Case& c = GetParam();
    char path[] = "/tmp/vorthmere-settings-file-XXXXXX";
    const int descriptor = mkstemp(path);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(write(descriptor, c.bytes.data(), c.bytes.size()), static_cast<ssize_t>(c.bytes.size()));
    close(descriptor);
    const SettingsFile file = readSettingsFile(path, nullptr);
    std::remove(path);
    EXPECT_TRUE(file.opened);
    EXPECT_EQ(file.encoding, c.encoding);
    EXPECT_EQ(file.encodingLine, c.encodingLine);
    size_t fov = 0;
    while (std::string(settingRows[fov].key) != "default_fov") ++fov;
    EXPECT_EQ(file.keys[fov].text, c.defaultFov);
}

INSTANTIATE_TEST_SUITE_P(Bytes, SettingsFileTest, ::testing::ValuesIn(cases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
