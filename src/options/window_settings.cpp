#include "options/window_settings.h"

#include "io/atomic_write.h"
#include "io/text_lines.h"
#include "options/options_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmaris::domain {
namespace {

template <typename Number>
QString ShortestText(Number value) {
    if (value == 0) {
        value = 0;  // no "-0"
    }
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    const QString text = QString::fromLatin1(digits, error == std::errc() ? end - digits : 0);
    return value < 0 ? text : QLatin1Char(' ') + text;
}

bool FitsFloat(double value) {
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace

QString SettingsNumberText(double value) {
    return ShortestText(value);
}
QString SettingsNumberText(float value) {
    return ShortestText(value);
}

WindowSettings ReadWindowSettings(const QString& appFolder) {
    WindowSettings settings;
    const io::DataFileRead file =
        io::ReadDataFile(io::DataFilePath(appFolder, kWindowSettingsFileName));
    if (!file.contents) {
        return settings;
    }
    for (const QString& line : io::DecodeLines(*file.contents)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QStringView value =
            equals < 0 ? QStringView(line) : QStringView(line).mid(equals + 1);
        const double number = LeadingNumber(value);
        if (!std::isfinite(number)) {
            continue;
        }
        const auto is = [&line](const char* key) {
            return line.startsWith(QLatin1String(key), Qt::CaseSensitive);
        };
        // No key is the start of another, so a line belongs to one key at most.
        if (is("FontSize")) {
            if (number >= kSmallestFontSize) {
                settings.fontSize = std::min(number, kLargestFontSize);
            }
        } else if (is("FontBold")) {
            settings.fontBold = number;
        } else if (is("ShowTiming")) {
            settings.showTiming = number != 0;
        } else if (is("FontItalic")) {
            settings.fontItalic = number;
        } else if (!FitsFloat(number)) {
            continue;
        } else if (is("VelmarisTop")) {
            settings.top = static_cast<float>(number);
        } else if (is("VelmarisLeft")) {
            settings.left = static_cast<float>(number);
        } else if (is("VelmarisHeight")) {
            if (number > 0) {
                settings.height = static_cast<float>(number);
            }
        } else if (is("VelmarisWidth")) {
            if (number > 0) {
                settings.width = static_cast<float>(number);
            }
        }
    }
    return settings;
}

QByteArray WindowSettingsText(const WindowSettings& settings) {
    const QString crLf = QStringLiteral("\r\n");
    const QString text =
        QStringLiteral("[Velmaris] - Do NOT change the order of these variables.") + crLf +
        QStringLiteral("FontSize=") + SettingsNumberText(settings.fontSize) + crLf +
        QStringLiteral("FontBold=") + SettingsNumberText(settings.fontBold) + crLf +
        QStringLiteral("FontItalic=") + SettingsNumberText(settings.fontItalic) + crLf +
        QStringLiteral("VelmarisTop=") + SettingsNumberText(settings.top) + crLf +
        QStringLiteral("VelmarisLeft=") + SettingsNumberText(settings.left) + crLf +
        QStringLiteral("VelmarisHeight=") + SettingsNumberText(settings.height) + crLf +
        QStringLiteral("VelmarisWidth=") + SettingsNumberText(settings.width) + crLf;
    // A file without timing stays the eight lines it has always been.
    if (settings.showTiming) {
        return (text + QStringLiteral("ShowTiming=-1") + crLf).toLatin1();
    }
    return text.toLatin1();
}

bool WriteWindowSettings(const QString& appFolder, const WindowSettings& settings) {
    return io::WriteFileAtomically(io::DataFilePath(appFolder, kWindowSettingsFileName),
                                   WindowSettingsText(settings))
        .ok;
}

}  // namespace velmaris::domain
