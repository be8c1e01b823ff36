#pragma once

// Fixed inputs for the picture tests, the benchmarks and the sample renderer.

#include "pictures/timeline.h"
#include "pictures/wheel.h"

#include <QStringList>

namespace velmaris::pictures::samples {

inline QDateTime Utc(int y, int m, int d, int h = 0, int min = 0, int s = 0) {
    return {QDate(y, m, d), QTime(h, min, s), Qt::UTC};
}

// A crowded day: Sun, Mercury and Venus within a few degrees of each other, Venus
// retrograde, Jupiter and Saturn close, natal planets bunched across 0 Aries.
inline WheelInput CrowdedWheel() {
    WheelInput in;
    in.natalDeg = {0, 355.5, 357.25, 2.1, 118.4, 201.75, 66.3, 249.9, 281.05, 217.6, 358.9};
    in.transitDeg = {0, 14.2517, 16.0333, 17.9, 302.5, 44.125, 47.75, 52.3, 327.4, 273.95, 0};
    in.retrograde = {false, false, false, true, false, false, false, true, false, true, false};
    in.aspects = {
        {1, 2, 3, 0.15},   // SUN Conjunct VENUS
        {4, 4, 1, 0.6},    // MARS Square SUN
        {5, 5, 4, 0.9},    // JUPITER Trine MARS
        {9, 4, 10, 0.05},  // PLUTO Square MOON
        {8, 3, 6, 0.4},    // NEPTUNE Sextile SATURN
        {7, 11, 9, 0.7},   // URANUS Quincunx PLUTO
    };
    in.orbLimitDeg = 1.0;
    in.legend = {QStringLiteral("12 Mar 2025  12:00 UT"), QStringLiteral("Natal: sample chart"),
                 QStringLiteral("Orb 1.0\u00B0")};
    return in;
}

// A year with `rowsPerBody` rows for each of the ten bodies, windows spaced through it.
inline TimelineInput YearTimeline(int rowsPerBody = 3, int windowsPerRow = 4) {
    const QStringList bodies =
        QStringLiteral("SUN MERCURY VENUS MARS JUPITER SATURN URANUS NEPTUNE PLUTO MOON")
            .split(' ');
    const QStringList aspects = QStringLiteral("Conjunct Square Trine Sextile Opposite").split(' ');
    const QStringList natal = QStringLiteral("SUN MOON VENUS MARS SATURN").split(' ');
    TimelineInput in{{}, Utc(2025, 1, 1), Utc(2026, 1, 1), Utc(2025, 5, 17, 12)};
    constexpr qint64 kDay = 86400;  // seconds
    int seed = 7;
    for (int b = 0; b < 10; ++b) {
        for (int r = 0; r < rowsPerBody; ++r) {
            TimelineRow row{bodies[b], aspects[(b + r) % 5], natal[(2 * b + r) % 5], {}};
            for (int w = 0; w < windowsPerRow; ++w) {
                seed = (seed * 1103 + 12345) % 32749;
                const qint64 start = (w * (365 / windowsPerRow) + seed % 40 - 10) * kDay + seed;
                const qint64 days = b == 9 ? 0 : b >= 5 ? 280 / windowsPerRow : 6;
                const qint64 length = days * kDay + 30000 + seed * 2;
                TimelineWindow win{in.from.addSecs(start), in.from.addSecs(start + length), {}};
                const int passes = b >= 5 && b < 9 ? 3 : 1;
                for (int k = 1; k <= passes; ++k) {
                    win.hits.push_back({win.enters.addSecs(length * k / (passes + 1)), k, passes});
                }
                row.windows.push_back(win);
            }
            in.rows.push_back(row);
        }
    }
    return in;
}

}  // namespace velmaris::pictures::samples
