#include "report/interpretation_file.h"
#include "report/name_tables.h"
#include "report/page_timing.h"
#include "report/report_rig.h"
#include "report/report_writer.h"
#include "report/separation.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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
    const QString codes = QStringLiteral("ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS");
    for (int d = 0; d < 360; ++d) {
        ASSERT_EQ(FormatLongitude(d), QStringLiteral("%1 %2 00")
                                          .arg(d % 30, 2, 10, QLatin1Char('0'))
                                          .arg(codes.mid(d / 30 * 3, 3)))
            << d;
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
    testing::ExpectGolden(f.textArea.text.toUtf8(), QStringLiteral("report/page-two-transits.txt"));
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(WriteReport, GoldenPageWithoutAspects) {
    ReportRig f;  // no interpretation files at all
    f.settings.dateOrder = DateOrder::DayMonthYear;
    f.Write();
    testing::ExpectGolden(f.buffer.PageText().toUtf8(),
                          QStringLiteral("report/page-quiet-day.txt"));
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
    // The page, then the one message told.
    testing::ExpectGolden(f.buffer.PageText().toUtf8() + f.messages.Texts().c_str(),
                          QStringLiteral("report/page-no-positions.txt"));
    EXPECT_EQ(f.state.skyPositions, Positions({{1, 5.0}}));
    EXPECT_EQ(f.state.nextReportDay, kToday + 1);
}

// The timing line of an aspect: which hit it names, the marks of the page's day, the time of
// day only for a body whose timing is good to the minute, and the date orders.
using ephem::Body;

constexpr double kPage = 2461381.0;  // 6 Dec 2026 12:00 UT

TEST(TimingLine, HitsMarksPrecisionAndDateOrders) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/timing-lines.tsv"), 9)) {
        SCOPED_TRACE(row[8].toStdString());
        transits::TransitWindow window;
        window.transit = static_cast<Body>(row[0].toInt());
        window.enters = kPage + row[1].toDouble();
        window.leaves = kPage + row[2].toDouble();
        for (const QByteArray& hit : row[3].split(',')) {
            if (const QList<QByteArray> parts = hit.split('/'); parts.size() == 3) {
                window.hits.push_back(
                    {kPage + parts[0].toDouble(), parts[1].toInt(), parts[2].toInt()});
            }
        }
        const TimingStyle style{static_cast<DateOrder>(row[6].toInt()), row[7].toFloat(),
                                QLocale(QLocale::English)};
        EXPECT_EQ(TimingLine(window, kPage, {row[4].toDouble(), row[5] == "1"}, 1.5, style),
                  kTimingIndent + QString::fromUtf8(row[8]));
    }
}

TEST(IsKeyLine, MatchingRule) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/key-lines.tsv"), 2)) {
        EXPECT_EQ(IsKeyLine(QByteArrayView(row[0]), "SUN Conjunct MOON"), row[1] == "1")
            << row[0].toStdString();
    }
}

TEST(FindInterpretation, SearchRules) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/interpretations.tsv"), 3)) {
        const std::optional<QStringList> found = FindInterpretation(row[0], "SUN Square MOON");
        EXPECT_EQ(found ? found->join('|').toStdString() : "(none)", row[1].toStdString())
            << row[2].toStdString();
    }
}

TEST(FindAspect, RangesOrderAndDeviation) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/separation-ranges.tsv"), 5)) {
        const Aspect got = FindAspect(row[1].toDouble(), row[2].toFloat());
        const std::string name(AspectName(got.index));
        EXPECT_EQ(name.empty() ? "-" : name, row[3].toStdString()) << row[0].toStdString();
        EXPECT_NEAR(got.deviation, row[4].toDouble(), 1e-9) << row[0].toStdString();
    }
}

// The bounds are single-precision: 60 + 5.1 is 65.1 in single precision, and a separation whose
// single-precision value equals it is inside even where the double is a hair above.
TEST(FindAspect, BoundsComparedInSinglePrecision) {
    const float upper = static_cast<float>(60.0 + static_cast<double>(5.1F));
    const double justAbove = static_cast<double>(upper) + 1e-9;
    ASSERT_EQ(static_cast<float>(justAbove), upper);
    EXPECT_EQ(FindAspect(justAbove, 5.1F).index, kSextile);
    const double clearlyAbove =
        std::nextafter(static_cast<double>(std::nextafter(upper, 1000.0F)), 1000.0);
    EXPECT_EQ(FindAspect(clearlyAbove, 5.1F).index, kNoAspect);
}

}  // namespace
}  // namespace velmaris::domain
