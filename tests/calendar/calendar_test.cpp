#include "calendar/calendar.h"

#include "calendar/moment_fields.h"
#include "calendar/new_date.h"
#include "options/option_values.h"
#include "support/table.h"

#include <gtest/gtest.h>
#include <QDate>

#include <string>
#include <tuple>

namespace velmaris::domain {
namespace {

// Day numbers from published tables and a proleptic-calendar ordinal count; the Gregorian
// dates from 1582 on are checked against Qt below.
TEST(DayNumberFromDate, KnownDates) {
    const std::tuple<double, double, double, double> cases[] = {
        {-4712, 1, 1, 0},         // epoch of the Julian period
        {1, 1, 1, 1721424},       // 1 January AD 1, Julian
        {1900, 1, 0, 2415020},    // day 0 of January 1900
        {1582, 10, 4, 2299160},   // last Julian day
        {1582, 10, 14, 2299170},  // skipped 14 October taken as Julian
        {2024, 2, 30, 2460371},   // 30 February 2024 runs on into 1 March
        {2023, 13, 1, 2460311},   // month 13 runs into the next year
        {2023, 3, 0, 2460004},    // day 0 is the last of the month before
    };
    for (const auto& [year, month, day, dayNumber] : cases) {
        EXPECT_EQ(DayNumberFromDate(year, month, day), dayNumber) << year << "-" << month;
    }
}

// Qt's own calendar code is a second implementation of the Gregorian calendar: both ways agree
// with it on every day of the years 1 to 3000 (to day numbers from 15 October 1582 on, where
// the Gregorian calendar starts).
TEST(DayNumbers, AgreeWithQtOnEveryGregorianDayOfTheYears1To3000) {
    for (qint64 jd = 1721426; jd <= 2816787; ++jd) {
        const QDate want = QDate::fromJulianDay(jd);
        const GregorianDate got = GregorianDateFromDayNumber(static_cast<double>(jd));
        const double back = jd < 2299161 ? static_cast<double>(jd)
                                         : DayNumberFromDate(want.year(), want.month(), want.day());
        if (got.year != want.year() || got.month != want.month() || got.day != want.day() ||
            back != static_cast<double>(jd)) {
            FAIL() << "day " << jd << " want " << want.toString(Qt::ISODate).toStdString()
                   << " got " << got.year << "-" << got.month << "-" << got.day << " and back "
                   << back;
        }
    }
}

// 4 July 2026 in each order; two-digit parts; short and long years.
TEST(DayNumberToDateText, OrdersAndPadding) {
    constexpr DateOrder kMdy = DateOrder::MonthDayYear;
    const std::tuple<double, DateOrder, const char*> cases[] = {
        {2461226, kMdy, "07/04/2026"},
        {2461226, DateOrder::DayMonthYear, "04/07/2026"},
        {2461226, DateOrder::YearMonthDay, "2026/07/04"},
        {2461379, kMdy, "12/04/2026"},
        {2013254, DateOrder::YearMonthDay, "800/01/01"},
        {5373485, kMdy, "01/01/0000"}};
    for (const auto& [dayNumber, order, want] : cases) {
        EXPECT_EQ(DayNumberToDateText(dayNumber, order).toStdString(), want);
    }
}

TEST(ClockAndRounding, MinutesAsHundredthsHalvesUpwardAndToEven) {
    const std::pair<double, double> hours[] = {{9.30, 9.5},   {12.15, 12.25},          {0.15, 0.25},
                                               {9.75, 10.25}, {11.59, 11 + 59.0 / 60}, {0, 0}};
    for (const auto& [clock, want] : hours) {
        EXPECT_NEAR(ClockToHours(clock), want, 1e-12) << clock;
    }
    const std::pair<double, double> hundredths[] = {{2.994, 2.99}, {2.996, 3.0},    {-2.994, -2.99},
                                                    {0.125, 0.13}, {-0.125, -0.12}, {29.0, 29.0}};
    for (const auto& [x, want] : hundredths) {
        EXPECT_DOUBLE_EQ(RoundHundredths(x), want) << x;
    }
    const std::pair<double, double> even[] = {{2.5, 2}, {3.5, 4},   {-2.5, -2},      {-3.5, -4},
                                              {2.4, 2}, {2.6, 3},   {0.5, 0},        {1999.5, 2000},
                                              {12, 12}, {-0.4, -0}, {32767.4, 32767}};
    for (const auto& [x, want] : even) {
        EXPECT_EQ(RoundHalfEven(x), want) << x;
    }
}

// Month/day/year, half day and zone (the digits that tell every float apart).
std::string Text(const MomentFields& f) {
    return QString::asprintf("%d/%d/%d %s zone %.9g", f.month, f.day, f.year,
                             qPrintable(HalfDayText(f.amPm)), static_cast<double>(f.zone))
        .toStdString();
}

TEST(LoadNatalDateTime, FieldsFromOptionValues) {
    const std::tuple<OptionValues, const char*, float> cases[] = {
        {{0, 5, 7, 4, 1950, 9, 45, 0, 5}, "7/4/1950 A.M. zone 5", 9.45F},
        {{0, 5, 7, 4, 1950, 11, 0, 1, -2.5F}, "7/4/1950 P.M. zone -2.5", 11.0F},  // half day 1
        {{0, 5, 7, 4, 1950, 11, 0, 0.4F, 0}, "7/4/1950 P.M. zone 0", 11.0F},      // half day 0.4
        {{0, 5, 6.5F, 3.5F, 1950.5F, 12, 15, 0, 0}, "6/4/1950 A.M. zone 0", 12.15F},  // to even
        {{}, "0/0/0 A.M. zone 0", 0},  // nothing read
        // the limits of 16 bits and of the zone
        {{0, 5, -32768, 32767, 32767.4F, 0, 0, 0, 24}, "-32768/32767/32767 A.M. zone 24", 0},
    };
    for (const auto& [values, want, clock] : cases) {
        const NatalLoad load = LoadNatalDateTime(values);
        EXPECT_EQ(Text(load.natal), want);
        EXPECT_FLOAT_EQ(load.natal.clock, clock) << want;
        EXPECT_TRUE(load.problems.isEmpty()) << want;
    }
}

TEST(LoadNatalDateTime, ValueBeyondSixteenBitsIsReportedNotWrapped) {
    const NatalLoad load = LoadNatalDateTime({0, 5, 7, 40000, 99999, 9, 0, 0, 0});
    EXPECT_EQ(Text(load.natal), "7/0/0 A.M. zone 0");
    EXPECT_EQ(load.problems.join('|').toStdString(),
              "Line 3 of OPTIONS.OPT holds 40000 as the birth day, which is out of range.|"
              "Line 4 of OPTIONS.OPT holds 99999 as the birth year, which is out of range.");
}

TEST(LoadPresentDateTime, ChosenFieldsAndDateText) {
    using enum DateOrder;
    const std::tuple<QTime, DateOrder, const char*, float> cases[] = {
        {QTime(13, 5), MonthDayYear, "12/4/2026 P.M. zone -1 12/4/2026", 1.05F},    // 12-hour dial
        {QTime(12, 30), DayMonthYear, "12/4/2026 P.M. zone -1 4/12/2026", 12.30F},  // stays 12.30
        {QTime(0, 10), YearMonthDay, "12/4/2026 A.M. zone -1 2026/12/4", 0.10F},
        {QTime(23, 59), MonthDayYear, "12/4/2026 P.M. zone -1 12/4/2026", 11.59F},
    };
    for (const auto& [time, order, want, clock] : cases) {
        const PresentMoment present = LoadPresentDateTime(QDateTime(QDate(2026, 12, 4), time),
                                                          order, -1.0F, QLocale(QLocale::English));
        EXPECT_EQ(Text(present.chosen) + " " + present.dateText.toStdString(), want);
        EXPECT_FLOAT_EQ(present.chosen.clock, clock) << want;
    }
    // A 12-hour locale whose afternoon marker is not "PM" must still give the afternoon.
    const PresentMoment korean = LoadPresentDateTime(QDateTime(QDate(2026, 12, 4), QTime(15, 0)),
                                                     MonthDayYear, 0, QLocale(QLocale::Korean));
    EXPECT_EQ(korean.chosen.amPm, HalfDay::Pm);
    EXPECT_FLOAT_EQ(korean.chosen.clock, 3.0F);
}

TEST(TwelveHourClockText, HourOnTwelveHourDial) {
    const std::pair<QTime, const char*> cases[] = {
        {QTime(0, 5), "12:05 AM"},   {QTime(9, 7), "09:07 AM"},   {QTime(12, 0), "12:00 PM"},
        {QTime(13, 45), "01:45 PM"}, {QTime(23, 59), "11:59 PM"}, {QTime(11, 59), "11:59 AM"}};
    for (const auto& [time, want] : cases) {
        EXPECT_EQ(TwelveHourClockText(time).toStdString(), want);
    }
}

// The New Date fields: numbers run on through the calendar; only what is no number is refused.
TEST(ValidateNewDate, NumbersRunOnAndOnlyWhatIsNoNumberIsRefused) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("calendar/new-date.tsv"), 6)) {
        const NewDateCheck check = ValidateNewDate(
            QString::fromUtf8(row[0]), QString::fromUtf8(row[1]), QString::fromUtf8(row[2]));
        const std::string date = (row[0] + '/' + row[1] + '/' + row[2]).toStdString();
        EXPECT_EQ(check.message.toStdString(), row[4].toStdString()) << date;
        EXPECT_EQ(check.dayNumber.value_or(0), row[3].toDouble()) << date;
    }
}

