// The period a listing covers, or the one sentence that says why it cannot be listed.
#include "listing/listing_period.h"

#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

TEST(ListingPeriod, AcceptedPeriodsAndRefusals) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("listing/periods.tsv"), 5)) {
        SCOPED_TRACE(row.join('|').toStdString());
        const ListingPeriod period =
            ParseListingPeriod(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]),
                               row[2].toFloat(), row[3].toFloat());
        // The outcome is two Julian dates, or the message when it starts with a word.
        const QList<QByteArray> julianDates = row[4].split(' ');
        bool accepted = false;
        const double from = julianDates[0].toDouble(&accepted);
        ASSERT_EQ(period.accepted, accepted) << period.message.toStdString();
        if (accepted) {
            EXPECT_NEAR(period.fromJulianDate, from, 1e-6);
            EXPECT_NEAR(period.toJulianDate, julianDates[1].toDouble(), 1e-6);
        } else {
            EXPECT_EQ(period.message.toStdString(), row[4].toStdString());
        }
    }
}

}  // namespace
}  // namespace velmaris::domain
