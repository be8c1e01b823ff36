#include "options/option_values.h"

#include "calendar/calendar.h"

#include <cmath>
#include <limits>

namespace velmaris::domain {
namespace {

// Stores the nearest integer of an option value in a 16-bit field, or reports why it cannot.
void LoadWholeField(const OptionValues& values, std::size_t slot, const char* meaning,
                    std::int16_t& field, QStringList& problems) {
    const double rounded = RoundHalfEven(values[slot]);
    if (std::isfinite(rounded) && rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max()) {
        field = static_cast<std::int16_t>(rounded);
        return;
    }
    field = 0;
    problems.append(QStringLiteral("Line %1 of OPTIONS.OPT holds %2 as the %3, which is out "
                                   "of range.")
                        .arg(static_cast<qulonglong>(slot))
                        .arg(static_cast<double>(values[slot]))
                        .arg(QLatin1String(meaning)));
}

// An option value used as a time zone, or 0 with a problem text when it is out of range.
float LoadZone(const OptionValues& values, std::size_t slot, const char* meaning,
               QStringList& problems) {
    const float zone = values[slot];
    if (std::fabs(zone) <= kLargestZoneHours) {
        return zone;
    }
    problems.append(QStringLiteral("Line %1 of OPTIONS.OPT holds %2 as the %3, which is out of "
                                   "range (%4 to %5 hours); 0 is used instead.")
                        .arg(static_cast<qulonglong>(slot))
                        .arg(static_cast<double>(zone))
                        .arg(QLatin1String(meaning))
                        .arg(-kLargestZoneHours)
                        .arg(kLargestZoneHours));
    return 0;
}

}  // namespace

float ClockZone(const OptionValues& values, QStringList& problems) {
    return LoadZone(values, kClockZoneOption, "time zone of the clock", problems);
}

NatalLoad LoadNatalDateTime(const OptionValues& values) {
    NatalLoad load;
    LoadWholeField(values, kBirthMonthOption, "birth month", load.natal.month, load.problems);
    LoadWholeField(values, kBirthDayOption, "birth day", load.natal.day, load.problems);
    LoadWholeField(values, kBirthYearOption, "birth year", load.natal.year, load.problems);
    load.natal.clock = values[kBirthHourOption] + values[kBirthMinuteOption] / 100.0F;
    load.natal.zone = LoadZone(values, kBirthZoneOption, "time zone of birth", load.problems);
    load.natal.amPm = values[kBirthHalfDayOption] == 0.0F ? HalfDay::Am : HalfDay::Pm;
    return load;
}

}  // namespace velmaris::domain
