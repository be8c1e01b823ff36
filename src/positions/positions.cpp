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
    return (dayNumber - 2433283) * 1.33 / kDaysPerJulianCentury;
}

double Checked(double longitudeDeg) {
    if (!std::isfinite(longitudeDeg)) {
        throw EphemerisError("the position of a body is not a finite number for this date");
    }
    return longitudeDeg;
}

// Each body the way both the whole sky and the single body compute it, so that the two give
// the same longitude to the last bit.

// Mercury to Mars, against the J2000 Earth.
double InnerLongitude(Body body, const Centuries2000& t2000, const EclipticVector& earthJ2000) {
    const EclipticVector helio = SolveOrbit(planets::EvaluateInnerElements(body, t2000));
    return Checked(NormalizeDegrees(GeocentricLongitude(helio, earthJ2000)));
}

// Jupiter to Neptune, against the 1900 Earth.
double OuterLongitude(Body body, const Centuries1900& t1900, const EclipticVector& earth1900) {
    const planets::OuterElements outer = planets::EvaluateOuterElements(body, t1900);
    const EclipticVector helio = SolveOrbit(outer.elements);
    double longitude = NormalizeDegrees(GeocentricLongitude(helio, earth1900));
    if (body == Body::Uranus || body == Body::Neptune) {
        longitude = longitude + outer.longitudeCorrectionDeg;
    }
    return Checked(NormalizeDegrees(longitude));
}

double PlutoLongitude(double dayNumber, const Centuries1900& t1900,
                      const EclipticVector& earth1900) {
    const planets::PlutoHelio pluto = planets::PlutoSeries(t1900);
    const HelioPosition plutoHelio{pluto.longitudeDeg, pluto.latitudeDeg, pluto.radiusAu * KmPerAU};
    double plutoLongitude =
        NormalizeDegrees(GeocentricLongitude(RectangularOf(plutoHelio), earth1900));
    plutoLongitude = plutoLongitude + PlutoDrift(dayNumber);
    return Checked(NormalizeDegrees(plutoLongitude));
}

EclipticVector EarthJ2000(const Centuries2000& t2000) {
    return SolveOrbit(planets::EvaluateInnerElements(planets::kEarthOrbit, t2000));
}

EclipticVector Earth1900(const Centuries1900& t1900) {
    return SolveOrbit(planets::EvaluateOuterElements(planets::kEarthOrbit, t1900).elements);
}

}  // namespace

SkyPositions ComputePositions(const ChartMoment& moment) {
    SkyPositions positions{};
    const double dayNumber = moment.dayNumber;
    const double dayFraction = moment.dayFraction;
    const Centuries2000 t2000 = T2000(dayNumber, dayFraction);

    At(positions, Body::Sun) =
        Checked(NormalizeDegrees(SunLongitude(Centuries1900{moment.julianCenturies})));
    At(positions, Body::Moon) =
        Checked(NormalizeDegrees(MoonLongitude(Centuries1900{moment.julianCenturies})));

    // Pass A: Mercury to Mars against the J2000 Earth.
    const EclipticVector earthJ2000 = EarthJ2000(t2000);
    for (const Body body : {Body::Mercury, Body::Venus, Body::Mars}) {
        At(positions, body) = InnerLongitude(body, t2000, earthJ2000);
    }

    // Pass B: Jupiter to Pluto against the 1900 Earth.
    const Centuries1900 t1900 = T1900(dayNumber, dayFraction);
    const EclipticVector earth1900 = Earth1900(t1900);
    for (const Body body : {Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune}) {
        At(positions, body) = OuterLongitude(body, t1900, earth1900);
    }
    At(positions, Body::Pluto) = PlutoLongitude(dayNumber, t1900, earth1900);
    return positions;
}

double ComputeLongitude(const ChartMoment& moment, Body body) {
    const double dayNumber = moment.dayNumber;
    const double dayFraction = moment.dayFraction;
    switch (body) {
        case Body::Sun:
            return Checked(NormalizeDegrees(SunLongitude(Centuries1900{moment.julianCenturies})));
        case Body::Moon:
            return Checked(NormalizeDegrees(MoonLongitude(Centuries1900{moment.julianCenturies})));
        case Body::Mercury:
        case Body::Venus:
        case Body::Mars: {
            const Centuries2000 t2000 = T2000(dayNumber, dayFraction);
            return InnerLongitude(body, t2000, EarthJ2000(t2000));
        }
        case Body::Pluto: {
            const Centuries1900 t1900 = T1900(dayNumber, dayFraction);
            return PlutoLongitude(dayNumber, t1900, Earth1900(t1900));
        }
        default: {
            const Centuries1900 t1900 = T1900(dayNumber, dayFraction);
            return OuterLongitude(body, t1900, Earth1900(t1900));
        }
    }
}

}  // namespace velmaris::ephem
