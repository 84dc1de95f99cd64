// The settings file as users write it: each row is a real Vorthmere.ini in a scratch folder and
// the record it must give. Every one of the twelve fields is compared bit for bit, so a value
// read into the wrong field, a field left unwritten or a wrong default shows up in any row.
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <bit>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// What the plug-in uses with no file at all, written out from the documented defaults.
Settings documentedDefaults() {
    Settings s{};
    s.enableKey1 = 17;
    s.enableKey2 = 90;
    s.disableKey1 = 17;
    s.disableKey2 = 71;
    s.enableOnDefault = 0;
    s.sensitivityX = static_cast<float>(7.2);
    s.sensitivityY = static_cast<float>(3.6);
    s.disableInScope = 0;
    s.autoCenterTime = 0;
    s.defaultFov = static_cast<float>(52.282005);
    s.shortFov = 45.0f;
    s.longFov = 35.0f;
    return s;
}

uint32_t bits(float v) { return std::bit_cast<uint32_t>(v); }
uint32_t bits(int32_t v) { return static_cast<uint32_t>(v); }
uint32_t bits(uint32_t v) { return v; }

std::vector<std::pair<const char*, uint32_t>> fieldBits(const Settings& s) {
    return {{"enableKey1", bits(s.enableKey1)},
            {"enableKey2", bits(s.enableKey2)},
            {"disableKey1", bits(s.disableKey1)},
            {"disableKey2", bits(s.disableKey2)},
            {"enableOnDefault", bits(s.enableOnDefault)},
            {"sensitivityX", bits(s.sensitivityX)},
            {"sensitivityY", bits(s.sensitivityY)},
            {"disableInScope", bits(s.disableInScope)},
            {"autoCenterTime", bits(s.autoCenterTime)},
            {"defaultFov", bits(s.defaultFov)},
            {"shortFov", bits(s.shortFov)},
            {"longFov", bits(s.longFov)}};
}

void expectRecord(const Settings& expected, const std::string& situation) {
    const auto want = fieldBits(expected);
    const auto got = fieldBits(settings);
    for (size_t k = 0; k < want.size(); ++k) {
        EXPECT_EQ(got[k].second, want[k].second) << situation << ": " << want[k].first << std::hex << " is 0x"
                                                 << got[k].second << ", want 0x" << want[k].second;
    }
}

// Each test runs in a scratch folder of its own, since the file is opened by relative name.
class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        previousDir = cwd;
        char scratch[] = "/tmp/vorthmere-settings-XXXXXX";
        ASSERT_NE(mkdtemp(scratch), nullptr);
        folder = scratch;
        ASSERT_EQ(chdir(folder.c_str()), 0);
        settings = Settings{};
    }
    void TearDown() override {
        if (!previousDir.empty()) {
            EXPECT_EQ(chdir(previousDir.c_str()), 0);
        }
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }
    static void writeFile(const std::string& text) {
        std::ofstream out("Vorthmere.ini", std::ios::binary | std::ios::trunc);
        out << text;
    }
    static void removeFile() { std::filesystem::remove("Vorthmere.ini"); }

    std::string previousDir;
    std::string folder;
};

struct FileCase {
    const char* situation;
    std::optional<std::string> text;       // no file at all when empty
    std::function<void(Settings&)> change; // what differs from the defaults
};

// The line cut: "12" ends at the 199th character, "34" lies beyond it.
std::string longLine() { return "auto_center_time =" + std::string(179, ' ') + "1234\n"; }

