#include "app/report_command.h"
#include "app_fixture.h"
#include "report/page_timing.h"
#include "support/golden.h"

#include <gtest/gtest.h>

namespace velmaris::testing {
namespace {

CommandRun RunReportIn(const DataFolder& folder, const QStringList& arguments) {
    return RunCommand(app::RunReport, arguments, folder.Path(), TestMoment(), 0,
                      QLocale(QLocale::English, QLocale::UnitedStates));
}

// The page the windowed program shows for a day (none: the start-up page), "\n" line ends.
QString WindowPage(const char* month, const char* day, const char* year) {
    AppRig rig;
    rig.window->StartUp();
    if (month != nullptr) {
        EXPECT_TRUE(rig.program->AcceptNewDate(QLatin1String(month), QLatin1String(day),
                                               QLatin1String(year)));
        rig.program->NewDate();
    }
    return rig.ShownPage();
}

TEST(ReportCommand, PagesOfTheDayAsTheWindowShowsThem) {
    struct Case {
        const char* label;
        QStringList arguments;
        const char* fields[3];  // month, day, year
        const char* dateLine;
    };
    const Case cases[] = {
        {"no date: the start-up page", {}, {}, "     Friday, 04 Dec 2026 at 10:15 PM"},
        {"a date", {"2027-01-15"}, {"1", "15", "2027"}, "     Friday, 15 Jan 2027 at 10:15 PM"},
        {"short fields", {"1999-7-4"}, {"7", "4", "1999"}, "     Sunday, 04 Jul 1999 at 10:15 PM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        CopyDataFiles(folder);
        const CommandRun run = RunReportIn(folder, c.arguments);
        EXPECT_EQ(run.status, app::kReportOk);
        EXPECT_EQ(run.err, QString());
        EXPECT_EQ(run.out, WindowPage(c.fields[0], c.fields[1], c.fields[2]));
        EXPECT_EQ(run.out.split(QLatin1Char('\n')).value(3), QLatin1String(c.dateLine));
        EXPECT_FALSE(run.out.contains(QLatin1Char('\r')));
        EXPECT_TRUE(run.out.endsWith(QStringLiteral("\n\n")));
    }
}

// With --timing each aspect line is followed by its timing line; without it the page is the
// same page without those lines, byte for byte.
TEST(ReportCommand, TimingLinesFollowTheAspectLines) {
    DataFolder folder;
    CopyDataFiles(folder);
    const CommandRun timed = RunReportIn(folder, {"2026-12-06", "--timing"});
    EXPECT_EQ(timed.status, app::kReportOk) << timed.err.toStdString();
    ExpectGolden(timed.out.toUtf8(), QStringLiteral("report/timing-2026-12-06.txt"));

    QStringList withoutTiming = timed.out.split(QLatin1Char('\n'));
    // A timing line is the only one indented by exactly kTimingIndent.
    withoutTiming.removeIf([](const QString& line) {
        return line.startsWith(domain::kTimingIndent) &&
               !line.at(domain::kTimingIndent.size()).isSpace();
    });
    EXPECT_EQ(RunReportIn(folder, {"2026-12-06"}).out, withoutTiming.join(QLatin1Char('\n')));
}

}  // namespace
}  // namespace velmaris::testing
