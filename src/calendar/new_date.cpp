#include "calendar/new_date.h"

#include "calendar/calendar.h"

#include <QDate>

namespace velmaris::domain {
namespace {

struct FieldCheck {
    double value = 0;
    QString message;
};

FieldCheck CheckField(const QString& text, const char* name) {
    const QString trimmed = text.trimmed();
    const QLatin1String label(name);
    if (trimmed.isEmpty()) {
        return {0, QStringLiteral("Please enter the transit %1.").arg(label)};
    }
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return {0, QStringLiteral("The transit %1 must be a number written with the digits "
                                      "0 to 9.")
                           .arg(label)};
        }
    }
    if (trimmed.size() > kLongestDateField) {
        return {0, QStringLiteral("The transit %1 has more than %2 digits: no calendar day can "
                                  "be made from it.")
                       .arg(label)
                       .arg(kLongestDateField)};
    }
    return {trimmed.toDouble(), QString()};
}

}  // namespace

NewDateCheck ValidateNewDate(const QString& month, const QString& day, const QString& year) {
    const FieldCheck m = CheckField(month, "month");
    if (!m.message.isEmpty()) {
        return {std::nullopt, m.message};
    }
    const FieldCheck d = CheckField(day, "day");
    if (!d.message.isEmpty()) {
        return {std::nullopt, d.message};
    }
    const FieldCheck y = CheckField(year, "year");
    if (!y.message.isEmpty()) {
        return {std::nullopt, y.message};
    }
    return {DayNumberFromDate(y.value, m.value, d.value), QString()};
}

std::optional<QString> CalendarDayProblem(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear) {
        return QStringLiteral("The year %1 is outside the years %2 to %3.")
            .arg(year)
            .arg(kFirstYear)
            .arg(kLastYear);
    }
    if (!QDate(year, month, day).isValid()) {
        return QStringLiteral("%1-%2-%3 is not a day of the calendar.")
            .arg(year, 4, 10, QLatin1Char('0'))
            .arg(month, 2, 10, QLatin1Char('0'))
            .arg(day, 2, 10, QLatin1Char('0'));
    }
    return std::nullopt;
}

NewDateFields NewDateFieldsFor(double dayNumber) {
    const GregorianDate date = GregorianDateFromDayNumber(dayNumber);
    if (date.year < 0) {
        return {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")};
    }
    return {QString::number(date.month), QString::number(date.day),
            QString::number(date.year, 'f', 0)};
}

}  // namespace velmaris::domain
