#include "ephemeris/moon.h"

#include "ephemeris/angles.h"
#include "ephemeris/moon_terms.h"

namespace velmaris::ephem {
namespace {
// Largest multiples of D, M, Mm and F in the longitude series.
constexpr int kLargestD = 6;
constexpr int kLargestM = 2;
constexpr int kLargestMm = 4;
constexpr int kLargestF = 2;
// Largest multiples of N, Ls and Lm in the nutation terms (M and Mm share the series' limits).
constexpr int kLargestN = 2;
constexpr int kLargestLs = 2;
constexpr int kLargestLm = 2;

constexpr bool Within(int multiple, int largest) {
    return multiple >= -largest && multiple <= largest;
}

constexpr bool MultiplesWithinLimits() {
    for (const MoonLongitudeTerm& term : kMoonLongitudeTerms) {
        if (!Within(term.d, kLargestD) || !Within(term.m, kLargestM) ||
            !Within(term.mm, kLargestMm) || !Within(term.f, kLargestF)) {
            return false;
        }
    }
    for (const MoonNutationTerm& term : kMoonNutationTerms) {
        if (!Within(term.n, kLargestN) || !Within(term.ls, kLargestLs) ||
            !Within(term.lm, kLargestLm) || !Within(term.m, kLargestM) ||
            !Within(term.mm, kLargestMm)) {
            return false;
        }
    }
    return true;
}
static_assert(MultiplesWithinLimits());

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

    const MultipleAngles<kLargestD> dTimes(d);
    const MultipleAngles<kLargestM> mTimes(m);
    const MultipleAngles<kLargestMm> mmTimes(mm);
    const MultipleAngles<kLargestF> fTimes(f);

    const MultipleAngles<kLargestN> nTimes(n);
    const MultipleAngles<kLargestLs> lsTimes(ls);
    const MultipleAngles<kLargestLm> lmTimes(lm);
    double nutationArcsec = 0.0;
    for (const MoonNutationTerm& term : kMoonNutationTerms) {
        // sin(n N + ls Ls + lm Lm + m M + mm Mm)
        const SinCos argument =
            AngleSum(AngleSum(AngleSum(nTimes(term.n), lsTimes(term.ls)), lmTimes(term.lm)),
                     AngleSum(mTimes(term.m), mmTimes(term.mm)));
        nutationArcsec += term.amplitudeArcsec * argument.sin;
    }

    double seriesArcsec = 0.0;
    for (const MoonLongitudeTerm& term : kMoonLongitudeTerms) {
        // sin(d D + m M + mm Mm + f F)
        const SinCos argument = AngleSum(AngleSum(dTimes(term.d), mTimes(term.m)),
                                         AngleSum(mmTimes(term.mm), fTimes(term.f)));
        seriesArcsec += term.amplitudeArcsec * argument.sin;
    }

    return seriesArcsec / kArcsecPerDegree + nutationArcsec / kArcsecPerDegree + lm;
}

}  // namespace velmaris::ephem
