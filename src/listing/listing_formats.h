#pragma once

#include "calendar/calendar.h"
#include "transits/transit_search.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace velmaris::domain {

// One line of a listing: an exact hit, or a window without one.
struct ListingRow {
    std::size_t window = 0;  // index into the windows listed
    int hit = -1;            // index into the window's hits; -1 for a window without a hit
};

// The rows of the windows: one per exact hit, one per window without a hit; sorted by the
// moment the window enters, then by the hit's moment (a window without a hit first).
[[nodiscard]] std::vector<ListingRow> ListingRows(
    const std::vector<transits::TransitWindow>& windows);

// Names as the report page writes them: "SATURN", "Square", "URANUS".
[[nodiscard]] QString TransitName(const transits::TransitWindow& window);
[[nodiscard]] QString AspectNameOf(const transits::TransitWindow& window);
[[nodiscard]] QString NatalName(const transits::TransitWindow& window);
// The report's key line of the window, e.g. "SATURN Square URANUS".
[[nodiscard]] QString KeyLine(const transits::TransitWindow& window);

// A moment as UTC "YYYY-MM-DDTHH:MM:SSZ", rounded to the second.
[[nodiscard]] QString UtcText(double julianDate);

// The CSV listing: the header "transit,aspect,natal,exact,pass,passes,enters,leaves" and one
// line per row, each ending in a line feed; exact, pass and passes are empty for a window
// without a hit.
[[nodiscard]] QByteArray FormatCsv(const std::vector<transits::TransitWindow>& windows);

// The JSON listing: an array of one object per row with the CSV's fields (null where the CSV
// is empty; pass and passes as numbers) and, at the page moment, "delta" (degrees) and
// "applying". atPage holds DeltaAt of each window at that moment.
[[nodiscard]] QByteArray FormatJson(const std::vector<transits::TransitWindow>& windows,
                                    const std::vector<transits::MomentDelta>& atPage);

// Moments as the user reads them: the date in the date order and the clock's time to the
// minute, e.g. "01/14/2027 09:05".
struct ClockSettings {
    DateOrder dateOrder = DateOrder::MonthDayYear;
    float clockZone = 0;  // option value 9: hours added to the clock's time to give UT
};
[[nodiscard]] QString ClockText(double julianDate, const ClockSettings& clock);
// ClockText for a body whose timing is good to the minute, the date alone for any other.
[[nodiscard]] QString ShownMomentText(double julianDate, ephem::Body body,
                                      const ClockSettings& clock);

// The plain-text listing in columns: transit, aspect, natal, enters, exact, pass, leaves; the
// moments as ShownMomentText gives them.
[[nodiscard]] QByteArray FormatText(const std::vector<transits::TransitWindow>& windows,
                                    const ClockSettings& clock);

// The interpretation paragraph of each window's key line, read once per key line from the
// interpretation files of the program folder; empty where the file has none. For FormatIcs.
[[nodiscard]] QHash<QString, QString> KeyLineParagraphs(
    const QString& appFolder, const std::vector<transits::TransitWindow>& windows);

// The iCalendar listing: one event per exact hit at its moment, and for a window without a hit
// one event at its closest approach; the description holds the window's span in UTC and the
// interpretation paragraph of its key line when `paragraphs` has one.
// stampJulianDate is the DTSTAMP of every event (the moment the listing is made).
[[nodiscard]] QByteArray FormatIcs(const std::vector<transits::TransitWindow>& windows,
                                   const QHash<QString, QString>& paragraphs,
                                   double stampJulianDate);

}  // namespace velmaris::domain
