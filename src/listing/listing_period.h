#pragma once

#include "calendar/moment_fields.h"
#include "options/option_values.h"
#include "transits/transit_search.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace velmaris::domain {

// A period to list, or why it cannot be listed.
struct ListingPeriod {
    bool accepted = false;
    QString message;            // one sentence naming the problem when not accepted
    double fromJulianDate = 0;  // FROM 00:00 on the computer's clock, as Universal Time
    double toJulianDate = 0;    // TO 24:00 on that clock
};

inline constexpr int kLongestListingYears = 1000;

// The period of a listing from its two dates.
// Given:   fromText, toText  dates written YYYY-MM-DD exactly (four, two and two digits),
//                            years 1 .. 9999, proleptic Gregorian
//          clockZone         option value 9, hours added to the clock's time to give UT
//          orbDeg            option value 1
// Returns: the period, or a refusal when a date is malformed or not in the calendar, TO comes
//          before FROM, the period is longer than kLongestListingYears, or the orb is not
//          positive (nothing could be in orb)
[[nodiscard]] ListingPeriod ParseListingPeriod(const QString& fromText, const QString& toText,
                                               float clockZone, float orbDeg);

// Julian date of a civil date's midnight on a clock in the given zone.
[[nodiscard]] double MidnightJulianDate(int year, int month, int day, float clockZone);

// Julian date (UT) of a moment read from the computer's clock, whose zone is option value 9.
[[nodiscard]] double ClockJulianDate(const QDateTime& clockTime, float clockZone);

// The search of a period for a chart, as the windows and the command line start it.
struct PeriodQuery {
    ListingPeriod period;          // period.accepted false: period.message says why
    transits::TransitQuery query;  // the natal longitudes, the orb and the period
    float clockZone = 0;           // option value 9 as ClockZone accepts it
};
[[nodiscard]] PeriodQuery QueryForPeriod(const QDate& from, const QDate& to,
                                         const OptionValues& values,
                                         const ephem::SkyPositions& natal);

}  // namespace velmaris::domain
