// The events of a session as one table. Each key an event may have is one row: how its value is
// read from the session file, how it is described in the events table and the plot, and what it
// does when it happens. Reading, describing and playing an event all walk the rows in order, so
// a new kind of event is one new row and its small functions.
#pragma once

#include "session_reader.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace sim {

struct EventRow {
    const char* key;
    bool when; // time or frame: read before the others, and exactly one of them per event
    // False, with the fault reported, when the value cannot be used.
    bool (*read)(Reader& reader, const toml::node& value, SessionEvent& event);
    // Empty when the event leaves this alone; null for keys that describe nothing (when, note).
    std::string (*describe)(const SessionEvent& event);
    // Does nothing when the event leaves this alone; null for keys that change nothing.
    void (*apply)(const SessionEvent& event, EventStage& stage);
};

// In the order of the session format's documentation: time, frame, note, keys_down, ...
extern const EventRow eventRows[];
extern const size_t eventRowCount;

// The row of an event key; null for a key that is not one.
const EventRow* findEventRow(std::string_view key);

// A list of keys by name or code, as in ["Ctrl", "Z"] or [17, 90].
bool readKeys(Reader& reader, const toml::node& node, std::vector<uint32_t>& keys);
// The rows of the live drive's keys (session_live_keys.cpp).
bool readKeyMessages(Reader& reader, const toml::node& value, SessionEvent& event);
std::string describeKeyMessages(const SessionEvent& event);
void applyKeyMessages(const SessionEvent& event, EventStage& stage);
bool readSettingsFile(Reader& reader, const toml::node& value, SessionEvent& event);
std::string describeSettingsFile(const SessionEvent& event);
void applySettingsFile(const SessionEvent& event, EventStage& stage);

// One key by name or code; empty when it is neither.
std::optional<uint32_t> keyCode(const toml::node& element);
// Keys as the events table writes them: "Ctrl+Z".
std::string keyList(const std::vector<uint32_t>& keys);

} // namespace sim
