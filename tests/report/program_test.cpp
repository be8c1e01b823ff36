#include "report/program.h"

#include "calendar/calendar.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmaris::domain {
namespace {

using testing::DataFolder;
using testing::FixedClock;
using testing::FixedRegional;
using testing::RecordingMessages;
using testing::RecordingTextArea;

constexpr double kNatalDay = 2433467;  // 4 July 1950
constexpr double kToday = 2461379;     // Friday 4 December 2026

const QByteArray kOptions =
    "5      orb\r\n"
    "7      birth month\r\n"
    "4      birth day\r\n"
    "1950   birth year\r\n"
    "9      birth hour\r\n"
    "45     birth minute\r\n"
    "0      0 = A.M.\r\n"
    "5      birth zone\r\n"
    "-1     clock zone\r\n"
    "60     lines per printed page\r\n"
    "61     lines per saved page\r\n"
    "80     line width\r\n"
    "\r\n"
    "Everything after the empty line is description.\r\n";

ephem::SkyPositions Positions(std::initializer_list<std::pair<int, double>> entries) {
    ephem::SkyPositions positions{};
    for (const auto& [slot, longitude] : entries) {
        positions[static_cast<std::size_t>(slot)] = longitude;
    }
    return positions;
}

// Natal Moon at 133.3; the transiting Sun squares it on the present day only.
struct ProgramFixture {
    DataFolder folder;
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(22, 15, 40))};
    FixedRegional regional{0, 0};
    RecordingMessages messages;
    RecordingTextArea textArea;
    std::vector<ephem::ChartMoment> asked;
    Program program{ProgramServices{clock, regional, messages, textArea, folder.Path(),
                                    [this](const ephem::ChartMoment& moment) {
                                        asked.push_back(moment);
                                        if (moment.dayNumber == kNatalDay) {
                                            return Positions({{10, 133.3}});
                                        }
                                        const double sun = moment.dayNumber == kToday ? 42.08 : 20;
                                        return Positions({{1, sun}});
                                    }}};

    ProgramFixture() {
        folder.Write(QStringLiteral("OPTIONS.OPT"), kOptions);
        folder.Write(QStringLiteral("SUN.TXT"), "SUN Square MOON\r\nTension.\r\n");
    }
    [[nodiscard]] QString DateLine() const { return program.Buffer().PageLines().at(3); }
};

TEST(Program, StartUpWritesTheFirstPage) {
    ProgramFixture f;
    f.program.StartUp();
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.program.CaptionPrefix().toStdString(), "VELMARIS - ");
    EXPECT_EQ(f.program.Options()[4], 1950.0F);
    EXPECT_EQ(f.program.Natal().year, 1950);
    EXPECT_EQ(f.program.Natal().amPm.toStdString(), "A.M.");
    EXPECT_EQ(f.program.Chosen().amPm.toStdString(), "P.M.");
    EXPECT_FLOAT_EQ(f.program.Chosen().clock, 10.15F);
    EXPECT_EQ(f.program.ChosenDateText().toStdString(), "12/4/2026");
    EXPECT_EQ(f.program.DateText().toStdString(), "12/04/2026");

    ASSERT_EQ(f.asked.size(), 2U);
    EXPECT_EQ(f.asked[0].dayNumber, kNatalDay);
    EXPECT_NEAR(f.asked[0].dayFraction, (9.75 + 5) / 24, 1e-6);
    EXPECT_EQ(f.asked[1].dayNumber, kToday);
    EXPECT_NEAR(f.asked[1].dayFraction, (10.25 - 1) / 24 + 0.5, 1e-6);
    EXPECT_EQ(f.program.DayFraction(), f.asked[1].dayFraction);
    EXPECT_EQ(f.program.NatalPositions()[10], 133.3);
    EXPECT_EQ(f.program.SkyPositions()[1], 42.08);
    EXPECT_EQ(f.program.NextReportDay(), kToday + 1);

    const QString want = QStringLiteral(
        "\r\n"
        "                    TRANSITING PLANET ASPECTS TO NATAL PLANETS\r\n"
        "\r\n"
        "     Friday, 04 Dec 2026 at 10:15 PM\r\n"
        "\r\n"
        "     SUN Square MOON (1.2 degree) - SUN at 12 TAU 05\r\n"
        "Tension.\r\n"
        "\r\n"
        "\r\n"
        "\r\n"
        "\r\n");
    EXPECT_EQ(f.textArea.text.toStdString(), want.toStdString());
    EXPECT_EQ(f.program.Buffer().AllLines(), f.program.Buffer().PageLines());
}

