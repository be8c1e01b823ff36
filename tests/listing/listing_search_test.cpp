// A period searched in pieces gives what one search of the whole period gives: the windows that
// reach over the edge between two pieces are kept once, and none falls between them.
#include "listing/listing_search.h"
#include "listing/listing_formats.h"
#include "listing/listing_rig.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmaris::testing {
namespace {

TEST(ListingSearch, PiecesGiveTheWholePeriodsWindows) {
    const ReferenceChart chart = LoadReferenceChart();
    const std::vector<transits::TransitWindow>& whole = ReferenceWindows();
    ASSERT_GT(whole.size(), 20U);
    // Pieces of ten days (many edges inside windows), of 61 days (one edge exactly at the end),
    // and longer than the period.
    for (const double pieceDays : {10.0, 61.0, 400.0}) {
        SCOPED_TRACE(pieceDays);
        domain::ListingSearch search(chart.query, transits::PositionsLongitude(), pieceDays);
        int steps = 1;
        double progress = 0;
        while (search.Step()) {
            ++steps;
            EXPECT_GT(search.Progress(), progress);
            progress = search.Progress();
        }
        EXPECT_EQ(search.Progress(), 1);
        EXPECT_FALSE(search.Step());
        EXPECT_EQ(steps, static_cast<int>(std::ceil(61 / pieceDays)));
        EXPECT_EQ(domain::FormatCsv(search.Windows()), domain::FormatCsv(whole));
    }
}

// The cells the listing window shows, one row a line: the Sun's moments to the minute, a slow
// planet's by the date alone, "not exact" for a window without a hit.
TEST(ListingTable, CellsOfTheReferencePeriod) {
    const ReferenceChart chart = LoadReferenceChart();
    QString text;
    for (const domain::ListingTableRow& row : domain::ListingTable(
             ReferenceWindows(), chart.query.fromJulianDate, domain::DateOrder::YearMonthDay,
             chart.clockZone, transits::PositionsLongitude())) {
        text += QStringList{row.transit, row.aspect, row.natal,  row.enters,
                            row.exact,   row.pass,   row.leaves, row.now}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    }
    ExpectGolden(text.toUtf8(), QStringLiteral("listing/reference-table.tsv"));
}

}  // namespace
}  // namespace velmaris::testing
