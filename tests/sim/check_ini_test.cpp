// --check-ini: the value the plug-in would use for each key, and where it comes from.
#include "check_ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

std::string writeIni(const std::string& text) {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) c = c == '/' ? '-' : c;
    // The process id keeps test runs of several build folders apart.
    const fs::path path =
        fs::temp_directory_path() / ("vorthmere-check-" + std::to_string(getpid()) + name + ".ini");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

const sim::CheckedSetting& find(const sim::IniCheck& check, const std::string& key) {
    for (const sim::CheckedSetting& s : check.settings) {
        if (s.key == key) return s;
    }
    throw std::runtime_error("no key " + key);
}

struct IniCase {
    const char* file;
    const char* key;
    const char* value;
    bool fromFile;
    const char* reason; // a part of the reason, "" for none
};

void PrintTo(const IniCase& c, std::ostream* out) {
    *out << c.key << " from " << ::testing::PrintToString(c.file);
}

class CheckIni : public ::testing::TestWithParam<IniCase> {};

TEST_P(CheckIni, TellsTheValueAndWhereItComesFrom) {
    const IniCase& c = GetParam();
    const std::string path = writeIni(c.file);
    const sim::IniCheck check = sim::checkIni(path);
    fs::remove(path);
    const sim::CheckedSetting& s = find(check, c.key);
    EXPECT_EQ(s.value, c.value) << c.file;
    EXPECT_EQ(s.fromFile, c.fromFile) << c.file;
    if (*c.reason)
        EXPECT_NE(s.reason.find(c.reason), std::string::npos) << s.reason;
    else
        EXPECT_EQ(s.reason, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckIni,
    ::testing::Values(
        IniCase{"[CONFIG]\nENABLE_KEY1 = 0x5A\n", "enable_key1", "90", true, ""},
        IniCase{"[Config]\nenable_key1 = 017\n", "enable_key1", "15", true, ""},
        IniCase{"[Config]\nenable_key1 = 090\n", "enable_key1", "0", true, ""},
        IniCase{"[Config]\nenable_key1 = -1\n", "enable_key1", "4294967295", true, ""},
        IniCase{"[Config]\nsensitivity_x = 5,5\n", "sensitivity_x", "5", true, ""},
        IniCase{"[Config]\nsensitivity_x = 5.5abc\n", "sensitivity_x", "5.5", true, ""},
        IniCase{"[Config]\ndefault_fov = wide\n", "default_fov", "52.282005", false, "not a number"},
        IniCase{"[Config]\ndefault_fov =\n", "default_fov", "52.282005", false, "empty"},
        IniCase{"[Config]\nshort_fov = 40\nshort_fov = 50\n", "short_fov", "40", true, "first value"},
        IniCase{"[Config]\nshort_fov = x\nshort_fov = 50\n", "short_fov", "45", false, "not a number"},
        IniCase{"[Config]\nlong_fov = 30 ; narrower\n", "long_fov", "30", true, ""},
        IniCase{"long_fov = 20\n[Config]\n", "long_fov", "35", false, ""},
        IniCase{"[Other]\nlong_fov = 20\n", "long_fov", "35", false, ""},
        IniCase{"[ Config ]\nlong_fov = 20\n", "long_fov", "35", false, ""},
        IniCase{"[Config]\nenable_on_default = 2\n", "enable_on_default", "2", true, ""},
        IniCase{"[Config]\nauto_center_time = 99999999999\n", "auto_center_time", "2147483647", true, ""},
        IniCase{"[Config]\nsensitivity_y = 1e1\n", "sensitivity_y", "10", true, ""}));

TEST(CheckIni, MissingFileShowsEveryDefault) {
    const sim::IniCheck check = sim::checkIni("/no/such/folder/Vorthmere.ini");
    EXPECT_FALSE(check.opened);
    const char* expected[][2] = {
        {"enable_key1", "17"},        {"enable_key2", "90"},      {"disable_key1", "17"},
        {"disable_key2", "71"},       {"enable_on_default", "0"}, {"sensitivity_x", "7.2"},
        {"sensitivity_y", "3.6"},     {"disable_in_scope", "0"},  {"auto_center_time", "0"},
        {"default_fov", "52.282005"}, {"short_fov", "45"},        {"long_fov", "35"}};
    ASSERT_EQ(check.settings.size(), 12u);
    for (size_t n = 0; n < 12; ++n) {
        EXPECT_EQ(check.settings[n].key, expected[n][0]);
        EXPECT_EQ(check.settings[n].value, expected[n][1]) << expected[n][0];
        EXPECT_FALSE(check.settings[n].fromFile);
    }
    std::ostringstream printed;
    sim::printIniCheck(check, printed);
    EXPECT_NE(printed.str().find("cannot be opened"), std::string::npos);
}

TEST(CheckIni, NamesKeysAndTheFirstSkippedLine) {
    const std::string path =
        writeIni("[Config]\nenable_key2 = 71\nthis line has no equals sign\ndisable_key1 = 300\n");
    const sim::IniCheck check = sim::checkIni(path);
    fs::remove(path);
    EXPECT_EQ(check.firstBadLine, 3);
    EXPECT_EQ(find(check, "enable_key2").keyName, "G");
    EXPECT_NE(find(check, "disable_key1").keyName.find("never held"), std::string::npos);
    std::ostringstream printed;
    sim::printIniCheck(check, printed);
    EXPECT_NE(printed.str().find("enable_key2        71 (G)       from the file"), std::string::npos)
        << printed.str();
    EXPECT_NE(printed.str().find("line 3"), std::string::npos);
}
} // namespace
