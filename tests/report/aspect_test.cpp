#include "report/aspect.h"

#include "report/name_tables.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

TEST(NameTables, Entries) {
    EXPECT_EQ(PlanetNames[1], "SUN");
    EXPECT_EQ(PlanetNames[9], "PLUTO");
    EXPECT_EQ(PlanetNames[10], "MOON");
    struct SignCase {
        int sign;
        const char* code;
    };
    const SignCase signs[] = {{1, "ARI"}, {2, "TAU"},  {3, "GEM"},  {4, "CAN"},
                              {5, "LEO"}, {6, "VIR"},  {7, "LIB"},  {8, "SCO"},
                              {9, "SAG"}, {10, "CPR"}, {11, "AQU"}, {12, "PIS"}};
    for (const SignCase& c : signs) {
        SCOPED_TRACE(c.sign);
        EXPECT_EQ(SignCode(c.sign), c.code);
    }
    struct AspectCase {
        int index;
        const char* name;
    };
    const AspectCase aspects[] = {
        {1, ""},         {2, "Conjunct"},    {3, "Sextile"},   {4, "Square"},
        {5, "Trine"},    {6, "Opposite"},    {7, "PARALLEL"},  {8, "S.Sextile"},
        {9, "S.Square"}, {10, "Ses.Square"}, {11, "Quincunx"}, {12, "S.Quintile"},
        {13, "Nonagen"}, {14, "Quintile"},   {15, "Trecile"},  {16, "BiQuintile"}};
    for (const AspectCase& c : aspects) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(AspectName(c.index), c.name);
    }
}

TEST(FindAspect, RangesOrderAndDeviation) {
    struct Case {
        const char* label;
        double separation;
        float orb;
        int index;
        double deviation;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Aspect got = FindAspect(c.separation, c.orb);
        EXPECT_EQ(got.index, c.index);
        EXPECT_NEAR(got.deviation, c.deviation, 1e-9);
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
