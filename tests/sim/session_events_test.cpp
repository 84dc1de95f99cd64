// Each key of a session event, read from a file, described and played: every row of the event
// table is reached by its key, says what it does, and changes what it names and nothing else.
#include "session_event_table.h"
#include "standin_host.h"

#include <gtest/gtest.h>

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

// clang-format off
const EventCase eventCases[] = {
    {"note = \"just a label\"", "nothing", [](World&, HeldKeys&) {}},
    {"keys_down = [\"Ctrl\", \"f5\", \"5\", 53]", "Ctrl+F5+5+5 down",
     [](World&, HeldKeys& h) { h[17] = h[116] = h[53] = now(); }},
    {"keys_down = [\"Z\"]", "Z down", [](World&, HeldKeys& h) { h[90] = now(); }},
    {"keys_up = [\"z\", 300, \"Space\"]", "Z+key 300+Space up", [](World&, HeldKeys& h) { h.erase(90); }},
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
} // namespace
