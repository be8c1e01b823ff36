// The windows, hits and passes of the shared reference period, row by row against an
// independent implementation of the same ephemeris.
#include "listing/listing_formats.h"
#include "listing/listing_rig.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmaris::testing {
namespace {

// The time the body needs to move 2e-5 degrees there, at least 2 s.
double ToleranceDays(ephem::Body body, double julianDate) {
    const transits::LongitudeFunction longitude = transits::PositionsLongitude();
    const double speed = std::fabs(transits::WrapDelta(longitude(body, julianDate + 0.05) -
                                                       longitude(body, julianDate - 0.05))) /
                         0.1;
    return std::max(2 / 86400.0, 2e-5 / speed);
}

// Each expected row: transit, aspect, natal, then the exact moment, pass and passes (all three
// empty for a window without a hit), and the moments the window enters and leaves.
TEST(ReferenceWindows, EveryRowAgreesWithTheIndependentImplementation) {
    const std::vector<transits::TransitWindow>& windows = ReferenceWindows();
    const std::vector<domain::ListingRow> rows = domain::ListingRows(windows);
    std::vector<QList<QByteArray>> want =
        ReadTable(QStringLiteral("transit-windows/expected-jd.tsv"), 8);
    want.erase(want.begin());  // the header
    ASSERT_EQ(rows.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const QList<QByteArray>& w = want[i];
        const transits::TransitWindow& window = windows[rows[i].window];
        SCOPED_TRACE("row " + std::to_string(i + 2) + ": " + w.mid(0, 3).join(' ').toStdString());
        ASSERT_EQ(QStringList({domain::TransitName(window), domain::AspectNameOf(window),
                               domain::NatalName(window)})
                      .join(QLatin1Char(' '))
                      .toStdString(),
                  w.mid(0, 3).join(' ').toStdString());
        const auto expectNear = [&window](double got, const QByteArray& cell) {
            EXPECT_NEAR(got, cell.toDouble(), ToleranceDays(window.transit, cell.toDouble()));
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

}  // namespace
}  // namespace velmaris::testing
