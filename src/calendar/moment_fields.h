#pragma once

#include "calendar/calendar.h"
#include "ephemeris/chart_moment.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>

namespace velmaris::domain {

// The half day of a clock time on a 12-hour dial.
enum class HalfDay { Am, Pm };

// "A.M." or "P.M.".
[[nodiscard]] QString HalfDayText(HalfDay half);

// A civil moment as the chart moment is computed from it: the natal moment or the chosen one.
struct MomentFields {
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;
    float clock = 0;  // hours on a 12-hour dial, minutes as hundredths (9:45 is 9.45)
    HalfDay amPm = HalfDay::Am;
    float zone = 0;  // hours added to the clock time to give Universal Time
};

struct PresentMoment {
    MomentFields chosen;
    QDateTime moment;           // the present moment as read from the clock
    QString presentMomentText;  // that moment as text in the locale's short formats
    QString dateText;           // present date in the date order, without leading zeros
};

// The chosen moment from the present date and time.
// Given:   now        the present local date and time
//          dateOrder  decides the order of the parts of dateText
//          clockZone  the zone of the computer's clock (an option value)
//          locale     formats presentMomentText
// Returns: chosen date, clock on a 12-hour dial (13:05 gives 1.05, 12:30 stays 12.30, 0:10
//          stays 0.10), "P.M." from noon on, the zone, and the texts
// Notes:   the half day is taken from the hour itself, whatever the user's clock style, so that
//          locales whose afternoon marker is not "PM" still get "P.M.".
[[nodiscard]] PresentMoment LoadPresentDateTime(const QDateTime& now, DateOrder dateOrder,
                                                float clockZone, const QLocale& locale);

// Chart moment of a natal or chosen civil moment.
// Given:   fields  date, clock on a 12-hour dial (12:xx counts as 0:xx of its half day),
//                  "P.M." adds half a day, zone in hours added to give Universal Time
// Returns: day number of the civil date, day fraction (not reduced to one day: the moment may
//          lie in the next or previous Universal day) and T1900
[[nodiscard]] ephem::ChartMoment ComputeChartMoment(const MomentFields& fields);

// Clock time on a 12-hour dial as "hh:mm AM" or "hh:mm PM" (midnight is 12:00 AM).
[[nodiscard]] QString TwelveHourClockText(const QTime& time);

}  // namespace velmaris::domain
