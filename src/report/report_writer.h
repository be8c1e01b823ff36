#pragma once

#include "buffer/data_buffer.h"
#include "positions/positions.h"
#include "report/page_timing.h"

#include <QLocale>
#include <QString>
#include <QTime>

#include <functional>

namespace velmaris::domain {

// Computes the sky for a chart moment; ComputePositions in the program, fixed positions in tests.
using PositionSource = std::function<ephem::SkyPositions(const ephem::ChartMoment&)>;

inline const QString kReportHeading =
    QStringLiteral("                    TRANSITING PLANET ASPECTS TO NATAL PLANETS");
inline const QString kNoAspectsLine = QStringLiteral("     No aspects today.");
inline const QString kNoPositionsLine =
    QStringLiteral("     The positions of the planets cannot be computed for this date.");
inline const QString kNoNatalChartLine = QStringLiteral(
    "     The natal chart could not be computed from the birth date in OPTIONS.OPT.");

// Position within its sign as "DD SSS MM", e.g. 65.7 gives "05 GEM 42".
// Given:   longitudeDeg  normally in [0, 360); 360 and other values outside are reduced to one
//                        turn first, so 360.0 gives "00 ARI 00"
// Notes:   minutes are rounded but never carried into the degree: 29.995 gives "29 ARI 59".
[[nodiscard]] QString FormatLongitude(double longitudeDeg);

// Weekday, day, month name and year of a day number in the locale's language, as the date
// line shows it; `dateText` (the day in the regional order) where the locale cannot name it.
[[nodiscard]] QString LongDateText(double dayNumber, const QString& dateText,
                                   const QLocale& locale);

// What WriteReport reads and leaves for the next call.
struct ReportState {
    double nextReportDay = 0;  // day number of the next page; one more after each page
    double dayFraction = 0;    // the start-up day fraction, used for every reported day
    ephem::SkyPositions natalPositions{};
    ephem::SkyPositions skyPositions{};  // positions of the day last reported
    QString dateText;                    // date of the day last reported, in the date order
    bool natalComputed = true;           // false: the birth date is one the ephemeris cannot serve
};

// Settings WriteReport reads but never changes.
struct ReportSettings {
    QString appFolder;                              // holds the interpretation files
    float orbDeg = 0;                               // option value 1
    DateOrder dateOrder = DateOrder::MonthDayYear;  // order of the parts of dateText
    QLocale locale;                                 // weekday and month names of the date line
    QTime presentClock;            // the start-up clock time, printed on every date line
    PageTiming* timing = nullptr;  // when set, a timing line follows each aspect line
};

// Writes the page of the day state.nextReportDay into the buffer and advances that day by one.
// The page: a blank line, the heading, a blank line, the date line, a blank line, then for
// every transiting body 1..9 and natal body 1..10 whose aspect within the orb has a key line in
// the transiting body's interpretation file, the aspect line, the paragraph and a blank line;
// "     No aspects today." when there was none; a blank line.
// When the positions cannot be computed for the day, the page says so instead of listing
// aspects, skyPositions keep their values, and the day still
// advances so that Forward and Backward keep their meaning (NoPositionsForDay is told).
// An interpretation file larger than kLargestDataFileBytes is not read: its aspects are left
// out and one InterpretationTooLarge per page names it. When the buffer refuses a paragraph line
// (it is full), the rest of that paragraph is left out; every other line of the page is still
// offered to the buffer, which tells BufferFull for each refused one.
void WriteReport(ReportState& state, const ReportSettings& settings, DataBuffer& buffer,
                 const NoticeSink& notices, const PositionSource& positions);

}  // namespace velmaris::domain
