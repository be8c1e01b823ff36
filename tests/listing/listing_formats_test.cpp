// Each listing format once, for the shared reference period, against its golden file. The rows
// themselves (one per hit, one for a window without a hit) are checked against an independent
// implementation in reference_windows_test.cpp.
#include "listing/listing_formats.h"
#include "listing/listing_rig.h"
#include "support/golden.h"

#include <gtest/gtest.h>

namespace velmaris::testing {
namespace {

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
    const double stamp = 2461406.5;  // 2027-01-01T00:00:00Z

    ExpectGolden(domain::FormatCsv(windows), QStringLiteral("listing/reference.csv"));
    ExpectGolden(domain::FormatJson(windows, atStart), QStringLiteral("listing/reference.json"));
    ExpectGolden(domain::FormatText(windows, {domain::DateOrder::YearMonthDay, chart.clockZone}),
                 QStringLiteral("listing/reference.txt"));
    ExpectGolden(domain::FormatIcs(windows, paragraphs, stamp),
                 QStringLiteral("listing/reference.ics"));
}

}  // namespace
}  // namespace velmaris::testing
