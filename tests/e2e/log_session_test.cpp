// Vorthmere.log through whole sessions of the loaded plug-in, each in a fresh process and folder.
// The expected logs are written out in full; the clock's digits, the version line's commit and
// the folder's name are made constant before comparing.
#include "fresh_process.h"
#include "plugin_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

using namespace session;

namespace {
std::string readLog() {
    std::ifstream in("Vorthmere.log", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The log with its variable parts made constant, line by line: times, the commit, the folder.
std::string normalisedLog() {
    const std::regex version(R"(Vorthmere [0-9.]+ \([^)]+\))");
    const std::regex started(R"((Started|Started again) \d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    const std::regex time(R"(^\d\d:\d\d:\d\d )");
    const std::string folder = std::filesystem::current_path().string();
    std::istringstream in(readLog());
    std::string text, line;
    while (std::getline(in, line)) {
        line = std::regex_replace(line, version, "Vorthmere <version> (<commit>)");
        line = std::regex_replace(line, started, "$1 <date>");
        line = std::regex_replace(line, time, "hh:mm:ss ");
        for (size_t at = line.find(folder); at != std::string::npos; at = line.find(folder))
            line.replace(at, folder.size(), "<folder>");
        text += line + "\n";
    }
    return text;
}

std::string defaultsTable(const std::string& fovLine) {
    return "  enable_key1        17 (Ctrl)                default\n"
           "  enable_key2        90 (Z)                   default\n"
           "  disable_key1       17 (Ctrl)                default\n"
           "  disable_key2       71 (G)                   default\n"
           "  enable_on_default  0                        default\n"
           "  sensitivity_x      7.2                      default\n"
           "  sensitivity_y      3.6                      default\n"
           "  disable_in_scope   0                        default\n"
           "  auto_center_time   0                        default\n" +
           fovLine +
           "  short_fov          45                       default\n"
           "  long_fov           35                       default\n";
}

const std::string header =
    "Vorthmere <version> (<commit>)\nStarted <date>\nSettings: <folder>/Vorthmere.ini\n";

void begin(const char* settingsText) {
    if (settingsText) writeSettings(settingsText);
    programGame();
    start();
}

void passes(int count) {
    for (int k = 0; k < count; ++k) pass();
}

// Holds the combination for one pass, then lets it go.
void press(uint32_t first, uint32_t second) {
    hold(first, second);
    pass();
    release(first, second);
}
} // namespace

TEST(LogSession, NothingIsWrittenBeforeTheScriptEntryRuns) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\n");
        EXPECT_FALSE(std::filesystem::exists("Vorthmere.log"))
            << "DllMain and the host's start write nothing";
        pass();
        EXPECT_TRUE(std::filesystem::exists("Vorthmere.log"));
    });
}

TEST(LogSession, TheStartShowsTheVersionTheSettingsAndEveryWarning) {
    EXPECT_IN_FRESH_PROCESS([] {
        std::ofstream("Vorthmere.log") << "an old log that the first start empties\n";
        begin("[Config]\ndefault_fov = 61.5\nsensitivty_y = 2\n");
        passes(3);
        EXPECT_EQ(normalisedLog(),
                  header + defaultsTable("  default_fov        61.5                     from the file\n") +
                      "Warnings (1):\n"
                      "  - line 3: unknown key \"sensitivty_y\" is ignored; did you mean sensitivity_y?\n");
    });
}

TEST(LogSession, AReloadLogsOnlyWhatChangedAndEachSwitchItsCause) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\ndefault_fov=40\n");
        pass();
        writeSettings("[Config]\ndefault_fov=70.25\nlong_fov = 30 # narrower\n");
        press(ctrl, keyZ);
        passes(2);
        press(ctrl, keyG);
        press(ctrl, keyZ); // the file again, unchanged
        press(ctrl, keyG);
        const std::string log = normalisedLog();
        const std::string start =
            header + defaultsTable("  default_fov        40                       from the file\n") +
            "No warnings.\n";
        EXPECT_EQ(log,
                  start +
                      "hh:mm:ss Settings read again from <folder>/Vorthmere.ini:\n"
                      "  default_fov: 40 -> 70.25\n"
                      "  long_fov: 35 -> 30\n"
                      "  new warning: long_fov = 30 # narrower was read as 30; the rest, \"# narrower\", is "
                      "ignored (a comment after a value starts with \" ;\")\n"
                      "hh:mm:ss Camera on: the enable combination Ctrl+Z\n"
                      "hh:mm:ss Camera off: the disable combination Ctrl+G\n"
                      "hh:mm:ss Settings read again from <folder>/Vorthmere.ini:\n"
                      "  no value changed\n"
                      "hh:mm:ss Camera on: the enable combination Ctrl+Z\n"
                      "hh:mm:ss Camera off: the disable combination Ctrl+G\n");
    });
}

