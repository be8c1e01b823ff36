// A period searched in pieces gives what one search of the whole period gives: the windows that
// reach over the edge between two pieces are kept once, and none falls between them.
#include "listing/listing_search.h"
#include "listing/listing_formats.h"
#include "listing/listing_rig.h"

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
        const std::vector<transits::TransitWindow>& pieces = search.Windows();
        ASSERT_EQ(pieces.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(pieces[i].transit, whole[i].transit) << i;
            EXPECT_EQ(pieces[i].natal, whole[i].natal) << i;
            EXPECT_EQ(pieces[i].aspectIndex, whole[i].aspectIndex) << i;
            EXPECT_NEAR(pieces[i].enters, whole[i].enters, 1e-4) << i;
            EXPECT_NEAR(pieces[i].leaves, whole[i].leaves, 1e-4) << i;
            EXPECT_EQ(pieces[i].hits.size(), whole[i].hits.size()) << i;
        }
    }
}

// The table shows the Sun's moments to the minute and a slow planet's by the date alone.
TEST(ListingTable, CellsOfAHitAndOfAStation) {
    const ReferenceChart chart = LoadReferenceChart();
    const std::vector<transits::TransitWindow>& windows = ReferenceWindows();
    const std::vector<domain::ListingTableRow> table =
        domain::ListingTable(windows, chart.query.fromJulianDate, domain::DateOrder::YearMonthDay,
                             chart.clockZone, transits::PositionsLongitude());
    ASSERT_FALSE(table.empty());
    bool sawSun = false;
    bool sawSlow = false;
    for (const domain::ListingTableRow& row : table) {
        const transits::TransitWindow& window = windows[row.window];
        EXPECT_EQ(row.transit + QLatin1Char(' ') + row.aspect + QLatin1Char(' ') + row.natal,
                  domain::KeyLine(window));
        EXPECT_TRUE(row.now == QLatin1String("applying") || row.now == QLatin1String("separating"));
        if (window.transit == ephem::Body::Sun && !window.hits.empty()) {
            sawSun = true;
            EXPECT_EQ(row.exact.size(), 16) << row.exact.toStdString();  // yyyy/MM/dd hh:mm
        } else if (window.transit >= ephem::Body::Jupiter && !window.hits.empty()) {
            sawSlow = true;
            EXPECT_EQ(row.exact.size(), 10) << row.exact.toStdString();  // yyyy/MM/dd
        }
        if (window.hits.empty()) {
            EXPECT_EQ(row.exact, QLatin1String("not exact"));
            EXPECT_TRUE(row.pass.isEmpty());
        } else {
            EXPECT_TRUE(row.pass.contains(QLatin1String(" of ")));
        }
    }
    EXPECT_TRUE(sawSun);
    EXPECT_TRUE(sawSlow);
}

}  // namespace
}  // namespace velmaris::testing
