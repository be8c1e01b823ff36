#include "report/report_writer.h"

#include "report/report_rig.h"
#include "support/golden.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

using testing::kToday;
using testing::Positions;
using testing::ReportRig;

TEST(FormatLongitude, DegreeSignMinutes) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/longitudes.tsv"), 2)) {
        EXPECT_EQ(FormatLongitude(row[0].toDouble()).toStdString(), row[1].toStdString());
    }
    // Every sign boundary and every whole degree within a sign gives its own degree, never 30.
    const char* codes[] = {"ARI", "TAU", "GEM", "CAN", "LEO", "VIR",
                           "LIB", "SCO", "SAG", "CPR", "AQU", "PIS"};
    for (int d = 0; d < 360; ++d) {
        const QString want = QStringLiteral("%1 %2 00")
                                 .arg(d % 30, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(codes[d / 30]));
        ASSERT_EQ(FormatLongitude(d), want) << d;
    }
}

TEST(WriteReport, GoldenPageWithAspects) {
    ReportRig f;
    f.folder.Write(QStringLiteral("SUN.TXT"),
                   "SUN Trine MOON\r\nNot this one.\r\n\r\n"
                   "   sun square moon\r\n  Leading blanks stay.\r\n   \r\nLast line.\r\n\r\n"
                   "SUN Square MOON\r\nA later entry is never used.\r\n");
    f.folder.Write(QStringLiteral("MARS.TXT"), "MARS Opposite VENUS\rMars paragraph.");
    f.folder.Write(QStringLiteral("PLUTO.TXT"),
                   QByteArray("\r\n").repeated(10) + "PLUTO Conjunct MOON\r\nHidden.\r\n");
    f.Write();
    ASSERT_TRUE(testing::ShowPage(f.buffer, f.textArea));
    testing::ExpectGolden(f.textArea.text.toUtf8(), QStringLiteral("report/page-aspects.txt"));
    EXPECT_EQ(f.buffer.AllLines(), f.buffer.PageLines());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(WriteReport, GoldenPageWithoutAspects) {
    ReportRig f;  // no interpretation files at all
    f.settings.dateOrder = DateOrder::DayMonthYear;
    f.Write();
    testing::ExpectGolden(f.buffer.PageText().toUtf8(),
                          QStringLiteral("report/page-no-aspects.txt"));
    EXPECT_EQ(f.state.dateText.toStdString(), "04/12/2026");
    EXPECT_TRUE(f.messages.shown.empty());  // missing files are passed over quietly
}

TEST(WriteReport, NamesInTheLocalesLanguage) {
    ReportRig f;
    f.settings.locale = QLocale(QLocale::German, QLocale::Germany);
    f.Write();
    const QString line = f.buffer.PageLines().at(3);
    EXPECT_TRUE(line.startsWith(QStringLiteral("     Freitag, 04 "))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral(" 2026 at 10:15 PM"))) << line.toStdString();
}

TEST(WriteReport, EphemerisErrorGivesExplainedPage) {
    ReportRig f;
    f.folder.Write(QStringLiteral("SUN.TXT"), "SUN Square MOON\r\nText.\r\n");
    f.state.skyPositions = Positions({{1, 5.0}});
    f.positions = [](const ephem::ChartMoment&) -> ephem::SkyPositions {
        throw ephem::EphemerisError("orbit is no longer an ellipse");
    };
    f.Write();
    testing::ExpectGolden(f.buffer.PageText().toUtf8(),
                          QStringLiteral("report/page-no-positions.txt"));
    EXPECT_EQ(f.state.skyPositions, Positions({{1, 5.0}}));
    EXPECT_EQ(f.state.nextReportDay, kToday + 1);
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text.toStdString(),
              "The positions of the planets cannot be computed for 12/04/2026. Please choose a "
              "date nearer to the present.");
}

}  // namespace
}  // namespace velmaris::domain
