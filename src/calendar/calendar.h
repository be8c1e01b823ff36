#pragma once

#include <QString>

namespace velmaris::domain {

// Order of day, month and year in the user's short date format.
enum class DateOrder {
    MonthDayYear = 0,
    DayMonthYear = 1,
    YearMonthDay = 2,
};

// The three parts of a date joined in the date order, `separator` between them.
[[nodiscard]] QString JoinInDateOrder(DateOrder order, const QString& month, const QString& day,
                                      const QString& year, const QString& separator);

// A number below 100 with two digits, a leading zero below 10: 7 gives "07".
[[nodiscard]] QString TwoDigits(int value);

// Julian day number of the first day of the Gregorian calendar, 15 October 1582.
inline constexpr double kGregorianStartDayNumber = 2299171;

// Whole Julian day number of a civil date.
// Given:   year, month, day  whole numbers; they are not checked against the calendar, so
//                            month 13 or day 32 run on into the next year or month and day 0
//                            is the last day of the month before
// Returns: the day number, e.g. 2451545 for 1 January 2000
// Notes:   dates from 15 October 1582 are Gregorian, earlier ones Julian.
[[nodiscard]] double DayNumberFromDate(double year, double month, double day);

// A date of the proleptic Gregorian calendar; the year is astronomical (0 is 1 BC).
struct GregorianDate {
    double year = 0;
    int month = 0;
    int day = 0;
};

// Gregorian date of a day number.
// Given:   dayNumber  whole Julian day number (a fraction is rounded, halves upward)
// Returns: the proleptic Gregorian date, also before 1582
[[nodiscard]] GregorianDate GregorianDateFromDayNumber(double dayNumber);

// The date of a day number as text in the user's date order.
// Given:   dayNumber  whole Julian day number
//          dateOrder  order of the parts
// Returns: the parts joined with "/", month and day with two digits, the year as the last
//          four characters of its decimal text, e.g. "07/04/2026"
// Notes:   always Gregorian, so before October 1582 it is not the inverse of
//          DayNumberFromDate, which takes such dates as Julian.
[[nodiscard]] QString DayNumberToDateText(double dayNumber, DateOrder dateOrder);

// Decimal hours of a clock value whose first two decimals are minutes (9.30 is 9 h 30 min).
// Minutes of 60 or more are not rejected: 9.75 gives 10.25.
[[nodiscard]] double ClockToHours(double clock);

// Nearest multiple of 0.01, halves upward (also for negative numbers).
[[nodiscard]] double RoundHundredths(double x);

// Nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
[[nodiscard]] double RoundHalfEven(double x);

}  // namespace velmaris::domain
