#pragma once

#include <QLocale>
#include <QString>

namespace velmaris::platform {

// Order of day, month and year in the user's short date format.
enum DateOrderValue : int {
    kMonthDayYear = 0,
    kDayMonthYear = 1,
    kYearMonthDay = 2,
};

// The user's clock style.
enum TimeOrderValue : int {
    kTwelveHourClock = 0,
    kTwentyFourHourClock = 1,
};

// The user's regional settings as far as dates and times are concerned.
class RegionalSettings {
  public:
    virtual ~RegionalSettings() = default;
    // 0 month/day/year, 1 day/month/year, 2 year/month/day.
    [[nodiscard]] virtual int DateOrder() const = 0;
    // 0 twelve-hour clock, 1 twenty-four-hour clock.
    [[nodiscard]] virtual int TimeOrder() const = 0;
    // Locale that gives weekday and month names in the user's language.
    [[nodiscard]] virtual QLocale Locale() const = 0;
};

// Order of day, month and year in a date format of QLocale's pattern language.
// Given:   format, e.g. "M/d/yy", "dd/MM/yyyy", "yyyy-MM-dd"; text in single quotes is literal
// Returns: 2 when the year comes first, 1 when the day comes before the month, else 0
[[nodiscard]] int DateOrderFromFormat(const QString& format);

// Clock style of a time format of QLocale's pattern language.
// Returns: 0 when the format shows an AM/PM marker (a or A outside quotes), else 1
[[nodiscard]] int TimeOrderFromFormat(const QString& format);

// Regional settings taken from a QLocale: its short date format and short time format.
// On Linux QLocale::system() follows LC_ALL, LC_TIME and LANG in that order.
class LocaleRegionalSettings final : public RegionalSettings {
  public:
    explicit LocaleRegionalSettings(const QLocale& locale = QLocale::system());
    [[nodiscard]] int DateOrder() const override { return dateOrder_; }
    [[nodiscard]] int TimeOrder() const override { return timeOrder_; }
    [[nodiscard]] QLocale Locale() const override { return locale_; }

  private:
    QLocale locale_;
    int dateOrder_;
    int timeOrder_;
};

}  // namespace velmaris::platform
