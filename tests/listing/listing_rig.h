#pragma once

// The chart and period of the shared transit reference: the birth data of
// tests/data/transit-windows/OPTIONS.OPT, the period 2028-03-01 to 2028-04-30 on its clock.
#include "calendar/moment_fields.h"
#include "listing/listing_period.h"
#include "options/options_file.h"
#include "positions/positions.h"
#include "transits/transit_search.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace velmaris::testing {

struct ReferenceChart {
    domain::OptionValues values{};
    transits::TransitQuery query;
    float clockZone = 0;
};

inline ReferenceChart LoadReferenceChart() {
    ReferenceChart chart;
    EXPECT_TRUE(domain::ReadOptionsFile(QStringLiteral(VELMARIS_TEST_DATA_DIR "/transit-windows"),
                                        chart.values)
                    .opened);
    QStringList problems;
    chart.clockZone = domain::ClockZone(chart.values, problems);
    chart.query.natal = ephem::ComputePositions(
        domain::ComputeChartMoment(domain::LoadNatalDateTime(chart.values).natal));
    chart.query.orbDeg = static_cast<double>(chart.values[1]);
    const domain::ListingPeriod period =
        domain::ParseListingPeriod(QStringLiteral("2028-03-01"), QStringLiteral("2028-04-30"),
                                   chart.clockZone, chart.values[1]);
    EXPECT_TRUE(period.accepted) << period.message.toStdString();
    chart.query.fromJulianDate = period.fromJulianDate;
    chart.query.toJulianDate = period.toJulianDate;
    return chart;
}

inline const std::vector<transits::TransitWindow>& ReferenceWindows() {
    static const std::vector<transits::TransitWindow> windows =
        transits::FindTransitWindows(LoadReferenceChart().query, transits::PositionsLongitude());
    return windows;
}

}  // namespace velmaris::testing
