// Comparing names as the settings file's readers do: without regard to case, and how far an
// unknown name is from a known one, for the "did you mean" of the settings report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Equal but for the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);
// The text with ASCII letters in lower case.
std::string lowered(std::string_view text);
// The text in double quotes, a line break shown as \n, as the settings report quotes values.
std::string quoted(std::string_view text);
// Edits (insert, delete, change, swap of neighbours) from a to b, case ignored.
size_t editDistance(std::string_view a, std::string_view b);
