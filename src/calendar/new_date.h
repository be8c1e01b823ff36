#pragma once

#include <QString>

#include <optional>

namespace velmaris::domain {

// Years a date given on the command line or as a listing period may have.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// Most digits a New Date field may hold: any such number still gives an exact day number.
inline constexpr int kLongestDateField = 9;

struct NewDateCheck {
    std::optional<double> dayNumber;  // set when the fields are accepted
    QString message;                  // why they are not, otherwise empty
};

// Day number of the date typed in the New Date fields. The numbers are not compared with the
// calendar: month 13 and day 32 run on into the next year and month, day 0 is the last day of
// the month before, as DayNumberFromDate computes them.
// Given:   month, day, year  field texts; surrounding blanks are ignored
// Returns: the day number, or a message naming the first field that is empty, holds anything
//          but the digits 0 to 9 (pasted text is not filtered), or has more than
//          kLongestDateField digits
[[nodiscard]] NewDateCheck ValidateNewDate(const QString& month, const QString& day,
                                           const QString& year);

// Why a date given as numbers (the command line's YYYY-MM-DD) is not a day of the calendar,
// or nothing when it is one: years kFirstYear to kLastYear, months 1 to 12, days that the
// month has.
[[nodiscard]] std::optional<QString> CalendarDayProblem(int year, int month, int day);

// Texts the New Date fields start with: month, day and year of a day number, no leading zeros.
struct NewDateFields {
    QString month;
    QString day;
    QString year;
};
// Years before 0 cannot be typed in the fields; for such a day the fields start at 1 January
// of year 0, the earliest day they can name.
[[nodiscard]] NewDateFields NewDateFieldsFor(double dayNumber);

}  // namespace velmaris::domain
