// The number conversions of the settings file as rows of text and result, written out as
// literals: glibc's strtol (base 0, saturated to 32 bits) and strtod in the C locale give exactly
// these, and so must our own conversions on every C runtime. Shared by the Linux unit test, which
// also holds every row against glibc, and the Windows program run under Wine. No test framework.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace numbercases {

inline constexpr std::nullopt_t none = std::nullopt;

struct IntegerCase {
    const char* text;
    std::optional<int32_t> value; // none: no character converts
    size_t used;                  // characters converted, white space and sign included
};

inline constexpr IntegerCase integerCases[] = {
    // Decimal, signs and leading white space.
    {"0", 0, 1},
    {"42", 42, 2},
    {"-17", -17, 3},
    {"+42", 42, 3},
    {"-0", 0, 2},
    {" \t\n\v\f\r12", 12, 8},
    // Hexadecimal and octal; a bare "0x" converts its "0" only.
    {"0x1A", 26, 4},
    {"0X1a", 26, 4},
    {"-0x10", -16, 5},
    {"017", 15, 3},
    {"00010", 8, 5},
    {"090", 0, 1},
    {"0x", 0, 1},
    {"0xg", 0, 1},
    {"-0x", 0, 2},
    {"0b101", 0, 1},
    // Saturation both ways, also beyond 64 bits.
    {"2147483647", 2147483647, 10},
    {"2147483648", 2147483647, 10},
    {"-2147483648", -2147483647 - 1, 11},
    {"-2147483649", -2147483647 - 1, 11},
    {"0xFFFFFFFF", 2147483647, 10},
    {"4294967295", 2147483647, 10},
    {"99999999999999999999999", 2147483647, 23},
    {"-99999999999999999999999", -2147483647 - 1, 24},
    {"0x7fffffffffffffffffff", 2147483647, 22},
    // Conversion stops at the first character that does not fit.
    {"7,2", 7, 1},
    {"2.5", 2, 1},
    {"1e3", 1, 1},
    {"30 ; x", 30, 2},
    {"40\n50", 40, 2},
    {"12abc", 12, 2},
    // Nothing converts.
    {"- 5", none, 0},
    {"+-1", none, 0},
    {"--1", none, 0},
    {"-+1", none, 0},
    {"-", none, 0},
    {"+", none, 0},
    {"", none, 0},
    {" \t", none, 0},
    {"abc", none, 0},
    {"x1", none, 0},
    {".5", none, 0},
    {"z", none, 0},
};

enum class RealKind {
    number,     // bits is the double exactly
    notANumber, // any not-a-number whose sign bit is that of bits (payloads are not compared)
    noNumber,   // no character converts
};

struct RealCase {
    const char* text;
    RealKind kind;
    uint64_t bits;
    size_t used; // characters converted, white space and sign included
};

using enum RealKind;

