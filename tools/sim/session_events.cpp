// Reading one event of a session: when it happens and what changes.
#include "session_reader.h"

#include "decimal_text.h"

#include <cmath>

namespace sim {
namespace {
using EventKey = bool (*)(Reader&, const toml::node&, SessionEvent&);

bool readKeys(Reader& reader, const toml::node& node, std::vector<uint32_t>& keys) {
    const toml::array* list = node.as_array();
    if (!list) {
        reader.error(node, "keys must be a list, as in [\"Ctrl\", \"Z\"]");
        return false;
    }
    for (const toml::node& element : *list) {
        std::optional<uint32_t> code;
        if (auto name = element.value_exact<std::string>()) code = keyCodeFromName(*name);
        if (auto number = element.value_exact<int64_t>(); number && *number >= 0 && *number <= 0xFFFF)
            code = static_cast<uint32_t>(*number);
        if (!code) {
            reader.error(element,
                         "unknown key; use a name (Ctrl, Shift, Alt, A-Z, 0-9, F1-F12) or a code 0-65535");
            return false;
        }
        keys.push_back(*code);
    }
    return true;
}

template <typename T> bool store(std::optional<T> value, std::optional<T>& into) {
    if (value) into = value;
    return value.has_value();
}

bool readFloat(Reader& r, const toml::node& n, std::optional<float>& into, const char* what) {
    const std::optional<double> value = r.number(n, what);
    if (value) into = static_cast<float>(*value);
    return value.has_value();
}

bool keysDown(Reader& r, const toml::node& n, SessionEvent& e) { return readKeys(r, n, e.keysDown); }
bool keysUp(Reader& r, const toml::node& n, SessionEvent& e) { return readKeys(r, n, e.keysUp); }
bool note(Reader& r, const toml::node& n, SessionEvent& e) {
    if (auto text = n.value_exact<std::string>()) {
        e.note = *text;
        return true;
    }
    r.error(n, "note must be a string");
    return false;
}
bool look(Reader& r, const toml::node& n, SessionEvent& e) {
    const toml::array* pair = n.as_array();
    std::optional<double> h, v;
    if (pair && pair->size() == 2) {
        h = r.number(*pair->get(0), "look");
        v = r.number(*pair->get(1), "look");
    } else {
        r.error(n, "look must be two numbers [horizontal, vertical], as in look = [0.25, 0.0]");
    }
    if (h && v) e.look = std::array<float, 2>{static_cast<float>(*h), static_cast<float>(*v)};
    return e.look.has_value();
}
bool lookBehind(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "look_behind"), e.lookBehind);
}
bool target(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "target"), e.target);
}
bool aim(Reader& r, const toml::node& n, SessionEvent& e) { return store(r.boolean(n, "aim"), e.aim); }
bool scope(Reader& r, const toml::node& n, SessionEvent& e) { return store(r.boolean(n, "scope"), e.scope); }
bool distance(Reader& r, const toml::node& n, SessionEvent& e) {
    if (n.value_exact<bool>() == true) return e.distancePress = true;
    r.error(n, "distance is one press of the distance input: write distance = true");
    return false;
}
bool weapon(Reader& r, const toml::node& n, SessionEvent& e) {
    const std::string text = n.value_exact<std::string>().value_or("");
    if (text == "none") e.weapon = WeaponClass::none;
    if (text == "short") e.weapon = WeaponClass::shortClass;
    if (text == "long") e.weapon = WeaponClass::longClass;
    if (text == "both") e.weapon = WeaponClass::both;
    if (!e.weapon) r.error(n, "weapon must be \"none\", \"short\", \"long\" or \"both\"");
    return e.weapon.has_value();
}
bool carried(Reader& r, const toml::node& n, SessionEvent& e) {
    const std::string text = n.value_exact<std::string>().value_or("");
    if (text == "none") e.carried = Carried::none;
    if (text == "A") e.carried = Carried::a;
    if (text == "B") e.carried = Carried::b;
    if (text == "AB") e.carried = Carried::both;
    if (!e.carried) r.error(n, "carried must be \"none\", \"A\", \"B\" or \"AB\"");
    return e.carried.has_value();
}
bool walk(Reader& r, const toml::node& n, SessionEvent& e) { return readFloat(r, n, e.walk, "walk"); }
bool turn(Reader& r, const toml::node& n, SessionEvent& e) { return readFloat(r, n, e.turn, "turn"); }
bool slope(Reader& r, const toml::node& n, SessionEvent& e) { return readFloat(r, n, e.slope, "slope"); }
bool slopeExcluded(Reader& r, const toml::node& n, SessionEvent& e) {
    return store(r.boolean(n, "slope_excluded"), e.slopeExcluded);
}

