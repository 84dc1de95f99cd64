// --check-ini: the value the plug-in would use for each key, where it comes from, and the exit
// status the report gives.
#include "check_ini.h"
#include "report/settings_report.h"

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

const SettingOutcome& find(const SettingsReport& report, const std::string& key) {
    for (const SettingOutcome& s : report.settings) {
        if (s.row->key == key) return s;
    }
    throw std::runtime_error("no key " + key);
}

// Whether the key's reason or any warning mentions the text.
bool mentions(const SettingsReport& report, const SettingOutcome& s, const std::string& text) {
    if (s.reason.find(text) != std::string::npos) return true;
    for (const std::string& w : report.warnings)
        if (w.find(text) != std::string::npos) return true;
    return false;
}

struct IniCase {
    const char* file;
    const char* key;
    const char* value;
    bool fromFile;
    const char* remark; // a part of the key's reason or of a warning, "" for no remark at all
};

void PrintTo(const IniCase& c, std::ostream* out) {
    *out << c.key << " from " << ::testing::PrintToString(c.file);
}

class CheckIni : public ::testing::TestWithParam<IniCase> {};

TEST_P(CheckIni, TellsTheValueAndWhereItComesFrom) {
    const IniCase& c = GetParam();
    const std::string path = writeIni(c.file);
    const SettingsReport report = checkSettingsFile(path.c_str());
    fs::remove(path);
    const SettingOutcome& s = find(report, c.key);
    EXPECT_EQ(s.value, c.value) << c.file;
    EXPECT_EQ(s.fromFile, c.fromFile) << c.file;
    if (*c.remark)
        EXPECT_TRUE(mentions(report, s, c.remark)) << describeSettings(report);
    else
        EXPECT_EQ(s.reason, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckIni,
    ::testing::Values(
        IniCase{"[CONFIG]\nENABLE_KEY1 = 0x5A\n", "enable_key1", "90 (Z)", true, ""},
        IniCase{"[Config]\nenable_key1 = 017\n", "enable_key1", "15", true, ""},
        IniCase{"[Config]\nenable_key1 = 090\n", "enable_key1", "0", true, "was read as 0"},
        IniCase{"[Config]\nenable_key1 = -1\n", "enable_key1", "4294967295 (never held)", true,
                "never be held"},
        IniCase{"[Config]\nsensitivity_x = 5,5\n", "sensitivity_x", "5", true, "write 5.5"},
        IniCase{"[Config]\nsensitivity_x = 5.5abc\n", "sensitivity_x", "5.5", true, "\"abc\", is ignored"},
        IniCase{"[Config]\ndefault_fov = wide\n", "default_fov", "52.282005", false, "not a number"},
        IniCase{"[Config]\ndefault_fov =\n", "default_fov", "52.282005", false, "empty"},
        IniCase{"[Config]\nshort_fov = 40\nshort_fov = 50\n", "short_fov", "40", true, "given again"},
        IniCase{"[Config]\nshort_fov = x\nshort_fov = 50\n", "short_fov", "45", false, "not a number"},
        IniCase{"[Config]\nlong_fov = 30 ; narrower\n", "long_fov", "30", true, ""},
        IniCase{"long_fov = 20\n[Config]\n", "long_fov", "35", false, "before any section header"},
        IniCase{"[Other]\nlong_fov = 20\n", "long_fov", "35", false, "in section [Other]"},
        IniCase{"[ Config ]\nlong_fov = 20\n", "long_fov", "35", false, "white space inside the brackets"},
        IniCase{"[Config]\nenable_on_default = 2\n", "enable_on_default", "2", true, ""},
        IniCase{"[Config]\nauto_center_time = 99999999999\n", "auto_center_time", "2147483647", true, ""},
        IniCase{"[Config]\nsensitivity_y = 1e1\n", "sensitivity_y", "10", true, ""},
        IniCase{"[Config]\nenable_key2 = g\n", "enable_key2", "71 (G)", true, ""},
        IniCase{"[Config]\ndisable_key2 = Ctlr\n", "disable_key2", "71 (G)", false,
                "did you mean \"Ctrl\"?"}));

TEST(CheckIni, MissingFileShowsEveryDefault) {
    const SettingsReport report = checkSettingsFile("/no/such/folder/Vorthmere.ini");
    EXPECT_FALSE(report.opened);
    const char* expected[][2] = {
        {"enable_key1", "17 (Ctrl)"}, {"enable_key2", "90 (Z)"},  {"disable_key1", "17 (Ctrl)"},
        {"disable_key2", "71 (G)"},   {"enable_on_default", "0"}, {"sensitivity_x", "7.2"},
        {"sensitivity_y", "3.6"},     {"disable_in_scope", "0"},  {"auto_center_time", "0"},
        {"default_fov", "52.282005"}, {"short_fov", "45"},        {"long_fov", "35"}};
    ASSERT_EQ(report.settings.size(), 12u);
    for (size_t n = 0; n < 12; ++n) {
        EXPECT_EQ(report.settings[n].row->key, std::string(expected[n][0]));
        EXPECT_EQ(report.settings[n].value, expected[n][1]) << expected[n][0];
        EXPECT_FALSE(report.settings[n].fromFile);
    }
    std::ostringstream printed;
    EXPECT_EQ(checkIniFile("/no/such/folder/Vorthmere.ini", printed), 2);
    EXPECT_NE(printed.str().find("cannot be opened"), std::string::npos);
}

// A game installed at the root of a drive: the file is named with one separator, not two.
TEST(CheckIni, NamesTheFileOnceInARootFolder) {
    const fs::path before = fs::current_path();
    fs::current_path("/");
    const SettingsReport report = checkSettingsFile("Vorthmere-absent.ini");
    fs::current_path(before);
    EXPECT_EQ(report.file, "/Vorthmere-absent.ini");
}

TEST(CheckIni, NamesKeysAndEverySkippedLine) {
    const std::string path = writeIni(
        "[Config]\nenable_key2 = 71\nthis line has no equals sign\ndisable_key1 = 300\nnor this one\n");
    std::ostringstream printed;
    EXPECT_EQ(checkIniFile(path, printed), 1);
    fs::remove(path);
    EXPECT_NE(printed.str().find("enable_key2        71 (G)                   from the file"),
              std::string::npos)
        << printed.str();
    EXPECT_NE(printed.str().find("disable_key1       300 (never held)"), std::string::npos);
    EXPECT_NE(printed.str().find("line 3: not a section, key or comment"), std::string::npos);
    EXPECT_NE(printed.str().find("line 5: not a section, key or comment"), std::string::npos);
}

// The exit status: 0 without warnings, 1 with any, 2 when there is no file to read.
TEST(CheckIni, ExitStatusSaysWhetherThereIsAnythingToFix) {
    struct Case {
        const char* text; // nullptr: a folder in the file's place
        int status;
    } cases[] = {{"[Config]\nshort_fov = 40\n", 0},
                 {"", 1},
                 {"[Config]\nshort_fov = wide\n", 1},
                 {"[Config]\nshrot_fov = 40\n", 1},
                 {nullptr, 2}};
    for (const Case& c : cases) {
        std::string path = writeIni("");
        if (!c.text)
            fs::remove(path), fs::create_directory(path);
        else
            std::ofstream(path, std::ios::binary) << c.text;
        std::ostringstream printed;
        EXPECT_EQ(checkIniFile(path, printed), c.status) << (c.text ? c.text : "a folder") << "\n"
                                                         << printed.str();
        fs::remove_all(path);
    }
}
} // namespace
