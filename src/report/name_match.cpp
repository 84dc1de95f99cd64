#include "report/name_match.h"

#include "settings/key_names.h"
#include "settings/setting_rows.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

size_t lengthGap(std::string_view a, std::string_view b) {
    return std::max(a.size(), b.size()) - std::min(a.size(), b.size());
}

// The first of `names` nearest to `text` at fewer than `best` edits. A name whose length alone
// needs `best` edits or more is never measured: that bounds the search for long unknown names.
template <typename Names, typename NameOf>
std::string_view nearestOf(std::string_view text, size_t best, const Names& names, size_t count,
                           NameOf nameOf) {
    std::string_view nearest;
    for (size_t i = 0; i < count; ++i) {
        const std::string_view name = nameOf(names[i]);
        if (lengthGap(text, name) >= best) continue;
        const size_t distance = editDistance(text, name);
        if (distance < best) best = distance, nearest = name;
    }
    return nearest;
}
} // namespace

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

bool withinEdits(std::string_view a, std::string_view b, size_t most) {
    return lengthGap(a, b) <= most && editDistance(a, b) <= most;
}

// Short texts get fewer edits, so that "Q" or "?" suggests nothing rather than any letter.
std::string_view nearestKeyName(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    const size_t best = std::min<size_t>(2, first.size() / 2) + 1; // a suggestion needs fewer edits
    return nearestOf(first, best, keyNames, keyNameCount,
                     [](const KeyName& k) { return std::string_view(k.name); });
}

std::string_view nearestSetting(std::string_view name) {
    return nearestOf(name, 4, settingRows, settingRowCount,
                     [](const SettingRow& r) { return std::string_view(r.key); });
}
