#include "decimal_text.h"

#include <charconv>

namespace sim {
namespace {
// Wide enough for any double in fixed notation with the few decimals used here.
constexpr size_t textSpace = 400;

std::string formatted(double value, std::chars_format format, int precision) {
    char text[textSpace];
    const auto [end, error] = std::to_chars(text, text + textSpace, value, format, precision);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}
} // namespace

std::string fixedText(double value, int decimals) {
    return formatted(value, std::chars_format::fixed, decimals);
}

std::string generalText(double value, int precision) {
    return formatted(value, std::chars_format::general, precision);
}

std::string padLeft(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string& text, size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

} // namespace sim
