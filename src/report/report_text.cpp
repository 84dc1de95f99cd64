#include "report/report_text.h"

#include <charconv>

namespace {
void append(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) text += piece;
}

size_t totalSize(std::initializer_list<std::string_view> pieces) {
    size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    return size;
}
} // namespace

std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    text.reserve(totalSize(pieces));
    append(text, pieces);
    return text;
}

std::string lineWarning(int line, std::initializer_list<std::string_view> pieces) {
    char number[16];
    const std::string_view digits(number, std::to_chars(number, number + sizeof number, line).ptr - number);
    std::string text;
    text.reserve(sizeof "line : " + digits.size() + totalSize(pieces));
    append(text, {"line ", digits, ": "});
    append(text, pieces);
    return text;
}

std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) out += c == '\n' ? std::string_view("\\n") : std::string_view(&c, 1);
    return out += '"';
}
