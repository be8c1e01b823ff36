#include "calendar/moment_fields.h"

#include "calendar/calendar.h"

#include <cmath>
#include <limits>

namespace velmaris::domain {
namespace {

// Stores the nearest integer of an option value in a 16-bit field, or reports why it cannot.
void LoadWholeField(const OptionValues& values, int slot, const char* meaning, std::int16_t& field,
                    QStringList& problems) {
    const double rounded = RoundHalfEven(values[static_cast<std::size_t>(slot)]);
    if (std::isfinite(rounded) && rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max()) {
        field = static_cast<std::int16_t>(rounded);
        return;
    }
    field = 0;
    problems.append(QStringLiteral("Line %1 of OPTIONS.OPT holds %2 as the %3, which is out "
                                   "of range.")
                        .arg(slot)
                        .arg(static_cast<double>(values[static_cast<std::size_t>(slot)]))
                        .arg(QLatin1String(meaning)));
}

// An option value used as a time zone, or 0 with a problem text when it is out of range.
float LoadZone(const OptionValues& values, int slot, const char* meaning, QStringList& problems) {
    const float zone = values[static_cast<std::size_t>(slot)];
    if (std::fabs(zone) <= kLargestZoneHours) {
        return zone;
    }
    problems.append(QStringLiteral("Line %1 of OPTIONS.OPT holds %2 as the %3, which is out of "
                                   "range (%4 to %5 hours); 0 is used instead.")
                        .arg(slot)
                        .arg(static_cast<double>(zone))
                        .arg(QLatin1String(meaning))
                        .arg(-kLargestZoneHours)
                        .arg(kLargestZoneHours));
    return 0;
}

}  // namespace

float ClockZone(const OptionValues& values, QStringList& problems) {
    return LoadZone(values, 9, "time zone of the clock", problems);
}

NatalLoad LoadNatalDateTime(const OptionValues& values) {
    NatalLoad load;
    LoadWholeField(values, 2, "birth month", load.natal.month, load.problems);
    LoadWholeField(values, 3, "birth day", load.natal.day, load.problems);
    LoadWholeField(values, 4, "birth year", load.natal.year, load.problems);
    load.natal.clock = values[5] + values[6] / 100.0F;
    load.natal.zone = LoadZone(values, 8, "time zone of birth", load.problems);
    load.natal.amPm = values[7] == 0.0F ? kAm : kPm;
    return load;
}

PresentMoment LoadPresentDateTime(const QDateTime& now, int dateOrder, float clockZone,
                                  const QLocale& locale) {
    PresentMoment present;
    present.moment = now;
    present.presentMomentText =
        locale.toString(now, locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                 locale.timeFormat(QLocale::ShortFormat));
    const QDate date = now.date();
    const QTime time = now.time();
    present.chosen.month = static_cast<std::int16_t>(date.month());
    present.chosen.day = static_cast<std::int16_t>(date.day());
    present.chosen.year = static_cast<std::int16_t>(date.year());

    const QString m = QString::number(date.month());
    const QString d = QString::number(date.day());
    const QString y = QString::number(date.year());
    const QChar slash = QLatin1Char('/');
    if (dateOrder == 2) {
        present.dateText = y + slash + m + slash + d;
    } else if (dateOrder == 1) {
        present.dateText = d + slash + m + slash + y;
    } else {
        present.dateText = m + slash + d + slash + y;
    }

    float clock = static_cast<float>(time.hour()) + static_cast<float>(time.minute()) / 100.0F;
    if (clock >= 13.0F) {
        clock -= 12.0F;
    }
    present.chosen.clock = clock;
    present.chosen.zone = clockZone;
    present.chosen.amPm = time.hour() >= 12 ? kPm : kAm;
    return present;
}

QString TwelveHourClockText(const QTime& time) {
    int hour = time.hour() % 12;
    if (hour == 0) {
        hour = 12;
    }
    return QStringLiteral("%1:%2 %3")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() >= 12 ? QStringLiteral("PM") : QStringLiteral("AM"));
}

}  // namespace velmaris::domain
