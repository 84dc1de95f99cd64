// Reading a session from its TOML text. Every fault is reported with the line it is on, and
// reading goes on so that one run shows all of them.
#include "session.h"
#include "session_reader.h"

#include "settings/setting_rows.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sim {
namespace {
constexpr double longestSessionSeconds = 600.0;

bool isSettingKey(std::string_view key) {
    for (size_t i = 0; i < settingRowCount; ++i) {
        if (key == settingRows[i].key) return true;
    }
    return false;
}

void readSettings(Reader& reader, const toml::table& table, Session& session) {
    session.hasSettings = true;
    for (auto&& [key, node] : table) {
        const int line = static_cast<int>(key.source().begin.line);
        if (!isSettingKey(key.str())) {
            reader.error(line, "unknown setting \"" + std::string(key.str()) + "\"");
            continue;
        }
        std::optional<std::string> text = settingValueText(node);
        if (!text) {
            reader.error(line, "setting \"" + std::string(key.str()) + "\" must be a number or a string");
            continue;
        }
        session.settings.emplace_back(std::string(key.str()), *text);
    }
}

void readScene(Reader& reader, const toml::table& table, Session& session) {
    for (auto&& [key, node] : table) {
        const std::string_view name = key.str();
        if (name == "character") {
            if (auto v = reader.vector3(node, "character")) session.characterStart = *v;
        } else if (name == "target") {
            if (auto v = reader.vector3(node, "target")) session.targetPosition = *v;
        } else if (name == "heading") {
            if (auto h = reader.number(node, "heading")) session.characterHeading = static_cast<float>(*h);
        } else {
            reader.error(node, "unknown scene key \"" + std::string(name) +
                                   "\" (known: character, heading, target)");
        }
    }
}

void readEvents(Reader& reader, const toml::node& node, Session& session) {
    const toml::array* events = node.as_array();
    if (!events) {
        reader.error(node, "events must be an array of tables: events = [ { time = 1.0, ... }, ... ]");
        return;
    }
    for (const toml::node& element : *events) {
        const toml::table* table = element.as_table();
        if (!table) {
            reader.error(element, "each event must be a table: { time = 1.0, ... }");
            continue;
        }
        if (std::optional<SessionEvent> event = readEvent(reader, *table)) session.events.push_back(*event);
    }
}

void readDuration(Reader& reader, const toml::node& node, Session& session) {
    const std::optional<double> seconds = reader.number(node, "duration");
    if (!seconds) return;
    if (!(*seconds > 0.0 && *seconds <= longestSessionSeconds)) {
        reader.error(node, "duration must be above 0 and at most 600 seconds");
        return;
    }
    session.frames = static_cast<int>(std::lround(*seconds * framesPerSecond));
}

bool readName(Reader&, const toml::node& node, Session& session) {
    if (!node.is_string()) return false;
    session.name = *node.value<std::string>();
    return true;
}

bool readDurationKey(Reader& reader, const toml::node& node, Session& session) {
    readDuration(reader, node, session);
    return true;
}

bool readSettingsTable(Reader& reader, const toml::node& node, Session& session) {
    if (!node.is_table()) return false;
    readSettings(reader, *node.as_table(), session);
    return true;
}

bool readSceneTable(Reader& reader, const toml::node& node, Session& session) {
    if (!node.is_table()) return false;
    readScene(reader, *node.as_table(), session);
    return true;
}

bool readEventsKey(Reader& reader, const toml::node& node, Session& session) {
    readEvents(reader, node, session);
    return true;
}

// A top-level key and its reader, which answers false when the key's value is not of its kind.
struct TopLevelKey {
    const char* name;
    bool (*read)(Reader&, const toml::node&, Session&);
};
constexpr TopLevelKey topLevelKeys[] = {{"name", readName},
                                        {"duration", readDurationKey},
                                        {"settings", readSettingsTable},
                                        {"scene", readSceneTable},
                                        {"events", readEventsKey}};

bool readTopLevelKey(Reader& reader, std::string_view name, const toml::node& node, Session& session) {
    for (const TopLevelKey& key : topLevelKeys) {
        if (name == key.name) return key.read(reader, node, session);
    }
    return false;
}

void readTopLevel(Reader& reader, const toml::table& root, Session& session) {
    for (auto&& [key, node] : root) {
        if (readTopLevelKey(reader, key.str(), node, session)) continue;
        reader.error(
            static_cast<int>(key.source().begin.line),
            "unexpected \"" + std::string(key.str()) +
                "\" (known: name = \"...\", duration = seconds, [settings], [scene], events = [...])");
    }
}

void checkEventTimes(Reader& reader, Session& session) {
    if (session.frames == 0) return;
    for (const SessionEvent& event : session.events) {
        if (event.frame >= session.frames)
            reader.error(event.line, "event comes after the end of the session (frame " +
                                         std::to_string(event.frame) + " of " +
                                         std::to_string(session.frames) + ")");
    }
    std::stable_sort(session.events.begin(), session.events.end(),
                     [](const SessionEvent& a, const SessionEvent& b) { return a.frame < b.frame; });
}
} // namespace

SessionParse parseSession(std::string_view text, const std::string& sourceName) {
    SessionParse parse;
    toml::parse_result parsed = toml::parse(text, sourceName);
    if (!parsed) {
        const toml::parse_error& error = parsed.error();
        parse.errors.push_back(sourceName + ":" + std::to_string(error.source().begin.line) + ": " +
                               std::string(error.description()));
        return parse;
    }
    Reader reader{sourceName, {}};
    Session session;
    readTopLevel(reader, parsed.table(), session);
    if (session.frames == 0) reader.error(1, "the session needs a duration: duration = 20.0 (seconds)");
    checkEventTimes(reader, session);
    parse.errors = std::move(reader.errors);
    if (parse.errors.empty()) parse.session = std::move(session);
    return parse;
}

std::string settingsFileText(const Session& session) {
    std::string text = "; written by vorthmere-sim from the session's [settings]\n[Config]\n";
    for (const auto& [key, value] : session.settings) text += key + " = " + value + "\n";
    return text;
}

} // namespace sim
