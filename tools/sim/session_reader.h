// Shared by the session file reader's parts: toml++ used header-only and without exceptions,
// and a collector of faults by line.
#pragma once

#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#include <toml++/toml.h>

#include "session.h"

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Reader {
    std::string source;
    std::vector<std::string> errors;

    void error(int line, const std::string& message) {
        errors.push_back(source + ":" + std::to_string(line) + ": " + message);
    }
    void error(const toml::node& node, const std::string& message) {
        error(static_cast<int>(node.source().begin.line), message);
    }
    // An integer or a float; reports anything else.
    std::optional<double> number(const toml::node& node, const std::string& what);
    std::optional<bool> boolean(const toml::node& node, const std::string& what);
    std::optional<Vector3> vector3(const toml::node& node, const std::string& what);
};

// One event table; nullopt (with the faults reported) when it cannot be used.
std::optional<SessionEvent> readEvent(Reader& reader, const toml::table& table);
// A setting's value as it goes into Vorthmere.ini: numbers as written, strings as they are.
std::optional<std::string> settingValueText(const toml::node& node);

} // namespace sim
