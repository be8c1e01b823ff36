#include "listing/listing_formats.h"

#include "report/interpretation_file.h"
#include "report/timing_precision.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTimeZone>

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calendar/calendar.h"
#include "report/name_tables.h"

namespace velmaris::domain {
namespace {

using transits::TransitWindow;

constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kSecondsPerDay = 86400;

long long SecondsSinceEpoch(double julianDate) {
    return std::llround((julianDate - kUnixEpochJulianDate) * kSecondsPerDay);
}

double RowMoment(const TransitWindow& window, const ListingRow& row) {
    return row.hit < 0 ? window.closestJulianDate
                       : window.hits[static_cast<std::size_t>(row.hit)].julianDate;
}

QString PassText(const transits::ExactHit& hit) {
    return QStringLiteral("pass %1 of %2").arg(hit.pass).arg(hit.passes);
}

}  // namespace

std::vector<ListingRow> ListingRows(const std::vector<TransitWindow>& windows) {
    std::vector<ListingRow> rows;
    for (std::size_t w = 0; w < windows.size(); ++w) {
        if (windows[w].hits.empty()) {
            rows.push_back({w, -1});
        }
        for (std::size_t h = 0; h < windows[w].hits.size(); ++h) {
            rows.push_back({w, static_cast<int>(h)});
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const ListingRow& a, const ListingRow& b) {
        const TransitWindow& wa = windows[a.window];
        const TransitWindow& wb = windows[b.window];
        if (wa.enters != wb.enters) {
            return wa.enters < wb.enters;
        }
        if ((a.hit < 0) != (b.hit < 0)) {
            return a.hit < 0;
        }
        return a.hit >= 0 && RowMoment(wa, a) < RowMoment(wb, b);
    });
    return rows;
}

QString TransitName(const TransitWindow& window) {
    return Latin1(PlanetNames[static_cast<std::size_t>(window.transit)]);
}

QString AspectNameOf(const TransitWindow& window) {
    return Latin1(AspectName(window.aspectIndex));
}

QString NatalName(const TransitWindow& window) {
    return Latin1(PlanetNames[static_cast<std::size_t>(window.natal)]);
}

QString KeyLine(const TransitWindow& window) {
    return TransitName(window) + QLatin1Char(' ') + AspectNameOf(window) + QLatin1Char(' ') +
           NatalName(window);
}

QString UtcText(double julianDate) {
    return QDateTime::fromSecsSinceEpoch(SecondsSinceEpoch(julianDate), Qt::UTC)
               .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QLatin1Char('Z');
}

QByteArray FormatCsv(const std::vector<TransitWindow>& windows) {
    QByteArray out = "transit,aspect,natal,exact,pass,passes,enters,leaves\n";
    for (const ListingRow& row : ListingRows(windows)) {
        const TransitWindow& window = windows[row.window];
        QStringList fields = {TransitName(window), AspectNameOf(window), NatalName(window)};
        if (row.hit < 0) {
            fields << QString() << QString() << QString();
        } else {
            const transits::ExactHit& hit = window.hits[static_cast<std::size_t>(row.hit)];
            fields << UtcText(hit.julianDate) << QString::number(hit.pass)
                   << QString::number(hit.passes);
        }
        fields << UtcText(window.enters) << UtcText(window.leaves);
        out += fields.join(QLatin1Char(',')).toLatin1() + '\n';
    }
    return out;
}

QByteArray FormatJson(const std::vector<TransitWindow>& windows,
                      const std::vector<transits::MomentDelta>& atPage) {
    QJsonArray array;
    for (const ListingRow& row : ListingRows(windows)) {
        const TransitWindow& window = windows[row.window];
        QJsonObject object;
        object[QStringLiteral("transit")] = TransitName(window);
        object[QStringLiteral("aspect")] = AspectNameOf(window);
        object[QStringLiteral("natal")] = NatalName(window);
        if (row.hit < 0) {
            object[QStringLiteral("exact")] = QJsonValue::Null;
            object[QStringLiteral("pass")] = QJsonValue::Null;
            object[QStringLiteral("passes")] = QJsonValue::Null;
        } else {
            const transits::ExactHit& hit = window.hits[static_cast<std::size_t>(row.hit)];
            object[QStringLiteral("exact")] = UtcText(hit.julianDate);
            object[QStringLiteral("pass")] = hit.pass;
            object[QStringLiteral("passes")] = hit.passes;
        }
        object[QStringLiteral("enters")] = UtcText(window.enters);
        object[QStringLiteral("leaves")] = UtcText(window.leaves);
        const transits::MomentDelta& moment = atPage.at(row.window);
        // Six decimals of a degree are well within the theory's precision.
        object[QStringLiteral("delta")] = std::round(moment.deltaDeg * 1e6) / 1e6;
        object[QStringLiteral("applying")] = moment.applying;
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QString ClockText(double julianDate, const ClockSettings& clock) {
    const double local = julianDate - static_cast<double>(clock.clockZone) / 24;
    const long long minutes = std::llround((local + 0.5) * 1440);
    const long long dayNumber = minutes / 1440;
    const long long minuteOfDay = minutes % 1440;
    return DayNumberToDateText(static_cast<double>(dayNumber), clock.dateOrder) +
           QStringLiteral(" %1:%2")
               .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
               .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

QString ShownMomentText(double julianDate, ephem::Body body, const ClockSettings& clock) {
    QString withTime = ClockText(julianDate, clock);
    if (PrecisionOf(body).uncertaintyMinutes < kLargestUncertaintyForTimeMinutes) {
        return withTime;
    }
    return withTime.section(QLatin1Char(' '), 0, 0);
}

QByteArray FormatText(const std::vector<TransitWindow>& windows, const ClockSettings& clock) {
    const QString pattern = QStringLiteral("%1 %2 %3 %4 %5 %6 %7");
    auto line = [&](const QStringList& f) {
        return pattern.arg(f[0], -8)
                   .arg(f[1], -10)
                   .arg(f[2], -8)
                   .arg(f[3], -16)
                   .arg(f[4], -16)
                   .arg(f[5], -13)
                   .arg(f[6])
                   .toLatin1() +
               '\n';
    };
    QByteArray out =
        line({QStringLiteral("TRANSIT"), QStringLiteral("ASPECT"), QStringLiteral("NATAL"),
              QStringLiteral("ENTERS"), QStringLiteral("EXACT"), QStringLiteral("PASS"),
              QStringLiteral("LEAVES")});
    for (const ListingRow& row : ListingRows(windows)) {
        const TransitWindow& window = windows[row.window];
        QString exact;
        QString pass;
        if (row.hit < 0) {
            exact = ShownMomentText(window.closestJulianDate, window.transit, clock);
            pass = QStringLiteral("not exact");
        } else {
            const transits::ExactHit& hit = window.hits[static_cast<std::size_t>(row.hit)];
            exact = ShownMomentText(hit.julianDate, window.transit, clock);
            pass = PassText(hit);
        }
        out += line({TransitName(window), AspectNameOf(window), NatalName(window),
                     ShownMomentText(window.enters, window.transit, clock), exact, pass,
                     ShownMomentText(window.leaves, window.transit, clock)});
    }
    return out;
}

QHash<QString, QString> KeyLineParagraphs(const QString& appFolder,
                                          const std::vector<transits::TransitWindow>& windows) {
    QHash<QString, QString> paragraphs;
    for (const transits::TransitWindow& window : windows) {
        const QString key = KeyLine(window);
        if (!paragraphs.contains(key)) {
            paragraphs.insert(key,
                              ReadInterpretation(appFolder, static_cast<int>(window.transit), key)
                                  .value_or(QString()));
        }
    }
    return paragraphs;
}

QByteArray FormatIcs(const std::vector<TransitWindow>& windows,
                     const QHash<QString, QString>& paragraphs, double stampJulianDate) {
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    auto moment = [utc](double julianDate) {
        return icaltime_from_timet_with_zone(static_cast<time_t>(SecondsSinceEpoch(julianDate)), 0,
                                             utc);
    };
    icalcomponent* calendar =
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//VELMARIS//Transit Listing//EN"), nullptr);
    for (const ListingRow& row : ListingRows(windows)) {
        const TransitWindow& window = windows[row.window];
        const QString key = KeyLine(window);
        QString summary = key;
        double when = window.closestJulianDate;
        if (row.hit < 0) {
            summary += QStringLiteral(", stations in orb, not exact");
        } else {
            const transits::ExactHit& hit = window.hits[static_cast<std::size_t>(row.hit)];
            when = hit.julianDate;
            summary += QStringLiteral(", ") + PassText(hit);
        }
        QString description = QStringLiteral("In orb from %1 to %2.")
                                  .arg(UtcText(window.enters), UtcText(window.leaves));
        if (row.hit < 0) {
            description += QStringLiteral(" Closest at %1, %2 degrees from exact.")
                               .arg(UtcText(window.closestJulianDate))
                               .arg(std::fabs(window.closestDeltaDeg), 0, 'f', 4);
        }
        const auto paragraph = paragraphs.constFind(key);
        if (paragraph != paragraphs.constEnd() && !paragraph->isEmpty()) {
            description += QStringLiteral("\n\n") + *paragraph;
        }
        const QString uid = QStringLiteral("%1-%2-%3-%4@velmaris")
                                .arg(TransitName(window), AspectNameOf(window), NatalName(window))
                                .arg(SecondsSinceEpoch(when));
        icalcomponent* event = icalcomponent_vanew(
            ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid.toUtf8().constData()),
            icalproperty_new_dtstamp(moment(stampJulianDate)),
            icalproperty_new_dtstart(moment(when)),
            icalproperty_new_summary(summary.toUtf8().constData()),
            icalproperty_new_description(description.toUtf8().constData()), nullptr);
        icalcomponent_add_component(calendar, event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar);
    QByteArray out(text);
    std::free(text);
    icalcomponent_free(calendar);
    return out;
}

}  // namespace velmaris::domain
