#include "calendar/calendar.h"

#include "calendar/moment_fields.h"
#include "calendar/new_date.h"
#include "options/option_values.h"
#include "support/table.h"

#include <gtest/gtest.h>
#include <QDate>

#include <functional>
#include <string>

namespace velmaris::domain {
namespace {

using Args = QStringList;

// Seven significant digits tell apart every float the clock fields hold; adding 0 turns -0
// into 0.
QString N(double x) {
    return QString::number(x + 0.0, 'g', 7);
}

// Runs `result` on the arguments of every row of calendar/results.tsv that names this test.
void ExpectResults(const std::function<QString(const Args&)>& result) {
    const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    int rows = 0;
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("calendar/results.tsv"), 4)) {
        if (row[0] == test) {
            ++rows;
            const QString got = result(QString::fromUtf8(row[1]).split(QLatin1Char(' ')));
            EXPECT_EQ(got.toStdString(), row[2].toStdString())
                << row[1].toStdString() << " (" << row[3].toStdString() << ")";
        }
    }
    EXPECT_GT(rows, 0);
}

// Month/day/year, half day, zone and clock.
QString Text(const MomentFields& f) {
    return QStringLiteral("%1/%2/%3 %4 zone %5 clock %6")
        .arg(QString::number(f.month), QString::number(f.day), QString::number(f.year),
             HalfDayText(f.amPm), N(f.zone), N(f.clock));
}

QString Natal(const Args& a) {
    OptionValues values{};
    for (qsizetype i = 0; i < a.size(); ++i) {
        values[static_cast<std::size_t>(i)] = a[i].toFloat();
    }
    const NatalLoad load = LoadNatalDateTime(values);
    return (QStringList{Text(load.natal)} + load.problems).join(QLatin1Char(' '));
}

TEST(DayNumberFromDate, KnownDates) {
    ExpectResults([](const Args& a) {
        return N(DayNumberFromDate(a[0].toDouble(), a[1].toDouble(), a[2].toDouble()));
    });
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
        ASSERT_TRUE(QDate(got.year, got.month, got.day) == want && back == static_cast<double>(jd))
            << "day " << jd << " got " << got.year << "-" << got.month << "-" << got.day
            << " and back " << back;
    }
}

TEST(DayNumberToDateText, OrdersAndPadding) {
    ExpectResults([](const Args& a) {
        return DayNumberToDateText(a[0].toDouble(), static_cast<DateOrder>(a[1].toInt()));
    });
}

TEST(ClockAndRounding, MinutesAsHundredthsHalvesUpwardAndToEven) {
    ExpectResults([](const Args& a) {
        const double x = a[1].toDouble();
        return N(a[0] == u"hours"        ? ClockToHours(x)
                 : a[0] == u"hundredths" ? RoundHundredths(x)
                                         : RoundHalfEven(x));
    });
}

TEST(LoadNatalDateTime, FieldsFromOptionValues) {
    ExpectResults(Natal);
}

TEST(LoadNatalDateTime, ValueBeyondSixteenBitsIsReportedNotWrapped) {
    ExpectResults(Natal);
}

TEST(LoadPresentDateTime, ChosenFieldsAndDateText) {
    ExpectResults([](const Args& a) {
        const PresentMoment present = LoadPresentDateTime(
            QDateTime(QDate(2026, 12, 4), QTime::fromString(a[0], QStringLiteral("HH:mm"))),
            static_cast<DateOrder>(a[1].toInt()), a[2].toFloat(), QLocale(a[3]));
        return Text(present.chosen) + QLatin1Char(' ') + present.dateText;
    });
}

TEST(TwelveHourClockText, HourOnTwelveHourDial) {
    ExpectResults([](const Args& a) {
        return TwelveHourClockText(QTime::fromString(a[0], QStringLiteral("HH:mm")));
    });
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
    ExpectResults([](const Args& a) {
        const NewDateFields f = NewDateFieldsFor(a[0].toDouble());
        const bool accepted = ValidateNewDate(f.month, f.day, f.year).dayNumber.has_value();
        return QStringList{f.month, f.day, f.year}.join(QLatin1Char('/')) +
               (accepted ? QStringLiteral(" accepted") : QStringLiteral(" refused"));
    });
}

TEST(CalendarDayProblem, OnlyDaysOfTheCalendar) {
    ExpectResults([](const Args& a) {
        return CalendarDayProblem(a[0].toInt(), a[1].toInt(), a[2].toInt()).value_or(QString());
    });
}

TEST(ComputeChartMoment, DayFractionFromClockZoneAndHalfDay) {
    ExpectResults([](const Args& a) {
        const ephem::ChartMoment m = ComputeChartMoment(
            {12, 4, 2026, a[0].toFloat(), static_cast<HalfDay>(a[1].toInt()), a[2].toFloat()});
        return QStringList{N(m.dayNumber), N(m.dayFraction), N(m.julianCenturies)}.join(u' ');
    });
}

}  // namespace
}  // namespace velmaris::domain
