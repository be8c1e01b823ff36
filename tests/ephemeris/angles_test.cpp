#include "ephemeris/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmaris::ephem {
namespace {

TEST(NormalizeDegreesTest, ReducesAnglesOfAnySignToOneTurn) {
    struct Case {
        double input;
        double want;
    };
    const Case cases[] = {
        {0.0, 0.0},   {360.0, 0.0},   {-360.0, 0.0}, {-30.0, 330.0},  {-400.0, 320.0},
        {725.0, 5.0}, {359.5, 359.5}, {720.0, 0.0},  {-720.5, 359.5}, {1080.25, 0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_DOUBLE_EQ(NormalizeDegrees(c.input), c.want);
    }
}

TEST(NormalizeDegreesTest, TinyNegativeAngleGivesExactly360) {
    // The negative branch adds 360 last; for -1e-14 that rounds to 360 itself.
    EXPECT_EQ(NormalizeDegrees(-1e-14), 360.0);
    EXPECT_LT(NormalizeDegrees(-1e-9), 360.0);
}

TEST(DegreeTrigTest, UsesTheTenDecimalPi) {
    // With pi cut to ten decimals, sin 30 misses 0.5 in the eleventh significant digit.
    const double deviation = SinDeg(30.0) - 0.5;
    EXPECT_GT(std::fabs(deviation), 1e-12);
    EXPECT_LT(std::fabs(deviation), 1e-10);
    EXPECT_DOUBLE_EQ(SinDeg(30.0), std::sin(30.0 * 3.1415926535 / 180));
    EXPECT_DOUBLE_EQ(CosDeg(60.0), std::cos(60.0 * 3.1415926535 / 180));
    EXPECT_DOUBLE_EQ(RadToDeg(1.0), 180 / 3.1415926535);
}

TEST(RectToSphericalTest, LongitudeFollowsTheQuadrant) {
    struct Case {
        const char* label;
        double x, y, z;
        double longitude;
        double latitude;
    };
    const Case cases[] = {
        {"+x axis", 1, 0, 0, 0, 0},
        {"+y axis", 0, 1, 0, 90, 0},
        {"-x axis", -1, 0, 0, 180, 0},
        {"-y axis", 0, -1, 0, 270, 0},
        {"first quadrant", 1, 1, 0, 45, 0},
        {"second quadrant", -1, 1, 0, 135, 0},
        {"third quadrant", -1, -1, 0, 225, 0},
        {"fourth quadrant", 1, -1, 0, 315, 0},
        {"north of the plane", 1, 0, 1, 0, 45},
        {"south of the plane", 0, 1, -1, 90, -45},
        {"north pole", 0, 0, 2, 0, 90},
        {"south pole", 0, 0, -2, 0, -90},
        {"origin", 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const SphericalDirection got = RectToSpherical(c.x, c.y, c.z);
        // Angles through RadToDeg carry the short pi: a few 1e-9 degree at most.
        EXPECT_NEAR(got.longitudeDeg, c.longitude, 1e-8);
        EXPECT_NEAR(got.latitudeDeg, c.latitude, 1e-8);
    }
}

TEST(RectToSphericalTest, JustBelowTheAxisStaysBelow360) {
    const SphericalDirection got = RectToSpherical(1, -1e-9, 0);
    EXPECT_GT(got.longitudeDeg, 359.9999);
    EXPECT_LT(got.longitudeDeg, 360.0);
}

}  // namespace
}  // namespace velmaris::ephem
