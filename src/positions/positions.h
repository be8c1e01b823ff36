#pragma once

#include "positions/positions_layer.h"

#include "ephemeris/body.h"
#include "ephemeris/chart_moment.h"
#include "ephemeris/ephemeris_error.h"

namespace velmaris::ephem {

// Longitudes of the Sun, Mercury to Pluto and the Moon for one chart moment.
// Given:   moment, see ChartMoment
// Returns: slots 1..10 in [0, 360]; 360.0 itself arises only from normalising a negative value
//          of tiny magnitude, and is kept. Slot 0 holds 0.
// Throws:  EphemerisError when any longitude would not be finite, or an orbit's eccentricity
//          leaves [0, 1), or Kepler's equation does not converge.
[[nodiscard]] SkyPositions ComputePositions(const ChartMoment& moment);

// The longitude of one body, the very value ComputePositions gives it, without computing the
// others: what a search along one body's track needs.
// Throws:  as ComputePositions, for this body's computation.
[[nodiscard]] double ComputeLongitude(const ChartMoment& moment, Body body);

}  // namespace velmaris::ephem
