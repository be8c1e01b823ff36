#include "ephemeris/sun.h"

#include "ephemeris/angles.h"
#include "ephemeris/sun_terms.h"

namespace velmaris::ephem {
namespace {

constexpr double kArcsecPerDegree = 3600;

double PlanetAnomaly(SunPerturbingPlanet planet, double v, double ma, double j, double s) {
    switch (planet) {
        case SunPerturbingPlanet::Venus:
            return v;
        case SunPerturbingPlanet::Mars:
            return ma;
        case SunPerturbingPlanet::Jupiter:
            return j;
        case SunPerturbingPlanet::Saturn:
            return s;
    }
    return 0.0;
}

}  // namespace

double SunLongitude(Centuries1900 t1900) noexcept {
    const double t = t1900.value;

    // Long-period terms, degrees.
    const double p0 = 0.202 * SinDeg(315.6 + 893.3 * t) / kArcsecPerDegree;
    const double p1 = (1.882 - 0.016 * t) * SinDeg(57.24 + 150.27 * t) / kArcsecPerDegree;
    const double p2 = 6.4 * SinDeg(231.19 + 20.2 * t) / kArcsecPerDegree;
    const double p3 = 0.266 * SinDeg(31.8 + 119.0 * t) / kArcsecPerDegree;

    // The Sun's mean anomaly carries P1..P3 but not P0.
    const double g = NormalizeDegrees(358.4758333 + 35999 * t + 179.1 / kArcsecPerDegree * t -
                                      0.54 / kArcsecPerDegree * t * t + p1 + p2 + p3);

    const double v = NormalizeDegrees(212.45 + 58517.493 * t);
    const double ma = NormalizeDegrees(319.58 + 19139.977 * t);
    const double j = NormalizeDegrees(225.28 + 3034.583 * t +
                                      1300 / kArcsecPerDegree * SinDeg(133.775 + 39.804 * t));
    const double s = NormalizeDegrees(175.6 + 1221.794 * t);

    const double d = NormalizeDegrees(350.737486 + 445267.114217 * t);
    const double mm = NormalizeDegrees(296.104608 + 477198.849108 * t);

    const double l = NormalizeDegrees(279.6966778 + 36000 * t + 2768.13 / kArcsecPerDegree * t +
                                      1.089 / kArcsecPerDegree * t * t + p0 + p1 + p2 + p3);

    const double centre = ((6910.057 - 17.24 * t) * SinDeg(g) +
                           (72.338 - 0.361 * t) * SinDeg(2 * g) + 1.054 * SinDeg(3 * g)) /
                          kArcsecPerDegree;

    double perturbations = 0.0;
    for (const SunPlanetaryTerm& term : kSunPlanetaryTerms) {
        const double planet = PlanetAnomaly(term.planet, v, ma, j, s);
        perturbations += term.amplitudeArcsec *
                         CosDeg(term.phaseDeg + term.planetMultiple * planet + term.gMultiple * g) /
                         kArcsecPerDegree;
    }
    for (const SunLunarTerm& term : kSunLunarTerms) {
        perturbations += term.amplitudeArcsec * SinDeg(term.d * d + term.mm * mm + term.g * g) /
                         kArcsecPerDegree;
    }

    const double trueLongitude = l + centre + perturbations;
    // Aberration, and nutation in longitude from the Moon's node.
    return trueLongitude - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * t);
}

}  // namespace velmaris::ephem
