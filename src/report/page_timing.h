#pragma once

#include "calendar/calendar.h"
#include "ephemeris/body.h"
#include "transits/transit_search.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace velmaris::domain {

// Where the page's day lies and how its dates are written.
struct TimingStyle {
    DateOrder dateOrder = DateOrder::MonthDayYear;
    float clockZone = 0;  // option value 9: hours added to the clock's time to give UT
    QLocale locale;       // weekday and month names, as on the date line
};

// The timing line under one aspect line of a page, e.g.
//   "        applying, exact Thu 14 Jan 2027 (pass 2 of 3), in orb 3 Jan - 27 Jan 2027"
// Given:   window       the transit's window that holds the page's moment
//          pageJulianDate  the page's moment (day number + day fraction - 0.5)
//          orbDeg       option value 1
// Returns: applying or separating at the page's moment; the exact hit still to come (or the
//          last one, when all are past), to the minute only for a body whose timing is good to
//          30 minutes, with its pass k of n when n > 1, or "stations in orb, not exact"; the
//          span in orb; then the marks "new today", "exact today", "leaves today" for what
//          falls on the page's day of the computer's clock, and "near the orb limit" when the
//          distance from exact is within the body's measured error of the orb
[[nodiscard]] QString TimingLine(const transits::TransitWindow& window, double pageJulianDate,
                                 const transits::MomentDelta& now, double orbDeg,
                                 const TimingStyle& style);

// The timing of every aspect on the pages. The windows of one transiting body are found for a
// span around the first page that asks for that body, and each aspect line of each page inside
// the span looks up its own: a month for the fast bodies, a quarter for the slow ones, so that
// stepping day by day searches seldom and each search stays short.
class PageTiming {
  public:
    PageTiming(const ephem::SkyPositions& natal, double orbDeg, TimingStyle style,
               transits::LongitudeFunction longitude);

    // The timing line of an aspect of the page of dayNumber at dayFraction, or nothing when no
    // window of that transit holds the moment (the page's rounding and the search's can differ
    // right at the orb).
    [[nodiscard]] std::optional<QString> LineFor(ephem::Body transit, int aspectIndex,
                                                 ephem::Body natal, double dayNumber,
                                                 double dayFraction);

  private:
    // The windows of one transiting body over a span of Julian dates (none searched yet).
    struct Searched {
        double from = 1;
        double to = 0;
        std::vector<transits::TransitWindow> windows;
    };

    const Searched& WindowsOf(ephem::Body transit, double julianDate);

    ephem::SkyPositions natal_;
    double orbDeg_;
    TimingStyle style_;
    transits::LongitudeFunction longitude_;
    std::array<Searched, ephem::kLastBody + 1> searched_{};  // by Body
};

inline const QString kTimingIndent = QStringLiteral("        ");

}  // namespace velmaris::domain
