// What each key of a session event means. A key's functions sit together: how its value is read,
// how it is described, what it does when it happens; the table at the end joins them.
#include "session_event_table.h"

#include "decimal_text.h"
#include "sim_runner.h"

#include <cmath>
#include <iterator>

namespace sim {
namespace {
// Events lie within this, whatever the session's length, so that a frame number fits an int.
constexpr int64_t lastEventFrame = 1000000;
constexpr double lastEventSeconds = 1.0e4;

template <typename T> bool store(std::optional<T> value, std::optional<T>& into) {
    if (value) into = value;
    return value.has_value();
}

template <typename T, typename U> void assign(const std::optional<T>& value, U& into) {
    if (value) into = *value;
}

bool readFloat(Reader& r, const toml::node& n, std::optional<float>& into, const char* what) {
    const std::optional<double> value = r.number(n, what);
    if (value) into = static_cast<float>(*value);
    return value.has_value();
}

// A word of the session format, the value it stands for, and how the events table writes it.
template <typename Value> struct Word {
    const char* written;
    Value value;
    const char* described;
};

template <typename Value, size_t count>
std::optional<Value> fromWord(const Word<Value> (&words)[count], const toml::node& node) {
    const std::optional<std::string> text = node.value_exact<std::string>();
    for (const Word<Value>& word : words) {
        if (text == word.written) return word.value;
    }
    return std::nullopt;
}

template <typename Value, size_t count>
const char* describedWord(const Word<Value> (&words)[count], Value value) {
    for (const Word<Value>& word : words) {
        if (word.value == value) return word.described;
    }
    return words[0].described;
}

const char* onOff(bool on) { return on ? "on" : "off"; }
const char* heldText(bool held) { return held ? "held" : "released"; }

// A held input that is let go reports its release in this frame.
void setHeld(bool held, bool& current, bool& releasedEdge) {
    if (current && !held) releasedEdge = true;
    current = held;
}

// time: the event happens at the start of the first frame at or after it.
bool readTime(Reader& r, const toml::node& n, SessionEvent& e) {
    const std::optional<double> seconds = r.number(n, "time");
    if (!seconds) return false;
    if (!(*seconds >= 0.0 && *seconds <= lastEventSeconds)) {
        r.error(n, "time must be seconds from 0");
        return false;
    }
    e.frame = static_cast<int>(std::ceil(*seconds * framesPerSecond - 1.0e-6));
    return true;
}

bool readFrame(Reader& r, const toml::node& n, SessionEvent& e) {
    const std::optional<int64_t> count = n.value_exact<int64_t>();
    if (!count || *count < 0 || *count > lastEventFrame) {
        r.error(n, "frame must be a whole number from 0");
        return false;
    }
    e.frame = static_cast<int>(*count);
    return true;
}

// note: the event's label instead of its description, so it describes nothing itself.
bool readNote(Reader& r, const toml::node& n, SessionEvent& e) {
    if (auto text = n.value_exact<std::string>()) {
        e.note = *text;
        return true;
    }
    r.error(n, "note must be a string");
    return false;
}

bool readKeysDown(Reader& r, const toml::node& n, SessionEvent& e) { return readKeys(r, n, e.keysDown); }
std::string describeKeysDown(const SessionEvent& e) {
    return e.keysDown.empty() ? "" : keyList(e.keysDown) + " down";
}
void applyKeysDown(const SessionEvent& e, EventStage& s) { pressKeys(s.heldKeys, e.keysDown); }

bool readKeysUp(Reader& r, const toml::node& n, SessionEvent& e) { return readKeys(r, n, e.keysUp); }
std::string describeKeysUp(const SessionEvent& e) {
    return e.keysUp.empty() ? "" : keyList(e.keysUp) + " up";
}
void applyKeysUp(const SessionEvent& e, EventStage& s) { releaseKeys(s.heldKeys, e.keysUp); }

bool readLook(Reader& r, const toml::node& n, SessionEvent& e) {
    const toml::array* pair = n.as_array();
    if (!pair || pair->size() != 2) {
        r.error(n, "look must be two numbers [horizontal, vertical], as in look = [0.25, 0.0]");
        return false;
    }
    const std::optional<double> h = r.number(*pair->get(0), "look"), v = r.number(*pair->get(1), "look");
    if (h && v) e.look = std::array<float, 2>{static_cast<float>(*h), static_cast<float>(*v)};
    return e.look.has_value();
}
std::string describeLook(const SessionEvent& e) {
    return e.look ? "look " + generalText((*e.look)[0]) + " " + generalText((*e.look)[1]) : "";
}
void applyLook(const SessionEvent& e, EventStage& s) {
    if (!e.look) return;
    s.world.inputs.lookHorizontal = (*e.look)[0];
    s.world.inputs.lookVertical = (*e.look)[1];
}

bool readLookBehind(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "look_behind"), e.lookBehind);
}
std::string describeLookBehind(const SessionEvent& e) {
    return e.lookBehind ? std::string("look-behind ") + heldText(*e.lookBehind) : "";
}
void applyLookBehind(const SessionEvent& e, EventStage& s) {
    Inputs& in = s.world.inputs;
    if (e.lookBehind) setHeld(*e.lookBehind, in.lookBehindHeld, in.lookBehindReleased);
}

