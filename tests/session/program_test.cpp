#include "session/program.h"

#include "report/report_rig.h"
#include "support/golden.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(Program, DayCommandsAndNewDate) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("session/day-commands.tsv"), 6)) {
        SCOPED_TRACE(row[0].toStdString());
        ProgramFixture f;
        f.program.StartUp();
        for (const QString& word : QString::fromUtf8(row[0]).split(QLatin1Char(' '))) {
            if (const QStringList date = word.split(QLatin1Char('/')); date.size() == 3) {
                if (f.program.AcceptNewDate(date[0], date[1], date[2])) {
                    f.program.NewDate();
                }
                continue;
            }
            for (int i = word.size() > 1 ? word.chopped(1).toInt() : 1; i > 0; --i) {
                word.back() == QLatin1Char('F')   ? f.program.Forward()
                : word.back() == QLatin1Char('B') ? f.program.Backward()
                                                  : f.program.NewDate();
            }
        }
        EXPECT_EQ(f.DateLine(), "     " + row[1].toStdString() + " at 10:15 PM");
        EXPECT_EQ(f.program.NextReportDay() - kToday, row[2].toDouble());
        const NewDateFields fields = f.program.NewDateStartFields();
        EXPECT_EQ(QStringList({fields.month, fields.day, fields.year}).join('/').toStdString(),
                  row[3].toStdString());
        const std::string told = testing::Told(f.messages);
        EXPECT_EQ(told.substr(0, told.find('\n')), row[4].toStdString());
        EXPECT_TRUE(f.textArea.text.startsWith(QStringLiteral("\r\n                    TRANS")));
    }
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
