#include "ephemeris/orbit.h"

#include <cmath>

#include "ephemeris/ephemeris_error.h"

namespace velmaris::ephem {

HelioPosition SolveOrbit(const OrbitElements& elements) {
    const double e = elements.eccentricity;
    if (!(e >= 0 && e < 1)) {
        throw EphemerisError("orbit eccentricity outside [0, 1)");
    }
    const double m = elements.meanAnomalyDeg;
    const double eDeg = e * 180 / PiValue;

    double eccentricAnomaly = m;
    bool converged = false;
    for (int i = 0; i < kMaxKeplerIterations; ++i) {
        const double next =
            eccentricAnomaly - (m - eccentricAnomaly + eDeg * SinDeg(eccentricAnomaly)) /
                                   (e * CosDeg(eccentricAnomaly) - 1);
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

    const double radius = elements.semiMajorKm * (1 - e * CosDeg(eccentricAnomaly));
    const double trueAnomaly =
        NormalizeDegrees(2 * RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) *
                                                std::tan(PiValue * eccentricAnomaly / 360))));
    const double argumentOfLatitude = elements.perihelionArgDeg + trueAnomaly;
    const SphericalDirection direction =
        OrbitPlaneToEcliptic(argumentOfLatitude, elements.inclinationDeg, elements.nodeDeg);
    return {direction.longitudeDeg, direction.latitudeDeg, radius};
}

SphericalDirection OrbitPlaneToEcliptic(double argumentOfLatitudeDeg, double inclinationDeg,
                                        double nodeDeg) noexcept {
    const double x = CosDeg(argumentOfLatitudeDeg);
    const double y = SinDeg(argumentOfLatitudeDeg) * CosDeg(inclinationDeg);
    const double z = SinDeg(argumentOfLatitudeDeg) * SinDeg(inclinationDeg);
    const SphericalDirection inPlane = RectToSpherical(x, y, z);
    return {inPlane.longitudeDeg + nodeDeg, inPlane.latitudeDeg};
}

double HelioToGeocentric(const HelioPosition& planet, const HelioPosition& earth) noexcept {
    const double r = planet.radiusKm;
    const double l = planet.longitudeDeg;
    const double b = planet.latitudeDeg;
    const double bigR = earth.radiusKm;
    const double bigL = earth.longitudeDeg;
    const double bigB = earth.latitudeDeg;
    const double x = r * CosDeg(b) * CosDeg(l) - bigR * CosDeg(bigB) * CosDeg(bigL);
    const double y = r * CosDeg(b) * SinDeg(l) - bigR * CosDeg(bigB) * SinDeg(bigL);
    const double z = r * SinDeg(b) - bigR * SinDeg(bigB);
    return RectToSpherical(x, y, z).longitudeDeg;
}

}  // namespace velmaris::ephem
