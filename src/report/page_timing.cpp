#include "report/page_timing.h"

#include "calendar/calendar.h"
#include "report/timing_precision.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <cmath>
#include <utility>

namespace velmaris::domain {
namespace {

// The civil date and time on the computer's clock of a moment.
struct ClockMoment {
    QDate date;
    QTime time;
};

ClockMoment OnTheClock(double julianDate, float clockZone) {
    const double local = julianDate - static_cast<double>(clockZone) / 24;
    const long long minutes = std::llround((local + 0.5) * 1440);
    const long long dayNumber = minutes / 1440;
    const int minuteOfDay = static_cast<int>(minutes % 1440);
    return {QDate::fromJulianDay(dayNumber), QTime(minuteOfDay / 60, minuteOfDay % 60)};
}

// The day number on the clock of a moment, as the page numbers its days.
double ClockDayNumber(double julianDate, float clockZone) {
    return std::floor(julianDate - static_cast<double>(clockZone) / 24 + 0.5);
}

// "Thu 14 Jan 2027" in the date order (day first), "Thu Jan 14 2027" (month first) or
// "Thu 2027 Jan 14" (year first).
QString DayText(const QDate& date, const TimingStyle& style) {
    switch (style.dateOrder) {
        case DateOrder::DayMonthYear:
            return style.locale.toString(date, QStringLiteral("ddd d MMM yyyy"));
        case DateOrder::YearMonthDay:
            return style.locale.toString(date, QStringLiteral("ddd yyyy MMM d"));
        case DateOrder::MonthDayYear:
            break;
    }
    return style.locale.toString(date, QStringLiteral("ddd MMM d yyyy"));
}

// "3 Jan - 27 Jan 2027"; both years when they differ.
QString SpanText(const QDate& from, const QDate& to, const TimingStyle& style) {
    const bool sameYear = from.year() == to.year();
    QString first;
    QString last;
    switch (style.dateOrder) {
        case DateOrder::DayMonthYear:
            first = style.locale.toString(
                from, sameYear ? QStringLiteral("d MMM") : QStringLiteral("d MMM yyyy"));
            last = style.locale.toString(to, QStringLiteral("d MMM yyyy"));
            break;
        case DateOrder::YearMonthDay:
            first = style.locale.toString(from, QStringLiteral("yyyy MMM d"));
            last = style.locale.toString(
                to, sameYear ? QStringLiteral("MMM d") : QStringLiteral("yyyy MMM d"));
            break;
        case DateOrder::MonthDayYear:
            first = style.locale.toString(
                from, sameYear ? QStringLiteral("MMM d") : QStringLiteral("MMM d yyyy"));
            last = style.locale.toString(to, QStringLiteral("MMM d yyyy"));
            break;
    }
    return first + QStringLiteral(" - ") + last;
}

QString TwelveHourText(const QTime& time) {
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

}  // namespace

QString TimingLine(const transits::TransitWindow& window, double pageJulianDate,
                   const transits::MomentDelta& now, double orbDeg, const TimingStyle& style) {
    const BodyPrecision& precision = PrecisionOf(window.transit);
    QStringList parts;
    parts << (now.applying ? QStringLiteral("applying") : QStringLiteral("separating"));

    const double pageDay = ClockDayNumber(pageJulianDate, style.clockZone);
    const auto onPageDay = [&](double julianDate) {
        return ClockDayNumber(julianDate, style.clockZone) == pageDay;
    };
    if (window.hits.empty()) {
        parts << QStringLiteral("stations in orb, not exact");
    } else {
        // The hit still to come, or the last one when all are past.
        const transits::ExactHit* shown = &window.hits.back();
        for (const transits::ExactHit& hit : window.hits) {
            if (hit.julianDate >= pageJulianDate || onPageDay(hit.julianDate)) {
                shown = &hit;
                break;
            }
        }
        const ClockMoment exact = OnTheClock(shown->julianDate, style.clockZone);
        QString text = QStringLiteral("exact ") + DayText(exact.date, style);
        if (precision.uncertaintyMinutes < kLargestUncertaintyForTimeMinutes) {
            text += QLatin1Char(' ') + TwelveHourText(exact.time);
        }
        if (shown->passes > 1) {
            text += QStringLiteral(" (pass %1 of %2)").arg(shown->pass).arg(shown->passes);
        }
        parts << text;
    }
    parts << QStringLiteral("in orb ") + SpanText(OnTheClock(window.enters, style.clockZone).date,
                                                  OnTheClock(window.leaves, style.clockZone).date,
                                                  style);

    if (onPageDay(window.enters)) {
        parts << QStringLiteral("new today");
    }
    for (const transits::ExactHit& hit : window.hits) {
        if (onPageDay(hit.julianDate)) {
            parts << QStringLiteral("exact today");
            break;
        }
    }
    if (onPageDay(window.leaves)) {
        parts << QStringLiteral("leaves today");
    }
    if (std::fabs(orbDeg - std::fabs(now.deltaDeg)) <= precision.largestErrorDeg) {
        parts << QStringLiteral("near the orb limit");
    }
    return kTimingIndent + parts.join(QStringLiteral(", "));
}

PageTiming::PageTiming(const ephem::SkyPositions& natal, double orbDeg, TimingStyle style,
                       transits::LongitudeFunction longitude)
    : natal_(natal), orbDeg_(orbDeg), style_(std::move(style)), longitude_(std::move(longitude)) {}

const PageTiming::Searched& PageTiming::WindowsOf(ephem::Body transit, double julianDate) {
    // Days searched before and after the first page that asks: the Sun to Mars cross the orb
    // within days, Jupiter to Pluto stay in it for months. Stepping forward searches again a
    // month or a quarter on, stepping back a day or a week back; each search of one body takes
    // well under a millisecond.
    const bool fast = transit <= ephem::Body::Mars;
    const double before = fast ? 1 : 7;
    const double after = fast ? 30 : 90;
    Searched& searched = searched_[static_cast<std::size_t>(transit)];
    if (!(searched.from <= julianDate && julianDate <= searched.to)) {
        // Every window that overlaps the span is found whole, so each page of a day inside it
        // finds its windows there.
        transits::TransitQuery query;
        query.natal = natal_;
        query.orbDeg = orbDeg_;
        query.fromJulianDate = julianDate - before;
        query.toJulianDate = julianDate + after;
        query.bodies = {transit};
        searched.windows = transits::FindTransitWindows(query, longitude_);
        searched.from = query.fromJulianDate;
        searched.to = query.toJulianDate;
    }
    return searched;
}

std::optional<QString> PageTiming::LineFor(ephem::Body transit, int aspectIndex, ephem::Body natal,
                                           double dayNumber, double dayFraction) {
    const double julianDate = dayNumber + dayFraction - 0.5;
    for (const transits::TransitWindow& window : WindowsOf(transit, julianDate).windows) {
        if (window.natal == natal && window.aspectIndex == aspectIndex &&
            window.enters <= julianDate && julianDate <= window.leaves) {
            return TimingLine(window, julianDate, transits::DeltaAt(window, julianDate, longitude_),
                              orbDeg_, style_);
        }
    }
    return std::nullopt;
}

}  // namespace velmaris::domain
