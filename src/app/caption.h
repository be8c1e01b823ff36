#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace velmaris::app {

// The locale's short time format with seconds after the minutes, e.g. "h:mm:ss AP" for
// "h:mm AP"; a format that shows seconds already is kept.
[[nodiscard]] QString TimeWithSecondsFormat(const QLocale& locale);

// Caption of the main window: the prefix, the date as "dd MMM yyyy" with the locale's month
// names, five blanks and the time with seconds in the locale's format.
[[nodiscard]] QString CaptionText(const QString& prefix, const QDateTime& now,
                                  const QLocale& locale);

}  // namespace velmaris::app
