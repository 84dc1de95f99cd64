#include "sim_trig.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace sim {
namespace {
constexpr double twoOverPi = 0x1.45f306dc9c883p-1;
// pi/2 in two parts: the first has 33 significant bits, so n * halfPiHigh is exact for every
// quadrant count n below 2^20, and the second carries the rest.
constexpr double halfPiHigh = 0x1.921fb544p0;
constexpr double halfPiLow = 0x1.0b4611a626331p-34;
constexpr double halfPi = 0x1.921fb54442d18p0;
constexpr double quarterPi = 0x1.921fb54442d18p-1;
constexpr double pi = 0x1.921fb54442d18p1;
constexpr double sixthPi = 0x1.0c152382d7366p-1;
constexpr double squareRootOf3 = 0x1.bb67ae8584caap0;
constexpr double tangentOfTwelfthPi = 2.0 - squareRootOf3;
constexpr double largestReduced = 0x1p50;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 to the nearest integer.
constexpr double roundingShift = 0x1.8p52;

// Taylor series on |r| <= pi/4: the first omitted term is below 1e-18 of the result.
constexpr double sineTerms[] = {1.0,
                                -1.0 / 6,
                                1.0 / 120,
                                -1.0 / 5040,
                                1.0 / 362880,
                                -1.0 / 39916800,
                                1.0 / 6227020800.0,
                                -1.0 / 1307674368000.0,
                                1.0 / 355687428096000.0};
constexpr double cosineTerms[] = {1.0,
                                  -1.0 / 2,
                                  1.0 / 24,
                                  -1.0 / 720,
                                  1.0 / 40320,
                                  -1.0 / 3628800,
                                  1.0 / 479001600.0,
                                  -1.0 / 87178291200.0,
                                  1.0 / 20922789888000.0,
                                  -1.0 / 6402373705728000.0};

template <size_t count> double polynomial(const double (&terms)[count], double z) {
    double sum = terms[count - 1];
    for (size_t i = count - 1; i-- > 0;) sum = sum * z + terms[i];
    return sum;
}

double sineNearZero(double r) { return r * polynomial(sineTerms, r * r); }
double cosineNearZero(double r) { return polynomial(cosineTerms, r * r); }

struct Reduced {
    double r;         // in [-pi/4, pi/4]
    unsigned quarter; // how many quarter turns were taken off, modulo 4
};

// The caller makes sure |x| < 2^50, so the quarter count fits every step below.
Reduced reduce(double x) {
    const double n = (x * twoOverPi + roundingShift) - roundingShift;
    const double r = (x - n * halfPiHigh) - n * halfPiLow;
    return {r, static_cast<unsigned>(static_cast<int64_t>(n) & 3)};
}

bool reducible(double x) { return std::fabs(x) < largestReduced; }

double sineOf(double x) {
    const Reduced a = reduce(x);
    const double s = a.quarter % 2 == 0 ? sineNearZero(a.r) : cosineNearZero(a.r);
    return a.quarter >= 2 ? -s : s;
}

double cosineOf(double x) {
    const Reduced a = reduce(x);
    const double c = a.quarter % 2 == 0 ? cosineNearZero(a.r) : sineNearZero(a.r);
    return a.quarter == 1 || a.quarter == 2 ? -c : c;
}

// atan on [-tan(pi/12), tan(pi/12)] by its series, whose terms fall by a factor of 14 or more.
double arcTangentNearZero(double u) {
    const double z = u * u;
    double sum = 0.0;
    for (int k = 29; k >= 3; k -= 2) sum = (sum + ((k / 2) % 2 == 0 ? 1.0 : -1.0) / k) * z;
    return u + u * sum;
}

// atan on [0, 1]: above tan(pi/12), atan(t) = pi/6 + atan((t * sqrt(3) - 1) / (t + sqrt(3))).
double arcTangentOfUnit(double t) {
    if (t <= tangentOfTwelfthPi) return arcTangentNearZero(t);
    return sixthPi + arcTangentNearZero((t * squareRootOf3 - 1.0) / (t + squareRootOf3));
}

float notANumber() { return std::numeric_limits<float>::quiet_NaN(); }
} // namespace

float sine(float radians) { return reducible(radians) ? static_cast<float>(sineOf(radians)) : notANumber(); }

float cosine(float radians) {
    return reducible(radians) ? static_cast<float>(cosineOf(radians)) : notANumber();
}

float tangent(float radians) {
    return reducible(radians) ? static_cast<float>(sineOf(radians) / cosineOf(radians)) : notANumber();
}

float arcTangent2(float y, float x) {
    if (std::isnan(x) || std::isnan(y)) return notANumber();
    const double ax = std::fabs(static_cast<double>(x));
    const double ay = std::fabs(static_cast<double>(y));
    double angle = 0.0;
    if (std::isinf(ax) && std::isinf(ay)) {
        angle = quarterPi;
    } else if (ay <= ax) {
        angle = ax > 0.0 ? arcTangentOfUnit(ay / ax) : 0.0;
    } else {
        angle = halfPi - arcTangentOfUnit(ax / ay);
    }
    if (std::signbit(x)) angle = pi - angle;
    return static_cast<float>(std::copysign(angle, static_cast<double>(y)));
}

} // namespace sim
