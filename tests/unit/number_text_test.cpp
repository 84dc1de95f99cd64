// The settings file's number conversions against the shared table of texts and results, and the
// table itself against glibc's strtol and strtod in the C locale, which it is meant to copy.
#include "number_text_cases.h"
#include "settings/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

using namespace numbercases;

// The text with its control characters spelled, for failure messages.
std::string shown(const char* text) {
    std::string out = "\"";
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            out += "\\n";
        else if (*p == '\t')
            out += "\\t";
        else if (*p == '\r' || *p == '\v' || *p == '\f')
            out += "\\" + std::to_string(int(*p));
        else
            out += *p;
    }
    return out + "\"";
}

// Whether a double result is the row's: bit for bit, or a not-a-number of the row's sign.
bool realMatches(const RealCase& row, double value) {
    if (row.kind == notANumber) return std::isnan(value) && std::signbit(value) == (row.bits >> 63 == 1);
    return std::bit_cast<uint64_t>(value) == row.bits;
}

TEST(NumberText, IntegersConvertAsTheTableSays) {
    for (const IntegerCase& row : integerCases) {
        const char* end = nullptr;
        const std::optional<int32_t> value = integerFromText(row.text, &end);
        EXPECT_EQ(value, row.value) << shown(row.text);
        EXPECT_EQ(static_cast<size_t>(end - row.text), row.used) << shown(row.text);
    }
}

TEST(NumberText, RealsConvertAsTheTableSays) {
    for (const RealCase& row : realCases) {
        const char* end = nullptr;
        const std::optional<double> value = realFromText(row.text, &end);
        EXPECT_EQ(value.has_value(), row.kind != noNumber) << shown(row.text);
        if (value) {
            EXPECT_TRUE(realMatches(row, *value))
                << shown(row.text) << " gives 0x" << std::hex << std::bit_cast<uint64_t>(*value);
        }
        EXPECT_EQ(static_cast<size_t>(end - row.text), row.used) << shown(row.text);
    }
}

// The table is glibc's behaviour, not a copy of our own code's: every row is held against it.
TEST(NumberText, TableIsWhatGlibcGives) {
    for (const IntegerCase& row : integerCases) {
        char* end = nullptr;
        const long value = std::strtol(row.text, &end, 0);
        EXPECT_EQ(static_cast<size_t>(end - row.text), row.used) << shown(row.text);
        const std::optional<int32_t> saturated = std::clamp<long>(value, INT32_MIN, INT32_MAX);
        EXPECT_EQ(row.used == 0 ? std::nullopt : saturated, row.value) << shown(row.text);
    }
    const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    ASSERT_NE(classic, static_cast<locale_t>(0));
    for (const RealCase& row : realCases) {
        char* end = nullptr;
        const double value = strtod_l(row.text, &end, classic);
        EXPECT_EQ(static_cast<size_t>(end - row.text), row.used) << shown(row.text);
        EXPECT_TRUE(row.kind == noNumber || realMatches(row, value)) << shown(row.text);
    }
    freelocale(classic);
}

} // namespace
