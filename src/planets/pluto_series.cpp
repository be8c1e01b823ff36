#include "planets/pluto_series.h"

#include "ephemeris/angles.h"
#include "planets/pluto_terms.h"

namespace velmaris::planets {
namespace {

using ephem::CosDeg;
using ephem::NormalizeDegrees;
using ephem::SinDeg;

constexpr double kCoefficientUnit = 1000000;  // coefficients are in 1e-6 degree or 1e-6 AU

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
    for (const PlutoTerm& row : kPlutoTerms) {
        const double alpha = row.j * jupiter + row.s * saturn + row.p * pluto;
        const double sinAlpha = SinDeg(alpha);
        const double cosAlpha = CosDeg(alpha);
        longitudeSum += Term(row.lonSin, row.lonCos, sinAlpha, cosAlpha);
        latitudeSum += Term(row.latSin, row.latCos, sinAlpha, cosAlpha);
        radiusSum += Term(row.radSin, row.radCos, sinAlpha, cosAlpha);
    }

    PlutoHelio helio;
    helio.longitudeDeg = longitudeSum / kCoefficientUnit + (93.297471 + 144.96 * t);
    helio.latitudeDeg = latitudeSum / kCoefficientUnit - 3.909434;
    helio.radiusAu = 40.724725 + radiusSum / kCoefficientUnit;
    return helio;
}

}  // namespace velmaris::planets
