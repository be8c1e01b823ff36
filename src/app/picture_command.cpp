#include "app/picture_command.h"

#include "app/report_command.h"
#include "listing/listing_period.h"
#include "pictures/picture_export.h"
#include "pictures/picture_inputs.h"
#include "pictures/timeline.h"

#include <QDir>

#include <cmath>
#include <optional>

namespace velmaris::app {
namespace {

void WriteUsage(QTextStream& err) {
    err << "Usage: velmaris --wheel [YYYY-MM-DD] --output FILE.svg|FILE.png [--size PIXELS]\n"
           "       velmaris --timeline FROM TO --output FILE.svg|FILE.png [--size PIXELS]\n";
    err.flush();
}

struct PictureArguments {
    QStringList dates;
    QString output;
    bool svg = false;
    int size = 0;  // pixels across a PNG; 0 for the picture's own width
};

// The dates, the output file (its ending chooses the format) and the size in pixels.
std::optional<PictureArguments> ParseArguments(const QStringList& arguments) {
    PictureArguments parsed;
    bool sizeGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--output") || argument == QLatin1String("--size")) {
            if (i + 1 >= arguments.size()) {
                return std::nullopt;
            }
            const QString& value = arguments[++i];
            if (argument == QLatin1String("--output")) {
                parsed.output = value;
                continue;
            }
            bool number = false;
            parsed.size = value.toInt(&number);
            if (!number || parsed.size < pictures::kMinPictureSize ||
                parsed.size > pictures::kMaxPictureSize) {
                return std::nullopt;
            }
            sizeGiven = true;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return std::nullopt;
        } else {
            parsed.dates.append(argument);
        }
    }
    if (!pictures::IsPictureFileName(parsed.output)) {
        return std::nullopt;
    }
    parsed.svg = parsed.output.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (parsed.svg && sizeGiven) {
        return std::nullopt;  // an SVG has no pixels
    }
    return parsed;
}

int Save(const pictures::DisplayList& list, const PictureArguments& arguments, int defaultSize,
         QTextStream& err) {
    const io::WriteResult written = pictures::SavePictureFile(
        list, arguments.output, arguments.size > 0 ? arguments.size : defaultSize);
    if (!written.ok) {
        err << "The picture could not be written to " << QDir::toNativeSeparators(arguments.output)
            << ": " << written.error << ".\n";
        err.flush();
        return kPictureFailed;
    }
    return kPictureOk;
}

}  // namespace

pictures::WheelInput WheelOfPage(const session::Program& program) {
    const domain::MomentFields& natal = program.Natal();
    const float orb = program.Options()[domain::kOrbOption];
    // The clock of the options file holds minutes as hundredths: 2.45 is 2:45.
    const double clock = static_cast<double>(natal.clock);
    const int hours = static_cast<int>(clock);
    const int minutes = static_cast<int>(std::lround((clock - hours) * 100.0));
    const QStringList legend{
        program.PageDateLine(),
        QStringLiteral("Natal: %1/%2/%3 at %4:%5 %6")
            .arg(natal.month)
            .arg(natal.day)
            .arg(natal.year)
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(domain::HalfDayText(natal.amPm)),
        QStringLiteral("Orb %1\u00B0").arg(static_cast<double>(orb), 0, 'f', 1)};
    return pictures::WheelForMoment(program.NatalPositions(), program.PageMoment(), orb, legend,
                                    program.Positions());
}

PeriodTimeline TimelineOfPeriod(const session::Program& program, const QDate& from, const QDate& to,
                                const QDateTime& now) {
    const domain::PeriodQuery asked =
        domain::QueryForPeriod(from, to, program.Options(), program.NatalPositions());
    if (!asked.period.accepted) {
        return {std::nullopt, asked.period.message};
    }
    const std::vector<transits::TransitWindow> windows =
        transits::FindTransitWindows(asked.query, transits::PositionsLongitude());
    return {pictures::TimelineFromWindows(windows, asked.period.fromJulianDate,
                                          asked.period.toJulianDate,
                                          domain::ClockJulianDate(now, asked.clockZone)),
            {}};
}

int RunWheel(const QStringList& arguments, const ListingCommandServices& services,
             QTextStream& /*out*/, QTextStream& err) {
    const std::optional<PictureArguments> parsed = ParseArguments(arguments);
    std::optional<DayArgument> day;
    if (parsed && parsed->dates.size() == 1) {
        day = ParseDayArgument(parsed->dates.front());
    }
    if (!parsed || parsed->dates.size() > 1 || (parsed->dates.size() == 1 && !day)) {
        WriteUsage(err);
        return kPictureUsage;
    }

    platform::StreamMessageBoxes messages(err);
    KeptText page;
    session::Program program(
        {services.clock, services.regional, messages, page, services.appFolder});
    if (!StartUpAtDay(program, messages, day)) {
        return kPictureFailed;
    }
    pictures::WheelInput input;
    try {
        input = WheelOfPage(program);
    } catch (const ephem::EphemerisError&) {
        err << "The positions of the planets cannot be computed for this date.\n";
        err.flush();
        return kPictureFailed;
    }
    const int saved =
        Save(pictures::BuildWheel(input), *parsed, pictures::kDefaultPictureSize, err);
    return saved == kPictureOk && messages.Failed() ? kPictureFailed : saved;
}

int RunTimeline(const QStringList& arguments, const ListingCommandServices& services,
                QTextStream& /*out*/, QTextStream& err) {
    const std::optional<PictureArguments> parsed = ParseArguments(arguments);
    if (!parsed || parsed->dates.size() != 2) {
        WriteUsage(err);
        return kPictureUsage;
    }
    PeriodTransits found;
    if (const int status =
            FindPeriodTransits(parsed->dates[0], parsed->dates[1], services, err, found);
        status != kListingOk) {
        return status;
    }
    const pictures::TimelineInput input = pictures::TimelineFromWindows(
        found.windows, found.fromJulianDate, found.toJulianDate, found.nowJulianDate);
    constexpr int kTimelineWidth = 1200;
    return Save(pictures::BuildTimeline(input, kTimelineWidth), *parsed, kTimelineWidth, err);
}

}  // namespace velmaris::app
