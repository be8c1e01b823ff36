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
    return std::hypot(v.x, v.y, v.z);
}

SphericalDirection DirectionOf(const EclipticVector& v) {
    return RectToSpherical(v.x, v.y, v.z);
}

// Circular orbits, flat and tilted: the argument of latitude is the mean anomaly plus the
// perihelion, counted from the node. Then e = 0.2, M = 90: E recovered from r = a (1 - e cos E)
// must solve Kepler's equation and give the true anomaly, independently of the solver.
TEST(SolveOrbitTest, CircularAndEccentricOrbits) {
    // mean anomaly, inclination, node, perihelion; longitude, latitude
    constexpr double kCircular[][6] = {{123.4, 0, 0, 0, 123.4, 0},
                                       {330, 0, 20, 20, 10, 0},
                                       {60, 7, 48, 30, 138, 7},
                                       {270, 7, 48, 0, 318, -7}};
    for (const auto& [m, inclination, node, perihelion, longitude, latitude] : kCircular) {
        SCOPED_TRACE(m);
        const EclipticVector got = SolveOrbit(Orbit(0.0, m, inclination, node, perihelion));
        // Each reduction through the short pi leaves about 1e-8 degree.
        EXPECT_NEAR(DirectionOf(got).longitudeDeg, longitude, 5e-8);
        EXPECT_NEAR(DirectionOf(got).latitudeDeg, latitude, 1e-8);
        EXPECT_NEAR(Length(got), KmPerAU, 1e-6);
    }
    const double e = 0.2;
    const EclipticVector got = SolveOrbit(Orbit(e, 90.0));
    const double eccentricAnomaly = 180 - std::acos((Length(got) / KmPerAU - 1) / e) * 180 / M_PI;
    EXPECT_NEAR(eccentricAnomaly - e * std::sin(eccentricAnomaly * M_PI / 180) * 180 / M_PI, 90.0,
                1e-5);
    const double v = 2 * std::atan(std::sqrt(1.2 / 0.8) * std::tan(eccentricAnomaly * M_PI / 360));
    EXPECT_NEAR(DirectionOf(got).longitudeDeg, v * 180 / M_PI, 1e-5);
}

TEST(SolveOrbitTest, UnreducedMeanAnomalyGivesTheSamePlace) {
    const double cases[][2] = {{359.9, 0}, {10.0, 100}, {200.0, -40}, {358.5, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + 360 * c[1]);
        const EclipticVector a = SolveOrbit(Orbit(0.05, c[0], 2, 30, 40));
        const EclipticVector b = SolveOrbit(Orbit(0.05, c[0] + 360 * c[1], 2, 30, 40));
        // Each whole turn through the short pi shifts the place by about 2e-10 radian.
        EXPECT_LT(std::hypot(a.x - b.x, a.y - b.y, a.z - b.z),
                  4e-10 * (1 + std::fabs(c[1])) * KmPerAU);
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

TEST(GeocentricLongitudeTest, FromThePlanetAndTheEarth) {
    const auto geocentric = [](const HelioPosition& planet, const HelioPosition& earth) {
        return GeocentricLongitude(RectangularOf(planet), RectangularOf(earth));
    };
    EXPECT_NEAR(geocentric({90.0, 0.0, KmPerAU}, {0.0, 0.0, KmPerAU}), 135.0, 1e-8);
    EXPECT_NEAR(geocentric({250.0, 1.0, 5 * KmPerAU}, HelioPosition{}), 250.0, 1e-8);
    // Inferior conjunction: the planet on the Earth's line, inside its orbit.
    EXPECT_NEAR(geocentric({40.0, 0.0, 0.7 * KmPerAU}, {40.0, 0.0, KmPerAU}), 220.0, 1e-8);
}

}  // namespace
}  // namespace velmaris::ephem
