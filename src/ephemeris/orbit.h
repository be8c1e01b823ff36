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

// A position as a rectangular ecliptic vector, in the unit of its radius: x towards 0 degrees,
// y towards 90 degrees, z towards the north ecliptic pole.
struct EclipticVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Heliocentric position of a body from its elements: Kepler's equation by Newton's method in
// degrees, then the place in the orbit plane turned by the argument of perihelion, the
// inclination and the node into the ecliptic.
// Given:   elements  semi-major axis in km, angles in degrees (any size)
// Returns: the heliocentric vector, km
// Throws:  EphemerisError when the eccentricity is outside [0, 1) or not finite, or Newton's
//          method has not converged after kMaxKeplerIterations steps.
// Notes:   the eccentric anomaly is never reduced to one turn. The place in the plane is
//          a (cos E - e), a sqrt(1 - e^2) sin E, which is r cos v, r sin v without forming the
//          true anomaly v.
[[nodiscard]] EclipticVector SolveOrbit(const OrbitElements& elements);

// The vector of a position given by its angles and radius.
[[nodiscard]] EclipticVector RectangularOf(const HelioPosition& position) noexcept;

// Geocentric ecliptic longitude of a body from its heliocentric vector and the Earth's.
// Given:   planet, earth  heliocentric vectors in the same unit
// Returns: longitude in degrees, [0, 360)
[[nodiscard]] double GeocentricLongitude(const EclipticVector& planet,
                                         const EclipticVector& earth) noexcept;

}  // namespace velmaris::ephem
