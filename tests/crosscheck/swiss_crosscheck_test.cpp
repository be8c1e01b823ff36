// Cross-check against a modern ephemeris (Swiss Ephemeris in its built-in analytic mode).
// This theory is a classical abridged one: it is not expected to agree to the arcsecond, but a
// mistyped large term shows up as an error far beyond the per-body bounds below.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "positions/positions.h"
#include "support/angle_diff.h"

namespace velmaris::ephem {
namespace {

using testing::AngleDiff;

struct BodyBound {
    int slot;
    int sweBody;
    const char* name;
    double boundDeg;
};

// Bounds: the worst difference seen over 1900-2100 with about a third added as margin.
// The planets here are geometric while the reference is apparent, which accounts for most of
// the difference for the inner planets (light-time: up to about 0.02 degree for Mercury).
// clang-format off
constexpr BodyBound kBounds[] = {
    { 1, SE_SUN,     "Sun",     0.001 },
    { 2, SE_MERCURY, "Mercury", 0.035 },
    { 3, SE_VENUS,   "Venus",   0.030 },
    { 4, SE_MARS,    "Mars",    0.065 },
    { 5, SE_JUPITER, "Jupiter", 0.025 },
    { 6, SE_SATURN,  "Saturn",  0.050 },
    { 7, SE_URANUS,  "Uranus",  0.022 },
    { 8, SE_NEPTUNE, "Neptune", 0.028 },
    { 9, SE_PLUTO,   "Pluto",   0.170 },
    {10, SE_MOON,    "Moon",    0.013 },
};
// clang-format on

TEST(SwissCrossCheckTest, WithinPerBodyBoundsFrom1900To2100) {
    // JD 2415021 (1900 January 1) to 2488070 (2100 January 1), 400 dates.
    constexpr int kDates = 400;
    for (int i = 0; i < kDates; ++i) {
        const double dayNumber = 2415021 + std::floor(i * (2488070.0 - 2415021.0) / (kDates - 1));
        const double dayFraction = 0.125 + 0.75 * ((i * 37) % 100) / 100.0;
        const SkyPositions ours = ComputePositions(MakeChartMoment(dayNumber, dayFraction));
        // No Delta-T in this theory: the instant is taken as dynamical time on both sides.
        const double jd = dayNumber + dayFraction - 0.5;
        for (const BodyBound& body : kBounds) {
            double xx[6] = {};
            char error[AS_MAXCH] = {};
            ASSERT_GE(swe_calc(jd, body.sweBody, SEFLG_MOSEPH, xx, error), 0) << error;
            EXPECT_LE(std::fabs(AngleDiff(ours[body.slot], xx[0])), body.boundDeg)
                << body.name << " at JD " << jd;
        }
    }
    swe_close();
}

}  // namespace
}  // namespace velmaris::ephem
