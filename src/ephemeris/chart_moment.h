#pragma once

#include "ephemeris/centuries.h"

namespace velmaris::ephem {

// Julian dates of the two epochs the theory counts its time from.
inline constexpr double kEpoch1900JulianDate = 2415020.0;  // 1900 January 0.5
inline constexpr double kEpoch2000JulianDate = 2451545.0;  // J2000.0
inline constexpr double kDaysPerJulianCentury = 36525.0;

// The instant a chart is computed for.
// dayNumber:       whole Julian day number of the civil date (noon-based)
// dayFraction:     clock time as a fraction of a day, already shifted by the time zone;
//                  it may be negative or 1 and more and is used unreduced
// julianCenturies: T1900 = (dayNumber - 2415020 + dayFraction - 0.5) / 36525, formed by the
//                  caller; the Sun and the Moon are computed from it as it stands
// The Julian date of the moment is dayNumber + dayFraction - 0.5.
struct ChartMoment {
    double dayNumber = 0.0;
    double dayFraction = 0.0;
    double julianCenturies = 0.0;
};

// Julian centuries of a moment from an epoch, evaluated as (dayNumber - epoch + dayFraction -
// 0.5) / 36525 in that order: the last digits of every position depend on it.
[[nodiscard]] constexpr double CenturiesFrom(double epochJulianDate, double dayNumber,
                                             double dayFraction) {
    return (dayNumber - epochJulianDate + dayFraction - 0.5) / kDaysPerJulianCentury;
}

[[nodiscard]] constexpr Centuries1900 T1900(double dayNumber, double dayFraction) {
    return Centuries1900{CenturiesFrom(kEpoch1900JulianDate, dayNumber, dayFraction)};
}

[[nodiscard]] constexpr Centuries2000 T2000(double dayNumber, double dayFraction) {
    return Centuries2000{CenturiesFrom(kEpoch2000JulianDate, dayNumber, dayFraction)};
}

// Forms the chart moment for a day number and day fraction the way every caller does.
[[nodiscard]] constexpr ChartMoment MakeChartMoment(double dayNumber, double dayFraction) {
    return ChartMoment{dayNumber, dayFraction, T1900(dayNumber, dayFraction).value};
}

}  // namespace velmaris::ephem