bool readTarget(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "target"), e.target);
}
std::string describeTarget(const SessionEvent& e) {
    return e.target ? std::string("target ") + heldText(*e.target) : "";
}
void applyTarget(const SessionEvent& e, EventStage& s) {
    Inputs& in = s.world.inputs;
    if (e.target) setHeld(*e.target, in.targetHeld, in.targetReleased);
}

bool readAim(Reader& r, const toml::node& n, SessionEvent& e) { return store(r.boolean(n, "aim"), e.aim); }
std::string describeAim(const SessionEvent& e) { return e.aim ? std::string("aim ") + onOff(*e.aim) : ""; }
void applyAim(const SessionEvent& e, EventStage& s) { assign(e.aim, s.world.inputs.aiming); }

bool readScope(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "scope"), e.scope);
}
std::string describeScope(const SessionEvent& e) {
    return e.scope ? std::string("scope ") + onOff(*e.scope) : "";
}
void applyScope(const SessionEvent& e, EventStage& s) { assign(e.scope, s.world.inputs.scope); }

// distance: one press, so only true means anything.
bool readDistance(Reader& r, const toml::node& n, SessionEvent& e) {
    if (n.value_exact<bool>() == true) return e.distancePress = true;
    r.error(n, "distance is one press of the distance input: write distance = true");
    return false;
}
std::string describeDistance(const SessionEvent& e) { return e.distancePress ? "distance pressed" : ""; }
void applyDistance(const SessionEvent& e, EventStage& s) {
    if (e.distancePress) s.world.inputs.distanceTriggered = true;
}

constexpr Word<WeaponClass> weaponWords[] = {{"none", WeaponClass::none, "none"},
                                             {"short", WeaponClass::shortClass, "short"},
                                             {"long", WeaponClass::longClass, "long"},
                                             {"both", WeaponClass::both, "short+long"}};
bool readWeapon(Reader& r, const toml::node& n, SessionEvent& e) {
    e.weapon = fromWord(weaponWords, n);
    if (!e.weapon) r.error(n, "weapon must be \"none\", \"short\", \"long\" or \"both\"");
    return e.weapon.has_value();
}
std::string describeWeapon(const SessionEvent& e) {
    return e.weapon ? std::string("weapon ") + describedWord(weaponWords, *e.weapon) : "";
}
void applyWeapon(const SessionEvent& e, EventStage& s) { assign(e.weapon, s.world.weapon); }

constexpr Word<Carried> carriedWords[] = {{"none", Carried::none, "none"},
                                          {"A", Carried::a, "A"},
                                          {"B", Carried::b, "B"},
                                          {"AB", Carried::both, "A+B"}};