const std::vector<FileCase>& fileCases() {
    constexpr float inf = std::numeric_limits<float>::infinity();
    static const std::vector<FileCase> table = {
        {"no file", std::nullopt, [](Settings&) {}},
        {"empty file", "", [](Settings&) {}},
        {"every key",
         "[Config]\nenable_key1 = 65\nenable_key2 = 66\ndisable_key1 = 67\ndisable_key2 = 68\n"
         "enable_on_default = 1\nsensitivity_x = 1.25\nsensitivity_y = -0.5\ndisable_in_scope = 1\n"
         "auto_center_time = 300\ndefault_fov = 60.5\nshort_fov = 41.5\nlong_fov = 30.25\n",
         [](Settings& s) { s = {65, 66, 67, 68, 1, 1.25f, -0.5f, 1, 300, 60.5f, 41.5f, 30.25f}; }},
        {"capitals in section and keys", "[CONFIG]\nENABLE_KEY1 = 0x5A\nShort_Fov = 40\n",
         [](Settings& s) {
             s.enableKey1 = 90;
             s.shortFov = 40.0f;
         }},
        {"octal", "[Config]\nenable_key1 = 017\n", [](Settings& s) { s.enableKey1 = 15; }},
        {"octal stops at 9", "[Config]\nenable_key1 = 090\n", [](Settings& s) { s.enableKey1 = 0; }},
        {"hex prefix alone", "[Config]\nenable_key2 = 0x\n", [](Settings& s) { s.enableKey2 = 0; }},
        {"negative key code", "[Config]\nenable_key1 = -1\n", [](Settings& s) { s.enableKey1 = 0xFFFFFFFF; }},
        {"saturated integers",
         "[Config]\nauto_center_time = 99999999999\nenable_on_default = -99999999999\n"
         "disable_key2 = 4294967295\n",
         [](Settings& s) {
             s.autoCenterTime = 2147483647;
             s.enableOnDefault = -2147483647 - 1;
             s.disableKey2 = 0x7FFFFFFF;
         }},
        {"integer forms",
         "[Config]\ndisable_key1 =   +42\ndisable_key2 = 12abc\nenable_key2 = - 5\nenable_on_default = 2\n",
         [](Settings& s) {
             s.disableKey1 = 42;
             s.disableKey2 = 12;
             s.enableOnDefault = 2;
         }},
        {"real forms",
         "[Config]\nsensitivity_x = 5,5\nsensitivity_y = 5.5abc\ndefault_fov = abc\nshort_fov =\n"
         "long_fov = .5\n",
         [](Settings& s) {
             s.sensitivityX = 5.0f;
             s.sensitivityY = 5.5f;
             s.longFov = 0.5f;
         }},
        {"special reals",
         "[Config]\nsensitivity_x = nan\nsensitivity_y = -inf\ndefault_fov = 0x1.8p4\nshort_fov = 2.5e1\n"
         "long_fov = 1e40\n",
         [=](Settings& s) {
             s.sensitivityX = std::numeric_limits<float>::quiet_NaN();
             s.sensitivityY = -inf;
             s.defaultFov = 24.0f;
             s.shortFov = 25.0f;
             s.longFov = inf;
         }},
        {"more special reals", "[Config]\nsensitivity_x = INFINITY\nsensitivity_y = -0\nshort_fov = 1e\n",
         [=](Settings& s) {
             s.sensitivityX = inf;
             s.sensitivityY = -0.0f;
             s.shortFov = 1.0f;
         }},
        {"hex floats and infinities on every C runtime",
         "[Config]\nlong_fov = 0x1Ap0\nshort_fov = 0x.8p1\nsensitivity_x = -Infinity\n",
         [=](Settings& s) {
             s.longFov = 26.0f;
             s.shortFov = 1.0f;
             s.sensitivityX = -inf;
         }},
        {"key names",
         "[Config]\nenable_key2 = z\ndisable_key2 = F5\nenable_key1 = Ctlr\ndisable_key1 = vk_menu\n",
         [](Settings& s) {
             s.enableKey2 = 90;
             s.disableKey2 = 116;
             s.disableKey1 = 18;
         }},
        {"key name given twice, first wins", "[Config]\nenable_key1 = Shift\nenable_key1 = Alt\n",
         [](Settings& s) { s.enableKey1 = 16; }},
        {"key name only for key codes", "[Config]\nauto_center_time = Z\nenable_on_default = Ctrl\n",
         [](Settings&) {}},
        {"repeated key, first wins", "[Config]\nshort_fov = 40\nshort_fov = 50\n",
         [](Settings& s) { s.shortFov = 40.0f; }},
        {"repeated key, bad first", "[Config]\nshort_fov = x\nshort_fov = 50\n", [](Settings&) {}},
        {"repeated key, empty first", "[Config]\nshort_fov =\nshort_fov = 50\n",
         [](Settings& s) { s.shortFov = 50.0f; }},
        {"repeated section",
         "[Config]\nshort_fov = 40\n[Other]\nshort_fov = 30\n[config]\nshort_fov = 50\nlong_fov = 20\n",
         [](Settings& s) {
             s.shortFov = 40.0f;
             s.longFov = 20.0f;
         }},
        {"inline comment", "[Config]\nshort_fov = 30 ; remark\nlong_fov = 20;5\n",
         [](Settings& s) {
             s.shortFov = 30.0f;
             s.longFov = 20.0f;
         }},
        {"line comments", "[Config]\n# short_fov = 40\n; long_fov = 20\ndefault_fov = 60\n",
         [](Settings& s) { s.defaultFov = 60.0f; }},
        {"keys outside Config",
         "short_fov = 40\nenable_key1 = 65\n[Other]\nlong_fov = 20\n[ Config ]\ndefault_fov = 60\n"
         "[Config]\nsensitivity_x = 2\n",
         [](Settings& s) { s.sensitivityX = 2.0f; }},
        {"byte-order mark", "\xEF\xBB\xBF[Config]\nshort_fov = 40\n",
         [](Settings& s) { s.shortFov = 40.0f; }},
        {"line cut at 199 characters", "[Config]\n" + longLine() + "long_fov = 20\n",
         [](Settings& s) {
             s.autoCenterTime = 12;
             s.longFov = 20.0f;
         }},
        {"colon separator", "[Config]\nshort_fov : 40\ndefault_fov: 60 = 3\nlong_fov = 20 : 5\n",
         [](Settings& s) {
             s.shortFov = 40.0f;
             s.defaultFov = 60.0f;
             s.longFov = 20.0f;
         }},
        {"CR LF line ends", "[Config]\r\nshort_fov = 40\r\nenable_key1 = 65\r\n",
         [](Settings& s) {
             s.shortFov = 40.0f;
             s.enableKey1 = 65;
         }},
        {"continuation after a value", "[Config]\nshort_fov = 40\n  50\n",
         [](Settings& s) { s.shortFov = 40.0f; }},
        {"continuation after an empty value", "[Config]\nshort_fov =\n  50\n",
         [](Settings& s) { s.shortFov = 50.0f; }},
        {"continuation after a comment-only value", "[Config]\nshort_fov = ; remark\n\t50\n",
         [](Settings& s) { s.shortFov = 50.0f; }},
        {"indented key line continues the value", "[Config]\nlong_fov =\n  short_fov = 40\n",
         [](Settings&) {}},
        {"indented header continues the value", "[Config]\nlong_fov = 20\n  [Other]\nshort_fov = 40\n",
         [](Settings& s) {
             s.longFov = 20.0f;
             s.shortFov = 40.0f;
         }},
        {"unparsable lines skipped", "[Config]\nnot a setting\nshort_fov = 40\n[broken\nlong_fov = 20\n",
         [](Settings& s) {
             s.shortFov = 40.0f;
             s.longFov = 20.0f;
         }},
    };
    return table;
}

