#include "settings/key_names.h"

#include "settings/number_text.h"
#include "settings/text_match.h"

// Written from the Windows virtual-key code table; "Ctrl" before "Control" so that it displays.
// clang-format off
const KeyName keyNames[] = {
    {"A", 65}, {"B", 66}, {"C", 67}, {"D", 68}, {"E", 69}, {"F", 70}, {"G", 71}, {"H", 72}, {"I", 73},
    {"J", 74}, {"K", 75}, {"L", 76}, {"M", 77}, {"N", 78}, {"O", 79}, {"P", 80}, {"Q", 81}, {"R", 82},
    {"S", 83}, {"T", 84}, {"U", 85}, {"V", 86}, {"W", 87}, {"X", 88}, {"Y", 89}, {"Z", 90},
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115}, {"F5", 116}, {"F6", 117}, {"F7", 118}, {"F8", 119},
    {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123}, {"F13", 124}, {"F14", 125}, {"F15", 126},
    {"F16", 127}, {"F17", 128}, {"F18", 129}, {"F19", 130}, {"F20", 131}, {"F21", 132}, {"F22", 133},
    {"F23", 134}, {"F24", 135},
    {"Ctrl", 17}, {"Control", 17}, {"Shift", 16}, {"Alt", 18}, {"Space", 32}, {"Enter", 13}, {"Esc", 27},
    {"Tab", 9}, {"Backspace", 8}, {"Insert", 45}, {"Delete", 46}, {"Home", 36}, {"End", 35}, {"PageUp", 33},
    {"PageDown", 34}, {"Left", 37}, {"Up", 38}, {"Right", 39}, {"Down", 40},
    {"Num0", 96}, {"Num1", 97}, {"Num2", 98}, {"Num3", 99}, {"Num4", 100}, {"Num5", 101}, {"Num6", 102},
    {"Num7", 103}, {"Num8", 104}, {"Num9", 105},
    {"VK_LBUTTON", 0x01}, {"VK_RBUTTON", 0x02}, {"VK_CANCEL", 0x03}, {"VK_MBUTTON", 0x04},
    {"VK_XBUTTON1", 0x05}, {"VK_XBUTTON2", 0x06}, {"VK_BACK", 0x08}, {"VK_TAB", 0x09}, {"VK_CLEAR", 0x0C},
    {"VK_RETURN", 0x0D}, {"VK_SHIFT", 0x10}, {"VK_CONTROL", 0x11}, {"VK_MENU", 0x12}, {"VK_PAUSE", 0x13},
    {"VK_CAPITAL", 0x14}, {"VK_KANA", 0x15}, {"VK_HANGUL", 0x15}, {"VK_HANGEUL", 0x15}, {"VK_IME_ON", 0x16},
    {"VK_JUNJA", 0x17}, {"VK_FINAL", 0x18}, {"VK_HANJA", 0x19}, {"VK_KANJI", 0x19}, {"VK_IME_OFF", 0x1A},
    {"VK_ESCAPE", 0x1B}, {"VK_CONVERT", 0x1C}, {"VK_NONCONVERT", 0x1D}, {"VK_ACCEPT", 0x1E},
    {"VK_MODECHANGE", 0x1F}, {"VK_SPACE", 0x20}, {"VK_PRIOR", 0x21}, {"VK_NEXT", 0x22}, {"VK_END", 0x23},
    {"VK_HOME", 0x24}, {"VK_LEFT", 0x25}, {"VK_UP", 0x26}, {"VK_RIGHT", 0x27}, {"VK_DOWN", 0x28},
    {"VK_SELECT", 0x29}, {"VK_PRINT", 0x2A}, {"VK_EXECUTE", 0x2B}, {"VK_SNAPSHOT", 0x2C}, {"VK_INSERT", 0x2D},
    {"VK_DELETE", 0x2E}, {"VK_HELP", 0x2F}, {"VK_LWIN", 0x5B}, {"VK_RWIN", 0x5C}, {"VK_APPS", 0x5D},
    {"VK_SLEEP", 0x5F}, {"VK_NUMPAD0", 0x60}, {"VK_NUMPAD1", 0x61}, {"VK_NUMPAD2", 0x62},
    {"VK_NUMPAD3", 0x63}, {"VK_NUMPAD4", 0x64}, {"VK_NUMPAD5", 0x65}, {"VK_NUMPAD6", 0x66},
    {"VK_NUMPAD7", 0x67}, {"VK_NUMPAD8", 0x68}, {"VK_NUMPAD9", 0x69}, {"VK_MULTIPLY", 0x6A}, {"VK_ADD", 0x6B},
    {"VK_SEPARATOR", 0x6C}, {"VK_SUBTRACT", 0x6D}, {"VK_DECIMAL", 0x6E}, {"VK_DIVIDE", 0x6F}, {"VK_F1", 0x70},
    {"VK_F2", 0x71}, {"VK_F3", 0x72}, {"VK_F4", 0x73}, {"VK_F5", 0x74}, {"VK_F6", 0x75}, {"VK_F7", 0x76},
    {"VK_F8", 0x77}, {"VK_F9", 0x78}, {"VK_F10", 0x79}, {"VK_F11", 0x7A}, {"VK_F12", 0x7B}, {"VK_F13", 0x7C},
    {"VK_F14", 0x7D}, {"VK_F15", 0x7E}, {"VK_F16", 0x7F}, {"VK_F17", 0x80}, {"VK_F18", 0x81},
    {"VK_F19", 0x82}, {"VK_F20", 0x83}, {"VK_F21", 0x84}, {"VK_F22", 0x85}, {"VK_F23", 0x86},
    {"VK_F24", 0x87}, {"VK_NUMLOCK", 0x90}, {"VK_SCROLL", 0x91}, {"VK_LSHIFT", 0xA0}, {"VK_RSHIFT", 0xA1},
    {"VK_LCONTROL", 0xA2}, {"VK_RCONTROL", 0xA3}, {"VK_LMENU", 0xA4}, {"VK_RMENU", 0xA5},
    {"VK_BROWSER_BACK", 0xA6}, {"VK_BROWSER_FORWARD", 0xA7}, {"VK_BROWSER_REFRESH", 0xA8},
    {"VK_BROWSER_STOP", 0xA9}, {"VK_BROWSER_SEARCH", 0xAA}, {"VK_BROWSER_FAVORITES", 0xAB},
    {"VK_BROWSER_HOME", 0xAC}, {"VK_VOLUME_MUTE", 0xAD}, {"VK_VOLUME_DOWN", 0xAE}, {"VK_VOLUME_UP", 0xAF},
    {"VK_MEDIA_NEXT_TRACK", 0xB0}, {"VK_MEDIA_PREV_TRACK", 0xB1}, {"VK_MEDIA_STOP", 0xB2},
    {"VK_MEDIA_PLAY_PAUSE", 0xB3}, {"VK_LAUNCH_MAIL", 0xB4}, {"VK_LAUNCH_MEDIA_SELECT", 0xB5},
    {"VK_LAUNCH_APP1", 0xB6}, {"VK_LAUNCH_APP2", 0xB7}, {"VK_OEM_1", 0xBA}, {"VK_OEM_PLUS", 0xBB},
    {"VK_OEM_COMMA", 0xBC}, {"VK_OEM_MINUS", 0xBD}, {"VK_OEM_PERIOD", 0xBE}, {"VK_OEM_2", 0xBF},
    {"VK_OEM_3", 0xC0}, {"VK_OEM_4", 0xDB}, {"VK_OEM_5", 0xDC}, {"VK_OEM_6", 0xDD}, {"VK_OEM_7", 0xDE},
    {"VK_OEM_8", 0xDF}, {"VK_OEM_102", 0xE2}, {"VK_PROCESSKEY", 0xE5}, {"VK_PACKET", 0xE7}, {"VK_ATTN", 0xF6},
    {"VK_CRSEL", 0xF7}, {"VK_EXSEL", 0xF8}, {"VK_EREOF", 0xF9}, {"VK_PLAY", 0xFA}, {"VK_ZOOM", 0xFB},
    {"VK_NONAME", 0xFC}, {"VK_PA1", 0xFD}, {"VK_OEM_CLEAR", 0xFE},
};
// clang-format on
const size_t keyNameCount = sizeof(keyNames) / sizeof(keyNames[0]);

namespace {
bool isWindowsName(std::string_view name) { return name.starts_with("VK_"); }
} // namespace

std::optional<uint32_t> keyCodeFromName(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    if (first.empty()) return std::nullopt; // an absent key: no need to try every name
    for (size_t i = 0; i < keyNameCount; ++i) {
        if (sameName(first, keyNames[i].name)) return keyNames[i].code;
    }
    return std::nullopt;
}

std::optional<uint32_t> keyCodeFromText(const char* text) {
    if (const std::optional<int32_t> number = integerFromText(text)) return static_cast<uint32_t>(*number);
    return keyCodeFromName(text);
}

std::string_view keyDisplayName(uint32_t code) {
    for (size_t i = 0; i < keyNameCount; ++i) {
        if (keyNames[i].code == code && !isWindowsName(keyNames[i].name)) return keyNames[i].name;
    }
    return {};
}

std::string combinationName(uint32_t first, uint32_t second) {
    const std::string_view a = keyDisplayName(first), b = keyDisplayName(second);
    return (a.empty() ? std::to_string(first) : std::string(a)) + "+" +
           (b.empty() ? std::to_string(second) : std::string(b));
}
