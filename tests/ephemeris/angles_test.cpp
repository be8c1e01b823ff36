#include "ephemeris/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace velmaris::ephem {
namespace {

TEST(NormalizeDegreesTest, ReducesAnglesOfAnySignToOneTurn) {
    // clang-format off
    const double cases[][2] = {{0, 0}, {360, 0}, {-360, 0}, {-30, 330}, {-400, 320}, {725, 5},
                               {-720.5, 359.5}, {1080.25, 0.25}, {-1e-9, 360 - 1e-9}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_DOUBLE_EQ(NormalizeDegrees(c[0]), c[1]);
    }
    // The negative branch adds 360 last: for -1e-14 that rounds to 360 itself.
    EXPECT_EQ(NormalizeDegrees(-1e-14), 360.0);
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
    for (const double x : {0.0, 1e-7, 17.25, 95.0, 181.5, -73.4, 359.99, 123456.789, -4321.5}) {
        SCOPED_TRACE(x);
        const MultipleAngles<8> times(x);
        for (int k = -8; k <= 8; ++k) {
            SCOPED_TRACE(k);
            // libm's own result carries the rounding of the large argument k x.
            const double tolerance = 1e-14 * (1 + std::fabs(k * x) / 360);
            EXPECT_NEAR(times(k).sin, SinDeg(k * x), tolerance);
            EXPECT_NEAR(times(k).cos, CosDeg(k * x), tolerance);
        }
        const SinCos constant = SinCosDegConstant(x);
        const double tolerance = 1e-13 * (1 + std::fabs(x) / 360);
        EXPECT_NEAR(constant.sin, SinDeg(x), tolerance);
        EXPECT_NEAR(constant.cos, CosDeg(x), tolerance);
        EXPECT_EQ(SinCosDeg(x).sin, SinDeg(x));
        EXPECT_EQ(SinCosDeg(x).cos, CosDeg(x));
    }
    static_assert(SinCosDegConstant(90.0).sin > 0.999999999999);
}

TEST(RectToSphericalTest, LongitudeFollowsTheQuadrant) {
    struct Case {
        double x, y, z, longitude, latitude;
    };
    // The last one lies just below a whole turn, not at it.
    // clang-format off
    const Case cases[] = {
        {1, 0, 0, 0, 0},  {0, 1, 0, 90, 0},    {-1, 0, 0, 180, 0},  {0, -1, 0, 270, 0},
        {1, 1, 0, 45, 0}, {-1, 1, 0, 135, 0},  {-1, -1, 0, 225, 0}, {1, -1, 0, 315, 0},
        {1, 0, 1, 0, 45}, {0, 1, -1, 90, -45}, {0, 0, 2, 0, 90},    {0, 0, -2, 0, -90},
        {0, 0, 0, 0, 0},  {1, -1e-9, 0, 359.99999994, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ' ' << c.y << ' ' << c.z);
        const SphericalDirection got = RectToSpherical(c.x, c.y, c.z);
        // RadToDeg carries the short pi: a few 1e-9 degree at most.
        EXPECT_NEAR(got.longitudeDeg, c.longitude, 1e-8);
        EXPECT_NEAR(got.latitudeDeg, c.latitude, 1e-8);
    }
}

}  // namespace
}  // namespace velmaris::ephem
