#include "planets/pluto_series.h"

#include "ephemeris/angles.h"
#include "planets/pluto_terms.h"

namespace velmaris::planets {
namespace {

using ephem::AngleSum;
using ephem::MultipleAngles;
using ephem::NormalizeDegrees;
using ephem::SinCos;

constexpr double kCoefficientUnit = 1000000;  // coefficients are in 1e-6 degree or 1e-6 AU

// Largest multiples of J, S and P in the table.
constexpr int kLargestJ = 2;
constexpr int kLargestS = 2;
constexpr int kLargestP = 6;

constexpr bool MultiplesWithinLimits() {
    for (const PlutoTerm& row : kPlutoTerms) {
        if (row.j < -kLargestJ || row.j > kLargestJ || row.s < -kLargestS || row.s > kLargestS ||
            row.p < -kLargestP || row.p > kLargestP) {
            return false;
        }
    }
    return true;
}
static_assert(MultiplesWithinLimits());

double Term(const std::optional<int>& sinCoefficient, const std::optional<int>& cosCoefficient,
            double sinAlpha, double cosAlpha) noexcept {
    double sum = 0.0;
    if (sinCoefficient) {
        sum += *sinCoefficient * sinAlpha;
    }
    if (cosCoefficient) {
        sum += *cosCoefficient * cosAlpha;
    }
    return sum;
}

}  // namespace

PlutoHelio PlutoSeries(ephem::Centuries1900 t1900) noexcept {
    const double t = t1900.value;
    const double jupiter = NormalizeDegrees(238.74 + 3034.9057 * t);
    const double saturn = NormalizeDegrees(267.26 + 1222.1138 * t);
    const double pluto = NormalizeDegrees(93.48 + 144.96 * t);

    double longitudeSum = 0.0;
    double latitudeSum = 0.0;
    double radiusSum = 0.0;
    const MultipleAngles<kLargestJ> jupiterTimes(jupiter);
    const MultipleAngles<kLargestS> saturnTimes(saturn);
    const MultipleAngles<kLargestP> plutoTimes(pluto);
    for (const PlutoTerm& row : kPlutoTerms) {
        // alpha = j * J + s * S + p * P
        const SinCos alpha =
            AngleSum(AngleSum(jupiterTimes(row.j), saturnTimes(row.s)), plutoTimes(row.p));
        longitudeSum += Term(row.lonSin, row.lonCos, alpha.sin, alpha.cos);
        latitudeSum += Term(row.latSin, row.latCos, alpha.sin, alpha.cos);
        radiusSum += Term(row.radSin, row.radCos, alpha.sin, alpha.cos);
    }

    PlutoHelio helio;
    helio.longitudeDeg = longitudeSum / kCoefficientUnit + (93.297471 + 144.96 * t);
    helio.latitudeDeg = latitudeSum / kCoefficientUnit - 3.909434;
    helio.radiusAu = 40.724725 + radiusSum / kCoefficientUnit;
    return helio;
}

}  // namespace velmaris::planets
