#include "settings/number_text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Character classes of the C locale, whatever locale the game process runs in.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isNanChar(char c) { return isDigit(c) || (lower(c) >= 'a' && lower(c) <= 'z') || c == '_'; }

const char* skipSpace(const char* p) {
    while (isSpace(*p)) ++p;
    return p;
}

// Steps over one sign; true for a minus.
bool takeSign(const char*& p) {
    if (*p != '+' && *p != '-') return false;
    return *p++ == '-';
}

// Whether p starts with the lower-case word, in any case; the NUL ends a short text.
bool startsWith(const char* p, const char* word) {
    for (; *word; ++p, ++word) {
        if (lower(*p) != *word) return false;
    }
    return true;
}

bool hasHexPrefix(const char* p) { return p[0] == '0' && lower(p[1]) == 'x'; }

const char* skipDigits(const char* p, bool hex) {
    while (hex ? isHexDigit(*p) : isDigit(*p)) ++p;
    return p;
}

void setEnd(const char** end, const char* stop) {
    if (end) *end = stop;
}

// --- Integers -----------------------------------------------------------------------------

struct IntegerDigits {
    const char* begin;
    int base;
};

// A "0x" counts as a prefix only when a hex digit follows; otherwise its "0" is the number.
IntegerDigits integerDigits(const char* p) {
    if (hasHexPrefix(p) && isHexDigit(p[2])) return {p + 2, 16};
    if (*p == '0') return {p, 8};
    return {p, 10};
}

int32_t saturated(uint64_t magnitude, bool negative, bool tooLarge) {
    constexpr uint64_t beyondMax = uint64_t{1} << 31;
    if (negative) {
        if (tooLarge || magnitude >= beyondMax) return std::numeric_limits<int32_t>::min();
        return -static_cast<int32_t>(magnitude);
    }
    if (tooLarge || magnitude >= beyondMax) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(magnitude);
}

// --- Reals --------------------------------------------------------------------------------

struct Scanned {
    const char* stop; // past the last character used; the start when none
    double value;     // without the sign
};

// Past "inf" or "infinity"; null when neither is there.
const char* afterInfinity(const char* p) {
    if (!startsWith(p, "inf")) return nullptr;
    return startsWith(p + 3, "inity") ? p + 8 : p + 3;
}

// Past "nan" and a closed "(chars)" after it; null when no "nan" is there.
const char* afterNan(const char* p) {
    if (!startsWith(p, "nan")) return nullptr;
    if (p[3] != '(') return p + 3;
    const char* close = p + 4;
    while (isNanChar(*close)) ++close;
    return *close == ')' ? close + 1 : p + 3;
}

// Past the digits and point of a mantissa; p when it has no digit.
const char* mantissaEnd(const char* p, bool hex) {
    const char* point = skipDigits(p, hex);
    const bool whole = point != p;
    if (*point == '.') {
        const char* fraction = skipDigits(point + 1, hex);
        if (whole || fraction != point + 1) return fraction;
    }
    return whole ? point : p;
}

// Past an exponent: "e" (or "p" in hex), an optional sign and at least one decimal digit;
// p when it is incomplete, so "1e+" uses only the "1".
const char* exponentEnd(const char* p, bool hex) {
    if (lower(*p) != (hex ? 'p' : 'e')) return p;
    const char* digits = p[1] == '+' || p[1] == '-' ? p + 2 : p + 1;
    return isDigit(*digits) ? skipDigits(digits, false) : p;
}

// The exponent's value, capped far beyond any double's range.
int64_t exponentValue(const char* p) {
    const char* digits = p + 1;
    const bool negative = takeSign(digits);
    int64_t value = 0;
    for (; isDigit(*digits); ++digits) value = std::min<int64_t>(value * 10 + (*digits - '0'), 1000000000);
    return negative ? -value : value;
}

// The power of the base at the mantissa's leading nonzero digit: 0 for the units, -1 for the
// first fraction digit. Only called for a mantissa that is not zero.
int64_t leadingPlace(const char* p, bool hex) {
    const char* point = skipDigits(p, hex);
    const char* lead = p;
    while (lead < point && *lead == '0') ++lead;
    if (lead < point) return point - lead - 1;
    const char* fraction = point + 1;
    const char* nonzero = fraction;
    while (*nonzero == '0') ++nonzero;
    return -(nonzero - fraction) - 1;
}

