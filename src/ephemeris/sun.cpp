#include "ephemeris/sun.h"

#include <array>
#include <cstddef>

#include "ephemeris/angles.h"
#include "ephemeris/sun_terms.h"

namespace velmaris::ephem {
namespace {

// Largest multiples of each planet's anomaly and of g in the planetary terms.
constexpr int kLargestVenus = 5;
constexpr int kLargestMars = 7;
constexpr int kLargestJupiter = 3;
constexpr int kLargestSaturn = 2;
constexpr int kLargestG = 8;

constexpr int LargestMultiple(SunPerturbingPlanet planet) {
    switch (planet) {
        case SunPerturbingPlanet::Venus:
            return kLargestVenus;
        case SunPerturbingPlanet::Mars:
            return kLargestMars;
        case SunPerturbingPlanet::Jupiter:
            return kLargestJupiter;
        case SunPerturbingPlanet::Saturn:
            return kLargestSaturn;
    }
    return 0;
}

constexpr bool MultiplesWithinLimits() {
    for (const SunPlanetaryTerm& term : kSunPlanetaryTerms) {
        const int largest = LargestMultiple(term.planet);
        if (term.planetMultiple < -largest || term.planetMultiple > largest ||
            term.gMultiple < -kLargestG || term.gMultiple > kLargestG) {
            return false;
        }
    }
    for (const SunLunarTerm& term : kSunLunarTerms) {
        if (term.d < -1 || term.d > 1 || term.mm < -1 || term.mm > 1 || term.g < -kLargestG ||
            term.g > kLargestG) {
            return false;
        }
    }
    return true;
}
static_assert(MultiplesWithinLimits());

// Sine and cosine of each planetary term's phase.
constexpr auto kPhases = [] {
    std::array<SinCos, std::size(kSunPlanetaryTerms)> phases{};
    for (std::size_t i = 0; i < phases.size(); ++i) {
        phases[i] = SinCosDegConstant(kSunPlanetaryTerms[i].phaseDeg);
    }
    return phases;
}();

// The multiples of the four planets' mean anomalies.
struct PlanetMultiples {
    MultipleAngles<kLargestVenus> venus;
    MultipleAngles<kLargestMars> mars;
    MultipleAngles<kLargestJupiter> jupiter;
    MultipleAngles<kLargestSaturn> saturn;

    [[nodiscard]] SinCos Times(SunPerturbingPlanet planet, int multiple) const noexcept {
        switch (planet) {
            case SunPerturbingPlanet::Venus:
                return venus(multiple);
            case SunPerturbingPlanet::Mars:
                return mars(multiple);
            case SunPerturbingPlanet::Jupiter:
                return jupiter(multiple);
            case SunPerturbingPlanet::Saturn:
                return saturn(multiple);
        }
        return {};
    }
};

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

    const MultipleAngles<kLargestG> gTimes(g);
    const double centre = ((6910.057 - 17.24 * t) * gTimes(1).sin +
                           (72.338 - 0.361 * t) * gTimes(2).sin + 1.054 * gTimes(3).sin) /
                          kArcsecPerDegree;

    const PlanetMultiples planets{
        MultipleAngles<kLargestVenus>(v), MultipleAngles<kLargestMars>(ma),
        MultipleAngles<kLargestJupiter>(j), MultipleAngles<kLargestSaturn>(s)};
    double perturbations = 0.0;
    for (std::size_t i = 0; i < std::size(kSunPlanetaryTerms); ++i) {
        const SunPlanetaryTerm& term = kSunPlanetaryTerms[i];
        // cos(phase + planetMultiple * planet + gMultiple * g)
        const SinCos argument = AngleSum(
            kPhases[i],
            AngleSum(planets.Times(term.planet, term.planetMultiple), gTimes(term.gMultiple)));
        perturbations += term.amplitudeArcsec * argument.cos / kArcsecPerDegree;
    }
    const MultipleAngles<1> dTimes(d);
    const MultipleAngles<1> mmTimes(mm);
    for (const SunLunarTerm& term : kSunLunarTerms) {
        // sin(d D + mm Mm + g g)
        const SinCos argument =
            AngleSum(AngleSum(dTimes(term.d), mmTimes(term.mm)), gTimes(term.g));
        perturbations += term.amplitudeArcsec * argument.sin / kArcsecPerDegree;
    }

    const double trueLongitude = l + centre + perturbations;
    // Aberration, and nutation in longitude from the Moon's node.
    return trueLongitude - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * t);
}

}  // namespace velmaris::ephem
