#include "listing/listing_period.h"

#include <QDate>
#include <QRegularExpression>

#include <array>
#include <optional>
#include <utility>

#include "calendar/new_date.h"

namespace velmaris::domain {
namespace {

// The year, month and day of a YYYY-MM-DD text (ASCII digits only, nothing before or after).
std::optional<std::array<int, 3>> WrittenDate(const QString& text) {
    static const QRegularExpression kPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    const QRegularExpressionMatch match = kPattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return std::array{match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt()};
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

double ClockJulianDate(const QDateTime& clockTime, float clockZone) {
    const QDate date = clockTime.date();
    return MidnightJulianDate(date.year(), date.month(), date.day(), clockZone) +
           clockTime.time().msecsSinceStartOfDay() / 86'400'000.0;
}

PeriodQuery QueryForPeriod(const QDate& from, const QDate& to, const OptionValues& values,
                           const ephem::SkyPositions& natal) {
    PeriodQuery result;
    QStringList problems;
    result.clockZone = ClockZone(values, problems);
    result.period = ParseListingPeriod(from.toString(Qt::ISODate), to.toString(Qt::ISODate),
                                       result.clockZone, values[kOrbOption]);
    result.query.natal = natal;
    result.query.orbDeg = static_cast<double>(values[kOrbOption]);
    result.query.fromJulianDate = result.period.fromJulianDate;
    result.query.toJulianDate = result.period.toJulianDate;
    return result;
}

ListingPeriod ParseListingPeriod(const QString& fromText, const QString& toText, float clockZone,
                                 float orbDeg) {
    QDate dates[2];
    const std::pair<QString, QString> texts[2] = {{fromText, QStringLiteral("FROM")},
                                                  {toText, QStringLiteral("TO")}};
    for (int i = 0; i < 2; ++i) {
        const auto& [text, name] = texts[i];
        const std::optional<std::array<int, 3>> written = WrittenDate(text);
        if (!written) {
            return Refused(QStringLiteral("The %1 date \"%2\" is not a date written YYYY-MM-DD.")
                               .arg(name, text));
        }
        const auto [year, month, day] = *written;
        if (year < kFirstYear || year > kLastYear) {
            return Refused(QStringLiteral("The %1 date %2 lies outside the years %3 to %4.")
                               .arg(name, text)
                               .arg(kFirstYear)
                               .arg(kLastYear));
        }
        dates[i] = QDate(year, month, day);
        if (!dates[i].isValid()) {
            return Refused(
                QStringLiteral("The %1 date %2 is not a day of the calendar.").arg(name, text));
        }
    }
    const QDate from = dates[0];
    const QDate to = dates[1];
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
