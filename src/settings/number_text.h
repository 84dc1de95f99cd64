// Numbers in the settings file's text, converted by our own code around std::from_chars so that
// Vorthmere.ini means the same under glibc, msvcrt.dll and the UCRT: the old msvcrt.dll that the
// MinGW-w64 build links knows no hexadecimal, infinity or not-a-number forms in its strtod.
// Both take a NUL-terminated text and, when end is given, set *end past the last character
// used, or to text itself when nothing converts, as strtol and strtod do.
#pragma once

#include <cstdint>
#include <optional>

// As strtol with base 0 (white space, sign, "0x" hexadecimal, leading-"0" octal, else decimal,
// stopping at the first character that does not fit), saturated to the 32-bit signed range;
// empty when no character converts.
std::optional<int32_t> integerFromText(const char* text, const char** end = nullptr);

// As glibc's strtod in the C locale: decimal with "." and exponent, hexadecimal floats,
// "inf", "infinity", "nan" and "nan(chars)" in any case; overflow gives an infinity, underflow
// the correctly rounded tiny value or a signed zero; empty when no character converts.
std::optional<double> realFromText(const char* text, const char** end = nullptr);
