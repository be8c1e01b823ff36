#include "app/listing_command.h"

#include "calendar/moment_fields.h"
#include "io/atomic_write.h"
#include "listing/listing_formats.h"
#include "listing/listing_period.h"
#include "options/options_file.h"
#include "positions/positions.h"
#include "report/interpretation_file.h"
#include "transits/positions_adapter.h"
#include "transits/transit_search.h"

#include <QDir>

namespace velmaris::app {
namespace {

void WriteUsage(QTextStream& err) {
    err << "Usage: velmaris --transits FROM TO [--format text|csv|json|ics] [--output FILE]\n"
           "       (dates as YYYY-MM-DD)\n";
    err.flush();
}

struct ListingArguments {
    QString from;
    QString to;
    QString format = QStringLiteral("text");
    QString output;
};

std::optional<ListingArguments> ParseArguments(const QStringList& arguments) {
    ListingArguments parsed;
    QStringList dates;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--format") || argument == QLatin1String("--output")) {
            if (i + 1 >= arguments.size()) {
                return std::nullopt;
            }
            (argument == QLatin1String("--format") ? parsed.format : parsed.output) =
                arguments[++i];
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return std::nullopt;
        } else {
            dates.append(argument);
        }
    }
    static const QStringList kFormats{QStringLiteral("text"), QStringLiteral("csv"),
                                      QStringLiteral("json"), QStringLiteral("ics")};
    if (dates.size() != 2 || !kFormats.contains(parsed.format)) {
        return std::nullopt;
    }
    parsed.from = dates[0];
    parsed.to = dates[1];
    return parsed;
}

}  // namespace

int FindPeriodTransits(const QString& from, const QString& to,
                       const ListingCommandServices& services, QTextStream& err,
                       PeriodTransits& found) {
    domain::OptionValues values{};
    const domain::OptionsRead read = domain::ReadOptionsFile(services.appFolder, values);
    if (!read.opened) {
        err << "The options file OPTIONS.OPT cannot be read from "
            << QDir::toNativeSeparators(services.appFolder) << ".\n";
        err.flush();
        return kListingFailed;
    }
    const domain::NatalLoad natal = domain::LoadNatalDateTime(values);
    QStringList problems = read.problems + natal.problems;
    found.clockZone = domain::ClockZone(values, problems);
    for (const QString& problem : problems) {
        err << problem << '\n';
    }

    const domain::ListingPeriod period =
        domain::ParseListingPeriod(from, to, found.clockZone, values[domain::kOrbOption]);
    if (!period.accepted) {
        err << period.message << '\n';
        err.flush();
        return kListingUsage;
    }

    transits::TransitQuery query;
    try {
        query.natal = ephem::ComputePositions(domain::ComputeChartMoment(natal.natal));
    } catch (const ephem::EphemerisError&) {
        err << "The natal positions cannot be computed from the birth date in OPTIONS.OPT.\n";
        err.flush();
        return kListingFailed;
    }
    query.orbDeg = static_cast<double>(values[domain::kOrbOption]);
    query.fromJulianDate = period.fromJulianDate;
    query.toJulianDate = period.toJulianDate;
    found.fromJulianDate = period.fromJulianDate;
    found.toJulianDate = period.toJulianDate;
    found.windows = transits::FindTransitWindows(query, found.longitude);
    found.nowJulianDate = domain::ClockJulianDate(services.clock.Now(), found.clockZone);
    return kListingOk;
}

int RunListing(const QStringList& arguments, const ListingCommandServices& services,
               QTextStream& out, QTextStream& err) {
    const std::optional<ListingArguments> parsed = ParseArguments(arguments);
    if (!parsed) {
        WriteUsage(err);
        return kListingUsage;
    }
    PeriodTransits found;
    if (const int status = FindPeriodTransits(parsed->from, parsed->to, services, err, found);
        status != kListingOk) {
        return status;
    }
    const std::vector<transits::TransitWindow>& windows = found.windows;
    const transits::LongitudeFunction& longitude = found.longitude;
    const float clockZone = found.clockZone;
    const double now = found.nowJulianDate;
    QByteArray bytes;
    if (parsed->format == QLatin1String("csv")) {
        bytes = domain::FormatCsv(windows);
    } else if (parsed->format == QLatin1String("json")) {
        std::vector<transits::MomentDelta> atNow;
        atNow.reserve(windows.size());
        for (const transits::TransitWindow& window : windows) {
            atNow.push_back(transits::DeltaAt(window, now, longitude));
        }
        bytes = domain::FormatJson(windows, atNow);
    } else if (parsed->format == QLatin1String("ics")) {
        // Each event describes its transit with the page's paragraph for it.
        bytes =
            domain::FormatIcs(windows, domain::KeyLineParagraphs(services.appFolder, windows), now);
    } else {
        bytes = domain::FormatText(windows, {services.regional.DateOrder(), clockZone});
    }

    if (!parsed->output.isEmpty()) {
        const io::WriteResult written = io::WriteFileAtomically(parsed->output, bytes);
        if (!written.ok) {
            err << "The listing could not be written to "
                << QDir::toNativeSeparators(parsed->output) << ": " << written.error << ".\n";
            err.flush();
            return kListingFailed;
        }
        return kListingOk;
    }
    out << QString::fromUtf8(bytes);
    out.flush();
    if (out.status() != QTextStream::Ok || (out.device() != nullptr && !out.device()->isOpen())) {
        err << "The listing could not be written to standard output.\n";
        err.flush();
        return kListingFailed;
    }
    return kListingOk;
}

}  // namespace velmaris::app
