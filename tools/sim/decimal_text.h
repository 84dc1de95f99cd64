// Numbers as text, the same on every platform: std::to_chars gives the exact decimal of a value
// with the same library code everywhere, where printf differs between C libraries (Windows'
// rounds ties and writes exponents its own way). Every number the simulator writes that two
// builds may be compared on (the CSV, the summary, the events table, the trace) goes through these.
#pragma once

#include <cstddef>
#include <string>

namespace sim {

// printf's "%.<decimals>f".
std::string fixedText(double value, int decimals);
// printf's "%.<precision>g".
std::string generalText(double value, int precision = 6);
// printf's "%<width>s" and "%-<width>s".
std::string padLeft(const std::string& text, size_t width);
std::string padRight(const std::string& text, size_t width);

} // namespace sim
