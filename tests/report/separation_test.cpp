#include "report/separation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace velmaris::domain {
namespace {

TEST(FindAspect, RangesOrderAndDeviation) {
    const std::tuple<const char*, double, float, int, double> cases[] = {
        {"sextile beyond exact", 63.26, 5, kSextile, 3.3},
        {"sextile short of exact", 56.74, 5, kSextile, -3.3},
        {"upper bound included", 65, 5, kSextile, 5.0},
        {"lower bound included", 55, 5, kSextile, -5.0},
        {"just outside", 65.01, 5, kNoAspect, 65.01},
        {"folded to a conjunction", 356, 5, kConjunct, 4.0},
        {"folded to an opposition", 183, 5, kOpposite, -3.0},
        {"tiny conjunction", 0.04, 5, kConjunct, 0.0},
        {"exact opposition", 180, 5, kOpposite, 0.0},
        {"square", 88.8, 5, kSquare, -1.2},
        {"trine", 122, 5, kTrine, 2.0},
        {"semi-sextile", 31, 2, kSemiSextile, 1.0},
        {"semi-square", 44, 2, kSemiSquare, -1.0},
        {"sesquisquare", 136, 2, kSesquiSquare, 1.0},
        {"quincunx", 149, 2, kQuincunx, -1.0},
        {"overlap: semi-square tested after semi-sextile", 37.6, 8, kSemiSquare, -7.4},
        {"overlap: semi-square tested after sextile", 52.5, 8, kSemiSquare, 7.5},
        {"overlap: quincunx after sesquisquare", 142.5, 8, kQuincunx, -7.5},
        {"overlap: conjunction tested last", 29, 30, kConjunct, 29.0},
        {"orb 0 exact", 90, 0, kSquare, 0.0},
        {"orb 0 off by a little", 90.001, 0, kNoAspect, 90.001},
        {"quintile is not tested", 72, 5, kNoAspect, 72},
        {"biquintile is not tested", 144, 5, kNoAspect, 144},
        {"folded separation returned without aspect", 200, 1, kNoAspect, 160},
    };
    for (const auto& [label, separation, orb, index, deviation] : cases) {
        const Aspect got = FindAspect(separation, orb);
        EXPECT_EQ(got.index, index) << label;
        EXPECT_NEAR(got.deviation, deviation, 1e-9) << label;
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
