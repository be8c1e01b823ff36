#include "listing/listing_period.h"

#include <QDate>
#include <QRegularExpression>

#include <tuple>

#include "calendar/new_date.h"

namespace velmaris::domain {
namespace {

// The date of a YYYY-MM-DD text, or an invalid date.
QDate StrictDate(const QString& text) {
    static const QRegularExpression kPattern(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = kPattern.match(text);
    if (!match.hasMatch()) {
        return {};
    }
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

ListingPeriod Refused(const QString& message) {
    ListingPeriod period;
    period.message = message;
    return period;
}

}  // namespace

double MidnightJulianDate(int year, int month, int day, float clockZone) {
    return static_cast<double>(QDate(year, month, day).toJulianDay()) - 0.5 +
           static_cast<double>(clockZone) / 24;
}

ListingPeriod ParseListingPeriod(const QString& fromText, const QString& toText, float clockZone,
                                 float orbDeg) {
    const QDate from = StrictDate(fromText);
    const QDate to = StrictDate(toText);
    for (const auto& [date, text, name] :
         {std::tuple{from, fromText, QStringLiteral("FROM")}, {to, toText, QStringLiteral("TO")}}) {
        if (!date.isValid()) {
            return Refused(QStringLiteral("The %1 date \"%2\" is not a date written YYYY-MM-DD.")
                               .arg(name, text));
        }
        if (date.year() < kFirstYear || date.year() > kLastYear) {
            return Refused(QStringLiteral("The %1 date %2 lies outside the years %3 to %4.")
                               .arg(name, text)
                               .arg(kFirstYear)
                               .arg(kLastYear));
        }
    }
    if (to < from) {
        return Refused(
            QStringLiteral("The TO date %1 comes before the FROM date %2.").arg(toText, fromText));
    }
    if (to.addDays(1) > from.addYears(kLongestListingYears)) {
        return Refused(QStringLiteral("The period from %1 to %2 is longer than %3 years.")
                           .arg(fromText, toText)
                           .arg(kLongestListingYears));
    }
    if (!(orbDeg > 0)) {
        return Refused(QStringLiteral("The orb (option value 1) is %1 degrees, so no transit can "
                                      "be in orb and nothing is listed.")
                           .arg(static_cast<double>(orbDeg)));
    }
    ListingPeriod period;
    period.accepted = true;
    period.fromJulianDate = MidnightJulianDate(from.year(), from.month(), from.day(), clockZone);
    period.toJulianDate = MidnightJulianDate(to.year(), to.month(), to.day(), clockZone) + 1;
    return period;
}

}  // namespace velmaris::domain
