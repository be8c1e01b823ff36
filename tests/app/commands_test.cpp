// The commands without a window: the program started from a shell, what each command refuses,
// the report page, the transit listing and the pictures written to files.
#include "app/listing_command.h"
#include "app/picture_command.h"
#include "app/report_command.h"
#include "app_fixture.h"
#include "pictures/svg_reading.h"
#include "report/page_timing.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace velmaris::testing {
namespace {

// ---- The program as started from a shell ----

TEST(CommandLineTest, AnswersWithoutADisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("app/command-line.tsv"), 4)) {
        const std::string what = row[0].toStdString();
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + row[0],
                       QStringLiteral(VELMARIS_EXECUTABLE)});
        ASSERT_TRUE(process.waitForFinished(60000)) << what;
        const QByteArray out = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << what;
        EXPECT_EQ(process.exitCode(), row[1].toInt()) << what << ": " << err.toStdString();
        EXPECT_TRUE(row[2].isEmpty() ? out.isEmpty() : out.contains(row[2])) << what;
        EXPECT_TRUE(err.contains(row[3])) << what << ": " << err.toStdString();
    }
}

// ---- Refusals ----

using Command = int (*)(const QStringList&, const app::ListingCommandServices&, QTextStream&,
                        QTextStream&);

int Report(const QStringList& arguments, const app::ListingCommandServices& services,
           QTextStream& out, QTextStream& err) {
    return app::RunReport(arguments, {services.clock, services.regional, services.appFolder}, out,
                          err);
}

TEST(Refusals, EachCommandSaysWhatItCannotDo) {
    EnsureApplication();
    const QMap<QByteArray, Command> commands{{"report", Report},
                                             {"transits", app::RunListing},
                                             {"wheel", app::RunWheel},
                                             {"timeline", app::RunTimeline}};
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("app/refusals.tsv"), 5)) {
        const std::string what = (row[0] + ' ' + row[1]).toStdString();
        SCOPED_TRACE(what);
        ASSERT_TRUE(commands.contains(row[0]));
        DataFolder folder;
        if (row[2] == "data") {
            CopyDataFiles(folder);
        }
        QStringList arguments;
        for (const QByteArray& argument : row[1].split('|')) {
            if (!argument.isEmpty() || !row[1].isEmpty()) {
                arguments.append(
                    QString::fromUtf8(argument).replace(QStringLiteral("{folder}"), folder.Path()));
            }
        }
        const QStringList before = QDir(folder.Path()).entryList(QDir::Files);
        const CommandRun run = RunCommand(commands[row[0]], arguments, folder.Path());
        EXPECT_EQ(run.status, row[3].toInt()) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row[4]))) << run.err.toStdString();
        EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), before);
    }
}

// ---- --report ----

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

// ---- --transits ----

const QString kReferenceFolder = QStringLiteral(VELMARIS_TEST_DATA_DIR "/transit-windows");

CommandRun RunListingIn(const QString& folder, const QStringList& arguments) {
    return RunCommand(app::RunListing, arguments, folder,
                      QDateTime(QDate(2028, 3, 15), QTime(12, 0)));
}

QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The CSV of the reference period has the reference's rows, in its order (the moments
// themselves are compared within their tolerance by the listing's own test).
TEST(ListingCommandTest, CsvOfTheReferencePeriodHasTheReferenceRows) {
    const CommandRun run =
        RunListingIn(kReferenceFolder, {"2028-03-01", "2028-04-30", "--format", "csv"});
    ASSERT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    QFile expectedFile(kReferenceFolder + QStringLiteral("/expected.csv"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    const QStringList expected = Lines(QString::fromUtf8(expectedFile.readAll()));
    const QStringList actual = Lines(run.out);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        // transit, aspect, natal, pass and passes agree exactly.
        const QStringList a = actual[i].split(QLatin1Char(','));
        const QStringList e = expected[i].trimmed().split(QLatin1Char(','));
        ASSERT_EQ(a.size(), 8) << actual[i].toStdString();
        for (const int field : {0, 1, 2, 4, 5}) {
            EXPECT_EQ(a[field], e[field]) << "row " << i;
        }
    }
}

// December 2026 of the supplied chart: Saturn stations about 25 arcseconds short of the exact
// square to natal Uranus, one window listed without an exact hit; the calendar written to a
// file whole (nothing on standard output), each event with the paragraph of its transit.
TEST(ListingCommandTest, AStationShortOfExactAndTheCalendarOfThePeriod) {
    const QStringList period = {QStringLiteral("2026-12-01"), QStringLiteral("2026-12-10")};
    const CommandRun csv =
        RunListingIn(QStringLiteral(VELMARIS_DATA_DIR), period + QStringList{"--format", "csv"});
    ASSERT_EQ(csv.status, app::kListingOk) << csv.err.toStdString();
    const QStringList rows = Lines(csv.out).filter(QStringLiteral("SATURN,Square,URANUS,"));
    ASSERT_EQ(rows.size(), 1) << csv.out.toStdString();
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("SATURN,Square,URANUS,,,,2026-10-")))
        << rows[0].toStdString();

    DataFolder folder;
    const QString path = folder.FilePath(QStringLiteral("dec.ics"));
    const CommandRun ics = RunListingIn(QStringLiteral(VELMARIS_DATA_DIR),
                                        period + QStringList{"--format", "ics", "--output", path});
    ASSERT_EQ(ics.status, app::kListingOk) << ics.err.toStdString();
    EXPECT_TRUE(ics.out.isEmpty());
    // Folded lines are joined again before looking (RFC 5545: CRLF and one blank).
    QByteArray calendar = folder.Read(QStringLiteral("dec.ics"));
    EXPECT_TRUE(calendar.startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(calendar.trimmed().endsWith("END:VCALENDAR"));
    calendar.replace("\r\n ", "");
    EXPECT_TRUE(calendar.contains("SUMMARY:SATURN Square URANUS"));
    EXPECT_TRUE(
        calendar.contains("Old and new collide. Torn between security and a hunger for freedom"));
}

// Runs a picture command on a copy of the supplied data and returns the picture it wrote into
// that folder.
template <typename Command>
QByteArray Picture(Command command, QStringList arguments, const QString& fileName) {
    EnsureApplication();
    DataFolder folder;
    CopyDataFiles(folder);
    arguments << QStringLiteral("--output") << folder.FilePath(fileName);
    const CommandRun run = RunCommand(command, arguments, folder.Path());
    EXPECT_EQ(run.status, app::kPictureOk) << run.err.toStdString();
    return folder.Read(fileName);
}

// A line per group of a picture that carries data: its data, then the kinds of its shapes.
QStringList DataLines(const QByteArray& svg) {
    QString error;
    const auto groups = pictures::testing::ReadSvgGroups(svg, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const auto kind = [](const pictures::testing::SvgElement& e) { return e.name; };
    return pictures::testing::GroupLines(groups, kind).filter(QStringLiteral("="));
}

// The page of 6 December 2026 and its wheel, in tests/data/app/wheel-2026-12-06.txt: the page's
// aspect lines, then the wheel's groups. The wheel's aspect lines are the page's aspects, named
// as the page names them, and each transiting marker sits at the longitude the page prints.
TEST(PictureCommandTest, WheelShowsThePagesAspects) {
    DataFolder folder;
    CopyDataFiles(folder);
    static const QRegularExpression kAspectLine(QStringLiteral(R"(^     \S+ \S+ \S+ \(\d)"));
    const QStringList page = RunCommand(app::RunReport, {"2026-12-06"}, folder.Path())
                                 .out.split('\n')
                                 .filter(kAspectLine);
    const QStringList wheel = DataLines(Picture(app::RunWheel, {"2026-12-06"}, "wheel.svg"));
    ExpectGolden((page + QStringList{QStringLiteral("---")} + wheel).join('\n').toUtf8() + '\n',
                 QStringLiteral("app/wheel-2026-12-06.txt"));
}

// The bars of the timeline of the first ten days of December 2026, each followed by its hit
// marks, are in tests/data/app/timeline-bars.txt; the Saturn square among them stations short of
// exact, so no mark follows it.
TEST(PictureCommandTest, TimelineDrawsTheWindowsOfThePeriod) {
    static const QRegularExpression kBarOrMark(QStringLiteral("^(aspect|exact)="));
    const QStringList lines =
        DataLines(Picture(app::RunTimeline, {"2026-12-01", "2026-12-10"}, "t.svg"))
            .filter(kBarOrMark);
    ExpectGolden(lines.join('\n').toUtf8() + '\n', QStringLiteral("app/timeline-bars.txt"));
}

TEST(PictureCommandTest, PngHasTheSizeAskedFor) {
    const QImage image =
        QImage::fromData(Picture(app::RunWheel, {"2026-12-06", "--size", "300"}, "w.png"), "PNG");
    EXPECT_EQ(image.size(), QSize(300, 300));
}

}  // namespace
}  // namespace velmaris::testing
