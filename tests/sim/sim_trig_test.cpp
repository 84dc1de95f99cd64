// The simulator's own trigonometry against the C library's: within one unit in the last place
// of a float everywhere the simulated game goes, with the C library's zeros, signs and NaNs.
#include "sim_trig.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {
constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

// Floats between a and b, counted in steps of the last place.
int64_t floatSteps(float a, float b) {
    const auto ordered = [](float f) {
        const int32_t bits = std::bit_cast<int32_t>(f);
        return bits < 0 ? int64_t{INT32_MIN} - bits : int64_t{bits};
    };
    return std::llabs(ordered(a) - ordered(b));
}

void expectClose(float actual, double expected, const char* what, double argument) {
    EXPECT_LE(floatSteps(actual, static_cast<float>(expected)), 1) << what << "(" << argument << ")";
}

TEST(SimTrig, SineCosineAndTangentFollowTheLibraryInEveryQuadrant) {
    // Quadrant edges, headings after minutes of turning, the slope angles of the sessions.
    const float angles[] = {0.0f,        1e-6f,       0.1f,        0.7853982f, 0.7853983f,
                            1.0f,        1.5707964f,  2.0f,        3.1415927f, 4.0f,
                            4.712389f,   6.2831855f,  10.0f,       -0.3f,      -1.5707964f,
                            -2.5f,       -3.1415927f, -100.25f,    314.15927f, 2000.5f,
                            -12345.678f, 0.10471976f, 0.23911761f, 1e5f,       -7.5e5f};
    for (float x : angles) {
        const double d = x;
        expectClose(sim::sine(x), std::sin(d), "sine", d);
        expectClose(sim::cosine(x), std::cos(d), "cosine", d);
        if (std::fabs(std::cos(d)) > 1e-3) expectClose(sim::tangent(x), std::tan(d), "tangent", d);
    }
}

TEST(SimTrig, ArcTangentFollowsTheLibraryAroundTheCircle) {
    const float values[] = {0.0f,        1e-7f, 0.25f,      0.26794919f, 0.2679492f, 0.5f,
                            0.99999994f, 1.0f,  1.0000001f, 3.0f,        26.0f,      1e6f};
    for (float y : values) {
        for (float x : values) {
            for (float sy : {1.0f, -1.0f}) {
                for (float sx : {1.0f, -1.0f}) {
                    const double expected = std::atan2(double(sy * y), double(sx * x));
                    EXPECT_LE(floatSteps(sim::arcTangent2(sy * y, sx * x), static_cast<float>(expected)), 1)
                        << "arcTangent2(" << sy * y << ", " << sx * x << ")";
                }
            }
        }
    }
}

TEST(SimTrig, ZerosSignsInfinitiesAndNaNAreTheLibrarys) {
    const struct {
        float y, x;
    } cases[] = {{0.0f, 0.0f},         {-0.0f, 0.0f},         {0.0f, -0.0f},         {-0.0f, -0.0f},
                 {0.0f, -2.0f},        {-0.0f, -2.0f},        {3.0f, -0.0f},         {-3.0f, 0.0f},
                 {infinity, infinity}, {-infinity, infinity}, {infinity, -infinity}, {1.0f, infinity},
                 {1.0f, -infinity},    {infinity, 5.0f}};
    for (const auto& c : cases) {
        const float expected = std::atan2(c.y, c.x);
        const float actual = sim::arcTangent2(c.y, c.x);
        EXPECT_EQ(actual, expected) << "arcTangent2(" << c.y << ", " << c.x << ")";
        EXPECT_EQ(std::signbit(actual), std::signbit(expected))
            << "arcTangent2(" << c.y << ", " << c.x << ")";
    }
    EXPECT_TRUE(std::signbit(sim::sine(-0.0f)));
    EXPECT_EQ(sim::cosine(-0.0f), 1.0f);
    for (float x : {nan, infinity, -infinity, 1e16f}) {
        EXPECT_TRUE(std::isnan(sim::sine(x))) << x;
        EXPECT_TRUE(std::isnan(sim::cosine(x))) << x;
    }
    EXPECT_TRUE(std::isnan(sim::arcTangent2(nan, 1.0f)));
    EXPECT_TRUE(std::isnan(sim::arcTangent2(1.0f, nan)));
}
} // namespace
