#include "report/report_writer.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmaris::domain {
namespace {

using testing::DataFolder;
using testing::RecordingMessages;
using testing::RecordingTextArea;

constexpr double kFriday4December2026 = 2461379;

ephem::SkyPositions Positions(std::initializer_list<std::pair<int, double>> entries) {
    ephem::SkyPositions positions{};
    for (const auto& [slot, longitude] : entries) {
        positions[static_cast<std::size_t>(slot)] = longitude;
    }
    return positions;
}

// The sky of the golden day: the Sun at 12 TAU 05 squares the natal Moon 1.22 degrees past
// exact; Mars opposes natal Venus 3 degrees short of exact; Pluto conjoins the natal Moon.
const ephem::SkyPositions kGoldenSky = Positions({{1, 42.0833333}, {4, 10.0}, {9, 133.3}});
const ephem::SkyPositions kGoldenNatal = Positions({{3, 187.0}, {10, 133.3033333}});

void WriteGoldenFiles(const DataFolder& folder) {
    folder.Write(QStringLiteral("SUN.TXT"),
                 "SUN Trine MOON\r\nNot this one.\r\n\r\n"
                 "   sun square moon\r\n  Leading blanks stay.\r\n   \r\nLast line.\r\n\r\n"
                 "SUN Square MOON\r\nA later entry is never used.\r\n");
    folder.Write(QStringLiteral("MARS.TXT"), "MARS Opposite VENUS\rMars paragraph.");
    folder.Write(QStringLiteral("PLUTO.TXT"),
                 "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nPLUTO Conjunct MOON\r\nHidden.\r\n");
}

struct Fixture {
    DataFolder folder;
    RecordingMessages messages;
    RecordingTextArea textArea;
    DataBuffer buffer{messages};
    ReportState state;
    ReportSettings settings;
    std::vector<ephem::ChartMoment> asked;
    ephem::SkyPositions sky = kGoldenSky;
    PositionSource positions = [this](const ephem::ChartMoment& moment) {
        asked.push_back(moment);
        return sky;
    };

