#include "calendar/calendar.h"

#include <cmath>

namespace velmaris::domain {
namespace {

double Int(double x) {
    return std::floor(x);
}

// Decimal text of a whole number held in a double, without exponent or decimals.
QString WholeText(double x) {
    return QString::number(x, 'f', 0);
}

// An int for a value that is whole and small for any real date; anything else (possible only
// for day numbers far beyond the ephemeris' range) becomes 0 instead of overflowing.
int SmallInt(double x) {
    return std::fabs(x) < 1e9 ? static_cast<int>(x) : 0;
}

}  // namespace

QString JoinInDateOrder(DateOrder order, const QString& month, const QString& day,
                        const QString& year, const QString& separator) {
    switch (order) {
        case DateOrder::YearMonthDay:
            return year + separator + month + separator + day;
        case DateOrder::DayMonthYear:
            return day + separator + month + separator + year;
        case DateOrder::MonthDayYear:
            break;
    }
    return month + separator + day + separator + year;
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

double DayNumberFromDate(double year, double month, double day) {
    // Months counted from March of the year -4800, so that the leap day ends a year.
    const double a = (year + 4800) * 12 + month - 3;
    double j = Int((2 * (a - 12 * Int(a / 12)) + 7 + 365 * a) / 12) + day + Int(a / 48) - 32083;
    if (j >= kGregorianStartDayNumber) {
        j = j + Int(a / 4800) - Int(a / 1200) + 38;
    }
    return j;
}

GregorianDate GregorianDateFromDayNumber(double dayNumber) {
    double l = Int(dayNumber + 0.5) + 68569;
    const double n = Int(4 * l / 146097);
    l = l - Int((146097 * n + 3) / 4);
    const double i = Int(4000 * (l + 1) / 1461001);
    l = l - Int(1461 * i / 4) + 31;
    const double j = Int(80 * l / 2447);
    const double day = l - Int(2447 * j / 80);
    l = Int(j / 11);
    const double month = j + 2 - 12 * l;
    const double year = 100 * (n - 49) + i + l;
    return GregorianDate{year, SmallInt(month), SmallInt(day)};
}

QString DayNumberToDateText(double dayNumber, DateOrder dateOrder) {
    const GregorianDate date = GregorianDateFromDayNumber(dayNumber);
    const QString month = TwoDigits(date.month);
    const QString day = TwoDigits(date.day);
    const QString year = WholeText(date.year).right(4);
    QString text = JoinInDateOrder(dateOrder, month, day, year, QStringLiteral("/"));
    while (text.startsWith(QLatin1Char(' '))) {
        text.remove(0, 1);
    }
    return text;
}

double ClockToHours(double clock) {
    return Int(clock) + (clock - Int(clock)) * 100 / 60;
}

double RoundHundredths(double x) {
    return Int(x * 100 + 0.5) / 100;
}

double RoundHalfEven(double x) {
    const double nearest = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        return 2 * std::round(x / 2);
    }
    return nearest;
}

}  // namespace velmaris::domain
