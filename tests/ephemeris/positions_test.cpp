#include "positions/positions.h"
#include "support/angle_diff.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace velmaris::ephem {
namespace {

using testing::AngleDiff;

constexpr const char* kBodyNames[] = {"",       "Sun",    "Mercury", "Venus", "Mars", "Jupiter",
                                      "Saturn", "Uranus", "Neptune", "Pluto", "Moon"};

// An independent double-precision implementation of the same theory: agreement to 1e-9 degree
// at every date shows that every coefficient and convention matches. The dates include day
// fractions below 0 and above 1, which are used unreduced while Pluto's drift follows the day
// number alone.
TEST(ComputePositionsTest, AgreesWithIndependentVectors) {
    std::ifstream in(VELMARIS_TEST_DATA_DIR "/ephemeris-vectors.tsv");
    // Past the comments and the column names, rows of day number, day fraction and the
    // longitudes of slots 1..10.
    while (in && std::isdigit(in.peek()) == 0) {
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    const std::vector<double> v{std::istream_iterator<double>(in), {}};
    ASSERT_EQ(v.size(), 200u * 12);
    for (const double* row = v.data(); row != v.data() + v.size(); row += 12) {
        const SkyPositions got = ComputePositions(MakeChartMoment(row[0], row[1]));
        for (std::size_t slot = 1; slot <= 10; ++slot) {
            EXPECT_NEAR(AngleDiff(got[slot], row[slot + 1]), 0.0, 1e-9)
                << kBodyNames[slot] << " at " << row[0] << " + " << row[1] << ": got " << got[slot]
                << ", want " << row[slot + 1];
        }
    }
}

// From the year -3000 (JD 625674) to 5000 (JD 3547272) every slot stays within one turn, and
// the one-body routine gives each body the very longitude of the whole sky, to the last bit.
// The dates are laid to meet JD 726240.3, where Neptune's correction carries it just below 0,
// and JD 834946.0, where Uranus's carries it just past 360.
TEST(ComputePositionsTest, OneTurnAndTheSameValueBodyByBodyFromYearMinus3000To5000) {
    for (double day = 626510.3; day <= 3547272; day += 997.3) {
        const ChartMoment moment = MakeChartMoment(std::floor(day), day - std::floor(day));
        const SkyPositions sky = ComputePositions(moment);
        ASSERT_EQ(sky[0], 0.0) << day;
        for (int slot = 1; slot <= 10; ++slot) {
            SCOPED_TRACE(::testing::Message() << kBodyNames[slot] << " at " << day);
            ASSERT_TRUE(sky[slot] >= 0.0 && sky[slot] <= 360.0) << sky[slot];
            ASSERT_EQ(ComputeLongitude(moment, static_cast<Body>(slot)), sky[slot]);
        }
    }
}

TEST(ComputePositionsTest, AbsurdDatesAreReportedNotReturnedAsNumbers) {
    // infinite day, NaN fraction, a billion years on and back
    constexpr double kCases[][2] = {
        {INFINITY, 0.5}, {2451545, NAN}, {2451545 + 3.6525e11, 0.5}, {2451545 - 3.6525e11, 0.5}};
    for (const auto& [dayNumber, dayFraction] : kCases) {
        SCOPED_TRACE(::testing::Message() << dayNumber << " + " << dayFraction);
        EXPECT_THROW((void)ComputePositions(MakeChartMoment(dayNumber, dayFraction)),
                     EphemerisError);
    }
}

}  // namespace
}  // namespace velmaris::ephem
