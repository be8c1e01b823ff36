#pragma once

#include "transits/transits_layer.h"

#include "ephemeris/body.h"
#include "transits/positions_adapter.h"

#include <vector>

namespace velmaris::transits {

// Moments are Julian dates of the theory's time argument (Universal Time).

// One exact hit and where it stands in its series: pass `pass` of `passes`, counted over the
// whole series, also where it reaches outside the period searched.
struct ExactHit {
    double julianDate = 0;
    int pass = 0;
    int passes = 0;
};

// A maximal span in which a transiting body stays within the orb of one target point.
struct TransitWindow {
    ephem::Body transit = ephem::Body::Sun;
    ephem::Body natal = ephem::Body::Sun;
    int aspectIndex = 0;         // field of the report's aspect name table, 2 .. 11
    double aspectDeg = 0;        // exact angle of the aspect
    double targetDeg = 0;        // natal longitude plus or minus the angle, in [0, 360)
    double enters = 0;           // |delta| reaches the orb on the way in
    double leaves = 0;           // |delta| reaches the orb on the way out
    std::vector<ExactHit> hits;  // in time order; empty for a station that does not perfect
    // Moment and delta of the smallest |delta| in a window without a hit (a station).
    double closestJulianDate = 0;
    double closestDeltaDeg = 0;
};

struct TransitQuery {
    ephem::SkyPositions natal{};  // natal longitudes, slots 1..10 by Body
    double orbDeg = 0;            // largest |delta| that counts as in orb, 0 < orb < 90
    double fromJulianDate = 0;    // the period searched, both ends included
    double toJulianDate = 0;
    std::vector<ephem::Body> bodies;  // the transiting bodies searched; all nine when empty
};

// Every window of SUN .. PLUTO (or of the query's bodies) to every natal point at every aspect
// that overlaps the period.
// Given:   query      natal longitudes, orb and period
//          longitude  the transiting bodies' longitudes; asked for moments inside and outside
//                     the period, as far as windows and series reach; no body may move faster
//                     than the speeds the search assumes (half as much again as the theory's
//                     largest in the years 1 to 9999), which let it leap over decades far
//                     from a point
// Returns: each window whole, with all its hits, sorted by enters, then by transiting body,
//          aspect and natal point; nothing when the orb is not positive
// Notes:   each body's track is sampled at a step fine enough to see each of its stations,
//          so that between two stations the longitude is monotonic and holds at most one
//          crossing of each level; roots are bracketed there and refined to about 1e-8 day.
//          A station whose extreme |delta| lies within kEdgeToleranceDeg of the orb is taken
//          to touch it.
[[nodiscard]] std::vector<TransitWindow> FindTransitWindows(const TransitQuery& query,
                                                            const LongitudeFunction& longitude);

// The order of the windows found: by the moment they enter, then by transiting body, aspect
// and natal point.
[[nodiscard]] bool ListedBefore(const TransitWindow& a, const TransitWindow& b);

// How far from exact a window's body is at one moment.
struct MomentDelta {
    double deltaDeg = 0;    // longitude minus the window's target point, in (-180, 180]
    bool applying = false;  // |delta| is decreasing
};

// Delta and applying or separating of a window's body at a moment.
[[nodiscard]] MomentDelta DeltaAt(const TransitWindow& window, double julianDate,
                                  const LongitudeFunction& longitude);

// Difference of two longitudes, wrapped into (-180, 180].
[[nodiscard]] double WrapDelta(double deg);

inline constexpr double kEdgeToleranceDeg = 1e-9;

}  // namespace velmaris::transits
