#include "positions/positions.h"
#include "support/angle_diff.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace velmaris::ephem {
namespace {

using testing::AngleDiff;

std::string BodyName(int slot) {
    static const char* const names[] = {"",       "Sun",    "Mercury", "Venus", "Mars", "Jupiter",
                                        "Saturn", "Uranus", "Neptune", "Pluto", "Moon"};
    return names[slot];
}

struct VectorRow {
    double dayNumber;
    double dayFraction;
    double longitude[11];
};

std::vector<VectorRow> ReadVectors() {
    std::ifstream in(std::string(VELMARIS_TEST_DATA_DIR) + "/ephemeris-vectors.tsv");
    std::vector<VectorRow> rows;
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true;  // column names
            continue;
        }
        std::istringstream fields(line);
        VectorRow row{};
        fields >> row.dayNumber >> row.dayFraction;
        for (int slot = 1; slot <= 10; ++slot) {
            fields >> row.longitude[slot];
        }
        if (fields) {
            rows.push_back(row);
        }
    }
    return rows;
}

// An independent double-precision implementation of the same theory: agreement to 1e-9 degree
// at every date shows that every coefficient and convention matches.
TEST(ComputePositionsTest, AgreesWithIndependentVectors) {
    constexpr double kSameTheoryToleranceDeg = 1e-9;
    const std::vector<VectorRow> rows = ReadVectors();
    ASSERT_EQ(rows.size(), 200u);
    for (const VectorRow& row : rows) {
        const SkyPositions got = ComputePositions(MakeChartMoment(row.dayNumber, row.dayFraction));
        for (int slot = 1; slot <= 10; ++slot) {
            EXPECT_NEAR(AngleDiff(got[slot], row.longitude[slot]), 0.0, kSameTheoryToleranceDeg)
                << BodyName(slot) << " at " << row.dayNumber << " + " << row.dayFraction << ": got "
                << got[slot] << ", want " << row.longitude[slot];
        }
    }
}

TEST(ComputePositionsTest, EverySlotIsOneTurnFromYearMinus3000To5000) {
    // JD 625674 is about -3000 January 1; JD 3547272 about 5000 January 1.
    for (double day = 625674; day <= 3547272; day += 997.3) {
        const double dayNumber = std::floor(day);
        const SkyPositions got = ComputePositions(MakeChartMoment(dayNumber, 0.3));
        ASSERT_EQ(got[0], 0.0) << dayNumber;
        for (int slot = 1; slot <= 10; ++slot) {
            ASSERT_GE(got[slot], 0.0) << BodyName(slot) << " at " << dayNumber;
            ASSERT_LE(got[slot], 360.0) << BodyName(slot) << " at " << dayNumber;
        }
    }
}

// The one-body routine gives each body the very longitude of the whole sky, to the last bit.
TEST(ComputeLongitudeTest, SameValueAsTheWholeSkyForEveryBody) {
    for (double day = 2378497; day <= 2524594; day += 731.7) {
        const ChartMoment moment = MakeChartMoment(std::floor(day), day - std::floor(day));
        const SkyPositions sky = ComputePositions(moment);
        for (int slot = 1; slot <= 10; ++slot) {
            ASSERT_EQ(ComputeLongitude(moment, static_cast<Body>(slot)), sky[slot])
                << BodyName(slot) << " at " << day;
        }
    }
}

TEST(ComputePositionsTest, J2000NoonUsesTheEpochElements) {
    const ChartMoment moment = MakeChartMoment(2451545, 0.5);
    EXPECT_EQ(moment.julianCenturies, 1.0);
    const SkyPositions got = ComputePositions(moment);
    // Mean places of 2000 January 1.5 in every almanac, to the accuracy of this theory.
    EXPECT_NEAR(AngleDiff(got[1], 280.37), 0.0, 0.02);  // Sun in Capricorn
    EXPECT_NEAR(AngleDiff(got[10], 223.3), 0.0, 0.3);   // Moon in Scorpio
}

TEST(ComputePositionsTest, DayFractionIsUsedUnreduced) {
    // A fraction of 1.25 is the next civil day at 0.25, except for the Pluto drift, which
    // follows the day number (1.33 / 36525 degree per day).
    const SkyPositions late = ComputePositions(MakeChartMoment(2460000, 1.25));
    const SkyPositions next = ComputePositions(MakeChartMoment(2460001, 0.25));
    for (int slot = 1; slot <= 8; ++slot) {
        EXPECT_NEAR(AngleDiff(late[slot], next[slot]), 0.0, 1e-9) << BodyName(slot);
    }
    EXPECT_NEAR(AngleDiff(next[9], late[9]), 1.33 / 36525, 1e-9);
    EXPECT_NEAR(AngleDiff(late[10], next[10]), 0.0, 1e-9);
}

TEST(ComputePositionsTest, AbsurdDatesAreReportedNotReturnedAsNumbers) {
    struct Case {
        const char* label;
        double dayNumber;
        double dayFraction;
    };
    const Case cases[] = {
        {"infinite day", std::numeric_limits<double>::infinity(), 0.5},
        {"NaN fraction", 2451545, std::numeric_limits<double>::quiet_NaN()},
        {"a billion years on", 2451545 + 3.6525e11, 0.5},
        {"a billion years back", 2451545 - 3.6525e11, 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_THROW((void)ComputePositions(MakeChartMoment(c.dayNumber, c.dayFraction)),
                     EphemerisError);
    }
}

}  // namespace
}  // namespace velmaris::ephem
