#include "app/report_command.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

namespace velmaris::testing {
namespace {

struct ReportRun {
    int status = -1;
    QString out;
    QString err;
};

ReportRun RunReportIn(const DataFolder& folder, const QStringList& arguments) {
    FixedClock clock(TestMoment());
    FixedRegional regional(0, 0, QLocale(QLocale::English, QLocale::UnitedStates));
    ReportRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = app::RunReport(arguments, {clock, regional, folder.Path()}, out, err);
    return run;
}

// The page the windowed program shows for a day, with "\n" line ends.
QString WindowPage(const DataFolder& folder, int month, int day, int year) {
    FixedClock clock(TestMoment());
    FixedRegional regional(0, 0, QLocale(QLocale::English, QLocale::UnitedStates));
    RecordingMessages messages;
    RecordingTextArea area;
    domain::Program program({clock, regional, messages, area, folder.Path()});
    program.StartUp();
    if (month != 0) {
        EXPECT_TRUE(program.AcceptNewDate(QString::number(month), QString::number(day),
                                          QString::number(year)));
        program.NewDate();
    }
    return area.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

TEST(ReportCommand, PagesOfTheDayAsTheWindowShowsThem) {
    struct Case {
        const char* label;
        QStringList arguments;
        int month, day, year;
        const char* dateLine;
    };
    const Case cases[] = {
        {"no date: the start-up page", {}, 0, 0, 0, "     Friday, 04 Dec 2026 at 10:15 PM"},
        {"a date", {"2027-01-15"}, 1, 15, 2027, "     Friday, 15 Jan 2027 at 10:15 PM"},
        {"short fields", {"1999-7-4"}, 7, 4, 1999, "     Sunday, 04 Jul 1999 at 10:15 PM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        CopyDataFiles(folder);
        const ReportRun run = RunReportIn(folder, c.arguments);
        EXPECT_EQ(run.status, app::kReportOk);
        EXPECT_EQ(run.err, QString());
        EXPECT_EQ(run.out, WindowPage(folder, c.month, c.day, c.year));
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        ASSERT_GT(lines.size(), 5);
        EXPECT_EQ(lines[0], QString());
        EXPECT_EQ(lines[1].trimmed(), QStringLiteral("TRANSITING PLANET ASPECTS TO NATAL PLANETS"));
        EXPECT_EQ(lines[3], QLatin1String(c.dateLine));
        EXPECT_FALSE(run.out.contains(QLatin1Char('\r')));
        EXPECT_TRUE(run.out.endsWith(QStringLiteral("\n\n")));
    }
}

TEST(ReportCommand, ArgumentsItDoesNotUnderstand) {
    const QStringList cases[] = {
        {"04/12/2026"}, {"2026-12"}, {"today"}, {"2026-12-04", "extra"}, {"-2026-12-04"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        DataFolder folder;
        CopyDataFiles(folder);
        const ReportRun run = RunReportIn(folder, arguments);
        EXPECT_EQ(run.status, app::kReportUsage);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.contains(QStringLiteral("--report")));
    }
}

TEST(ReportCommand, RefusedDateFailsWithTheReason) {
    const char* cases[] = {"2026-13-01", "2026-12-00", "0-1-1"};
    for (const char* date : cases) {
        SCOPED_TRACE(date);
        DataFolder folder;
        CopyDataFiles(folder);
        const ReportRun run = RunReportIn(folder, {QLatin1String(date)});
        EXPECT_EQ(run.status, app::kReportFailed);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Warning! ")));
    }
}

TEST(ReportCommand, MissingOptionsFileIsRestoredAndSaidOnStandardError) {
    DataFolder folder;
    CopyDataFiles(folder);
    ASSERT_TRUE(QFile::remove(folder.FilePath(QStringLiteral("OPTIONS.OPT"))));
    const ReportRun run = RunReportIn(folder, {});
    EXPECT_EQ(run.status, app::kReportOk);
    EXPECT_TRUE(run.err.contains(QStringLiteral("OPTIONS.MAS")));
    EXPECT_EQ(folder.Read(QStringLiteral("OPTIONS.OPT")),
              folder.Read(QStringLiteral("OPTIONS.MAS")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("TRANSITING PLANET ASPECTS")));
}

TEST(ReportCommand, NoOptionsAtAllStillPrintsThePageButFails) {
    DataFolder folder;
    const ReportRun run = RunReportIn(folder, {});
    EXPECT_EQ(run.status, app::kReportFailed);
    EXPECT_TRUE(run.err.contains(QStringLiteral("OPTIONS.OPT")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Friday, 04 Dec 2026")));
}

}  // namespace
}  // namespace velmaris::testing