// The fields start with a date their own OK accepts, at both ends of the calendar.
TEST(NewDateFieldsFor, EveryStartIsADateOkAccepts) {
    const std::tuple<double, const char*, const char*, const char*> cases[] = {
        {2461380, "12", "5", "2026"},
        {5373485, "1", "1", "10000"},  // the day after 31 December 9999
        {1721425, "12", "31", "0"},    // the day before 1 January 1 (Gregorian)
        {1721000, "1", "1", "0"},      // before year 0: the earliest day the fields name
    };
    for (const auto& [dayNumber, month, day, year] : cases) {
        const NewDateFields fields = NewDateFieldsFor(dayNumber);
        EXPECT_EQ(fields.month.toStdString(), month) << dayNumber;
        EXPECT_EQ(fields.day.toStdString(), day) << dayNumber;
        EXPECT_EQ(fields.year.toStdString(), year) << dayNumber;
        EXPECT_TRUE(ValidateNewDate(fields.month, fields.day, fields.year).dayNumber) << dayNumber;
    }
}

TEST(CalendarDayProblem, OnlyDaysOfTheCalendar) {
    const std::tuple<int, int, int, const char*> cases[] = {
        {2026, 12, 6, ""},
        {2024, 2, 29, ""},
        {2023, 2, 29, "2023-02-29 is not a day of the calendar."},
        {2026, 13, 1, "2026-13-01 is not a day of the calendar."},
        {2026, 12, 0, "2026-12-00 is not a day of the calendar."},
        {0, 1, 1, "The year 0 is outside the years 1 to 9999."},
    };
    for (const auto& [year, month, day, want] : cases) {
        EXPECT_EQ(CalendarDayProblem(year, month, day).value_or(QString()).toStdString(), want)
            << year << "-" << month << "-" << day;
    }
}

