// The event keys a live drive needs to be replayed exactly: key messages as the host delivers
// them, and a settings file written at a frame. Their rows are in the event table.
#include "session_event_table.h"

#include "standin_host.h"

#include <cstdio>

namespace sim {
namespace {
constexpr const char* messageFields = "key, repeat, alt, was_down and up";

bool readFlag(Reader& r, const toml::table& t, const char* name, bool& into) {
    const toml::node* node = t.get(name);
    if (!node) return true;
    const std::optional<bool> value = r.boolean(*node, name);
    if (value) into = *value;
    return value.has_value();
}

bool readRepeat(Reader& r, const toml::table& t, KeyMessage& message) {
    const toml::node* node = t.get("repeat");
    if (!node) return true;
    const std::optional<int64_t> count = node->value_exact<int64_t>();
    if (!count || *count < 1 || *count > 0xFFFF) {
        r.error(*node, "repeat must be a whole number from 1 to 65535");
        return false;
    }
    message.repeats = static_cast<uint16_t>(*count);
    return true;
}

// { key = "Z", repeat = 1, alt = false, was_down = false, up = false }; key is required.
bool readMessage(Reader& r, const toml::node& n, KeyMessage& message) {
    const toml::table* table = n.as_table();
    const toml::node* key = table ? table->get("key") : nullptr;
    const std::optional<uint32_t> code = key ? keyCode(*key) : std::nullopt;
    if (!code) {
        r.error(n, "a key message is { key = name or code, repeat, alt, was_down, up }");
        return false;
    }
    message.key = *code;
    for (auto&& [name, value] : *table) {
        if (name.str() == "key" || name.str() == "repeat" || name.str() == "alt" ||
            name.str() == "was_down" || name.str() == "up")
            continue;
        r.error(value, "unknown key message field \"" + std::string(name.str()) +
                           "\" (known: " + messageFields + ")");
        return false;
    }
    return readRepeat(r, *table, message) && readFlag(r, *table, "alt", message.alt) &&
           readFlag(r, *table, "was_down", message.wasDown) && readFlag(r, *table, "up", message.up);
}

std::string describeMessage(const KeyMessage& m) {
    std::string text = keyList({m.key}) + (m.up ? " up" : m.wasDown ? " repeat" : " down");
    if (m.repeats != 1) text += " x" + std::to_string(m.repeats);
    return m.alt ? text + " with Alt" : text;
}
} // namespace

bool readKeyMessages(Reader& r, const toml::node& n, SessionEvent& e) {
    const toml::array* list = n.as_array();
    if (!list) {
        r.error(n, "key_messages must be a list, as in [{ key = \"Z\" }, { key = \"Z\", up = true }]");
        return false;
    }
    for (const toml::node& element : *list) {
        KeyMessage message;
        if (!readMessage(r, element, message)) return false;
        e.keyMessages.push_back(message);
    }
    return true;
}

std::string describeKeyMessages(const SessionEvent& e) {
    std::string text;
    for (const KeyMessage& m : e.keyMessages) text += (text.empty() ? "key " : ", ") + describeMessage(m);
    return text;
}

// Delivered once each, never repeated by the simulator: the drive's own repeats are messages.
void applyKeyMessages(const SessionEvent& e, EventStage&) {
    for (const KeyMessage& m : e.keyMessages)
        standin::deliverKeyMessage(m.key, m.repeats, m.alt, m.wasDown, m.up);
}

bool readSettingsFile(Reader& r, const toml::node& n, SessionEvent& e) {
    if (auto text = n.value_exact<std::string>()) {
        e.settingsFile = *text;
        return true;
    }
    r.error(n, "settings_file must be the text of a Vorthmere.ini");
    return false;
}

std::string describeSettingsFile(const SessionEvent& e) {
    return e.settingsFile ? "settings file written" : "";
}

// The plug-in reads the file again at its next switch-on, as when a player edits it in the game.
void applySettingsFile(const SessionEvent& e, EventStage& s) {
    if (!e.settingsFile) return;
    std::FILE* file = std::fopen("Vorthmere.ini", "wb");
    const std::string& text = *e.settingsFile;
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = file && std::fclose(file) == 0;
    if (!(written && closed) && s.faults)
        s.faults->push_back("cannot write Vorthmere.ini in the working folder");
}

} // namespace sim
