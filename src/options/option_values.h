#pragma once

#include "calendar/moment_fields.h"

#include <QStringList>

#include <array>
#include <cstddef>

namespace velmaris::domain {

// The twelve values of the options file, one per line, in slots 1..12; slot 0 is unused.
using OptionValues = std::array<float, 13>;

// What each line of the options file holds.
inline constexpr std::size_t kOrbOption = 1;  // orb of every aspect, in degrees
inline constexpr std::size_t kBirthMonthOption = 2;
inline constexpr std::size_t kBirthDayOption = 3;
inline constexpr std::size_t kBirthYearOption = 4;
inline constexpr std::size_t kBirthHourOption = 5;
inline constexpr std::size_t kBirthMinuteOption = 6;
inline constexpr std::size_t kBirthHalfDayOption = 7;       // 0 A.M., anything else P.M.
inline constexpr std::size_t kBirthZoneOption = 8;          // hours added to give Universal Time
inline constexpr std::size_t kClockZoneOption = 9;          // the same for the computer's clock
inline constexpr std::size_t kLinesPerPageOption = 10;      // lines of a printed page
inline constexpr std::size_t kSavedPageLengthOption = 11;   // page length of a saved file
inline constexpr std::size_t kLongestPrintLineOption = 12;  // longest line at the larger size

// Largest time zone taken from the options file, in hours either side of Universal Time. Real
// zones lie within 14 hours; far larger values would move the moment by years and beyond the
// ephemeris' range.
inline constexpr float kLargestZoneHours = 24;

struct NatalLoad {
    MomentFields natal;
    // One sentence for each option value that does not fit its field; empty when all fit.
    QStringList problems;
};

// The natal moment from the option values.
// Given:   values  birth month, day and year (nearest integer, halves to even; each must
//                  fit a 16-bit field), hour, minute, half day (exactly 0 is A.M.), zone
//                  (at most kLargestZoneHours either way)
// Returns: the natal fields; a value that does not fit its field leaves that field 0 and adds
//          a problem text naming it
[[nodiscard]] NatalLoad LoadNatalDateTime(const OptionValues& values);

// The zone of the computer's clock; a value beyond kLargestZoneHours either way
// gives 0 and adds a problem text naming it.
[[nodiscard]] float ClockZone(const OptionValues& values, QStringList& problems);

}  // namespace velmaris::domain
