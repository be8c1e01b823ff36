#pragma once

// The pictures' inputs from the program's own results: the wheel from the natal and
// transiting positions of a page, the timeline from the transit windows of a period.

#include "pictures/timeline.h"
#include "pictures/wheel.h"
#include "positions/positions.h"
#include "report/report_writer.h"
#include "transits/transit_search.h"

#include <vector>

namespace velmaris::pictures {

// A Julian date (UT) as a UTC moment, to the millisecond.
[[nodiscard]] QDateTime UtcOfJulianDate(double julianDate);

// The wheel of one page moment.
// Given:   natal      natal longitudes, slots 1..10
//          moment     the page's moment; the transiting bodies are computed for it
//          orbDeg     option value 1
//          legend     lines for the legend (date and time, chart data, orb)
//          positions  the position source the page uses
// Returns: every transiting body 1..9 to every natal point 1..10 within the orb as an aspect
//          line, as FindAspect decides for the page; a body is marked retrograde when its
//          longitude is smaller an hour later than an hour before
// Throws:  EphemerisError when the positions cannot be computed
[[nodiscard]] WheelInput WheelForMoment(const ephem::SkyPositions& natal,
                                        const ephem::ChartMoment& moment, float orbDeg,
                                        const QStringList& legend,
                                        const domain::PositionSource& positions);

// One timeline row per transit (body, aspect, natal point), with its windows and hits.
[[nodiscard]] TimelineInput TimelineFromWindows(const std::vector<transits::TransitWindow>& windows,
                                                double fromJulianDate, double toJulianDate,
                                                double todayJulianDate);

}  // namespace velmaris::pictures
