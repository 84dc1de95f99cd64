// Each key of a session event, read from a file, described and played: every row of the event
// table is reached by its key, says what it does, and changes what it names and nothing else.
#include "session_event_table.h"
#include "standin_host.h"

#include "host/host.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {
using sim::HeldKeys;
using sim::World;

struct EventCase {
    const char* written; // the event's keys as in a session file, besides its time
    const char* description;
    void (*change)(World& world, HeldKeys& held); // what playing it changes from the starting point
};

// Something of everything already set, so that a row that clears or keeps the wrong field shows.
void startingPoint(World& w, HeldKeys& held) {
    w.inputs.lookBehindHeld = true;
    w.inputs.scope = true;
    w.carriedA = true;
    w.weapon = sim::WeaponClass::longClass;
    w.walkSpeed = 1.0f;
    held[90] = 5;
}

uint32_t now() { return standin::tickCountNow(); }

// A fresh working folder for as long as it lives, removed with what was written into it.
struct ScratchFolder {
    std::filesystem::path previous = std::filesystem::current_path(), path;
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorthmere-events-XXXXXX").string();
        if (mkdtemp(pattern.data())) path = pattern;
        if (!path.empty()) std::filesystem::current_path(path);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous);
        if (!path.empty()) std::filesystem::remove_all(path);
    }
};

// clang-format off
const EventCase eventCases[] = {
    {"note = \"just a label\"", "nothing", [](World&, HeldKeys&) {}},
    {"keys_down = [\"Ctrl\", \"f5\", \"5\", 53]", "Ctrl+F5+5+5 down",
     [](World&, HeldKeys& h) { h[17] = h[116] = h[53] = now(); }},
    {"keys_down = [\"Z\"]", "Z down", [](World&, HeldKeys& h) { h[90] = now(); }},
    {"keys_up = [\"z\", 300, \"Space\"]", "Z+key 300+Space up", [](World&, HeldKeys& h) { h.erase(90); }},
    // Messages are delivered as written, so the keys they name are not held for repeating.
    {"key_messages = [{ key = \"Ctrl\" }, { key = 90, was_down = true, repeat = 3 }, { key = \"Z\", up = true, "
     "was_down = true, alt = true }]",
     "key Ctrl down, Z repeat x3, Z up with Alt", [](World&, HeldKeys&) {}},
    {"look = [0.25, -1]", "look 0.25 -1",
     [](World& w, HeldKeys&) { w.inputs.lookHorizontal = 0.25f, w.inputs.lookVertical = -1.0f; }},
    {"look_behind = false", "look-behind released",
     [](World& w, HeldKeys&) { w.inputs.lookBehindHeld = false, w.inputs.lookBehindReleased = true; }},
    {"look_behind = true", "look-behind held", [](World&, HeldKeys&) {}},
    {"target = true", "target held", [](World& w, HeldKeys&) { w.inputs.targetHeld = true; }},
    {"target = false", "target released", [](World&, HeldKeys&) {}}, // was not held: no release
    {"aim = true", "aim on", [](World& w, HeldKeys&) { w.inputs.aiming = true; }},
    {"scope = false", "scope off", [](World& w, HeldKeys&) { w.inputs.scope = false; }},
    {"distance = true", "distance pressed", [](World& w, HeldKeys&) { w.inputs.distanceTriggered = true; }},
    {"weapon = \"both\"", "weapon short+long", [](World& w, HeldKeys&) { w.weapon = sim::WeaponClass::both; }},
    {"weapon = \"none\"", "weapon none", [](World& w, HeldKeys&) { w.weapon = sim::WeaponClass::none; }},
    {"carried = \"B\"", "carried B", [](World& w, HeldKeys&) { w.carriedA = false, w.carriedB = true; }},
    {"carried = \"AB\"", "carried A+B", [](World& w, HeldKeys&) { w.carriedB = true; }},
    {"walk = 2.5", "walk 2.5 m/s", [](World& w, HeldKeys&) { w.walkSpeed = 2.5f; }},
    {"turn = -30", "turn -30 deg/s", [](World& w, HeldKeys&) { w.turnRate = -30.0f; }},
    {"slope = 6.25", "slope 6.25 deg", [](World& w, HeldKeys&) { w.slopeAngle = 6.25f; }},
    {"slope_excluded = true", "slope excluded on", [](World& w, HeldKeys&) { w.slopeExcluded = true; }},
    {"settings_file = \"[Config]\\nshort_fov = 40\\n\"", "settings file written", [](World&, HeldKeys&) {}},
    // Described in the table's order, whatever the file's.
    {"slope = 1, aim = false, keys_up = [\"G\"]", "G up, aim off, slope 1 deg",
     [](World& w, HeldKeys&) { w.slopeAngle = 1.0f; }},
};
// clang-format on

// Everything an event may change, as one text that a failure shows field by field.
std::string state(const World& w, const HeldKeys& held) {
    const sim::Inputs& in = w.inputs;
    std::ostringstream out;
    out << "look " << in.lookHorizontal << ' ' << in.lookVertical << ", look-behind " << in.lookBehindHeld
        << in.lookBehindReleased << ", target " << in.targetHeld << in.targetReleased << ", aim " << in.aiming
        << ", scope " << in.scope << ", distance " << in.distanceTriggered << ", walk " << w.walkSpeed
        << ", turn " << w.turnRate << ", slope " << w.slopeAngle << ' ' << w.slopeExcluded << ", carried "
        << w.carriedA << w.carriedB << ", weapon " << static_cast<int>(w.weapon) << ", held";
    for (const auto& [key, tick] : held) out << ' ' << key << '@' << tick;
    return out.str();
}