TEST(LogSession, SwitchingAtStartAndByTheScopeIsLoggedWithItsCause) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\nenable_on_default=1\ndisable_in_scope=1\n");
        passes(2);
        setScopeView(true);
        passes(2);
        setScopeView(false);
        passes(2);
        std::string log = normalisedLog();
        log = log.substr(log.find("No warnings.\n") + 13);
        EXPECT_EQ(log,
                  "hh:mm:ss Camera on at start: enable_on_default = 1\n"
                  "hh:mm:ss Camera off: the scope view is up (disable_in_scope = 1); it comes back when the "
                  "scope closes\n"
                  "hh:mm:ss Camera on: the scope view closed\n");
    });
}

TEST(LogSession, StopsAt64KiBWithALastLineAndTheCameraGoesOn) {
    EXPECT_IN_FRESH_PROCESS([] {
        // The same keys switch the camera off and on every other pass: two lines each time.
        begin("[Config]\ndisable_key1=17\ndisable_key2=90\n");
        hold(ctrl, keyZ);
        for (int k = 0; k < 2000; ++k) {
            pass();
            if (k % 100 == 0) hold(ctrl, keyZ); // keyboard repeat keeps the keys held
        }
        const std::string log = readLog();
        EXPECT_LE(log.size(), 64u * 1024u);
        EXPECT_GT(log.size(), 63u * 1024u);
        const std::string last = "Logging stopped: Vorthmere.log reached 64 KiB.\n";
        ASSERT_GE(log.size(), last.size());
        EXPECT_EQ(log.substr(log.size() - last.size()), last);
        EXPECT_EQ(log.find(last), log.size() - last.size()) << "the last line is written once";
        EXPECT_EQ(creations(), 2u * 2000u) << "every switch still happens";
    });
}

TEST(LogSession, AnUnwritableLogIsSkippedAndTheCameraIsUnchanged) {
    EXPECT_IN_FRESH_PROCESS([] {
        std::filesystem::create_directory("Vorthmere.log"); // a folder where the log would go
        begin("[Config]\ndefault_fov=50\n");
        pass();
        press(ctrl, keyZ);
        passes(3);
        press(ctrl, keyG);
        EXPECT_TRUE(std::filesystem::is_directory("Vorthmere.log"));
        EXPECT_EQ(creations(), 2u);
        EXPECT_EQ(disposals(), 2u);
    });
}

TEST(LogSession, ALaterStartAppendsToTheLog) {
    EXPECT_IN_FRESH_PROCESS([] {
        begin("[Config]\nenable_on_default=1\n");
        pass();
        standin::startScript(); // the host restarts its scripts with the camera on
        pass();
        const std::string start = "Settings: <folder>/Vorthmere.ini\n" +
                                  defaultsTable("  default_fov        52.282005                default\n") +
                                  "No warnings.\n";
        const std::string off = "  enable_on_default  0                        default";
        std::string table = start;
        table.replace(table.find(off), off.size(),
                      "  enable_on_default  1                        from the file");
        EXPECT_EQ(normalisedLog(),
                  "Vorthmere <version> (<commit>)\nStarted <date>\n" + table +
                      "hh:mm:ss Camera on at start: enable_on_default = 1\n"
                      "Vorthmere <version> (<commit>)\nStarted again <date>\n" +
                      table +
                      "hh:mm:ss The camera is still on from before the script started again; it "
                      "stays as it is\n");
    });
}
