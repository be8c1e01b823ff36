#include "ephemeris/orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ephemeris/ephemeris_error.h"

namespace velmaris::ephem {
namespace {

OrbitElements Orbit(double e, double meanAnomaly, double inclination = 0, double node = 0,
                    double perihelion = 0) {
    return OrbitElements{KmPerAU, e, inclination, node, perihelion, meanAnomaly};
}

double Length(const EclipticVector& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

SphericalDirection DirectionOf(const EclipticVector& v) {
    return RectToSpherical(v.x, v.y, v.z);
}

TEST(SolveOrbitTest, CircularAndEccentricOrbits) {
    const EclipticVector circular = SolveOrbit(Orbit(0.0, 123.4));
    // Each reduction through the short pi leaves about 1e-8 degree.
    constexpr double kShortPiDeg = 5e-8;
    EXPECT_NEAR(DirectionOf(circular).longitudeDeg, 123.4, kShortPiDeg);
    EXPECT_EQ(circular.z, 0.0);
    EXPECT_NEAR(Length(circular), KmPerAU, 1e-6);

    // e = 0.2, M = 90: recover E from r = a (1 - e cos E) and check Kepler's equation and the
    // true anomaly independently of the solver.
    const double e = 0.2;
    const EclipticVector got = SolveOrbit(Orbit(e, 90.0));
    const double eccentricAnomaly = 180 - std::acos((Length(got) / KmPerAU - 1) / e) * 180 / M_PI;
    EXPECT_GT(eccentricAnomaly, 101.0);
    EXPECT_LT(eccentricAnomaly, 102.0);
    EXPECT_NEAR(eccentricAnomaly - e * std::sin(eccentricAnomaly * M_PI / 180) * 180 / M_PI, 90.0,
                1e-5);
    const double v = 2 * std::atan(std::sqrt(1.2 / 0.8) * std::tan(eccentricAnomaly * M_PI / 360));
    EXPECT_NEAR(DirectionOf(got).longitudeDeg, v * 180 / M_PI, 1e-5);
}

TEST(SolveOrbitTest, UnreducedMeanAnomalyGivesTheSamePlace) {
    const double cases[][2] = {{359.9, 0}, {10.0, 100}, {200.0, -40}, {358.5, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + 360 * c[1]);
        const EclipticVector reduced = SolveOrbit(Orbit(0.05, c[0], 2, 30, 40));
        const EclipticVector unreduced = SolveOrbit(Orbit(0.05, c[0] + 360 * c[1], 2, 30, 40));
        // Each whole turn through the short pi shifts the place by about 2e-10 radian.
        const double tolerance = 4e-10 * (1 + std::fabs(c[1])) * KmPerAU;
        EXPECT_NEAR(reduced.x, unreduced.x, tolerance);
        EXPECT_NEAR(reduced.y, unreduced.y, tolerance);
        EXPECT_NEAR(reduced.z, unreduced.z, tolerance);
    }
}

TEST(SolveOrbitTest, RefusesWhatIsNotAnEllipseInsteadOfHangingOrGivingNaN) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double cases[][2] = {{1.0, 45},  {1.5, 45},   {-0.1, 45},
                               {kNaN, 45}, {0.1, kInf}, {0.1, kNaN}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "e " << c[0] << " M " << c[1]);
        EXPECT_THROW((void)SolveOrbit(Orbit(c[0], c[1])), EphemerisError);
    }
}

TEST(OrbitGeometryTest, EclipticAndGeocentricDirections) {
    constexpr double kShortPiDeg = 5e-8;
    // A circular orbit: the argument of latitude is the mean anomaly plus the perihelion.
    const SphericalDirection flat = DirectionOf(SolveOrbit(Orbit(0.0, 330.0, 0.0, 20.0, 20.0)));
    EXPECT_NEAR(flat.longitudeDeg, 10.0, kShortPiDeg);
    EXPECT_EQ(flat.latitudeDeg, 0.0);
    const SphericalDirection tilted = DirectionOf(SolveOrbit(Orbit(0.0, 60.0, 7.0, 48.0, 30.0)));
    EXPECT_NEAR(tilted.latitudeDeg, 7.0, 1e-8);
    EXPECT_NEAR(tilted.longitudeDeg, 138.0, kShortPiDeg);
    const SphericalDirection south = DirectionOf(SolveOrbit(Orbit(0.0, 270.0, 7.0, 48.0)));
    EXPECT_NEAR(south.latitudeDeg, -7.0, 1e-8);
    EXPECT_NEAR(south.longitudeDeg, 318.0, kShortPiDeg);

    const auto geocentric = [](const HelioPosition& planet, const HelioPosition& earth) {
        return GeocentricLongitude(RectangularOf(planet), RectangularOf(earth));
    };
    const HelioPosition earth{0.0, 0.0, KmPerAU};
    EXPECT_NEAR(geocentric({90.0, 0.0, KmPerAU}, earth), 135.0, 1e-8);
    EXPECT_NEAR(geocentric({250.0, 1.0, 5 * KmPerAU}, HelioPosition{}), 250.0, 1e-8);
    // Inferior conjunction: the planet on the Earth's line, inside its orbit.
    EXPECT_NEAR(geocentric({40.0, 0.0, 0.7 * KmPerAU}, {40.0, 0.0, KmPerAU}), 220.0, 1e-8);
}

}  // namespace
}  // namespace velmaris::ephem
