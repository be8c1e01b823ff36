#include "ephemeris/moon.h"

#include "ephemeris/angles.h"
#include "ephemeris/moon_terms.h"

namespace velmaris::ephem {
namespace {
constexpr double kArcsecPerDegree = 3600;
}  // namespace

double MoonLongitude(Centuries1900 t1900) noexcept {
    const double t = t1900.value;
    const double t2 = t * t;
    const double t3 = t2 * t;

    const double lm =
        NormalizeDegrees(270.434164 + 481267.883142 * t - 0.001133 * t2 + 0.0000019 * t3);
    const double mm =
        NormalizeDegrees(296.104608 + 477198.849108 * t + 0.009192 * t2 + 0.0000144 * t3);
    const double n =
        NormalizeDegrees(259.183275 - 1934.142008 * t + 0.002078 * t2 + 0.0000022 * t3);
    const double ls = NormalizeDegrees(279.696678 + 36000.768925 * t + 0.000303 * t2);
    const double m = NormalizeDegrees(358.475833 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3);

    // Left unreduced: every multiplier below is an integer, so reduction would change nothing.
    const double d = lm - ls;
    const double f = lm - n;

    double nutationArcsec = 0.0;
    for (const MoonNutationTerm& term : kMoonNutationTerms) {
        nutationArcsec += term.amplitudeArcsec * SinDeg(term.n * n + term.ls * ls + term.lm * lm +
                                                        term.m * m + term.mm * mm);
    }

    double seriesArcsec = 0.0;
    for (const MoonLongitudeTerm& term : kMoonLongitudeTerms) {
        seriesArcsec +=
            term.amplitudeArcsec * SinDeg(term.d * d + term.m * m + term.mm * mm + term.f * f);
    }

    return seriesArcsec / kArcsecPerDegree + nutationArcsec / kArcsecPerDegree + lm;
}

}  // namespace velmaris::ephem