    Fixture() {
        state.nextReportDay = kFriday4December2026;
        state.dayFraction = 0.25;
        state.natalPositions = kGoldenNatal;
        settings.appFolder = folder.Path();
        settings.orbDeg = 5;
        settings.dateOrder = 0;
        settings.locale = QLocale(QLocale::English);
        settings.presentClock = QTime(22, 15, 40);
    }
    void Write() { WriteReport(state, settings, buffer, messages, positions); }
};

TEST(WriteReport, GoldenPageWithAspects) {
    Fixture f;
    WriteGoldenFiles(f.folder);
    f.buffer.ClearDataBuffer();
    f.Write();
    ASSERT_TRUE(f.buffer.ShowDataBuffer(f.textArea));
    const QString want = QStringLiteral(
        "\r\n"
        "                    TRANSITING PLANET ASPECTS TO NATAL PLANETS\r\n"
        "\r\n"
        "     Friday, 04 Dec 2026 at 10:15 PM\r\n"
        "\r\n"
        "     SUN Square MOON (1.2 degree) - SUN at 12 TAU 05\r\n"
        "  Leading blanks stay.\r\n"
        "   \r\n"
        "Last line.\r\n"
        "\r\n"
        "     MARS Opposite VENUS (3.0 degree) - MARS at 10 ARI 00\r\n"
        "Mars paragraph.\r\n"
        "\r\n"
        "\r\n"
        "\r\n"
        "\r\n");
    EXPECT_EQ(f.textArea.text.toStdString(), want.toStdString());
    EXPECT_EQ(f.buffer.AllLines(), f.buffer.PageLines());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(WriteReport, GoldenPageWithoutAspects) {
    Fixture f;  // no interpretation files at all
    f.settings.dateOrder = 1;
    f.Write();
    const QStringList want = {
        QString(), QStringLiteral("                    TRANSITING PLANET ASPECTS TO NATAL PLANETS"),
        QString(), QStringLiteral("     Friday, 04 Dec 2026 at 10:15 PM"),
        QString(), QStringLiteral("     No aspects today."),
        QString(),
    };
    EXPECT_EQ(f.buffer.PageLines(), want);
    EXPECT_EQ(f.state.dateText.toStdString(), "04/12/2026");
}

TEST(WriteReport, AspectWithoutKeyLineWritesNothing) {
    Fixture f;
    f.folder.Write(QStringLiteral("SUN.TXT"),
                   "SUN Square MOON \r\nTrailing blank never matches.\r\n");
    f.Write();
    EXPECT_EQ(f.buffer.PageLines().at(5).toStdString(), "     No aspects today.");
    EXPECT_EQ(f.buffer.PageLineCount(), 7);
}

TEST(WriteReport, ReportsOneDayAndAdvances) {
    Fixture f;
    f.Write();
    f.Write();
    ASSERT_EQ(f.asked.size(), 2U);
    EXPECT_EQ(f.asked[0].dayNumber, kFriday4December2026);
    EXPECT_EQ(f.asked[0].dayFraction, 0.25);
    EXPECT_DOUBLE_EQ(f.asked[0].julianCenturies,
                     (kFriday4December2026 - 2415020 + 0.25 - 0.5) / 36525);
    EXPECT_EQ(f.asked[1].dayNumber, kFriday4December2026 + 1);
    EXPECT_EQ(f.state.nextReportDay, kFriday4December2026 + 2);
    EXPECT_EQ(f.buffer.PageLines().at(10).toStdString(), "     Saturday, 05 Dec 2026 at 10:15 PM");
}

TEST(WriteReport, NamesInTheLocalesLanguage) {
    Fixture f;
    f.settings.locale = QLocale(QLocale::German, QLocale::Germany);
    f.Write();
    EXPECT_TRUE(f.buffer.PageLines().at(3).startsWith(QStringLiteral("     Freitag, 04 ")))
        << f.buffer.PageLines().at(3).toStdString();
    EXPECT_TRUE(f.buffer.PageLines().at(3).endsWith(QStringLiteral(" 2026 at 10:15 PM")));
}

TEST(WriteReport, EphemerisErrorGivesExplainedPage) {
    Fixture f;
    WriteGoldenFiles(f.folder);
    const ephem::SkyPositions before = Positions({{1, 5.0}});
    f.state.skyPositions = before;
    f.positions = [](const ephem::ChartMoment&) -> ephem::SkyPositions {
        throw ephem::EphemerisError("orbit is no longer an ellipse");
    };
    f.Write();
    const QStringList want = {
        QString(),
        QStringLiteral("                    TRANSITING PLANET ASPECTS TO NATAL PLANETS"),
        QString(),
        QStringLiteral("     Friday, 04 Dec 2026 at 10:15 PM"),
        QString(),
        QStringLiteral("     The positions of the planets cannot be computed for this date."),
        QString(),
    };
    EXPECT_EQ(f.buffer.PageLines(), want);
    EXPECT_EQ(f.state.skyPositions, before);
    EXPECT_EQ(f.state.nextReportDay, kFriday4December2026 + 1);
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "The positions of the planets cannot be computed for 12/04/2026. Please choose a "
              "date nearer to the present.");
    EXPECT_EQ(f.messages.shown[0].title.toStdString(), "Warning!");
    EXPECT_EQ(f.messages.shown[0].style, platform::MessageStyle::Exclamation);
}

// A longitude of exactly 360 from the ephemeris is written as the start of Aries.
TEST(WriteReport, LongitudeOf360) {
    Fixture f;
    f.sky = Positions({{1, 360.0}});
    f.state.natalPositions = Positions({{10, 2.0}});
    f.folder.Write(QStringLiteral("SUN.TXT"), "SUN Conjunct MOON\r\nNew beginnings.\r\n");
    f.Write();
    EXPECT_EQ(f.buffer.PageLines().at(5).toStdString(),
              "     SUN Conjunct MOON (2.0 degree) - SUN at 00 ARI 00");
}

}  // namespace
}  // namespace velmaris::domain
