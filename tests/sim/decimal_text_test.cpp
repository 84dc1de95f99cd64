// The simulator writes its numbers with std::to_chars so that every platform writes the same
// text; on Linux that text must stay exactly what printf wrote before, so files keep their form.
#include "decimal_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace {
std::string printed(const char* format, int precision, double value) {
    char text[400];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

// Ties in binary (0.125, 2.5), values just either side of one, negative values that round to
// zero, the sizes the CSV meets, exponents, and what no frame should hold but might.
const double values[] = {0.0,
                         -0.0,
                         0.125,
                         0.375,
                         2.5,
                         -2.5,
                         0.00005,
                         -0.00005,
                         -0.00001,
                         1.00005,
                         52.282005,
                         1e-7,
                         123456.5,
                         1e15,
                         -1e300,
                         3.5e-310,
                         1.0 / 3,
                         2.0 / 3,
                         90.0,
                         -646.0059,
                         16.666,
                         std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()};

TEST(DecimalText, FixedAndGeneralTextIsPrintfsToTheLastCharacter) {
    for (double v : values) {
        for (int decimals : {0, 1, 2, 3, 4})
            EXPECT_EQ(sim::fixedText(v, decimals), printed("%.*f", decimals, v)) << v;
        for (int precision : {1, 6, 9})
            EXPECT_EQ(sim::generalText(v, precision), printed("%.*g", precision, v)) << v;
    }
}
} // namespace
