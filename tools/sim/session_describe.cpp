// Key names and the short descriptions of events used in tables and plots.
#include "decimal_text.h"
#include "session.h"

#include <cctype>

namespace sim {
namespace {
struct KeyName {
    const char* name;
    uint32_t code;
};
constexpr KeyName keyNames[] = {{"ctrl", 17},  {"control", 17}, {"shift", 16}, {"alt", 18}, {"space", 32},
                                {"enter", 13}, {"esc", 27},     {"tab", 9},    {"back", 8}};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<uint32_t> functionKey(const std::string& name) {
    if (name.size() < 2 || name[0] != 'f') return std::nullopt;
    int number = 0;
    for (size_t i = 1; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
        number = number * 10 + (name[i] - '0');
    }
    if (number < 1 || number > 24) return std::nullopt;
    return 111 + static_cast<uint32_t>(number); // F1 is 112
}

std::string keyName(uint32_t code) {
    if (code == 17) return "Ctrl";
    if (code == 16) return "Shift";
    if (code == 18) return "Alt";
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return std::string(1, static_cast<char>(code));
    return "key " + std::to_string(code);
}

std::string keyList(const std::vector<uint32_t>& keys) {
    std::string text;
    for (uint32_t key : keys) {
        if (!text.empty()) text += '+';
        text += keyName(key);
    }
    return text;
}

std::string number(float value) { return generalText(value); }

const char* onOff(bool on) { return on ? "on" : "off"; }

const char* weaponName(WeaponClass weapon) {
    switch (weapon) {
    case WeaponClass::shortClass:
        return "short";
    case WeaponClass::longClass:
        return "long";
    case WeaponClass::both:
        return "short+long";
    case WeaponClass::none:
        break;
    }
    return "none";
}

const char* carriedName(Carried carried) {
    switch (carried) {
    case Carried::a:
        return "A";
    case Carried::b:
        return "B";
    case Carried::both:
        return "A+B";
    case Carried::none:
        break;
    }
    return "none";
}

void add(std::string& text, const std::string& part) {
    if (!text.empty()) text += ", ";
    text += part;
}
} // namespace

std::optional<uint32_t> keyCodeFromName(std::string_view name) {
    const std::string key = lower(name);
    for (const KeyName& entry : keyNames) {
        if (key == entry.name) return entry.code;
    }
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0])))
        return static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(key[0])));
    return functionKey(key);
}

std::string describeEvent(const SessionEvent& e) {
    std::string text;
    if (!e.keysDown.empty()) add(text, keyList(e.keysDown) + " down");
    if (!e.keysUp.empty()) add(text, keyList(e.keysUp) + " up");
    if (e.look) add(text, "look " + number((*e.look)[0]) + " " + number((*e.look)[1]));
    if (e.lookBehind) add(text, std::string("look-behind ") + (*e.lookBehind ? "held" : "released"));
    if (e.target) add(text, std::string("target ") + (*e.target ? "held" : "released"));
    if (e.aim) add(text, std::string("aim ") + onOff(*e.aim));
    if (e.scope) add(text, std::string("scope ") + onOff(*e.scope));
    if (e.distancePress) add(text, "distance pressed");
    if (e.weapon) add(text, std::string("weapon ") + weaponName(*e.weapon));
    if (e.carried) add(text, std::string("carried ") + carriedName(*e.carried));
    if (e.walk) add(text, "walk " + number(*e.walk) + " m/s");
    if (e.turn) add(text, "turn " + number(*e.turn) + " deg/s");
    if (e.slope) add(text, "slope " + number(*e.slope) + " deg");
    if (e.slopeExcluded) add(text, std::string("slope excluded ") + onOff(*e.slopeExcluded));
    return text.empty() ? "nothing" : text;
}

} // namespace sim
