#pragma once

#include "calendar/calendar.h"
#include "transits/transit_search.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace velmaris::domain {

// The search of a long period in pieces, so that a window can show its progress between them
// and stop when asked. Each piece gives its windows whole; a window that reaches over the edge
// between two pieces is found by both and kept once. The result is that of one search of the
// whole period.
class ListingSearch {
  public:
    // pieceDays: the length of one piece; a year by default.
    ListingSearch(transits::TransitQuery query, transits::LongitudeFunction longitude,
                  double pieceDays = 366);

    // Searches the next piece; true while pieces remain.
    bool Step();
    // The share of the period searched, 0 to 1.
    [[nodiscard]] double Progress() const;
    // The windows found so far, sorted as FindTransitWindows sorts them.
    [[nodiscard]] const std::vector<transits::TransitWindow>& Windows() const { return windows_; }

  private:
    transits::TransitQuery query_;
    transits::LongitudeFunction longitude_;
    double pieceDays_;
    double searchedTo_;  // Julian date up to which the period has been searched
    bool done_ = false;
    std::vector<transits::TransitWindow> windows_;
};

// One row of the Transit Listing table: the texts of its cells and what they sort by.
struct ListingTableRow {
    std::size_t window = 0;  // index into the windows listed
    QString transit, aspect, natal;
    QString enters, exact, pass, leaves;  // moments on the clock, in the date order
    QString now;                          // "applying" or "separating" at the page's moment
    double entersJulianDate = 0, exactJulianDate = 0, leavesJulianDate = 0;
};

// The rows of a listing as the window shows them: one per exact hit, one per window without a
// hit ("not exact" in the exact column, its closest approach as the moment), in the order of
// ListingRows. Moments are the date in the date order, with the clock's time to the minute
// only for a body whose timing is good to the minute.
[[nodiscard]] std::vector<ListingTableRow> ListingTable(
    const std::vector<transits::TransitWindow>& windows, double pageJulianDate, DateOrder dateOrder,
    float clockZone, const transits::LongitudeFunction& longitude);

}  // namespace velmaris::domain
