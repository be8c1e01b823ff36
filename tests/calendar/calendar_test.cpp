#include "calendar/calendar.h"

#include <gtest/gtest.h>
#include <QDate>

namespace velmaris::domain {
namespace {

struct DateCase {
    const char* label;
    double year, month, day;
    double dayNumber;
};

// Day numbers from published tables and a proleptic-calendar ordinal count.
TEST(DayNumberFromDate, KnownDates) {
    const DateCase cases[] = {
        {"J2000 day", 2000, 1, 1, 2451545},
        {"epoch of the Julian period", -4712, 1, 1, 0},
        {"1 January AD 1, Julian", 1, 1, 1, 1721424},
        {"day 0 of January 1900", 1900, 1, 0, 2415020},
        {"Sputnik launch", 1957, 10, 4, 2436116},
        {"4 December 2026", 2026, 12, 4, 2461379},
        {"first Gregorian day", 1582, 10, 15, 2299161},
        {"last Julian day", 1582, 10, 4, 2299160},
        {"skipped 14 October taken as Julian", 1582, 10, 14, 2299170},
        {"30 February 2024 runs on", 2024, 2, 30, 2460371},
        {"1 March 2024", 2024, 3, 1, 2460371},
        {"month 13 runs into the next year", 2023, 13, 1, 2460311},
        {"day 0 is the last of the month before", 2023, 3, 0, 2460004},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(DayNumberFromDate(c.year, c.month, c.day), c.dayNumber);
    }
}

// Qt's own calendar code is a second implementation of the Gregorian calendar.
TEST(DayNumberFromDate, AgreesWithQtOnEveryGregorianDayOf1582To2400) {
    for (qint64 jd = 2299161; jd <= 2597641; ++jd) {
        const QDate date = QDate::fromJulianDay(jd);
        const double got = DayNumberFromDate(date.year(), date.month(), date.day());
        if (got != static_cast<double>(jd)) {
            FAIL() << "want " << jd << " got " << got << " for "
                   << date.toString(Qt::ISODate).toStdString();
        }
    }
}

TEST(GregorianDateFromDayNumber, AgreesWithQtFromYear1To3000) {
    for (qint64 jd = 1721426; jd <= 2816787; ++jd) {
        const QDate want = QDate::fromJulianDay(jd);
        const GregorianDate got = GregorianDateFromDayNumber(static_cast<double>(jd));
        if (got.year != want.year() || got.month != want.month() || got.day != want.day()) {
            FAIL() << "day " << jd << " want " << want.toString(Qt::ISODate).toStdString()
                   << " got " << got.year << "-" << got.month << "-" << got.day;
        }
    }
}

TEST(DayNumberToDateText, OrdersAndPadding) {
    struct Case {
        const char* label;
        double dayNumber;
        int order;
        const char* want;
    };
    const Case cases[] = {
        {"month/day/year", 2451545, 0, "01/01/2000"},
        {"day/month/year", 2451545, 1, "01/01/2000"},
        {"year/month/day", 2451545, 2, "2000/01/01"},
        {"unknown order as 0", 2461226, 7, "07/04/2026"},
        {"day before month in order 1", 2461226, 1, "04/07/2026"},
        {"two-digit month and day kept", 2461379, 0, "12/04/2026"},
        {"after 28 February 2023", 2460004 + 1, 0, "03/01/2023"},
        {"after 28 February 2024", 2460369 + 1, 0, "02/29/2024"},
        {"year below 1000 is not padded", 2013254, 2, "800/01/01"},
        {"five-digit year keeps its last four digits", 5373485, 0, "01/01/0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(DayNumberToDateText(c.dayNumber, c.order).toStdString(), c.want);
    }
}

TEST(ClockToHours, MinutesAsHundredths) {
    struct Case {
        double clock, hours;
    };
    const Case cases[] = {{9.30, 9.5},   {12.15, 12.25}, {0.15, 0.25}, {11.59, 11 + 59.0 / 60},
                          {9.75, 10.25}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clock);
        EXPECT_NEAR(ClockToHours(c.clock), c.hours, 1e-12);
    }
}

TEST(RoundHundredths, HalvesUpward) {
    struct Case {
        double x, want;
    };
    const Case cases[] = {{2.994, 2.99}, {2.996, 3.0},    {-2.994, -2.99},
                          {0.125, 0.13}, {-0.125, -0.12}, {29.0, 29.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_DOUBLE_EQ(RoundHundredths(c.x), c.want);
    }
}

TEST(RoundHalfEven, HalvesToEvenNeighbour) {
    struct Case {
        double x, want;
    };
    const Case cases[] = {{2.5, 2}, {3.5, 4},   {-2.5, -2},      {-3.5, -4},
                          {2.4, 2}, {2.6, 3},   {0.5, 0},        {1999.5, 2000},
                          {12, 12}, {-0.4, -0}, {32767.4, 32767}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(RoundHalfEven(c.x), c.want);
    }
}

}  // namespace
}  // namespace velmaris::domain