TEST_F(SettingsFileTest, LoadReadsEveryKeyAsWritten) {
    for (const FileCase& c : fileCases()) {
        removeFile();
        if (c.text) writeFile(*c.text);
        settings = Settings{};
        loadSettings();
        Settings expected = documentedDefaults();
        c.change(expected);
        expectRecord(expected, c.situation);
    }
}

TEST_F(SettingsFileTest, DefaultsAreTheNearestFloats) {
    loadSettings();
    EXPECT_EQ(std::bit_cast<uint64_t>(52.282005), 0x404A2418BD66277Cu);
    EXPECT_EQ(static_cast<double>(settings.defaultFov), 52.282005310058594);
    EXPECT_EQ(bits(settings.defaultFov), bits(static_cast<float>(52.282005)));
    EXPECT_EQ(settings.sensitivityX, static_cast<float>(7.2));
    EXPECT_EQ(settings.sensitivityY, static_cast<float>(3.6));
}

TEST_F(SettingsFileTest, ReloadReadsAllButEnableOnDefault) {
    const std::string everyKey =
        "[Config]\nenable_key1 = 65\nenable_key2 = 66\ndisable_key1 = 67\ndisable_key2 = 68\n"
        "enable_on_default = 1\nsensitivity_x = 1.25\nsensitivity_y = -0.5\ndisable_in_scope = 1\n"
        "auto_center_time = 300\ndefault_fov = 60.5\nshort_fov = 41.5\nlong_fov = 30.25\n";
    struct Case {
        const char* situation;
        std::optional<std::string> text;
        Settings expected;
    };
    Settings defaultsKeepingStart = documentedDefaults();
    defaultsKeepingStart.enableOnDefault = 7;
    const Case cases[] = {
        {"every key changed", everyKey, {65, 66, 67, 68, 7, 1.25f, -0.5f, 1, 300, 60.5f, 41.5f, 30.25f}},
        {"file deleted", std::nullopt, defaultsKeepingStart},
    };
    for (const Case& c : cases) {
        writeFile("[Config]\nenable_on_default = 7\nshort_fov = 10\nenable_key1 = 99\n");
        settings = Settings{};
        loadSettings();
        ASSERT_EQ(settings.enableOnDefault, 7) << c.situation;
        removeFile();
        if (c.text) writeFile(*c.text);
        reloadSettings();
        expectRecord(c.expected, c.situation);
    }
}

// Finds or builds a locale whose decimal separator is a comma and switches the process to it;
// empty when none can be had here.
std::optional<std::string> switchToCommaLocale(const std::string& scratch) {
    auto commaInForce = [](const char* name) {
        return std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    };
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (commaInForce(name)) return name;
    }
    // Compile one into the scratch folder; the C library looks there through LOCPATH.
    const std::string target = scratch + "/de_DE.UTF-8";
    const std::string command = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    setenv("LOCPATH", scratch.c_str(), 1);
    if (commaInForce("de_DE.UTF-8")) return "de_DE.UTF-8 (built here)";
    unsetenv("LOCPATH");
    return std::nullopt;
}

TEST_F(SettingsFileTest, RealsUseAPointInACommaLocale) {
    const std::optional<std::string> locale = switchToCommaLocale(folder);
    if (!locale) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed and localedef could not build one";
    }
    // The locale really is in force: the C library now stops "2.5" at the point.
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.0) << *locale;
    writeFile("[Config]\nsensitivity_x = 2.5\nsensitivity_y = 2,5\ndefault_fov = 6.25e1\n");
    loadSettings();
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
    Settings expected = documentedDefaults();
    expected.sensitivityX = 2.5f;
    expected.sensitivityY = 2.0f;
    expected.defaultFov = 62.5f;
    expectRecord(expected, *locale);
}

} // namespace
