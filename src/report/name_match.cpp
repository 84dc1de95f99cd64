#include "report/name_match.h"

#include "settings/key_names.h"
#include "settings/setting_rows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

size_t lengthGap(std::string_view a, std::string_view b) {
    return std::max(a.size(), b.size()) - std::min(a.size(), b.size());
}

// How many letters (case folded) an edit script from a to b must remove or add at least: each
// edit changes that count by one at most, and a swap not at all. Letters, digits and "_" are
// counted one by one, all other characters together: no known name holds any of those, so an
// unknown name's are never matched whichever way they are counted.
constexpr size_t letterKinds = 26 + 10 + 2;

size_t letterKind(char c) {
    const char l = lower(c);
    if (l >= 'a' && l <= 'z') return static_cast<size_t>(l - 'a');
    if (l >= '0' && l <= '9') return 26 + static_cast<size_t>(l - '0');
    return l == '_' ? 36 : 37;
}

struct LetterCounts {
    std::array<uint16_t, letterKinds> count{};
};

LetterCounts lettersOf(std::string_view text) {
    LetterCounts letters;
    for (char c : text) ++letters.count[letterKind(c)];
    return letters;
}

size_t lettersApart(LetterCounts letters, std::string_view a, std::string_view b) {
    size_t onlyInB = 0;
    for (char c : b) {
        uint16_t& left = letters.count[letterKind(c)];
        if (left > 0)
            --left;
        else
            ++onlyInB;
    }
    const size_t onlyInA = a.size() - (b.size() - onlyInB);
    return std::max(onlyInA, onlyInB);
}

// The first of `names` nearest to `text` at fewer than `best` edits. Names that the lengths or
// the letters alone put `best` edits away or more are never measured: most unknown names are
// far from every setting, and this keeps the search for them short.
template <typename Names, typename NameOf>
std::string_view nearestOf(std::string_view text, size_t best, const Names& names, size_t count,
                           NameOf nameOf) {
    std::string_view nearest;
    const LetterCounts letters = lettersOf(text);
    for (size_t i = 0; i < count; ++i) {
        const std::string_view name = nameOf(names[i]);
        if (lengthGap(text, name) >= best || lettersApart(letters, text, name) >= best) continue;
        const size_t distance = editDistanceBelow(text, name, best);
        if (distance < best) best = distance, nearest = name;
    }
    return nearest;
}
} // namespace

namespace {
// A text case folded once, rather than in every cell of the table; a short one (every known
// name is) stays on the stack.
struct FoldedText {
    std::array<char, 64> small;
    std::string large;
    std::string_view text;
};

void fold(FoldedText& folded, std::string_view text) {
    char* out = folded.small.data();
    if (text.size() > folded.small.size()) {
        folded.large.resize(text.size());
        out = folded.large.data();
    }
    std::transform(text.begin(), text.end(), out, lower);
    folded.text = std::string_view(out, text.size());
}

// The rows live on the stack for the known names, which are short; a longer b takes the heap.
// Only cells within `limit` of the diagonal can stay below `limit`, so only those are worked
// out; the cells just outside the band are read as `limit`.
size_t foldedDistanceBelow(std::string_view a, std::string_view b, size_t limit) {
    constexpr size_t smallWidth = 32;
    std::array<size_t, 3 * smallWidth> small;
    std::vector<size_t> large;
    const size_t width = b.size() + 1;
    if (width > smallWidth) large.resize(3 * width);
    size_t* before = width > smallWidth ? large.data() : small.data();
    std::fill(before, before + 3 * width, size_t{0});
    size_t* previous = before + width;
    size_t* current = previous + width;
    const size_t band = std::min(limit, std::max(a.size(), b.size()) + 1);
    std::iota(previous, previous + width, size_t{0});
    size_t previousLeast = 0;
    for (size_t i = 1; i <= a.size(); ++i) {
        const size_t from = i >= band ? i - band + 1 : 1, to = std::min(b.size(), i + band - 1);
        current[from - 1] = from == 1 ? i : limit;
        if (to < b.size()) current[to + 1] = limit;
        size_t least = current[from - 1];
        for (size_t j = from; j <= to; ++j) {
            const size_t change = previous[j - 1] + (a[i - 1] != b[j - 1]);
            current[j] = std::min(std::min(previous[j], current[j - 1]) + 1, change);
            const bool swapped = i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1];
            if (swapped) current[j] = std::min(current[j], before[j - 2] + 1);
            least = std::min(least, current[j]);
        }
        // Every later cell comes from these two rows at no lower cost.
        if (least >= limit && previousLeast >= limit) return limit;
        previousLeast = least;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], limit);
}
} // namespace

size_t editDistanceBelow(std::string_view a, std::string_view b, size_t limit) {
    if (lengthGap(a, b) >= limit) return limit;
    FoldedText foldedA, foldedB;
    fold(foldedA, a);
    fold(foldedB, b);
    return foldedDistanceBelow(foldedA.text, foldedB.text, limit);
}

size_t editDistance(std::string_view a, std::string_view b) { return editDistanceBelow(a, b, SIZE_MAX); }

bool withinEdits(std::string_view a, std::string_view b, size_t most) {
    return lengthGap(a, b) <= most && editDistanceBelow(a, b, most + 1) <= most;
}

// Short texts get fewer edits, so that "Q" or "?" suggests nothing rather than any letter.
std::string_view nearestKeyName(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    const size_t best = std::min<size_t>(2, first.size() / 2) + 1; // a suggestion needs fewer edits
    return nearestOf(first, best, keyNames, keyNameCount, [](const KeyName& k) { return k.name; });
}

std::string_view nearestSetting(std::string_view name) {
    return nearestOf(name, 4, settingRows, settingRowCount,
                     [](const SettingRow& r) { return std::string_view(r.key); });
}
