#include "platform/regional_settings.h"

namespace velmaris::platform {
namespace {

// The format with every quoted literal removed; '' stands for a quote character.
QString WithoutLiterals(const QString& format) {
    QString letters;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted) {
            letters.append(c);
        }
    }
    return letters;
}

}  // namespace

domain::DateOrder DateOrderFromFormat(const QString& format) {
    const QString letters = WithoutLiterals(format);
    const qsizetype year = letters.indexOf(QLatin1Char('y'));
    const qsizetype month = letters.indexOf(QLatin1Char('M'));
    const qsizetype day = letters.indexOf(QLatin1Char('d'));
    if (year >= 0 && (month < 0 || year < month) && (day < 0 || year < day)) {
        return domain::DateOrder::YearMonthDay;
    }
    if (day >= 0 && month >= 0 && day < month) {
        return domain::DateOrder::DayMonthYear;
    }
    return domain::DateOrder::MonthDayYear;
}

int TimeOrderFromFormat(const QString& format) {
    const QString letters = WithoutLiterals(format);
    const bool marker = letters.contains(QLatin1Char('a')) || letters.contains(QLatin1Char('A'));
    return marker ? kTwelveHourClock : kTwentyFourHourClock;
}

LocaleRegionalSettings::LocaleRegionalSettings(const QLocale& locale)
    : locale_(locale),
      dateOrder_(DateOrderFromFormat(locale.dateFormat(QLocale::ShortFormat))),
      timeOrder_(TimeOrderFromFormat(locale.timeFormat(QLocale::ShortFormat))) {}

}  // namespace velmaris::platform
