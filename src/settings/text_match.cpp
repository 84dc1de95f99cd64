#include "settings/text_match.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

std::string quoted(std::string_view text) {
    std::string out(1, '"');
    for (char c : text) out += c == '\n' ? std::string_view("\\n") : std::string_view(&c, 1);
    return out += '"';
}

size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    std::iota(previous.begin(), previous.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t change = previous[j - 1] + (lower(a[i - 1]) != lower(b[j - 1]));
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, change});
            const bool swapped =
                i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) && lower(a[i - 2]) == lower(b[j - 1]);
            if (swapped) current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}
