#include "listing/listing_search.h"

#include "calendar/calendar.h"
#include "listing/listing_formats.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmaris::domain {
namespace {

// Two pieces find a window that reaches over their edge to within the search's precision.
constexpr double kSameMomentDays = 1e-4;

bool SameWindow(const transits::TransitWindow& a, const transits::TransitWindow& b) {
    return a.transit == b.transit && a.natal == b.natal && a.aspectIndex == b.aspectIndex &&
           std::fabs(a.targetDeg - b.targetDeg) < 1e-9 &&
           std::fabs(a.enters - b.enters) < kSameMomentDays;
}

}  // namespace

ListingSearch::ListingSearch(transits::TransitQuery query, transits::LongitudeFunction longitude,
                             double pieceDays)
    : query_(query),
      longitude_(std::move(longitude)),
      pieceDays_(pieceDays),
      searchedTo_(query.fromJulianDate) {}

bool ListingSearch::Step() {
    if (done_) {
        return false;
    }
    // Pieces share their ends: both ends of a search count, so nothing falls between them.
    transits::TransitQuery piece = query_;
    piece.fromJulianDate = searchedTo_;
    piece.toJulianDate = std::min(searchedTo_ + pieceDays_, query_.toJulianDate);
    for (transits::TransitWindow& found : transits::FindTransitWindows(piece, longitude_)) {
        const bool known = std::any_of(windows_.begin(), windows_.end(),
                                       [&](const auto& w) { return SameWindow(w, found); });
        if (!known) {
            windows_.push_back(std::move(found));
        }
    }
    std::sort(windows_.begin(), windows_.end(), transits::ListedBefore);
    searchedTo_ = piece.toJulianDate;
    done_ = searchedTo_ >= query_.toJulianDate;
    return !done_;
}

double ListingSearch::Progress() const {
    const double length = query_.toJulianDate - query_.fromJulianDate;
    if (done_ || !(length > 0)) {
        return done_ ? 1 : 0;
    }
    return std::clamp((searchedTo_ - query_.fromJulianDate) / length, 0.0, 1.0);
}

std::vector<ListingTableRow> ListingTable(const std::vector<transits::TransitWindow>& windows,
                                          double pageJulianDate, DateOrder dateOrder,
                                          float clockZone,
                                          const transits::LongitudeFunction& longitude) {
    std::vector<ListingTableRow> table;
    for (const ListingRow& row : ListingRows(windows)) {
        const transits::TransitWindow& window = windows[row.window];
        const auto moment = [&](double julianDate) {
            return ShownMomentText(julianDate, window.transit, {dateOrder, clockZone});
        };
        ListingTableRow cells;
        cells.window = row.window;
        cells.transit = TransitName(window);
        cells.aspect = AspectNameOf(window);
        cells.natal = NatalName(window);
        cells.enters = moment(window.enters);
        cells.leaves = moment(window.leaves);
        cells.entersJulianDate = window.enters;
        cells.leavesJulianDate = window.leaves;
        if (row.hit < 0) {
            cells.exact = QStringLiteral("not exact");
            cells.exactJulianDate = window.closestJulianDate;
        } else {
            const transits::ExactHit& hit = window.hits[static_cast<std::size_t>(row.hit)];
            cells.exact = moment(hit.julianDate);
            cells.exactJulianDate = hit.julianDate;
            cells.pass = QStringLiteral("%1 of %2").arg(hit.pass).arg(hit.passes);
        }
        cells.now = transits::DeltaAt(window, pageJulianDate, longitude).applying
                        ? QStringLiteral("applying")
                        : QStringLiteral("separating");
        table.push_back(std::move(cells));
    }
    return table;
}

}  // namespace velmaris::domain
