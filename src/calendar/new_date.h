#pragma once

#include <QString>

#include <optional>

namespace velmaris::domain {

// Accepted ranges of the New Date fields. A day beyond the length of its month still runs on
// into the next month (31 February is 3 March in a common year).
inline constexpr int kLastMonth = 12;
inline constexpr int kLastDay = 31;
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

struct NewDateCheck {
    std::optional<double> dayNumber;  // set when the fields are accepted
    QString message;                  // why they are not, otherwise empty
};

// Day number of the date typed in the New Date fields.
// Given:   month, day, year  field texts; surrounding blanks are ignored
// Returns: the day number, or a message naming the first field that is empty, not a whole
//          number, or outside 1..12 (month), 1..31 (day), 1..9999 (year)
[[nodiscard]] NewDateCheck ValidateNewDate(const QString& month, const QString& day,
                                           const QString& year);

// Texts the New Date fields start with: month, day and year of a day number, no leading zeros.
struct NewDateFields {
    QString month;
    QString day;
    QString year;
};
[[nodiscard]] NewDateFields NewDateFieldsFor(double dayNumber);

}  // namespace velmaris::domain
