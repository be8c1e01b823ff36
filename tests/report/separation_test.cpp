#include "report/separation.h"

#include "report/name_tables.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace velmaris::domain {
namespace {

TEST(FindAspect, RangesOrderAndDeviation) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/aspect-ranges.tsv"), 5)) {
        const Aspect got = FindAspect(row[1].toDouble(), row[2].toFloat());
        const std::string name(AspectName(got.index));
        EXPECT_EQ(name.empty() ? "-" : name, row[3].toStdString()) << row[0].toStdString();
        EXPECT_NEAR(got.deviation, row[4].toDouble(), 1e-9) << row[0].toStdString();
    }
}

// The bounds are single-precision: 60 + 5.1 is 65.1 in single precision, and a separation whose
// single-precision value equals it is inside even where the double is a hair above.
TEST(FindAspect, BoundsComparedInSinglePrecision) {
    const float upper = static_cast<float>(60.0 + static_cast<double>(5.1F));
    const double justAbove = static_cast<double>(upper) + 1e-9;
    ASSERT_EQ(static_cast<float>(justAbove), upper);
    EXPECT_EQ(FindAspect(justAbove, 5.1F).index, kSextile);
    const double clearlyAbove =
        std::nextafter(static_cast<double>(std::nextafter(upper, 1000.0F)), 1000.0);
    EXPECT_EQ(FindAspect(clearlyAbove, 5.1F).index, kNoAspect);
}

}  // namespace
}  // namespace velmaris::domain
