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

// One key of the settings file: how an accepted number is taken in, and the text of its value
// when written (an empty text leaves the line out).
struct SettingsKey {
    const char* key;
    void (*read)(WindowSettings& settings, double number);
    QString (*write)(const WindowSettings& settings);
};

// The keys in the order they are written. No key is the start of another, so a line belongs
// to one key at most.
// clang-format off
constexpr SettingsKey kSettingsKeys[] = {
    {"FontSize",
     [](WindowSettings& s, double n) { if (n >= kSmallestFontSize) s.fontSize = std::min(n, kLargestFontSize); },
     [](const WindowSettings& s) { return SettingsNumberText(s.fontSize); }},
    {"FontBold",
     [](WindowSettings& s, double n) { s.fontBold = n; },
     [](const WindowSettings& s) { return SettingsNumberText(s.fontBold); }},
    {"FontItalic",
     [](WindowSettings& s, double n) { s.fontItalic = n; },
     [](const WindowSettings& s) { return SettingsNumberText(s.fontItalic); }},
    {"VelmarisTop",
     [](WindowSettings& s, double n) { if (FitsFloat(n)) s.top = static_cast<float>(n); },
     [](const WindowSettings& s) { return SettingsNumberText(s.top); }},
    {"VelmarisLeft",
     [](WindowSettings& s, double n) { if (FitsFloat(n)) s.left = static_cast<float>(n); },
     [](const WindowSettings& s) { return SettingsNumberText(s.left); }},
    {"VelmarisHeight",
     [](WindowSettings& s, double n) { if (FitsFloat(n) && n > 0) s.height = static_cast<float>(n); },
     [](const WindowSettings& s) { return SettingsNumberText(s.height); }},
    {"VelmarisWidth",
     [](WindowSettings& s, double n) { if (FitsFloat(n) && n > 0) s.width = static_cast<float>(n); },
     [](const WindowSettings& s) { return SettingsNumberText(s.width); }},
    // A file without timing stays the eight lines it has always been.
    {"ShowTiming",
     [](WindowSettings& s, double n) { s.showTiming = n != 0; },
     [](const WindowSettings& s) { return s.showTiming ? QStringLiteral("-1") : QString(); }},
};
// clang-format on

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
        const auto owner = std::find_if(
            std::begin(kSettingsKeys), std::end(kSettingsKeys), [&line](const SettingsKey& key) {
                return line.startsWith(QLatin1String(key.key), Qt::CaseSensitive);
            });
        if (owner != std::end(kSettingsKeys)) {
            owner->read(settings, number);
        }
    }
    return settings;
}

QByteArray WindowSettingsText(const WindowSettings& settings) {
    const QString crLf = QStringLiteral("\r\n");
    QString text =
        QStringLiteral("[Velmaris] - Do NOT change the order of these variables.") + crLf;
    for (const SettingsKey& key : kSettingsKeys) {
        const QString value = key.write(settings);
        if (!value.isEmpty()) {
            text += QLatin1String(key.key) + QLatin1Char('=') + value + crLf;
        }
    }
    return text.toLatin1();
}

bool WriteWindowSettings(const QString& appFolder, const WindowSettings& settings) {
    return io::WriteFileAtomically(io::DataFilePath(appFolder, kWindowSettingsFileName),
                                   WindowSettingsText(settings))
        .ok;
}

}  // namespace velmaris::domain