TEST(SessionEvents, EachKeyIsReadDescribedAndPlayed) {
    const ScratchFolder folder; // settings_file writes into the working folder
    standin::setTickCount(777);
    for (const EventCase& c : eventCases) {
        SCOPED_TRACE(c.written);
        const std::string text = "duration = 1\nevents = [{ time = 0, " + std::string(c.written) + " }]\n";
        const sim::SessionParse parse = sim::parseSession(text, "e.toml");
        ASSERT_TRUE(parse.errors.empty()) << parse.errors.front();
        const sim::SessionEvent& event = parse.session->events.at(0);
        EXPECT_EQ(sim::describeEvent(event), c.description);
        World played, expected;
        HeldKeys playedKeys, expectedKeys;
        startingPoint(played, playedKeys);
        startingPoint(expected, expectedKeys);
        sim::EventStage stage{played, playedKeys};
        sim::applyEvent(event, stage);
        c.change(expected, expectedKeys);
        EXPECT_EQ(state(played, playedKeys), state(expected, expectedKeys));
    }
}

// A row added to the table without a case above fails here.
TEST(SessionEvents, EveryRowIsFoundByItsKeyAndHasACase) {
    for (size_t i = 0; i < sim::eventRowCount; ++i) {
        const sim::EventRow& row = sim::eventRows[i];
        EXPECT_EQ(sim::findEventRow(row.key), &row) << row.key;
        if (row.when) continue;
        const std::string written = std::string(row.key) + " = ";
        bool covered = false;
        for (const EventCase& c : eventCases)
            covered = covered || std::string(c.written).starts_with(written);
        EXPECT_TRUE(covered) << "no case plays " << row.key;
    }
    EXPECT_EQ(sim::findEventRow("lok"), nullptr);
    EXPECT_EQ(sim::findEventRow("Aim"), nullptr); // keys are matched exactly, as TOML keys are
}
// What the keyboard handler receives, one message a line.
std::string delivered;
void recordMessage(uint32_t key, uint16_t repeats, uint8_t scan, int32_t extended, int32_t alt,
                   int32_t wasDown, int32_t up) {
    delivered += std::to_string(key) + " x" + std::to_string(repeats) + " scan " + std::to_string(scan) +
                 ' ' + std::to_string(extended) + std::to_string(alt) + std::to_string(wasDown) +
                 std::to_string(up) + '\n';
}

struct MessageCase {
    const char* written;
    const char* delivered; // key, repeat count, scan code, then extended, Alt, was-down and key-up
};

// clang-format off
const MessageCase messageCases[] = {
    {"[{ key = \"Z\" }]", "90 x1 scan 0 0000\n"},
    {"[{ key = 17 }, { key = \"G\", repeat = 2, was_down = true }]", "17 x1 scan 0 0000\n71 x2 scan 0 0010\n"},
    {"[{ key = \"F5\", up = true, was_down = true, alt = true }]", "116 x1 scan 0 0111\n"},
    {"[{ key = 300 }]", "300 x1 scan 0 0000\n"}, // the handler, not the format, ignores codes above 254
};
// clang-format on

TEST(SessionEvents, KeyMessagesReachTheHandlerExactlyAsWrittenAndOnce) {
    keyboardHandlerRegister(recordMessage);
    for (const MessageCase& c : messageCases) {
        SCOPED_TRACE(c.written);
        const std::string text =
            "duration = 1\nevents = [{ time = 0, key_messages = " + std::string(c.written) + " }]\n";
        const sim::SessionParse parse = sim::parseSession(text, "e.toml");
        ASSERT_TRUE(parse.errors.empty()) << parse.errors.front();
        World world;
        HeldKeys held;
        sim::EventStage stage{world, held};
        delivered.clear();
        sim::applyEvent(parse.session->events.at(0), stage);
        EXPECT_EQ(delivered, c.delivered);
        EXPECT_TRUE(held.empty()); // nothing left for the runner to repeat
    }
    keyboardHandlerRegister(nullptr);
}

TEST(SessionEvents, ASettingsFileIsWrittenExactlyOrItsFailureReported) {
    const ScratchFolder folder;
    const std::string text = "[Config]\r\nshort_fov = 40 ; \"quoted\"\n\tlast line without end";
    sim::SessionEvent event;
    event.settingsFile = text;
    World world;
    HeldKeys held;
    std::vector<std::string> faults;
    sim::EventStage stage{world, held, &faults};
    sim::applyEvent(event, stage);
    std::ifstream file("Vorthmere.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), text);
    EXPECT_TRUE(faults.empty());
    std::filesystem::create_directory("blocked");
    std::filesystem::current_path("blocked");
    std::filesystem::create_directory("Vorthmere.ini"); // a folder where the file should go
    sim::applyEvent(event, stage);
    std::filesystem::current_path("..");
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], "cannot write Vorthmere.ini in the working folder");
}
} // namespace