// The moment of 4 December 2026 at a clock time, half day and zone.
TEST(ComputeChartMoment, DayFractionFromClockZoneAndHalfDay) {
    const std::tuple<float, HalfDay, float, double> cases[] = {
        {12.15F, HalfDay::Am, 5, (0.25 + 5) / 24},        // 12:15 A.M. counts as 0:15
        {12.15F, HalfDay::Pm, 5, (0.25 + 5) / 24 + 0.5},  // 12:15 P.M. is half a day later
        {11.0F, HalfDay::Pm, 5, (11.0 + 5) / 24 + 0.5},   // runs into the next day
        {1.30F, HalfDay::Am, -3, (1.5 - 3) / 24},         // a negative zone
    };
    for (const auto& [clock, amPm, zone, dayFraction] : cases) {
        SCOPED_TRACE(dayFraction);
        const ephem::ChartMoment moment = ComputeChartMoment({12, 4, 2026, clock, amPm, zone});
        EXPECT_EQ(moment.dayNumber, 2461379);
        EXPECT_NEAR(moment.dayFraction, dayFraction, 1e-6);
        EXPECT_NEAR(moment.julianCenturies, (2461379 - 2415020 + dayFraction - 0.5) / 36525, 1e-12);
    }
}

}  // namespace
}  // namespace velmaris::domain
