// The period a listing covers, or the one sentence that says why it cannot be listed.
#include "listing/listing_period.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

namespace velmaris::domain {
namespace {

TEST(ListingPeriod, AcceptedPeriodsAndRefusals) {
    QFile file(QStringLiteral(VELMARIS_TEST_DATA_DIR "/listing/periods.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int cases = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        // A written "\n" in the table stands for a line break inside the argument.
        QStringList f = QString::fromUtf8(line).split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 5) << line.toStdString();
        for (QString& field : f) {
            field.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        }
        SCOPED_TRACE(line.toStdString());
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
