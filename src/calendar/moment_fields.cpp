#include "calendar/moment_fields.h"

#include "calendar/calendar.h"

#include <cmath>

namespace velmaris::domain {
QString HalfDayText(HalfDay half) {
    return half == HalfDay::Pm ? QStringLiteral("P.M.") : QStringLiteral("A.M.");
}

PresentMoment LoadPresentDateTime(const QDateTime& now, DateOrder dateOrder, float clockZone,
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
    present.dateText = JoinInDateOrder(dateOrder, m, d, y, QStringLiteral("/"));

    float clock = static_cast<float>(time.hour()) + static_cast<float>(time.minute()) / 100.0F;
    if (clock >= 13.0F) {
        clock -= 12.0F;
    }
    present.chosen.clock = clock;
    present.chosen.zone = clockZone;
    present.chosen.amPm = time.hour() >= 12 ? HalfDay::Pm : HalfDay::Am;
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

ephem::ChartMoment ComputeChartMoment(const MomentFields& fields) {
    double clock = fields.clock;
    if (std::floor(clock) == 12) {
        clock = clock - 12;
    }
    double dayFraction = (ClockToHours(clock) + fields.zone) / 24;
    if (fields.amPm == HalfDay::Pm) {
        dayFraction = dayFraction + 0.5;
    }
    const double dayNumber = DayNumberFromDate(fields.year, fields.month, fields.day);
    return ephem::MakeChartMoment(dayNumber, dayFraction);
}

}  // namespace velmaris::domain
