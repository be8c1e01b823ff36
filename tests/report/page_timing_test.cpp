// The timing line of an aspect: which hit it names, the marks of the page's day, the time of
// day only for a body whose timing is good to the minute, and the date orders.
#include "report/page_timing.h"

#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

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

}  // namespace
}  // namespace velmaris::domain
