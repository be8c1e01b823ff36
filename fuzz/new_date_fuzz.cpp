// The New Date fields: three lines of input are the month, day and year as typed (any length
// of digits or anything else). Accepted fields must give a report page; refused ones must leave
// the next report day alone. The same digits also go straight to DayNumberFromDate and into a
// report page, bypassing the field checks, so that absurd dates reach the ephemeris.
#include "fuzz_support.h"

#include "calendar/calendar.h"
#include "report/report_writer.h"
#include "session/program.h"

#include <QLocale>

#include <cstdlib>

using namespace velmaris;

namespace {

struct World {
    testing::FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(22, 15, 30))};
    testing::FixedRegional regional{0, 0, QLocale(QLocale::English)};
    testing::RecordingMessages messages;
    testing::RecordingTextArea textArea;
    session::Program program{session::ProgramServices{clock, regional, messages, textArea,
                                                      QStringLiteral(VELMARIS_DATA_DIR)}};
    World() { program.StartUp(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World world;
    const QStringList fields =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split(QLatin1Char('\n'));
    const QString month = fields.value(0);
    const QString day = fields.value(1);
    const QString year = fields.value(2);

    world.program.Buffer().Reset();
    const double before = world.program.NextReportDay();
    if (world.program.AcceptNewDate(month, day, year)) {
        world.program.NewDate();
        if (world.program.Buffer().PageLineCount() == 0) {
            std::abort();
        }
    } else if (world.program.NextReportDay() != before) {
        std::abort();
    }

    // Straight to the calendar and the report writer, whatever the digits say.
    const double m = month.toDouble();
    const double d = day.toDouble();
    const double y = year.toDouble();
    domain::ReportState state;
    state.nextReportDay = domain::DayNumberFromDate(y, m, d);
    state.dayFraction = 0.4;
    domain::ReportSettings settings;
    settings.appFolder = QStringLiteral(VELMARIS_DATA_DIR);
    settings.orbDeg = 1.5f;
    settings.locale = QLocale(QLocale::English);
    settings.presentClock = QTime(22, 15);
    const domain::NoticeSink notices = session::NoticesTo(world.messages);
    domain::DataBuffer buffer(notices);
    domain::WriteReport(state, settings, buffer, notices, ephem::ComputePositions);
    world.messages.shown.clear();
    return 0;
}
