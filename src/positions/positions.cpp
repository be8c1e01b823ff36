#include "positions/positions.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/orbit.h"
#include "ephemeris/sun.h"
#include "planets/element_evaluation.h"
#include "planets/pluto_series.h"

namespace velmaris::ephem {
namespace {

// Pluto's geocentric longitude drifts by 1.33 degrees per Julian century from JD 2433283
// (1950 January 1.5). The drift is counted from the day number alone.
double PlutoDrift(double dayNumber) noexcept {
    return (dayNumber - 2433283) * 1.33 / 36525;
}

void Store(SkyPositions& positions, Body body, double longitudeDeg) {
    if (!std::isfinite(longitudeDeg)) {
        throw EphemerisError("the position of a body is not a finite number for this date");
    }
    At(positions, body) = longitudeDeg;
}

}  // namespace

SkyPositions ComputePositions(const ChartMoment& moment) {
    SkyPositions positions{};
    const double dayNumber = moment.dayNumber;
    const double dayFraction = moment.dayFraction;
    const Centuries2000 t2000 = T2000(dayNumber, dayFraction);

    Store(positions, Body::Sun,
          NormalizeDegrees(SunLongitude(Centuries1900{moment.julianCenturies})));
    Store(positions, Body::Moon,
          NormalizeDegrees(MoonLongitude(Centuries1900{moment.julianCenturies})));

    // Pass A: Mercury to Mars against the J2000 Earth.
    const HelioPosition earthJ2000 =
        SolveOrbit(planets::EvaluateInnerElements(planets::kEarthOrbit, t2000));
    for (const Body body : {Body::Mercury, Body::Venus, Body::Mars}) {
        const HelioPosition helio = SolveOrbit(planets::EvaluateInnerElements(body, t2000));
        Store(positions, body, NormalizeDegrees(HelioToGeocentric(helio, earthJ2000)));
    }

    // Pass B: Jupiter to Pluto against the 1900 Earth.
    const Centuries1900 t1900 = T1900(dayNumber, dayFraction);
    const HelioPosition earth1900 =
        SolveOrbit(planets::EvaluateOuterElements(planets::kEarthOrbit, t1900).elements);
    for (const Body body : {Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune}) {
        const planets::OuterElements outer = planets::EvaluateOuterElements(body, t1900);
        const HelioPosition helio = SolveOrbit(outer.elements);
        double longitude = NormalizeDegrees(HelioToGeocentric(helio, earth1900));
        if (body == Body::Uranus || body == Body::Neptune) {
            longitude = longitude + outer.longitudeCorrectionDeg;
        }
        Store(positions, body, NormalizeDegrees(longitude));
    }

    const planets::PlutoHelio pluto = planets::PlutoSeries(t1900);
    const HelioPosition plutoHelio{pluto.longitudeDeg, pluto.latitudeDeg, pluto.radiusAu * KmPerAU};
    double plutoLongitude = NormalizeDegrees(HelioToGeocentric(plutoHelio, earth1900));
    plutoLongitude = plutoLongitude + PlutoDrift(dayNumber);
    Store(positions, Body::Pluto, NormalizeDegrees(plutoLongitude));

    return positions;
}

}  // namespace velmaris::ephem
