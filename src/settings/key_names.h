// Key names for the key-code settings: "enable_key2 = Z" as well as "enable_key2 = 90". A text
// that begins a number is always read as that number, so the digit keys are written by their
// codes 48 to 57; only a text of which no character converts is looked up as a name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct KeyName {
    std::string_view name; // matched without regard to case
    uint32_t code;         // Windows virtual-key code
};

// Short names first (the first one of a code is its display name), then the Windows VK_ names.
extern const KeyName keyNames[];
extern const size_t keyNameCount;

// The code of a key name, read up to the text's first newline (a key given twice counts with its
// first value); empty for an unknown name.
std::optional<uint32_t> keyCodeFromName(std::string_view text);

// A key-code setting's text: the number integerFromText converts, stored as its 32-bit pattern,
// or else the key name; empty when it is neither.
std::optional<uint32_t> keyCodeFromText(const char* text);

// The short name of a code ("Ctrl", "Z", "F5"); empty for a code that has none, the digit keys
// included.
std::string_view keyDisplayName(uint32_t code);

// A combination as players write it: "Ctrl+Z", or the code where a key has no short name.
std::string combinationName(uint32_t first, uint32_t second);
