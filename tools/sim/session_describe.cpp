// Key names of the session format and the short descriptions of events used in tables and plots.
#include "session_event_table.h"

#include "settings/key_names.h"
#include "settings/text_match.h"

namespace sim {
namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The plug-in's short name, except for the digits, which it does not name but sessions do.
std::string keyName(uint32_t code) {
    if (code < 128 && isDigit(static_cast<char>(code))) return std::string(1, static_cast<char>(code));
    const std::string_view name = keyDisplayName(code);
    return name.empty() ? "key " + std::to_string(code) : std::string(name);
}

void add(std::string& text, const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ", ";
    text += part;
}
} // namespace

// The plug-in's key names, with the session format's own rules: a digit is its key ("5" is 53,
// where Vorthmere.ini reads a number), a name is the whole text (the plug-in reads a setting only
// up to its line's end), and "Back" still names Backspace.
std::optional<uint32_t> keyCodeFromName(std::string_view name) {
    if (name.size() == 1 && isDigit(name[0])) return static_cast<uint32_t>(name[0]);
    if (name.find('\n') != std::string_view::npos) return std::nullopt;
    if (sameName(name, "back")) return 8;
    return ::keyCodeFromName(name);
}

std::string keyList(const std::vector<uint32_t>& keys) {
    std::string text;
    for (uint32_t key : keys) {
        if (!text.empty()) text += '+';
        text += keyName(key);
    }
    return text;
}

std::string describeEvent(const SessionEvent& event) {
    std::string text;
    for (size_t i = 0; i < eventRowCount; ++i) {
        if (eventRows[i].describe) add(text, eventRows[i].describe(event));
    }
    return text.empty() ? "nothing" : text;
}

} // namespace sim
