// Reading one event of a session: when it happens and what changes, each key by its row of the
// event table.
#include "session_event_table.h"

#include "decimal_text.h"

#include <cmath>

namespace sim {
namespace {
std::string knownEventKeys() {
    std::string names;
    for (size_t i = 0; i < eventRowCount; ++i) names += (i == 0 ? "" : ", ") + std::string(eventRows[i].key);
    return names;
}

// Exactly one when key (time or frame), read before the others so that its faults come first.
bool readWhen(Reader& reader, const toml::table& table, SessionEvent& event) {
    const EventRow* found = nullptr;
    int count = 0;
    for (size_t i = 0; i < eventRowCount; ++i) {
        if (!eventRows[i].when || !table.contains(eventRows[i].key)) continue;
        found = &eventRows[i];
        ++count;
    }
    if (count != 1) {
        reader.error(event.line, "an event needs exactly one of time = seconds or frame = number");
        return false;
    }
    return found->read(reader, *table.get(found->key), event);
}

bool readWhat(Reader& reader, const toml::key& key, const toml::node& node, SessionEvent& event) {
    const EventRow* row = findEventRow(key.str());
    if (!row) {
        reader.error(static_cast<int>(key.source().begin.line), "unknown event key \"" +
                                                                    std::string(key.str()) +
                                                                    "\" (known: " + knownEventKeys() + ")");
        return false;
    }
    return row->when || row->read(reader, node, event);
}

} // namespace

std::optional<uint32_t> keyCode(const toml::node& element) {
    if (auto name = element.value_exact<std::string>()) return keyCodeFromName(*name);
    const std::optional<int64_t> number = element.value_exact<int64_t>();
    if (number && *number >= 0 && *number <= 0xFFFF) return static_cast<uint32_t>(*number);
    return std::nullopt;
}

bool readKeys(Reader& reader, const toml::node& node, std::vector<uint32_t>& keys) {
    const toml::array* list = node.as_array();
    if (!list) {
        reader.error(node, "keys must be a list, as in [\"Ctrl\", \"Z\"]");
        return false;
    }
    for (const toml::node& element : *list) {
        const std::optional<uint32_t> code = keyCode(element);
        if (!code) {
            reader.error(element,
                         "unknown key; use a name (Ctrl, Shift, Alt, A-Z, 0-9, F1-F12) or a code 0-65535");
            return false;
        }
        keys.push_back(*code);
    }
    return true;
}

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

std::optional<Vector3> Reader::vector3(const toml::node& node, const std::string& what) {
    const toml::array* list = node.as_array();
    if (!list || list->size() != 3) {
        error(node, what + " must be three numbers [x, y, z]");
        return std::nullopt;
    }
    const auto x = number(*list->get(0), what), y = number(*list->get(1), what),
               z = number(*list->get(2), what);
    if (!x || !y || !z) return std::nullopt;
    return Vector3{static_cast<float>(*x), static_cast<float>(*y), static_cast<float>(*z)};
}

std::optional<SessionEvent> readEvent(Reader& reader, const toml::table& table) {
    SessionEvent event;
    event.line = static_cast<int>(table.source().begin.line);
    bool usable = readWhen(reader, table, event);
    for (auto&& [key, node] : table) usable = readWhat(reader, key, node, event) && usable;
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
