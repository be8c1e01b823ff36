#include "session/program.h"

#include "report/report_rig.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace velmaris::session {
namespace {

using namespace domain;

using testing::kNatalDay;
using testing::kToday;
using testing::Positions;

// Natal Moon at 133.3; the transiting Sun squares it on the present day only.
struct ProgramFixture : testing::ProgramRig {
    ProgramFixture() {
        sky = [](const ephem::ChartMoment& moment) {
            if (moment.dayNumber == kNatalDay) {
                return Positions({{10, 133.3}});
            }
            return Positions({{1, moment.dayNumber == kToday ? 42.08 : 20}});
        };
        folder.Write(QStringLiteral("SUN.TXT"), "SUN Square MOON\r\nTension.\r\n");
    }
    [[nodiscard]] std::string DateLine() const { return Page().at(3).toStdString(); }
};

TEST(Program, StartUpWritesTheFirstPageAndForwardTheNext) {
    ProgramFixture f;
    f.program.StartUp();
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.program.CaptionPrefix().toStdString(), "VELMARIS - ");
    // The natal moment from the options; the present one from the clock, with the clock zone.
    ASSERT_EQ(f.asked.size(), 2U);
    EXPECT_EQ(f.asked[0].dayNumber, kNatalDay);
    EXPECT_NEAR(f.asked[0].dayFraction, (9.75 + 5) / 24, 1e-6);
    EXPECT_EQ(f.asked[1].dayNumber, kToday);
    EXPECT_NEAR(f.asked[1].dayFraction, (10.25 - 1) / 24 + 0.5, 1e-6);
    testing::ExpectGolden(f.textArea.text.toUtf8(), QStringLiteral("session/first-page.txt"));
    EXPECT_EQ(f.program.Buffer().AllLines(), f.Page());

    const int firstPage = f.program.Buffer().AllLineCount();
    f.program.Forward();
    EXPECT_EQ(f.program.Buffer().AllLineCount(), firstPage + f.program.Buffer().PageLineCount());
    EXPECT_EQ(f.Page().at(5).toStdString(), "     No aspects today.");
}

// F forward, B backward, N New Date closed without OK; then the date line and the next day.
TEST(Program, DayCommands) {
    const std::tuple<std::string, const char*, double> cases[] = {
        {"F", "Saturday, 05 Dec 2026", kToday + 2},
        {"B", "Thursday, 03 Dec 2026", kToday},
        {"FB", "Friday, 04 Dec 2026", kToday + 1},
        {"N", "Saturday, 05 Dec 2026", kToday + 2},
        {std::string(365, 'F'), "Saturday, 04 Dec 2027", kToday + 366}};
    for (const auto& [commands, date, nextReportDay] : cases) {
        SCOPED_TRACE(commands.substr(0, 3));
        ProgramFixture f;
        f.program.StartUp();
        for (const char command : commands) {
            if (command == 'F') {
                f.program.Forward();
            } else if (command == 'B') {
                f.program.Backward();
            } else {
                f.program.NewDate();
            }
        }
        EXPECT_EQ(f.DateLine(), "     " + std::string(date) + " at 10:15 PM");
        EXPECT_EQ(f.program.NextReportDay(), nextReportDay);
        EXPECT_TRUE(f.textArea.text.startsWith(QStringLiteral("\r\n                    TRANS")));
    }
}

TEST(Program, NewDate) {
    ProgramFixture f;
    f.program.StartUp();
    const NewDateFields start = f.program.NewDateStartFields();
    EXPECT_EQ(QStringList({start.month, start.day, start.year}).join('/').toStdString(),
              "12/5/2026");

    EXPECT_FALSE(
        f.program.AcceptNewDate(QStringLiteral("1x"), QStringLiteral("1"), QStringLiteral("2026")));
    EXPECT_EQ(f.program.NextReportDay(), kToday + 1);
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "The transit month must be a number written with the digits 0 to 9.");
    EXPECT_EQ(f.messages.shown[0].style, platform::MessageStyle::Exclamation);

    EXPECT_TRUE(
        f.program.AcceptNewDate(QStringLiteral("7"), QStringLiteral("4"), QStringLiteral("1950")));
    f.program.NewDate();
    EXPECT_EQ(f.DateLine(), "     Tuesday, 04 Jul 1950 at 10:15 PM");
    EXPECT_EQ(f.program.NextReportDay(), kNatalDay + 1);
    const NewDateFields next = f.program.NewDateStartFields();
    EXPECT_EQ(QStringList({next.month, next.day, next.year}).join('/').toStdString(), "7/5/1950");
}

// A missing options file is replaced by its master copy, whose values are then in force; with
// no master copy either, every option stays 0. Start-up goes on in both cases.
TEST(Program, MissingOptionsFileIsRestoredOrReportedAndStartUpGoesOn) {
    for (const bool master : {true, false}) {
        SCOPED_TRACE(master ? "master copy" : "no master copy");
        ProgramFixture f;
        const QByteArray options = f.folder.Read(QStringLiteral("OPTIONS.OPT"));
        QFile::remove(f.folder.FilePath(QStringLiteral("OPTIONS.OPT")));
        if (master) {
            f.folder.Write(QStringLiteral("OPTIONS.MAS"), options);
        }
        f.program.StartUp();
        ASSERT_FALSE(f.messages.shown.empty());
        const QString want =
            master ? OptionsRestoredText(f.folder.Path()) : OptionsUnreadableText(f.folder.Path());
        EXPECT_EQ(f.messages.shown[0].text, want);
        EXPECT_EQ(f.folder.Read(QStringLiteral("OPTIONS.OPT")), master ? options : QByteArray());
        EXPECT_EQ(f.program.Options()[kOrbOption], master ? 5.0F : 0.0F);
        EXPECT_EQ(f.program.Buffer().PageLineCount(), master ? 10 : 8);  // the square, or none
    }
}

TEST(Program, NatalEphemerisErrorIsReportedAndStartUpGoesOn) {
    ProgramFixture f;
    f.regional = testing::FixedRegional{1, 1};
    f.sky = [](const ephem::ChartMoment& moment) {
        if (moment.dayNumber == kNatalDay) {
            throw ephem::EphemerisError("diverged");
        }
        return ephem::SkyPositions{};
    };
    f.program.StartUp();
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_TRUE(f.messages.shown[0].text.startsWith(
        QStringLiteral("The natal positions cannot be computed")));
    EXPECT_EQ(f.program.NatalPositions(), ephem::SkyPositions{});
    EXPECT_EQ(f.program.DateOrder(), DateOrder::DayMonthYear);
    // The page says why it lists nothing, and says it again on the next day.
    EXPECT_EQ(f.textArea.text.count(QStringLiteral("\r\n")), 9);
    EXPECT_TRUE(f.textArea.text.contains(kNoNatalChartLine));
    f.program.Forward();
    EXPECT_EQ(f.program.Buffer().AllLines().count(kNoNatalChartLine), 2);
}

}  // namespace
}  // namespace velmaris::session
