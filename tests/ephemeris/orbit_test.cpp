#include "ephemeris/orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ephemeris/positions.h"

namespace velmaris::ephem {
namespace {

OrbitElements Orbit(double e, double meanAnomaly, double inclination = 0, double node = 0,
                    double perihelion = 0) {
    OrbitElements elements;
    elements.semiMajorKm = KmPerAU;
    elements.eccentricity = e;
    elements.meanAnomalyDeg = meanAnomaly;
    elements.inclinationDeg = inclination;
    elements.nodeDeg = node;
    elements.perihelionArgDeg = perihelion;
    return elements;
}

TEST(SolveOrbitTest, CircularOrbitGivesTheMeanAnomaly) {
    const HelioPosition got = SolveOrbit(Orbit(0.0, 123.4));
    // Out and back through the short pi leaves about 5e-9 degree in the second quadrant.
    EXPECT_NEAR(got.longitudeDeg, 123.4, 1e-8);
    EXPECT_EQ(got.latitudeDeg, 0.0);
    EXPECT_EQ(got.radiusKm, KmPerAU);
}

TEST(SolveOrbitTest, EccentricAnomalySatisfiesKeplersEquation) {
    // e = 0.2, M = 90: E - e sin E = M with E a little above 101 degrees. Recover E from the
    // radius r = a (1 - e cos E) and check the equation independently of the solver.
    const double e = 0.2;
    const HelioPosition got = SolveOrbit(Orbit(e, 90.0));
    const double cosE = (1 - got.radiusKm / KmPerAU) / e;
    const double eccentricAnomaly = 180 - std::acos(-cosE) * 180 / M_PI;  // E in (90, 180)
    EXPECT_GT(eccentricAnomaly, 101.0);
    EXPECT_LT(eccentricAnomaly, 102.0);
    const double residualDeg =
        eccentricAnomaly - e * std::sin(eccentricAnomaly * M_PI / 180) * 180 / M_PI - 90.0;
    EXPECT_NEAR(residualDeg, 0.0, 1e-5);
    // True anomaly from E by the half-angle formula: v = 2 atan(sqrt((1+e)/(1-e)) tan(E/2)).
    const double v =
        2 * std::atan(std::sqrt(1.2 / 0.8) * std::tan(eccentricAnomaly * M_PI / 360)) * 180 / M_PI;
    EXPECT_NEAR(got.longitudeDeg, v, 1e-5);
}

TEST(SolveOrbitTest, UnreducedMeanAnomalyGivesTheSamePlace) {
    struct Case {
        double reduced;
        double turns;
    };
    const Case cases[] = {{359.9, 0}, {10.0, 100}, {200.0, -40}, {358.5, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reduced + 360 * c.turns);
        const HelioPosition reduced = SolveOrbit(Orbit(0.05, c.reduced, 2, 30, 40));
        const HelioPosition unreduced =
            SolveOrbit(Orbit(0.05, c.reduced + 360 * c.turns, 2, 30, 40));
        // Each whole turn through the short pi shifts the result by about 1e-8 degree.
        const double turns = 1 + std::fabs(c.turns);
        const double diff = std::remainder(reduced.longitudeDeg - unreduced.longitudeDeg, 360.0);
        EXPECT_NEAR(diff, 0.0, 2e-8 * turns);
        EXPECT_NEAR(reduced.latitudeDeg, unreduced.latitudeDeg, 1e-9 * turns);
        EXPECT_NEAR(reduced.radiusKm, unreduced.radiusKm, 1e-3 * turns);
    }
}

TEST(SolveOrbitTest, RefusesOrbitsThatAreNotEllipses) {
    const double bad[] = {1.0, 1.5, -0.1, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()};
    for (const double e : bad) {
        SCOPED_TRACE(e);
        EXPECT_THROW((void)SolveOrbit(Orbit(e, 45.0)), EphemerisError);
    }
}

TEST(SolveOrbitTest, NonFiniteMeanAnomalyIsAnErrorNotAHang) {
    EXPECT_THROW((void)SolveOrbit(Orbit(0.1, std::numeric_limits<double>::infinity())),
                 EphemerisError);
    EXPECT_THROW((void)SolveOrbit(Orbit(0.1, std::numeric_limits<double>::quiet_NaN())),
                 EphemerisError);
}

TEST(OrbitPlaneToEclipticTest, NodeIsAddedWithoutReduction) {
    const SphericalDirection flat = OrbitPlaneToEcliptic(350.0, 0.0, 20.0);
    EXPECT_NEAR(flat.longitudeDeg, 370.0, 1e-7);
    EXPECT_EQ(flat.latitudeDeg, 0.0);
    // At 90 degrees from the node the latitude equals the inclination.
    const SphericalDirection tilted = OrbitPlaneToEcliptic(90.0, 7.0, 48.0);
    EXPECT_NEAR(tilted.latitudeDeg, 7.0, 1e-8);
    EXPECT_NEAR(tilted.longitudeDeg, 138.0, 1e-8);
}

TEST(HelioToGeocentricTest, SeesThePlanetFromTheEarth) {
    // Earth at longitude 0, 1 AU; a planet at longitude 90, 1 AU: seen from the Earth at 135.
    const HelioPosition earth{0.0, 0.0, KmPerAU};
    const HelioPosition planet{90.0, 0.0, KmPerAU};
    EXPECT_NEAR(HelioToGeocentric(planet, earth), 135.0, 1e-8);
    // An Earth at the origin leaves the heliocentric longitude.
    EXPECT_NEAR(HelioToGeocentric(HelioPosition{250.0, 1.0, 5 * KmPerAU}, HelioPosition{}), 250.0,
                1e-8);
    // Inferior conjunction behind the Sun: planet and Earth on one line, planet inside.
    EXPECT_NEAR(HelioToGeocentric(HelioPosition{40.0, 0.0, 0.7 * KmPerAU},
                                  HelioPosition{40.0, 0.0, KmPerAU}),
                220.0, 1e-8);
}

}  // namespace
}  // namespace velmaris::ephem
