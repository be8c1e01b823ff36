#pragma once

#include <QString>

#include <optional>

namespace velmaris::domain {

inline const QString kWindowSettingsFileName = QStringLiteral("VELMARIS.INI");

// Text style and place of the main window, kept between runs. Lengths in twips.
struct WindowSettings {
    double fontSize = 9.25;  // points
    double fontBold = 0;     // -1 bold, 0 not
    double fontItalic = 0;   // -1 italic, 0 not
    float top = 0;
    float left = 0;
    float height = 6540;
    float width = 8805;
    bool showTiming = false;  // More > Show Timing; written to the file only when on

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

// Smallest and largest font size taken from the settings file. The Font commands never show
// more than 12 points plus half the largest step (1.5 points); a larger size in the file is
// taken as that, so that no file can make the text unreadably large.
inline constexpr double kSmallestFontSize = 7.75;
inline constexpr double kLargestFontSize = 12.75;

// Reads the settings file of the program folder.
// Returns: the defaults, overridden by every accepted "Key=number" line (keys with the case as
//          written; a later line wins; FontSize only from 7.75 on and at most 12.75, height and
//          width only above 0; numbers that are not finite are refused); the defaults alone when
//          the file is missing, unreadable or larger than kLargestDataFileBytes
[[nodiscard]] WindowSettings ReadWindowSettings(const QString& appFolder);

// The eight lines of the settings file, each ended by CR LF.
[[nodiscard]] QByteArray WindowSettingsText(const WindowSettings& settings);

// Replaces the settings file of the program folder as a whole: on any failure the old file
// stays as it was. Returns false on failure.
[[nodiscard]] bool WriteWindowSettings(const QString& appFolder, const WindowSettings& settings);

// A number as the settings file holds it: a blank before a number that is not negative, a minus
// sign before a negative one, "." as decimal point, the shortest digits that read back the same.
[[nodiscard]] QString SettingsNumberText(double value);
[[nodiscard]] QString SettingsNumberText(float value);

}  // namespace velmaris::domain