bool readCarried(Reader& r, const toml::node& n, SessionEvent& e) {
    e.carried = fromWord(carriedWords, n);
    if (!e.carried) r.error(n, "carried must be \"none\", \"A\", \"B\" or \"AB\"");
    return e.carried.has_value();
}
std::string describeCarried(const SessionEvent& e) {
    return e.carried ? std::string("carried ") + describedWord(carriedWords, *e.carried) : "";
}
void applyCarried(const SessionEvent& e, EventStage& s) {
    if (!e.carried) return;
    s.world.carriedA = *e.carried == Carried::a || *e.carried == Carried::both;
    s.world.carriedB = *e.carried == Carried::b || *e.carried == Carried::both;
}

bool readWalk(Reader& r, const toml::node& n, SessionEvent& e) { return readFloat(r, n, e.walk, "walk"); }
std::string describeWalk(const SessionEvent& e) {
    return e.walk ? "walk " + generalText(*e.walk) + " m/s" : "";
}
void applyWalk(const SessionEvent& e, EventStage& s) { assign(e.walk, s.world.walkSpeed); }

bool readTurn(Reader& r, const toml::node& n, SessionEvent& e) { return readFloat(r, n, e.turn, "turn"); }
std::string describeTurn(const SessionEvent& e) {
    return e.turn ? "turn " + generalText(*e.turn) + " deg/s" : "";
}
void applyTurn(const SessionEvent& e, EventStage& s) { assign(e.turn, s.world.turnRate); }

bool readSlope(Reader& r, const toml::node& n, SessionEvent& e) { return readFloat(r, n, e.slope, "slope"); }
std::string describeSlope(const SessionEvent& e) {
    return e.slope ? "slope " + generalText(*e.slope) + " deg" : "";
}
void applySlope(const SessionEvent& e, EventStage& s) { assign(e.slope, s.world.slopeAngle); }

bool readSlopeExcluded(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "slope_excluded"), e.slopeExcluded);
}
std::string describeSlopeExcluded(const SessionEvent& e) {
    return e.slopeExcluded ? std::string("slope excluded ") + onOff(*e.slopeExcluded) : "";
}
void applySlopeExcluded(const SessionEvent& e, EventStage& s) {
    assign(e.slopeExcluded, s.world.slopeExcluded);
}
} // namespace

const EventRow eventRows[] = {
    {"time", true, readTime, nullptr, nullptr},
    {"frame", true, readFrame, nullptr, nullptr},
    {"note", false, readNote, nullptr, nullptr},
    {"keys_down", false, readKeysDown, describeKeysDown, applyKeysDown},
    {"keys_up", false, readKeysUp, describeKeysUp, applyKeysUp},
    {"key_messages", false, readKeyMessages, describeKeyMessages, applyKeyMessages},
    {"look", false, readLook, describeLook, applyLook},
    {"look_behind", false, readLookBehind, describeLookBehind, applyLookBehind},
    {"target", false, readTarget, describeTarget, applyTarget},
    {"aim", false, readAim, describeAim, applyAim},
    {"scope", false, readScope, describeScope, applyScope},
    {"distance", false, readDistance, describeDistance, applyDistance},
    {"weapon", false, readWeapon, describeWeapon, applyWeapon},
    {"carried", false, readCarried, describeCarried, applyCarried},
    {"walk", false, readWalk, describeWalk, applyWalk},
    {"turn", false, readTurn, describeTurn, applyTurn},
    {"slope", false, readSlope, describeSlope, applySlope},
    {"slope_excluded", false, readSlopeExcluded, describeSlopeExcluded, applySlopeExcluded},
    {"settings_file", false, readSettingsFile, describeSettingsFile, applySettingsFile},
};
const size_t eventRowCount = std::size(eventRows);

const EventRow* findEventRow(std::string_view key) {
    for (const EventRow& row : eventRows) {
        if (key == row.key) return &row;
    }
    return nullptr;
}

void applyEvent(const SessionEvent& event, EventStage& stage) {
    for (const EventRow& row : eventRows) {
        if (row.apply) row.apply(event, stage);
    }
}

} // namespace sim
