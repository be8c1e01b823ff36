#include "report/report_writer.h"

#include "calendar/calendar.h"
#include "calendar/moment_fields.h"
#include "io/text_lines.h"
#include "report/interpretation_file.h"
#include "report/name_tables.h"
#include "report/separation.h"

#include <QDate>

#include <cmath>
#include <optional>

namespace velmaris::domain {
namespace {

double Int(double x) {
    return std::floor(x);
}

QByteArray KeyOf(int transiting, int aspect, int natal) {
    QByteArray key;
    key.reserve(32);
    const std::string_view first = PlanetNames.at(static_cast<std::size_t>(transiting));
    const std::string_view name = AspectName(aspect);
    const std::string_view second = PlanetNames.at(static_cast<std::size_t>(natal));
    key.append(first.data(), static_cast<qsizetype>(first.size()));
    key.append(' ');
    key.append(name.data(), static_cast<qsizetype>(name.size()));
    key.append(' ');
    key.append(second.data(), static_cast<qsizetype>(second.size()));
    return key;
}

}  // namespace

QString LongDateText(double dayNumber, const QString& dateText, const QLocale& locale) {
    const GregorianDate date = GregorianDateFromDayNumber(dayNumber);
    if (std::fabs(date.year) < 1e6) {
        // QDate has no year 0: astronomical year 0 is 1 BC, which QDate calls -1. The weekday
        // and month names come from QDate, the year is the day-number routine's own, so the
        // first days of year 1 are dated year 0000 as in the date text.
        const int year = static_cast<int>(date.year);
        const QDate qdate(year <= 0 ? year - 1 : year, date.month, date.day);
        if (qdate.isValid() && year >= 1) {
            return locale.toString(qdate, QStringLiteral("dddd, dd MMM yyyy"));
        }
        if (qdate.isValid()) {
            const QString yearText = year < 0
                                         ? QStringLiteral("-%1").arg(-year, 4, 10, QLatin1Char('0'))
                                         : QStringLiteral("0000");
            return locale.toString(qdate, QStringLiteral("dddd, dd MMM ")) + yearText;
        }
    }
    return dateText;
}

QString FormatLongitude(double longitudeDeg) {
    double l = std::isfinite(longitudeDeg) ? longitudeDeg : 0;
    if (l < 0 || l >= 360) {
        l -= 360 * Int(l / 360);
        if (l >= 360) {
            l = 0;
        }
    }
    const double d = Int(l);
    const int sign = static_cast<int>(Int(d / 30)) + 1;
    const int degree = static_cast<int>(Int(RoundHundredths((d / 30 - Int(d / 30)) * 30)));
    int minutes = static_cast<int>(Int((l - d) * 60 + 0.5));
    if (minutes >= 60) {
        minutes = 59;
    }
    return TwoDigits(degree) + QLatin1Char(' ') + Latin1(SignCode(sign)) + QLatin1Char(' ') +
           TwoDigits(minutes);
}

void WriteReport(ReportState& state, const ReportSettings& settings, DataBuffer& buffer,
                 const NoticeSink& notices, const PositionSource& positions) {
    buffer.AppendBlankLine();
    buffer.AppendBufferLine(kReportHeading);
    buffer.AppendBlankLine();

    state.dateText = DayNumberToDateText(state.nextReportDay, settings.dateOrder);
    bool computed = true;
    try {
        state.skyPositions =
            positions(ephem::MakeChartMoment(state.nextReportDay, state.dayFraction));
    } catch (const ephem::EphemerisError&) {
        computed = false;
    }

    buffer.AppendBufferLine(QStringLiteral("     ") +
                            LongDateText(state.nextReportDay, state.dateText, settings.locale) +
                            QStringLiteral(" at ") + TwelveHourClockText(settings.presentClock));
    buffer.AppendBlankLine();

    if (!computed) {
        buffer.AppendBufferLine(kNoPositionsLine);
        notices({NoticeKind::NoPositionsForDay, state.dateText});
    } else if (!state.natalComputed) {
        // Aspects to a chart of zeros would mean nothing; the start-up has said why.
        buffer.AppendBufferLine(kNoNatalChartLine);
    } else {
        bool anyAspect = false;
        QStringList tooLarge;  // interpretation files left out because of their size
        for (int t = ephem::kFirstBody; t <= 9; ++t) {
            // The body's interpretation file, read at its first aspect and kept for the page.
            std::optional<io::DataFileRead> file;
            for (int n = ephem::kFirstBody; n <= ephem::kLastBody; ++n) {
                const double separation =
                    std::fabs(state.skyPositions[static_cast<std::size_t>(t)] -
                              state.natalPositions[static_cast<std::size_t>(n)]);
                const Aspect aspect = FindAspect(separation, settings.orbDeg);
                if (aspect.index == kNoAspect || aspect.index > kQuincunx) {
                    continue;
                }
                if (!file) {
                    const QString fileName = InterpretationFileName(t);
                    file = io::ReadDataFile(io::DataFilePath(settings.appFolder, fileName));
                    if (file->tooLarge) {
                        tooLarge.append(fileName);
                    }
                }
                if (!file->contents) {
                    continue;
                }
                const QByteArray key = KeyOf(t, aspect.index, n);
                const std::optional<QStringList> paragraph =
                    FindInterpretation(*file->contents, key);
                if (!paragraph) {
                    continue;
                }
                buffer.AppendBufferLine(
                    QStringLiteral("     ") + QString::fromLatin1(key) + QStringLiteral(" (") +
                    QString::number(std::fabs(aspect.deviation), 'f', 1) +
                    QStringLiteral(" degree) - ") +
                    Latin1(PlanetNames[static_cast<std::size_t>(t)]) + QStringLiteral(" at ") +
                    FormatLongitude(state.skyPositions[static_cast<std::size_t>(t)]));
                if (settings.timing != nullptr) {
                    const std::optional<QString> timing = settings.timing->LineFor(
                        static_cast<ephem::Body>(t), aspect.index, static_cast<ephem::Body>(n),
                        state.nextReportDay, state.dayFraction);
                    if (timing) {
                        buffer.AppendBufferLine(*timing);
                    }
                }
                anyAspect = true;
                for (const QString& line : *paragraph) {
                    // A full buffer would refuse every further line of the paragraph too, each
                    // with a notice of its own.
                    if (!buffer.AppendBufferLine(line)) {
                        break;
                    }
                }
                buffer.AppendBlankLine();
            }
        }
        if (!anyAspect) {
            buffer.AppendBufferLine(kNoAspectsLine);
        }
        for (const QString& fileName : tooLarge) {
            notices({NoticeKind::InterpretationTooLarge, fileName});
        }
    }
    state.nextReportDay = state.nextReportDay + 1;
    buffer.AppendBlankLine();
}

}  // namespace velmaris::domain
