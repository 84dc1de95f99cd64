#include "session.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
using sim::parseSession;

std::string withEvents(const std::string& events) { return "duration = 5.0\nevents = [\n" + events + "]\n"; }

TEST(SessionFile, ReadsWhenAndWhatOfEachEvent) {
    const sim::SessionParse parse =
        parseSession(withEvents("  { time = 0.5, keys_down = [\"Ctrl\", \"z\", 71] },\n"
                                "  { frame = 40, look = [0.25, -1], aim = true },\n"
                                "  { time = 1.0, distance = true, carried = \"AB\" },\n"),
                     "s.toml");
    ASSERT_TRUE(parse.errors.empty()) << parse.errors.front();
    const sim::Session& s = *parse.session;
    EXPECT_EQ(s.frames, 300);
    ASSERT_EQ(s.events.size(), 3u);
    EXPECT_EQ(s.events[0].frame, 30);
    EXPECT_EQ(s.events[0].keysDown, (std::vector<uint32_t>{17, 90, 71}));
    EXPECT_EQ(s.events[0].line, 3);
    EXPECT_EQ(s.events[1].frame, 40);
    EXPECT_FLOAT_EQ((*s.events[1].look)[0], 0.25f);
    EXPECT_FLOAT_EQ((*s.events[1].look)[1], -1.0f);
    EXPECT_EQ(s.events[1].aim, true);
    EXPECT_EQ(s.events[2].frame, 60); // sorted by time, whatever the file order
    EXPECT_TRUE(s.events[2].distancePress);
    EXPECT_EQ(s.events[2].carried, sim::Carried::both);
}

TEST(SessionFile, TablesOfEventsAndSettingsReadTheSame) {
    const sim::SessionParse parse =
        parseSession("duration = 2\n[settings]\nshort_fov = \"4o\"\nlong_fov = 30.5\n"
                     "[[events]]\ntime = 1\nscope = true\n",
                     "s.toml");
    ASSERT_TRUE(parse.errors.empty()) << parse.errors.front();
    EXPECT_EQ(parse.session->events.at(0).scope, true);
    EXPECT_EQ(sim::settingsFileText(*parse.session).find("[Config]\nlong_fov = 30.5\nshort_fov = 4o\n") !=
                  std::string::npos,
              true)
        << sim::settingsFileText(*parse.session);
}

struct BadSession {
    const char* text;
    const char* expected; // the whole first error, "source:line: message" or its start
};

void PrintTo(const BadSession& b, std::ostream* out) { *out << b.expected; }

class SessionFileFaults : public ::testing::TestWithParam<BadSession> {};

