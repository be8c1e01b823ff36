#pragma once

#include "ephemeris/angles.h"

namespace velmaris::ephem {

// The element set handed to the Kepler solver. Angles in degrees, not necessarily reduced.
struct OrbitElements {
    double semiMajorKm = 0.0;
    double eccentricity = 0.0;
    double inclinationDeg = 0.0;
    double nodeDeg = 0.0;           // longitude of the ascending node
    double perihelionArgDeg = 0.0;  // argument of perihelion
    double meanAnomalyDeg = 0.0;
};

// A heliocentric ecliptic position.
struct HelioPosition {
    double longitudeDeg = 0.0;  // not necessarily reduced to one turn
    double latitudeDeg = 0.0;
    double radiusKm = 0.0;
};

// Largest number of Newton steps taken on Kepler's equation. Eccentricities below 0.3 converge in
// a handful; a date so far away that the element polynomials have run wild is refused instead of
// looping for ever.
inline constexpr int kMaxKeplerIterations = 100;

// Heliocentric position of a body from its elements: Kepler's equation by Newton's method in
// degrees, then the true anomaly, the argument of latitude and the turn into the ecliptic.
// Given:   elements  semi-major axis in km, angles in degrees (any size)
// Returns: longitude (degrees, not reduced), latitude (degrees), radius (km)
// Throws:  EphemerisError when the eccentricity is outside [0, 1) or not finite, or Newton's
//          method has not converged after kMaxKeplerIterations steps.
// Notes:   the eccentric anomaly is never reduced to one turn; tan(E/2) is taken as
//          tan(PiValue * E / 360).
[[nodiscard]] HelioPosition SolveOrbit(const OrbitElements& elements);

// Heliocentric longitude and latitude of a point of the orbit.
// Given:   argumentOfLatitudeDeg u, inclinationDeg i, nodeDeg Omega
// Returns: longitude = lambda' + Omega (not reduced; lambda' in [0, 360)), latitude in degrees.
[[nodiscard]] SphericalDirection OrbitPlaneToEcliptic(double argumentOfLatitudeDeg,
                                                      double inclinationDeg,
                                                      double nodeDeg) noexcept;

// Geocentric ecliptic longitude of a body from its heliocentric position and the Earth's.
// Given:   planet, earth  heliocentric positions, radii in the same unit (km)
// Returns: longitude in degrees, [0, 360)
[[nodiscard]] double HelioToGeocentric(const HelioPosition& planet,
                                       const HelioPosition& earth) noexcept;

}  // namespace velmaris::ephem
