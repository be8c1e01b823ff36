#pragma once

#include "calendar/calendar.h"

#include <QLocale>
#include <QString>

namespace velmaris::platform {

// The user's clock style.
enum TimeOrderValue : int {
    kTwelveHourClock = 0,
    kTwentyFourHourClock = 1,
};

// The user's regional settings as far as dates and times are concerned.
class RegionalSettings {
  public:
    virtual ~RegionalSettings() = default;
    // Order of day, month and year in the short date format.
    [[nodiscard]] virtual domain::DateOrder DateOrder() const = 0;
    // 0 twelve-hour clock, 1 twenty-four-hour clock.
    [[nodiscard]] virtual int TimeOrder() const = 0;
    // Locale that gives weekday and month names in the user's language.
    [[nodiscard]] virtual QLocale Locale() const = 0;
};

// Order of day, month and year in a date format of QLocale's pattern language.
// Given:   format, e.g. "M/d/yy", "dd/MM/yyyy", "yyyy-MM-dd"; text in single quotes is literal
// Returns: year first when the year comes first, else day first when the day comes before the
//          month, else month first
[[nodiscard]] domain::DateOrder DateOrderFromFormat(const QString& format);

// Clock style of a time format of QLocale's pattern language.
// Returns: 0 when the format shows an AM/PM marker (a or A outside quotes), else 1
[[nodiscard]] int TimeOrderFromFormat(const QString& format);

// Regional settings taken from a QLocale: its short date format and short time format.
// On Linux QLocale::system() follows LC_ALL, LC_TIME and LANG in that order.
class LocaleRegionalSettings final : public RegionalSettings {
  public:
    explicit LocaleRegionalSettings(const QLocale& locale = QLocale::system());
    [[nodiscard]] domain::DateOrder DateOrder() const override { return dateOrder_; }
    [[nodiscard]] int TimeOrder() const override { return timeOrder_; }
    [[nodiscard]] QLocale Locale() const override { return locale_; }

  private:
    QLocale locale_;
    domain::DateOrder dateOrder_;
    int timeOrder_;
};

}  // namespace velmaris::platform