struct NamedKey {
    const char* name;
    EventKey read;
};
constexpr NamedKey eventKeys[] = {
    {"note", note},
    {"keys_down", keysDown},
    {"keys_up", keysUp},
    {"look", look},
    {"look_behind", lookBehind},
    {"target", target},
    {"aim", aim},
    {"scope", scope},
    {"distance", distance},
    {"weapon", weapon},
    {"carried", carried},
    {"walk", walk},
    {"turn", turn},
    {"slope", slope},
    {"slope_excluded", slopeExcluded},
};

EventKey findEventKey(std::string_view name) {
    for (const NamedKey& key : eventKeys) {
        if (name == key.name) return key.read;
    }
    return nullptr;
}

std::string knownEventKeys() {
    std::string names = "time, frame";
    for (const NamedKey& key : eventKeys) names += std::string(", ") + key.name;
    return names;
}

// time in seconds or frame as a count; the event happens at the start of that frame.
bool readWhen(Reader& r, const toml::table& table, int line, SessionEvent& e) {
    const toml::node* time = table.get("time");
    const toml::node* frame = table.get("frame");
    if ((time != nullptr) == (frame != nullptr)) {
        r.error(line, "an event needs exactly one of time = seconds or frame = number");
        return false;
    }
    if (frame) {
        const std::optional<int64_t> count = frame->value_exact<int64_t>();
        if (!count || *count < 0 || *count > 1000000) r.error(*frame, "frame must be a whole number from 0");
        e.frame = static_cast<int>(count.value_or(0));
        return count && *count >= 0 && *count <= 1000000;
    }
    const std::optional<double> seconds = r.number(*time, "time");
    if (seconds && !(*seconds >= 0.0 && *seconds <= 1.0e4)) r.error(*time, "time must be seconds from 0");
    if (!seconds || !(*seconds >= 0.0 && *seconds <= 1.0e4)) return false;
    e.frame = static_cast<int>(std::ceil(*seconds * framesPerSecond - 1.0e-6));
    return true;
}
} // namespace

std::optional<double> Reader::number(const toml::node& node, const std::string& what) {
    if (auto integer = node.value_exact<int64_t>()) return static_cast<double>(*integer);
    if (auto real = node.value_exact<double>(); real && std::isfinite(*real)) return *real;
    error(node, what + " must be a number");
    return std::nullopt;
}

std::optional<bool> Reader::boolean(const toml::node& node, const std::string& what) {
    if (auto value = node.value_exact<bool>()) return value;
    error(node, what + " must be true or false");
    return std::nullopt;
}

std::optional<Vec3> Reader::vector3(const toml::node& node, const std::string& what) {
    const toml::array* list = node.as_array();
    if (!list || list->size() != 3) {
        error(node, what + " must be three numbers [x, y, z]");
        return std::nullopt;
    }
    const auto x = number(*list->get(0), what), y = number(*list->get(1), what),
               z = number(*list->get(2), what);
    if (!x || !y || !z) return std::nullopt;
    return Vec3{static_cast<float>(*x), static_cast<float>(*y), static_cast<float>(*z)};
}

std::optional<SessionEvent> readEvent(Reader& reader, const toml::table& table) {
    SessionEvent event;
    event.line = static_cast<int>(table.source().begin.line);
    bool usable = readWhen(reader, table, event.line, event);
    for (auto&& [key, node] : table) {
        if (key.str() == "time" || key.str() == "frame") continue;
        const EventKey read = findEventKey(key.str());
        if (!read) {
            reader.error(static_cast<int>(key.source().begin.line),
                         "unknown event key \"" + std::string(key.str()) + "\" (known: " + knownEventKeys() +
                             ")");
            usable = false;
            continue;
        }
        usable = read(reader, node, event) && usable;
    }
    if (!usable) return std::nullopt;
    return event;
}

std::optional<std::string> settingValueText(const toml::node& node) {
    if (auto integer = node.value_exact<int64_t>()) return std::to_string(*integer);
    if (auto text = node.value_exact<std::string>()) return *text;
    if (auto real = node.value_exact<double>()) return generalText(*real, 9);
    return std::nullopt;
}

} // namespace sim
