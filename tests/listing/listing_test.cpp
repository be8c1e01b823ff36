// Listings: the period a listing covers, or the one sentence that says why it cannot be listed;
// and the shared reference period of listing_rig.h. Its windows, hits and passes agree row by row
// with an independent implementation of the same ephemeris; each listing made of them is kept in
// a golden file; and the period searched in pieces gives what one search of the whole period
// gives.
#include "listing/listing_formats.h"
#include "listing/listing_period.h"
#include "listing/listing_rig.h"
#include "listing/listing_search.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmaris::testing {
namespace {

TEST(ListingPeriod, AcceptedPeriodsAndRefusals) {
    for (const QList<QByteArray>& row : ReadTable(QStringLiteral("listing/periods.tsv"), 5)) {
        const domain::ListingPeriod period =
            domain::ParseListingPeriod(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]),
                                       row[2].toFloat(), row[3].toFloat());
        // The period's two Julian dates to a millionth of a day, or the message.
        const QString outcome = !period.accepted
                                    ? period.message
                                    : QString::number(period.fromJulianDate, 'g', 13) + ' ' +
                                          QString::number(period.toJulianDate, 'g', 13);
        EXPECT_EQ(outcome.toStdString(), row[4].toStdString()) << row.join('|').toStdString();
    }
}

// Each expected row: transit, aspect, natal, then the exact moment, pass and passes (all three
// empty for a window without a hit), and the moments the window enters and leaves.
TEST(ReferenceWindows, EveryRowAgreesWithTheIndependentImplementation) {
    const std::vector<transits::TransitWindow>& windows = ReferenceWindows();
    const std::vector<domain::ListingRow> rows = domain::ListingRows(windows);
    const transits::LongitudeFunction longitude = transits::PositionsLongitude();
    std::vector<QList<QByteArray>> want =
        ReadTable(QStringLiteral("transit-windows/expected-jd.tsv"), 8);
    want.erase(want.begin());  // the header
    ASSERT_EQ(rows.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const QList<QByteArray>& w = want[i];
        const transits::TransitWindow& window = windows[rows[i].window];
        const std::string names = w.mid(0, 3).join(' ').toStdString();
        SCOPED_TRACE("row " + std::to_string(i + 2) + ": " + names);
        ASSERT_EQ(domain::KeyLine(window).toStdString(), names);
        // Within the time the body needs to move 2e-5 degrees there, at least 2 s.
        const auto expectNear = [&](double got, const QByteArray& cell) {
            const double at = cell.toDouble();
            const double speed =
                10 * std::fabs(transits::WrapDelta(longitude(window.transit, at + 0.05) -
                                                   longitude(window.transit, at - 0.05)));
            EXPECT_NEAR(got, at, std::max(2 / 86400.0, 2e-5 / speed));
        };
        expectNear(window.enters, w[6]);
        expectNear(window.leaves, w[7]);
        ASSERT_EQ(rows[i].hit >= 0, !w[3].isEmpty());
        if (rows[i].hit >= 0) {
            const transits::ExactHit& hit = window.hits[static_cast<std::size_t>(rows[i].hit)];
            expectNear(hit.julianDate, w[3]);
            EXPECT_EQ(std::to_string(hit.pass) + " of " + std::to_string(hit.passes),
                      (w[4] + " of " + w[5]).toStdString());
        }
    }
}

// Each listing format once, and the cells the listing window shows, one row a line: the Sun's
// moments to the minute, a slow planet's by the date alone, "not exact" for a window without a
// hit.
TEST(ListingFormats, EachFormatOfTheReferencePeriod) {
    const ReferenceChart chart = LoadReferenceChart();
    const std::vector<transits::TransitWindow>& windows = ReferenceWindows();
    const transits::LongitudeFunction longitude = transits::PositionsLongitude();
    std::vector<transits::MomentDelta> atStart;
    for (const transits::TransitWindow& window : windows) {
        atStart.push_back(transits::DeltaAt(window, chart.query.fromJulianDate, longitude));
    }
    // One paragraph, so that the description of its events shows how paragraphs are written.
    const QHash<QString, QString> paragraphs{
        {domain::KeyLine(windows.front()), QStringLiteral("A first line,\nand a second.")}};
    ExpectGolden(domain::FormatCsv(windows), QStringLiteral("listing/reference.csv"));
    ExpectGolden(domain::FormatJson(windows, atStart), QStringLiteral("listing/reference.json"));
    ExpectGolden(domain::FormatText(windows, {domain::DateOrder::YearMonthDay, chart.clockZone}),
                 QStringLiteral("listing/reference.txt"));
    ExpectGolden(domain::FormatIcs(windows, paragraphs, 2461406.5 /* 2027-01-01T00:00:00Z */),
                 QStringLiteral("listing/reference.ics"));
    QString table;
    for (const domain::ListingTableRow& row :
         domain::ListingTable(windows, chart.query.fromJulianDate, domain::DateOrder::YearMonthDay,
                              chart.clockZone, longitude)) {
        table += QStringList{row.transit, row.aspect, row.natal,  row.enters,
                             row.exact,   row.pass,   row.leaves, row.now}
                     .join(QLatin1Char('\t')) +
                 QLatin1Char('\n');
    }
    ExpectGolden(table.toUtf8(), QStringLiteral("listing/reference-table.tsv"));
}

// Pieces of ten days (many edges inside windows), of 61 days (one edge exactly at the end), and
// longer than the period: the windows that reach over the edge between two pieces are kept once,
// and none falls between them.
TEST(ListingSearch, PiecesGiveTheWholePeriodsWindows) {
    const ReferenceChart chart = LoadReferenceChart();
    for (const double pieceDays : {10.0, 61.0, 400.0}) {
        SCOPED_TRACE(pieceDays);
        domain::ListingSearch search(chart.query, transits::PositionsLongitude(), pieceDays);
        int steps = 1;
        for (double progress = 0; search.Step(); progress = search.Progress(), ++steps) {
            EXPECT_GT(search.Progress(), progress);
        }
        EXPECT_EQ(search.Progress(), 1);
        EXPECT_FALSE(search.Step());
        EXPECT_EQ(steps, static_cast<int>(std::ceil(61 / pieceDays)));
        EXPECT_EQ(domain::FormatCsv(search.Windows()), domain::FormatCsv(ReferenceWindows()));
    }
}

}  // namespace
}  // namespace velmaris::testing
