#include "app/caption.h"

namespace velmaris::app {

QString TimeWithSecondsFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    bool quoted = false;
    bool hasSeconds = false;
    qsizetype minutesEnd = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('s')) {
            hasSeconds = true;
        } else if (!quoted && c == QLatin1Char('m')) {
            minutesEnd = i + 1;
        }
    }
    if (hasSeconds) {
        return format;
    }
    if (minutesEnd < 0) {
        return format + QStringLiteral(":ss");
    }
    QString withSeconds = format;
    withSeconds.insert(minutesEnd, QStringLiteral(":ss"));
    return withSeconds;
}

QString CaptionText(const QString& prefix, const QDateTime& now, const QLocale& locale) {
    return prefix + locale.toString(now.date(), QStringLiteral("dd MMM yyyy")) +
           QStringLiteral("     ") + locale.toString(now.time(), TimeWithSecondsFormat(locale));
}

}  // namespace velmaris::app
