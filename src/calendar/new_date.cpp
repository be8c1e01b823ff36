#include "calendar/new_date.h"

#include "calendar/calendar.h"

namespace velmaris::domain {
namespace {

struct FieldCheck {
    int value = 0;
    QString message;
};

FieldCheck CheckField(const QString& text, const char* name, int first, int last) {
    const QString trimmed = text.trimmed();
    const QLatin1String label(name);
    if (trimmed.isEmpty()) {
        return {0, QStringLiteral("Please enter the transit %1.").arg(label)};
    }
    bool digitsOnly = trimmed.size() <= 9;
    for (const QChar c : trimmed) {
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
    if (!digitsOnly) {
        return {0, QStringLiteral("The transit %1 must be a whole number from %2 to %3.")
                       .arg(label)
                       .arg(first)
                       .arg(last)};
    }
    const int value = trimmed.toInt();
    if (value < first || value > last) {
        return {0, QStringLiteral("The transit %1 must be a whole number from %2 to %3.")
                       .arg(label)
                       .arg(first)
                       .arg(last)};
    }
    return {value, QString()};
}

}  // namespace

NewDateCheck ValidateNewDate(const QString& month, const QString& day, const QString& year) {
    const FieldCheck m = CheckField(month, "month", 1, kLastMonth);
    if (!m.message.isEmpty()) {
        return {std::nullopt, m.message};
    }
    const FieldCheck d = CheckField(day, "day", 1, kLastDay);
    if (!d.message.isEmpty()) {
        return {std::nullopt, d.message};
    }
    const FieldCheck y = CheckField(year, "year", kFirstYear, kLastYear);
    if (!y.message.isEmpty()) {
        return {std::nullopt, y.message};
    }
    return {DayNumberFromDate(y.value, m.value, d.value), QString()};
}

NewDateFields NewDateFieldsFor(double dayNumber) {
    const GregorianDate date = GregorianDateFromDayNumber(dayNumber);
    return {QString::number(date.month), QString::number(date.day),
            QString::number(date.year, 'f', 0)};
}

}  // namespace velmaris::domain
