#include "ephemeris/orbit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/ephemeris_error.h"

namespace velmaris::ephem {
namespace {

OrbitElements Orbit(double e, double meanAnomaly, double inclination = 0, double node = 0,
                    double perihelion = 0) {
    return OrbitElements{KmPerAU, e, inclination, node, perihelion, meanAnomaly};
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
        const auto [x, y, z] = SolveOrbit(Orbit(0.0, m, inclination, node, perihelion));
        // Each reduction through the short pi leaves about 1e-8 degree.
        EXPECT_NEAR(RectToSpherical(x, y, z).longitudeDeg, longitude, 5e-8) << m;
        EXPECT_NEAR(RectToSpherical(x, y, z).latitudeDeg, latitude, 1e-8) << m;
        EXPECT_NEAR(std::hypot(x, y, z), KmPerAU, 1e-6) << m;
    }
    const double e = 0.2;
    const auto [x, y, z] = SolveOrbit(Orbit(e, 90.0));
    const double eccentricAnomaly =
        180 - std::acos((std::hypot(x, y, z) / KmPerAU - 1) / e) * 180 / M_PI;
    EXPECT_NEAR(eccentricAnomaly - e * std::sin(eccentricAnomaly * M_PI / 180) * 180 / M_PI, 90.0,
                1e-5);
    const double v = 2 * std::atan(std::sqrt(1.2 / 0.8) * std::tan(eccentricAnomaly * M_PI / 360));
    EXPECT_NEAR(RectToSpherical(x, y, z).longitudeDeg, v * 180 / M_PI, 1e-5);
}

TEST(SolveOrbitTest, UnreducedMeanAnomalyGivesTheSamePlace) {
    // mean anomaly, whole turns added
    constexpr double kCases[][2] = {{359.9, 0}, {10.0, 100}, {200.0, -40}, {358.5, 1}};
    for (const auto& [m, turns] : kCases) {
        const EclipticVector a = SolveOrbit(Orbit(0.05, m, 2, 30, 40));
        const EclipticVector b = SolveOrbit(Orbit(0.05, m + 360 * turns, 2, 30, 40));
        // Each whole turn through the short pi shifts the place by about 2e-10 radian.
        EXPECT_LT(std::hypot(a.x - b.x, a.y - b.y, a.z - b.z),
                  4e-10 * (1 + std::fabs(turns)) * KmPerAU)
            << m + 360 * turns;
    }
}

TEST(SolveOrbitTest, RefusesWhatIsNotAnEllipseInsteadOfHangingOrGivingNaN) {
    constexpr double kCases[][2] = {{1.0, 45}, {1.5, 45},       {-0.1, 45},
                                    {NAN, 45}, {0.1, INFINITY}, {0.1, NAN}};
    for (const auto& [e, meanAnomaly] : kCases) {
        SCOPED_TRACE(testing::Message() << "e " << e << " M " << meanAnomaly);
        EXPECT_THROW((void)SolveOrbit(Orbit(e, meanAnomaly)), EphemerisError);
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
