#include "calendar/moment_fields.h"

#include "calendar/new_date.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

OptionValues Values(std::initializer_list<float> oneToTwelve) {
    OptionValues values{};
    std::size_t slot = 1;
    for (const float v : oneToTwelve) {
        values[slot++] = v;
    }
    return values;
}

TEST(LoadNatalDateTime, FieldsFromOptionValues) {
    struct Case {
        const char* label;
        OptionValues values;
        int month, day, year;
        float clock;
        const char* amPm;
        float zone;
    };
    const Case cases[] = {
        {"plain", Values({5, 7, 4, 1950, 9, 45, 0, 5}), 7, 4, 1950, 9.45F, "A.M.", 5},
        {"half day 1 is P.M.", Values({5, 7, 4, 1950, 11, 0, 1, -2.5F}), 7, 4, 1950, 11.0F, "P.M.",
         -2.5F},
        {"half day 0.4 is P.M.", Values({5, 7, 4, 1950, 11, 0, 0.4F, 0}), 7, 4, 1950, 11.0F, "P.M.",
         0},
        {"halves round to even", Values({5, 6.5F, 3.5F, 1950.5F, 12, 15, 0, 0}), 6, 4, 1950, 12.15F,
         "A.M.", 0},
        {"nothing read", Values({}), 0, 0, 0, 0, "A.M.", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const NatalLoad load = LoadNatalDateTime(c.values);
        EXPECT_TRUE(load.problems.isEmpty());
        EXPECT_EQ(load.natal.month, c.month);
        EXPECT_EQ(load.natal.day, c.day);
        EXPECT_EQ(load.natal.year, c.year);
        EXPECT_FLOAT_EQ(load.natal.clock, c.clock);
        EXPECT_EQ(load.natal.amPm.toStdString(), c.amPm);
        EXPECT_EQ(load.natal.zone, c.zone);
    }
}

TEST(LoadNatalDateTime, ValueBeyondSixteenBitsIsReportedNotWrapped) {
    const NatalLoad load = LoadNatalDateTime(Values({5, 7, 40000, 99999, 9, 0, 0, 0}));
    EXPECT_EQ(load.natal.month, 7);
    EXPECT_EQ(load.natal.day, 0);
    EXPECT_EQ(load.natal.year, 0);
    ASSERT_EQ(load.problems.size(), 2);
    EXPECT_EQ(load.problems[0].toStdString(),
              "Line 3 of OPTIONS.OPT holds 40000 as the birth day, which is out of range.");
    EXPECT_EQ(load.problems[1].toStdString(),
              "Line 4 of OPTIONS.OPT holds 99999 as the birth year, which is out of range.");
}

TEST(LoadNatalDateTime, SixteenBitLimitsAreAccepted) {
    const NatalLoad load = LoadNatalDateTime(Values({5, -32768, 32767, 32767.4F, 0, 0, 0, 0}));
    EXPECT_TRUE(load.problems.isEmpty());
    EXPECT_EQ(load.natal.month, -32768);
    EXPECT_EQ(load.natal.year, 32767);
}

TEST(LoadPresentDateTime, ChosenFieldsAndDateText) {
    struct Case {
        const char* label;
        QTime time;
        int dateOrder;
        float clock;
        const char* amPm;
        const char* dateText;
    };
    const QDate date(2026, 12, 4);
    const Case cases[] = {
        {"afternoon on a 12-hour dial", QTime(13, 5), 0, 1.05F, "P.M.", "12/4/2026"},
        {"half past noon stays 12.30", QTime(12, 30), 1, 12.30F, "P.M.", "4/12/2026"},
        {"just after midnight", QTime(0, 10), 2, 0.10F, "A.M.", "2026/12/4"},
        {"half past midnight", QTime(0, 30), 0, 0.30F, "A.M.", "12/4/2026"},
        {"last minute of the day", QTime(23, 59), 0, 11.59F, "P.M.", "12/4/2026"},
        {"unknown order as 0", QTime(9, 0), 5, 9.0F, "A.M.", "12/4/2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const PresentMoment present = LoadPresentDateTime(QDateTime(date, c.time), c.dateOrder,
                                                          -1.0F, QLocale(QLocale::English));
        EXPECT_EQ(present.chosen.month, 12);
        EXPECT_EQ(present.chosen.day, 4);
        EXPECT_EQ(present.chosen.year, 2026);
        EXPECT_FLOAT_EQ(present.chosen.clock, c.clock);
        EXPECT_EQ(present.chosen.amPm.toStdString(), c.amPm);
        EXPECT_EQ(present.chosen.zone, -1.0F);
        EXPECT_EQ(present.dateText.toStdString(), c.dateText);
    }
}

// A 12-hour locale whose afternoon marker is not "PM" must still give the afternoon.
TEST(LoadPresentDateTime, AfternoonInLocaleWithOtherMarker) {
    const PresentMoment present = LoadPresentDateTime(QDateTime(QDate(2026, 12, 4), QTime(15, 0)),
                                                      0, 0, QLocale(QLocale::Korean));
    EXPECT_EQ(present.chosen.amPm.toStdString(), "P.M.");
    EXPECT_FLOAT_EQ(present.chosen.clock, 3.0F);
}

TEST(TwelveHourClockText, HourOnTwelveHourDial) {
    struct Case {
        QTime time;
        const char* want;
    };
    const Case cases[] = {{QTime(0, 5), "12:05 AM"},   {QTime(9, 7), "09:07 AM"},
                          {QTime(12, 0), "12:00 PM"},  {QTime(13, 45), "01:45 PM"},
                          {QTime(23, 59), "11:59 PM"}, {QTime(11, 59), "11:59 AM"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(TwelveHourClockText(c.time).toStdString(), c.want);
    }
}

TEST(ValidateNewDate, AcceptsAndRefuses) {
    struct Case {
        const char* label;
        const char* month;
        const char* day;
        const char* year;
        double dayNumber;  // 0 when refused
        const char* message;
    };
    const Case cases[] = {
        {"plain date", "12", "4", "2026", 2461379, ""},
        {"blanks around the digits", " 7 ", "04", "2026", 2461226, ""},
        {"31 February runs into March", "2", "31", "2023", 2460007, ""},
        {"empty month", "", "4", "2026", 0, "Please enter the transit month."},
        {"blank day", "12", "  ", "2026", 0, "Please enter the transit day."},
        {"letters", "12", "4x", "2026", 0, "The transit day must be a whole number from 1 to 31."},
        {"minus sign", "-1", "4", "2026", 0,
         "The transit month must be a whole number from 1 to 12."},
        {"month 13", "13", "4", "2026", 0,
         "The transit month must be a whole number from 1 to 12."},
        {"day 0", "12", "0", "2026", 0, "The transit day must be a whole number from 1 to 31."},
        {"day 32", "12", "32", "2026", 0, "The transit day must be a whole number from 1 to 31."},
        {"year 0", "12", "4", "0", 0, "The transit year must be a whole number from 1 to 9999."},
        {"year 10000", "12", "4", "10000", 0,
         "The transit year must be a whole number from 1 to 9999."},
        {"digits beyond an int", "12", "4", "99999999999", 0,
         "The transit year must be a whole number from 1 to 9999."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const NewDateCheck check = ValidateNewDate(
            QString::fromLatin1(c.month), QString::fromLatin1(c.day), QString::fromLatin1(c.year));
        EXPECT_EQ(check.message.toStdString(), c.message);
        if (c.dayNumber == 0) {
            EXPECT_FALSE(check.dayNumber.has_value());
        } else {
            ASSERT_TRUE(check.dayNumber.has_value());
            EXPECT_EQ(*check.dayNumber, c.dayNumber);
        }
    }
}

TEST(NewDateFieldsFor, NoLeadingZeros) {
    const NewDateFields fields = NewDateFieldsFor(2461226);
    EXPECT_EQ(fields.month.toStdString(), "7");
    EXPECT_EQ(fields.day.toStdString(), "4");
    EXPECT_EQ(fields.year.toStdString(), "2026");
}

}  // namespace
}  // namespace velmaris::domain