TEST(Program, DayCommands) {
    struct Case {
        const char* label;
        std::vector<char> commands;  // F forward, B backward
        const char* dateLine;
        double nextReportDay;
    };
    const Case cases[] = {
        {"forward reports tomorrow", {'F'}, "     Saturday, 05 Dec 2026 at 10:15 PM", kToday + 2},
        {"backward reports yesterday", {'B'}, "     Thursday, 03 Dec 2026 at 10:15 PM", kToday},
        {"forward then backward reports the same day again",
         {'F', 'B'},
         "     Friday, 04 Dec 2026 at 10:15 PM",
         kToday + 1},
        {"365 days forward", std::vector<char>(365, 'F'), "     Saturday, 04 Dec 2027 at 10:15 PM",
         kToday + 366},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ProgramFixture f;
        f.program.StartUp();
        for (const char command : c.commands) {
            command == 'F' ? f.program.Forward() : f.program.Backward();
        }
        EXPECT_EQ(f.DateLine().toStdString(), c.dateLine);
        EXPECT_EQ(f.program.NextReportDay(), c.nextReportDay);
        EXPECT_TRUE(f.textArea.text.startsWith(QStringLiteral("\r\n                    TRANS")));
    }
}

TEST(Program, PagesAccumulateInTheWholeBuffer) {
    ProgramFixture f;
    f.program.StartUp();
    const int firstPage = f.program.Buffer().AllLineCount();
    f.program.Forward();
    EXPECT_EQ(f.program.Buffer().AllLineCount(), firstPage + f.program.Buffer().PageLineCount());
    EXPECT_EQ(f.program.Buffer().PageLines().at(5).toStdString(), "     No aspects today.");
}

TEST(Program, NewDate) {
    ProgramFixture f;
    f.program.StartUp();
    const NewDateFields start = f.program.NewDateStartFields();
    EXPECT_EQ(start.month.toStdString(), "12");
    EXPECT_EQ(start.day.toStdString(), "5");
    EXPECT_EQ(start.year.toStdString(), "2026");

    EXPECT_FALSE(
        f.program.AcceptNewDate(QStringLiteral("13"), QStringLiteral("1"), QStringLiteral("2026")));
    EXPECT_EQ(f.program.NextReportDay(), kToday + 1);
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "The transit month must be a whole number from 1 to 12.");
    EXPECT_EQ(f.messages.shown[0].style, platform::MessageStyle::Exclamation);

    EXPECT_TRUE(
        f.program.AcceptNewDate(QStringLiteral("7"), QStringLiteral("4"), QStringLiteral("1950")));
    f.program.NewDate();
    EXPECT_EQ(f.DateLine().toStdString(), "     Tuesday, 04 Jul 1950 at 10:15 PM");
    EXPECT_EQ(f.program.NextReportDay(), kNatalDay + 1);
}

TEST(Program, NewDateClosedWithoutOkReportsTheNextDay) {
    ProgramFixture f;
    f.program.StartUp();
    f.program.NewDate();
    EXPECT_EQ(f.DateLine().toStdString(), "     Saturday, 05 Dec 2026 at 10:15 PM");
}

TEST(Program, MissingOptionsFileIsReportedAndStartUpGoesOn) {
    ProgramFixture f;
    QFile::remove(f.folder.FilePath(QStringLiteral("OPTIONS.OPT")));
    f.program.StartUp();
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_TRUE(f.messages.shown[0].text.startsWith(
        QStringLiteral("The options file OPTIONS.OPT cannot be read from ")));
    EXPECT_EQ(f.program.Options(), OptionValues{});
    EXPECT_EQ(f.program.Buffer().PageLineCount(), 8);
}

