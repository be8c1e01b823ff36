#include "ephemeris/orbit.h"

#include <cmath>
#include <numbers>

#include "ephemeris/ephemeris_error.h"

namespace velmaris::ephem {
namespace {

// The positions have always been computed with angles in degrees converted through PiValue, and
// reduced to one turn by adding 360 (or 180) degrees where a quadrant needed it. 360 degrees is
// then 2 PiValue radians, short of a turn by kShortTurnRad, so each such step leaves that much
// behind. The vector route below forms no angle; it turns its result by the same amounts, so
// that every position stays what it was to a few 1e-14 degree.
constexpr double kShortTurnRad = 2 * (std::numbers::pi - PiValue);

// Turns (x, y) by a tiny angle (radians) in the positive sense.
void TurnByTinyAngle(double& x, double& y, double angleRad) noexcept {
    const double turnedX = x - y * angleRad;
    y = y + x * angleRad;
    x = turnedX;
}

}  // namespace

EclipticVector SolveOrbit(const OrbitElements& elements) {
    const double e = elements.eccentricity;
    if (!(e >= 0 && e < 1)) {
        throw EphemerisError("orbit eccentricity outside [0, 1)");
    }
    const double m = elements.meanAnomalyDeg;
    const double eDeg = e * 180 / PiValue;

    double eccentricAnomaly = m;
    bool converged = false;
    for (int i = 0; i < kMaxKeplerIterations; ++i) {
        const SinCos angle = SinCosDeg(eccentricAnomaly);
        const double next =
            eccentricAnomaly - (m - eccentricAnomaly + eDeg * angle.sin) / (e * angle.cos - 1);
        const bool done = std::fabs(next - eccentricAnomaly) < 0.0000001;
        eccentricAnomaly = next;
        if (done) {
            converged = true;
            break;
        }
    }
    if (!converged || !std::isfinite(eccentricAnomaly)) {
        throw EphemerisError("Kepler's equation did not converge");
    }

    // The place in the orbit plane, x towards the perihelion.
    const double a = elements.semiMajorKm;
    const SinCos anomaly = SinCosDeg(eccentricAnomaly);
    const double towardsPerihelion = a * (anomaly.cos - e);
    const double across = a * std::sqrt(1 - e * e) * anomaly.sin;

    // Turned by the argument of perihelion, x towards the ascending node. A true anomaly in
    // degrees came out of its arctangent negative for sin E < 0 and was reduced by a turn.
    const SinCos perihelion = SinCosDeg(elements.perihelionArgDeg);
    double alongNode = towardsPerihelion * perihelion.cos - across * perihelion.sin;
    double acrossNode = towardsPerihelion * perihelion.sin + across * perihelion.cos;
    if (anomaly.sin < 0) {
        TurnByTinyAngle(alongNode, acrossNode, -kShortTurnRad);
    }

    // Tilted by the inclination and turned by the node into the ecliptic. The longitude from
    // the node in degrees took a turn in the fourth quadrant and half a turn in the second and
    // third.
    const SinCos inclination = SinCosDeg(elements.inclinationDeg);
    const SinCos node = SinCosDeg(elements.nodeDeg);
    const double inEcliptic = acrossNode * inclination.cos;
    double x = alongNode * node.cos - inEcliptic * node.sin;
    double y = alongNode * node.sin + inEcliptic * node.cos;
    if (alongNode < 0) {
        TurnByTinyAngle(x, y, -kShortTurnRad / 2);
    } else if (inEcliptic < 0) {
        TurnByTinyAngle(x, y, -kShortTurnRad);
    }
    return {x, y, acrossNode * inclination.sin};
}

EclipticVector RectangularOf(const HelioPosition& position) noexcept {
    const SinCos latitude = SinCosDeg(position.latitudeDeg);
    const SinCos longitude = SinCosDeg(position.longitudeDeg);
    const double r = position.radiusKm;
    return {r * latitude.cos * longitude.cos, r * latitude.cos * longitude.sin, r * latitude.sin};
}

double GeocentricLongitude(const EclipticVector& planet, const EclipticVector& earth) noexcept {
    return RectToLongitude(planet.x - earth.x, planet.y - earth.y);
}

}  // namespace velmaris::ephem
