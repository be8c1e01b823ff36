// The period a listing covers, or the one sentence that says why it cannot be listed.
#include "listing/listing_period.h"

#include "support/table.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace velmaris::domain {
namespace {

TEST(ListingPeriod, AcceptedPeriodsAndRefusals) {
    int cases = 0;
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("listing/periods.tsv"), 5)) {
        // A written "\n" in the table stands for a line break inside the argument.
        QStringList f;
        for (const QByteArray& cell : row) {
            f.append(QString::fromUtf8(cell));
        }
        SCOPED_TRACE(f.join(QLatin1Char('|')).toStdString());
        ++cases;
        const ListingPeriod period = ParseListingPeriod(f[0], f[1], f[2].toFloat(), f[3].toFloat());
        const QStringList julianDates = f[4].split(QLatin1Char(' '));
        if (julianDates.size() == 2 && julianDates[0].toDouble() > 0) {
            EXPECT_TRUE(period.accepted) << period.message.toStdString();
            EXPECT_NEAR(period.fromJulianDate, julianDates[0].toDouble(), 1e-6);
            EXPECT_NEAR(period.toJulianDate, julianDates[1].toDouble(), 1e-6);
        } else {
            EXPECT_FALSE(period.accepted);
            EXPECT_EQ(period.message.toStdString(), f[4].toStdString());
        }
    }
    EXPECT_GT(cases, 10);
}

}  // namespace
}  // namespace velmaris::domain
