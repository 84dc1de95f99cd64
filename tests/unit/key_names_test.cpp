// Key names in the key-code settings: which texts name a key, that a text beginning a number is
// always that number, the names shown for codes and the names suggested for misspellings.
#include "report/name_match.h"
#include "settings/key_names.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <set>
#include <string>

namespace {

constexpr std::nullopt_t notAKey = std::nullopt;

struct TextCase {
    const char* text;
    std::optional<uint32_t> code;
};

const TextCase textCases[] = {
    // Short names, in any case.
    {"A", 65},
    {"z", 90},
    {"F1", 112},
    {"f24", 135},
    {"Ctrl", 17},
    {"CONTROL", 17},
    {"shift", 16},
    {"Alt", 18},
    {"Space", 32},
    {"Enter", 13},
    {"esc", 27},
    {"Tab", 9},
    {"Backspace", 8},
    {"Insert", 45},
    {"Delete", 46},
    {"Home", 36},
    {"End", 35},
    {"pageup", 33},
    {"PageDown", 34},
    {"Left", 37},
    {"Up", 38},
    {"Right", 39},
    {"Down", 40},
    {"Num0", 96},
    {"NUM9", 105},
    // Windows names.
    {"VK_LBUTTON", 0x01},
    {"VK_CONTROL", 17},
    {"vk_menu", 18},
    {"VK_RETURN", 13},
    {"VK_NUMPAD0", 96},
    {"VK_F24", 135},
    {"VK_OEM_1", 0xBA},
    {"VK_OEM_CLEAR", 0xFE},
    // A key given twice counts with its first value.
    {"Z\nG", 90},
    {"Q\n5", 81},
    // Not names.
    {"Z1", notAKey},
    {"F0", notAKey},
    {"F25", notAKey},
    {"Ctr", notAKey},
    {"Ctlr", notAKey},
    {"VK_", notAKey},
    {"VK_A", notAKey},
    {"Num10", notAKey},
    {"", notAKey},
    {" ", notAKey},
    {" Z", notAKey},
    {"Z;", notAKey},
    {"\nZ", notAKey},
    {"+Z", notAKey},
    // A text that begins a number is that number, never a name.
    {"5", 5},
    {"0x41", 65},
    {"-1", 4294967295},
    {"65", 65},
    {"0z", 0},
    {"9Z", 9},
    {"4294967296", 2147483647},
};

TEST(KeyNames, KeyCodeTextIsANumberOrAName) {
    for (const TextCase& c : textCases) {
        EXPECT_EQ(keyCodeFromText(c.text), c.code) << '"' << c.text << '"';
    }
}

TEST(KeyNames, EachNameOnceAndEveryCodeAKey) {
    std::set<std::string> seen;
    for (size_t i = 0; i < keyNameCount; ++i) {
        std::string folded(keyNames[i].name);
        for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(folded).second) << keyNames[i].name << " is listed twice";
        EXPECT_TRUE(keyNames[i].code >= 1 && keyNames[i].code < 255) << keyNames[i].name;
    }
}

TEST(KeyNames, DisplayNameIsTheShortOne) {
    const std::pair<uint32_t, const char*> cases[] = {
        {17, "Ctrl"}, {90, "Z"}, {65, "A"}, {112, "F1"}, {135, "F24"}, {96, "Num0"}, {13, "Enter"},
        {18, "Alt"},  {48, ""},  {57, ""},  {0xBA, ""},  {0xA2, ""},   {0, ""},      {255, ""},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(keyDisplayName(code), name) << code;
}

TEST(KeyNames, NearestNameForAMisspelling) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ctlr", "Ctrl"},
        {"ctrll", "Ctrl"},
        {"F55", "F5"},
        {"PgUp", "PageUp"},
        {"Shfit", "Shift"},
        {"Contol", "Control"},
        {"vk_contrl", "VK_CONTROL"},
        {"Enter\nx", "Enter"},
        {"?", ""},
        {"", ""},
        {"qqqqqq", ""},
        {"Backspacebar", ""},
    };
    for (const auto& [text, nearest] : cases) EXPECT_EQ(nearestKeyName(text), nearest) << '"' << text << '"';
}

} // namespace
