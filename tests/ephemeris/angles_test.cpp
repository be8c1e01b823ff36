#include "ephemeris/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace velmaris::ephem {
namespace {

TEST(NormalizeDegreesTest, ReducesAnglesOfAnySignToOneTurn) {
    // The negative branch adds 360 last: for -1e-14 that rounds to 360 itself.
    // clang-format off
    constexpr double kCases[][2] = {{0, 0}, {360, 0}, {-360, 0}, {-30, 330}, {-400, 320}, {725, 5},
                                    {-720.5, 359.5}, {1080.25, 0.25}, {-1e-9, 360 - 1e-9},
                                    {-1e-14, 360}};
    // clang-format on
    for (const auto& [x, reduced] : kCases) {
        EXPECT_EQ(NormalizeDegrees(x), reduced) << x;
    }
}

TEST(DegreeTrigTest, UsesTheTenDecimalPi) {
    // With pi cut to ten decimals, 30 degrees falls short of pi / 6 by (pi - 3.1415926535) / 6.
    EXPECT_NEAR(SinDeg(30.0),
                0.5 - std::cos(std::numbers::pi / 6) * (std::numbers::pi - 3.1415926535) / 6,
                1e-15);
    EXPECT_DOUBLE_EQ(RadToDeg(1.0), 180 / 3.1415926535);
}

// Multiples by recurrence and the compile-time series against libm, over angles of both signs,
// large unreduced ones and every quadrant.
TEST(DegreeTrigTest, RecurrenceAndConstantSeriesAgreeWithLibm) {
    const auto expectAt = [](SinCos got, double angleDeg, double tolerance) {
        EXPECT_NEAR(got.sin, SinDeg(angleDeg), tolerance) << angleDeg;
        EXPECT_NEAR(got.cos, CosDeg(angleDeg), tolerance) << angleDeg;
    };
    for (const double x : {0.0, 1e-7, 17.25, 95.0, 181.5, -73.4, 359.99, 123456.789, -4321.5}) {
        const MultipleAngles<8> times(x);
        for (int k = -8; k <= 8; ++k) {
            // libm's own result carries the rounding of the large argument k x.
            expectAt(times(k), k * x, 1e-14 * (1 + std::fabs(k * x) / 360));
        }
        expectAt(SinCosDegConstant(x), x, 1e-13 * (1 + std::fabs(x) / 360));
        expectAt(SinCosDeg(x), x, 0);  // the very values of SinDeg and CosDeg
    }
    static_assert(SinCosDegConstant(90.0).sin > 0.999999999999);
}

TEST(RectToSphericalTest, LongitudeFollowsTheQuadrant) {
    // x, y, z; longitude, latitude. The last one lies just below a whole turn, not at it.
    // clang-format off
    constexpr double kCases[][5] = {
        {1, 0, 0, 0, 0},  {0, 1, 0, 90, 0},    {-1, 0, 0, 180, 0},  {0, -1, 0, 270, 0},
        {1, 1, 0, 45, 0}, {-1, 1, 0, 135, 0},  {-1, -1, 0, 225, 0}, {1, -1, 0, 315, 0},
        {1, 0, 1, 0, 45}, {0, 1, -1, 90, -45}, {0, 0, 2, 0, 90},    {0, 0, -2, 0, -90},
        {0, 0, 0, 0, 0},  {1, -1e-9, 0, 359.99999994, 0},
    };
    // clang-format on
    for (const auto& [x, y, z, longitude, latitude] : kCases) {
        const SphericalDirection got = RectToSpherical(x, y, z);
        // RadToDeg carries the short pi: a few 1e-9 degree at most.
        EXPECT_NEAR(got.longitudeDeg, longitude, 1e-8) << x << ' ' << y << ' ' << z;
        EXPECT_NEAR(got.latitudeDeg, latitude, 1e-8) << x << ' ' << y << ' ' << z;
    }
}

}  // namespace
}  // namespace velmaris::ephem
