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

QString TwoDigits(int value) {
    const QString text = QString::number(value);
    return value < 10 ? QStringLiteral("0") + text : text;
}

}  // namespace

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

QString DayNumberToDateText(double dayNumber, int dateOrder) {
    const GregorianDate date = GregorianDateFromDayNumber(dayNumber);
    const QString month = TwoDigits(date.month);
    const QString day = TwoDigits(date.day);
    const QString year = WholeText(date.year).right(4);
    const QChar slash = QLatin1Char('/');
    QString text;
    if (dateOrder == 2) {
        text = year + slash + month + slash + day;
    } else if (dateOrder == 1) {
        text = day + slash + month + slash + year;
    } else {
        text = month + slash + day + slash + year;
    }
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