TEST_P(SessionFileFaults, AreReportedWithTheirLine) {
    const sim::SessionParse parse = parseSession(GetParam().text, "bad.toml");
    EXPECT_FALSE(parse.session.has_value());
    ASSERT_FALSE(parse.errors.empty());
    EXPECT_EQ(parse.errors.front().rfind(GetParam().expected, 0), 0u) << parse.errors.front();
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionFileFaults,
    ::testing::Values(
        BadSession{"duration = 5\nevents = [\n  { time = 1, lok = [1, 0] },\n]\n",
                   "bad.toml:3: unknown event key \"lok\""},
        BadSession{"duration = 5\nevents = [\n { time = 1 },\n { look = [1, 0] },\n]\n",
                   "bad.toml:4: an event needs exactly one of time"},
        BadSession{"duration = 5\nevents = [{ time = 1, frame = 3 }]\n",
                   "bad.toml:2: an event needs exactly one"},
        BadSession{"duration = 5\nevents = [\n{ time = -1 }]\n", "bad.toml:3: time must be seconds from 0"},
        BadSession{"duration = 5\nevents = [\n\n{ time = 6 }]\n", "bad.toml:4: event comes after the end"},
        BadSession{"duration = 5\nevents = [{ time = 1,\n  look = [1] }]\n", "bad.toml:"},
        BadSession{"duration = 5\nevents = [{ time = 1, look = [1, \"x\"] }]\n",
                   "bad.toml:2: look must be a number"},
        BadSession{"duration = 5\nevents = [{ time = 1, keys_down = [\"Hyper\"] }]\n",
                   "bad.toml:2: unknown key;"},
        BadSession{"duration = 5\nevents = [{ time = 1, weapon = \"sword\" }]\n",
                   "bad.toml:2: weapon must be"},
        BadSession{"duration = 5\nevents = [{ time = 1, carried = \"C\" }]\n", "bad.toml:2: carried must be"},
        BadSession{"duration = 5\nevents = [{ time = 1, aim = 1 }]\n",
                   "bad.toml:2: aim must be true or false"},
        BadSession{"duration = 5\nevents = [{ time = 1, distance = false }]\n",
                   "bad.toml:2: distance is one press"},
        BadSession{"duration = 5\nevents = [{ time = 1, key_messages = [{ repeat = 1 }] }]\n",
                   "bad.toml:2: a key message is { key = name or code"},
        BadSession{"duration = 5\nevents = [{ time = 1, key_messages = [{ key = \"Z\", repeat = 0 }] }]\n",
                   "bad.toml:2: repeat must be a whole number from 1"},
        BadSession{"duration = 5\nevents = [{ time = 1, key_messages = [{ key = 90, upp = true }] }]\n",
                   "bad.toml:2: unknown key message field \"upp\""},
        BadSession{"duration = 5\nevents = [{ time = 1, key_messages = [{ key = 90, up = 1 }] }]\n",
                   "bad.toml:2: up must be true or false"},
        BadSession{"duration = 5\nevents = [{ time = 1, key_messages = { key = 90 } }]\n",
                   "bad.toml:2: key_messages must be a list"},
        BadSession{"duration = 5\nevents = [{ time = 1, settings_file = 3 }]\n",
                   "bad.toml:2: settings_file must be the text"},
        BadSession{"duration = 5\n[settings]\nshort_fov = 40\nshortfov = 40\n",
                   "bad.toml:4: unknown setting \"shortfov\""},
        BadSession{"duration = 5\n[scene]\nheading = \"north\"\n", "bad.toml:3: heading must be a number"},
        BadSession{"duration = 5\n[scene]\ncharacter = [1, 2]\n",
                   "bad.toml:3: character must be three numbers"},
        BadSession{"events = []\n", "bad.toml:1: the session needs a duration"},
        BadSession{"duration = 900\n", "bad.toml:1: duration must be above 0"},
        BadSession{"duration = 5\nspeed = 3\n", "bad.toml:2: unexpected \"speed\""},
        BadSession{"duration = 5\nevents = [\n  { time = 1, look = [0, 0] \n]\n", "bad.toml:3:"}));

TEST(SessionFile, EveryFaultOfAFileIsReported) {
    const sim::SessionParse parse = parseSession(
        "duration = 5\nevents = [\n { time = 1, aim = 2 },\n { time = 2, scope = \"up\" },\n]\n", "f");
    ASSERT_EQ(parse.errors.size(), 2u);
    EXPECT_EQ(parse.errors[0].rfind("f:3:", 0), 0u);
    EXPECT_EQ(parse.errors[1].rfind("f:4:", 0), 0u);
}

TEST(SessionFile, BuiltInSessionReads) {
    const sim::SessionParse parse = parseSession(sim::embeddedSessionText(), "built-in");
    ASSERT_TRUE(parse.errors.empty()) << parse.errors.front();
    EXPECT_EQ(parse.session->frames, 1200);
    EXPECT_TRUE(parse.session->hasSettings);
}

// The session format's key names: the plug-in's names, and a digit is its key, not a key code.
TEST(SessionFile, KeyNames) {
    const struct {
        const char* name;
        std::optional<uint32_t> code;
    } names[] = {
        {"Ctrl", 17u}, {"control", 17u}, {"g", 71u},     {"7", 55u},        {"F1", 112u},
        {"F24", 135u}, {"F25", {}},      {"", {}},       {"Hyper", {}},     {"Shift", 16u},
        {"ALT", 18u},  {"Space", 32u},   {"enter", 13u}, {"Esc", 27u},      {"Tab", 9u},
        {"0", 48u},    {"55", {}},       {"Back", 8u},   {"Backspace", 8u}, {"Ctrl\nZ", {}},
    };
    for (const auto& n : names) EXPECT_EQ(sim::keyCodeFromName(n.name), n.code) << n.name;
}
} // namespace