TEST(Program, BirthYearOutOfRangeIsReported) {
    ProgramFixture f;
    QByteArray options = kOptions;
    options.replace("1950   birth year", "99999  birth year");
    f.folder.Write(QStringLiteral("OPTIONS.OPT"), options);
    f.program.StartUp();
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "Line 4 of OPTIONS.OPT holds 99999 as the birth year, which is out of range.");
    EXPECT_EQ(f.program.Natal().year, 0);
    EXPECT_GT(f.program.Buffer().PageLineCount(), 0);
}

TEST(Program, NatalEphemerisErrorIsReportedAndStartUpGoesOn) {
    DataFolder folder;
    folder.Write(QStringLiteral("OPTIONS.OPT"), kOptions);
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(9, 0))};
    FixedRegional regional{1, 1};
    RecordingMessages messages;
    RecordingTextArea area;
    Program program{ProgramServices{clock, regional, messages, area, folder.Path(),
                                    [](const ephem::ChartMoment& moment) {
                                        if (moment.dayNumber == kNatalDay) {
                                            throw ephem::EphemerisError("diverged");
                                        }
                                        return ephem::SkyPositions{};
                                    }}};
    program.StartUp();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("The natal positions cannot be computed")));
    EXPECT_EQ(program.NatalPositions(), ephem::SkyPositions{});
    EXPECT_EQ(program.DateOrder(), 1);
    EXPECT_EQ(program.TimeOrder(), 1);
    EXPECT_EQ(program.ChosenDateText().toStdString(), "4/12/2026");
    EXPECT_EQ(area.text.count(QStringLiteral("\r\n")), 9);
}

TEST(Program, WindowSettingsReadAtStartUpAndSaved) {
    ProgramFixture f;
    f.folder.Write(QStringLiteral("VELMARIS.INI"), "FontSize= 11\r\nVelmarisWidth= 9000\r\n");
    f.program.StartUp();
    EXPECT_EQ(f.program.InitialWindowSettings().fontSize, 11.0);
    EXPECT_EQ(f.program.InitialWindowSettings().width, 9000.0F);

    WindowSettings settings;
    settings.fontBold = -1;
    EXPECT_TRUE(f.program.SaveWindowSettings(settings));
    EXPECT_EQ(ReadWindowSettings(f.folder.Path()), settings);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Program, FailedSettingsWriteIsReported) {
    DataFolder folder;
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(9, 0))};
    FixedRegional regional{0, 0};
    RecordingMessages messages;
    RecordingTextArea area;
    Program program{
        ProgramServices{clock, regional, messages, area, folder.FilePath(QStringLiteral("absent")),
                        [](const ephem::ChartMoment&) { return ephem::SkyPositions{}; }}};
    EXPECT_FALSE(program.SaveWindowSettings(WindowSettings{}));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("The window settings cannot be written to VELMARIS.INI")));
}

}  // namespace
}  // namespace velmaris::domain

namespace velmaris::domain {
namespace {

// Start-up through the real ephemeris: the Sun's longitudes come from the low-precision solar
// formula of the astronomical almanac (accurate to about 0.01 degree).
TEST(Program, StartUpWithTheEphemeris) {
    DataFolder folder;
    folder.Write(QStringLiteral("OPTIONS.OPT"), kOptions);
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(22, 15, 40))};
    FixedRegional regional{0, 0};
    RecordingMessages messages;
    RecordingTextArea area;
    Program program{ProgramServices{clock, regional, messages, area, folder.Path()}};
    program.StartUp();
    EXPECT_TRUE(messages.shown.empty());
    constexpr double kAlmanacToleranceDeg = 0.05;
    EXPECT_NEAR(program.NatalPositions()[1], 102.041, kAlmanacToleranceDeg);
    EXPECT_NEAR(program.SkyPositions()[1], 252.730, kAlmanacToleranceDeg);
    for (int body = 1; body <= 10; ++body) {
        SCOPED_TRACE(body);
        EXPECT_GE(program.SkyPositions()[static_cast<std::size_t>(body)], 0.0);
        EXPECT_LE(program.SkyPositions()[static_cast<std::size_t>(body)], 360.0);
    }
    EXPECT_EQ(program.Buffer().PageLines().at(3).toStdString(),
              "     Friday, 04 Dec 2026 at 10:15 PM");
}

}  // namespace
}  // namespace velmaris::domain
