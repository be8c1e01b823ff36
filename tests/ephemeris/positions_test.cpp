#include "positions/positions.h"
#include "support/angle_diff.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace velmaris::ephem {
namespace {

using testing::AngleDiff;

constexpr const char* kBodyNames[] = {"",       "Sun",    "Mercury", "Venus", "Mars", "Jupiter",
                                      "Saturn", "Uranus", "Neptune", "Pluto", "Moon"};

// Rows of day number, day fraction and the longitudes of slots 1..10. Comments and the column
// names do not read as numbers and are left out.
std::vector<std::array<double, 12>> ReadVectors() {
    std::ifstream in(VELMARIS_TEST_DATA_DIR "/ephemeris-vectors.tsv");
    std::vector<std::array<double, 12>> rows;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::array<double, 12> row{};
        for (double& value : row) {
            fields >> value;
        }
        if (fields) {
            rows.push_back(row);
        }
    }
    return rows;
}

// An independent double-precision implementation of the same theory: agreement to 1e-9 degree
// at every date shows that every coefficient and convention matches. The dates include day
// fractions below 0 and above 1, which are used unreduced while Pluto's drift follows the day
// number alone.
TEST(ComputePositionsTest, AgreesWithIndependentVectors) {
    const std::vector<std::array<double, 12>> rows = ReadVectors();
    ASSERT_EQ(rows.size(), 200u);
    for (const std::array<double, 12>& row : rows) {
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
TEST(ComputePositionsTest, OneTurnAndTheSameValueBodyByBodyFromYearMinus3000To5000) {
    for (double day = 625674.3; day <= 3547272; day += 997.3) {
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
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    // infinite day, NaN fraction, a billion years on and back
    constexpr double kCases[][2] = {
        {kInf, 0.5}, {2451545, kNaN}, {2451545 + 3.6525e11, 0.5}, {2451545 - 3.6525e11, 0.5}};
    for (const auto& [dayNumber, dayFraction] : kCases) {
        SCOPED_TRACE(::testing::Message() << dayNumber << " + " << dayFraction);
        EXPECT_THROW((void)ComputePositions(MakeChartMoment(dayNumber, dayFraction)),
                     EphemerisError);
    }
}

}  // namespace
}  // namespace velmaris::ephem
