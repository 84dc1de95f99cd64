// The report's lines are put together from a few pieces each; under the sanitizers, and on the
// game's allocator, every temporary string costs more than the text itself, so a line is one
// allocation.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pieces one after the other.
std::string joined(std::initializer_list<std::string_view> pieces);
// "line 12: " and then the pieces.
std::string lineWarning(int line, std::initializer_list<std::string_view> pieces);
// The text in double quotes, a line break shown as \n.
std::string quoted(std::string_view text);