// from_chars leaves an out-of-range value untouched. Overflow puts the leading digit at a power
// of ten (two in hex) of 308 (1024) or more, underflow at -323 (-1075) or less, so the sign of
// that power alone tells them apart.
bool aboveRange(const char* p, const char* mantissaStop, bool hex) {
    const int64_t digitPower = hex ? 4 : 1;
    const int64_t exponent = exponentEnd(mantissaStop, hex) != mantissaStop ? exponentValue(mantissaStop) : 0;
    return leadingPlace(p, hex) * digitPower + exponent >= 0;
}

#ifdef __cpp_lib_to_chars
// The digits from p to stop, which the grammar above has bounded, as from_chars converts them.
std::from_chars_result convertDigits(const char* p, const char* stop, bool hex, double& value) {
    return std::from_chars(p, stop, value, hex ? std::chars_format::hex : std::chars_format::general);
}
#else
// A standard library without floating-point from_chars (libc++ 19, the WebAssembly build): its C
// library's strtod, correctly rounded as from_chars is, converts the same bounded digits, and a
// result that is 0 or infinite from out-of-range digits counts as from_chars's range error.
std::from_chars_result convertDigits(const char* p, const char* stop, bool hex, double& value) {
    char digits[512];
    const size_t length = static_cast<size_t>(stop - p);
    if (length + 3 > sizeof digits) return {p, std::errc::invalid_argument};
    std::memcpy(digits, "0x", 2);
    char* body = hex ? digits + 2 : digits;
    std::memcpy(body, p, length);
    body[length] = '\0';
    errno = 0;
    char* used = nullptr;
    const double converted = std::strtod(digits, &used);
    if (used == digits) return {p, std::errc::invalid_argument};
    const bool outOfRange = errno == ERANGE && (converted == 0.0 || std::isinf(converted));
    if (!outOfRange) value = converted;
    return {p + (used - body), outOfRange ? std::errc::result_out_of_range : std::errc{}};
}
#endif

// A decimal number, or the digits of a hexadecimal one after its "0x".
Scanned numberBody(const char* p, bool hex) {
    const char* mantissaStop = mantissaEnd(p, hex);
    if (mantissaStop == p) return {p, 0.0};
    const char* stop = exponentEnd(mantissaStop, hex);
    double value = 0.0;
    const auto [used, error] = convertDigits(p, stop, hex, value);
    if (error == std::errc::invalid_argument) return {p, 0.0};
    if (error == std::errc::result_out_of_range) value = aboveRange(p, mantissaStop, hex) ? HUGE_VAL : 0.0;
    return {used, value};
}

// "0x" not followed by a hexadecimal mantissa converts its "0" alone.
Scanned hexNumber(const char* p) {
    const Scanned digits = numberBody(p + 2, true);
    return digits.stop == p + 2 ? Scanned{p + 1, 0.0} : digits;
}

Scanned unsignedReal(const char* p) {
    if (const char* stop = afterInfinity(p)) return {stop, std::numeric_limits<double>::infinity()};
    if (const char* stop = afterNan(p)) return {stop, std::numeric_limits<double>::quiet_NaN()};
    if (hasHexPrefix(p)) return hexNumber(p);
    return numberBody(p, false);
}

} // namespace

std::optional<int32_t> integerFromText(const char* text, const char** end) {
    const char* p = skipSpace(text);
    const bool negative = takeSign(p);
    const IntegerDigits digits = integerDigits(p);
    uint64_t magnitude = 0;
    const char* last = digits.begin + std::strlen(digits.begin);
    const auto [stop, error] = std::from_chars(digits.begin, last, magnitude, digits.base);
    if (error == std::errc::invalid_argument) {
        setEnd(end, text);
        return std::nullopt;
    }
    setEnd(end, stop);
    return saturated(magnitude, negative, error == std::errc::result_out_of_range);
}

std::optional<double> realFromText(const char* text, const char** end) {
    const char* p = skipSpace(text);
    const bool negative = takeSign(p);
    const Scanned number = unsignedReal(p);
    if (number.stop == p) {
        setEnd(end, text);
        return std::nullopt;
    }
    setEnd(end, number.stop);
    // A minus on a not-a-number sets its sign bit, as glibc does.
    return negative ? -number.value : number.value;
}
