#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace velmaris::domain {

// Twelve option values, slots 1..12; slot 0 is unused.
using OptionValues = std::array<float, 13>;

inline const QString kAm = QStringLiteral("A.M.");
inline const QString kPm = QStringLiteral("P.M.");

// A civil moment as the chart moment is computed from it: the natal moment or the chosen one.
struct MomentFields {
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;
    float clock = 0;     // hours on a 12-hour dial, minutes as hundredths (9:45 is 9.45)
    QString amPm = kAm;  // "A.M." or "P.M."
    float zone = 0;      // hours added to the clock time to give Universal Time
};

// Largest time zone taken from the options file, in hours either side of Universal Time. Real
// zones lie within 14 hours; far larger values would move the moment by years and beyond the
// ephemeris' range.
inline constexpr float kLargestZoneHours = 24;

struct NatalLoad {
    MomentFields natal;
    // One sentence for each option value that does not fit its field; empty when all fit.
    QStringList problems;
};

// The natal moment from the option values.
// Given:   values  slots 2..4 month, day, year (nearest integer, halves to even; each must
//                  fit a 16-bit field), 5 hour, 6 minute, 7 half day (exactly 0 is A.M.),
//                  8 zone (at most kLargestZoneHours either way)
// Returns: the natal fields; a value that does not fit its field leaves that field 0 and adds
//          a problem text naming it
[[nodiscard]] NatalLoad LoadNatalDateTime(const OptionValues& values);

// The zone of the computer's clock, option value 9; a value beyond kLargestZoneHours either way
// gives 0 and adds a problem text naming it.
[[nodiscard]] float ClockZone(const OptionValues& values, QStringList& problems);

struct PresentMoment {
    MomentFields chosen;
    QDateTime moment;           // the present moment as read from the clock
    QString presentMomentText;  // that moment as text in the locale's short formats
    QString dateText;           // present date in the date order, without leading zeros
};

// The chosen moment from the present date and time.
// Given:   now        the present local date and time
//          dateOrder  0, 1 or 2 (others as 0); decides the order of the parts of dateText
//          clockZone  option value 9, the zone of the computer's clock
//          locale     formats presentMomentText
// Returns: chosen date, clock on a 12-hour dial (13:05 gives 1.05, 12:30 stays 12.30, 0:10
//          stays 0.10), "P.M." from noon on, the zone, and the texts
// Notes:   the half day is taken from the hour itself, whatever the user's clock style, so that
//          locales whose afternoon marker is not "PM" still get "P.M.".
[[nodiscard]] PresentMoment LoadPresentDateTime(const QDateTime& now, int dateOrder,
                                                float clockZone, const QLocale& locale);

// Clock time on a 12-hour dial as "hh:mm AM" or "hh:mm PM" (midnight is 12:00 AM).
[[nodiscard]] QString TwelveHourClockText(const QTime& time);

}  // namespace velmaris::domain