inline constexpr RealCase realCases[] = {
    // Decimal forms, signs and white space.
    {"0", number, 0x0000000000000000, 1},
    {"-0", number, 0x8000000000000000, 2},
    {"2.5", number, 0x4004000000000000, 3},
    {"  \t-2.5", number, 0xC004000000000000, 7},
    {"+7.2", number, 0x401CCCCCCCCCCCCD, 4},
    {"0.1", number, 0x3FB999999999999A, 3},
    {"52.282005", number, 0x404A2418BD66277C, 9},
    {".5", number, 0x3FE0000000000000, 2},
    {"5.", number, 0x4014000000000000, 2},
    {"1.e1", number, 0x4024000000000000, 4},
    {"123456789012345678901234567890", number, 0x45F8EE90FF6C373E, 30},
    // Exponents, complete and not.
    {"2.5e1", number, 0x4039000000000000, 5},
    {"2.5E+2", number, 0x406F400000000000, 6},
    {"125e-2", number, 0x3FF4000000000000, 6},
    {"1e", number, 0x3FF0000000000000, 1},
    {"1e+", number, 0x3FF0000000000000, 1},
    {"1e-", number, 0x3FF0000000000000, 1},
    // Conversion stops at the first character that does not fit.
    {"5,5", number, 0x4014000000000000, 1},
    {"5.5abc", number, 0x4016000000000000, 3},
    {"30 ; x", number, 0x403E000000000000, 2},
    {"40\n50", number, 0x4044000000000000, 2},
    // Hexadecimal floats; a "0x" without a hexadecimal mantissa converts its "0" only.
    {"0x1Ap0", number, 0x403A000000000000, 6},
    {"0x1A", number, 0x403A000000000000, 4},
    {"0x.8p1", number, 0x3FF0000000000000, 6},
    {"0x.8", number, 0x3FE0000000000000, 4},
    {"0X1P-3", number, 0x3FC0000000000000, 6},
    {"0x1.8p4", number, 0x4038000000000000, 7},
    {"-0x1p-2", number, 0xBFD0000000000000, 7},
    {"0x1p", number, 0x3FF0000000000000, 3},
    {"0x1p+", number, 0x3FF0000000000000, 3},
    {"0x", number, 0x0000000000000000, 1},
    {"0x.p1", number, 0x0000000000000000, 1},
    {"0xg", number, 0x0000000000000000, 1},
    {"-0x", number, 0x8000000000000000, 2},
    // Infinities and not-a-numbers in any case.
    {"inf", number, 0x7FF0000000000000, 3},
    {"-Infinity", number, 0xFFF0000000000000, 9},
    {"INFINITY", number, 0x7FF0000000000000, 8},
    {"infinit", number, 0x7FF0000000000000, 3},
    {"+iNf", number, 0x7FF0000000000000, 4},
    {"nan", notANumber, 0x7FF8000000000000, 3},
    {"NaN(123)", notANumber, 0x7FF8000000000000, 8},
    {"nan()", notANumber, 0x7FF8000000000000, 5},
    {"nan(", notANumber, 0x7FF8000000000000, 3},
    {"nan(a_b)x", notANumber, 0x7FF8000000000000, 8},
    {"nan(a-b)", notANumber, 0x7FF8000000000000, 3},
    {"-nan", notANumber, 0xFFF8000000000000, 4},
    // Overflow to infinity, underflow to a signed zero, denormals correctly rounded.
    {"1e400", number, 0x7FF0000000000000, 5},
    {"-1e400", number, 0xFFF0000000000000, 6},
    {"1e99999999999999999999", number, 0x7FF0000000000000, 22},
    {"1.7976931348623157e308", number, 0x7FEFFFFFFFFFFFFF, 22},
    {"1.7976931348623159e308", number, 0x7FF0000000000000, 22},
    {"0x1.fffffffffffff8p1023", number, 0x7FF0000000000000, 23},
    {"1e-400", number, 0x0000000000000000, 6},
    {"-1e-400", number, 0x8000000000000000, 7},
    {"0e99999", number, 0x0000000000000000, 7},
    {"2.2250738585072014e-308", number, 0x0010000000000000, 23},
    {"2.2250738585072009e-308", number, 0x000FFFFFFFFFFFFF, 23},
    {"4.9406564584124654e-324", number, 0x0000000000000001, 23},
    {"2.4703282292062328e-324", number, 0x0000000000000001, 23},
    {"2.4703282292062327e-324", number, 0x0000000000000000, 23},
    {"0x1p-1074", number, 0x0000000000000001, 9},
    {"0x1p-1075", number, 0x0000000000000000, 9},
    {"0x1.8p-1075", number, 0x0000000000000001, 11},
    // Nothing converts.
    {"+-1", noNumber, 0, 0},
    {"--1", noNumber, 0, 0},
    {"-+1", noNumber, 0, 0},
    {"", noNumber, 0, 0},
    {"  ", noNumber, 0, 0},
    {"abc", noNumber, 0, 0},
    {"x", noNumber, 0, 0},
    {"in", noNumber, 0, 0},
    {"na", noNumber, 0, 0},
    {".", noNumber, 0, 0},
    {"-.", noNumber, 0, 0},
    {".e1", noNumber, 0, 0},
    {"e5", noNumber, 0, 0},
};

} // namespace numbercases
