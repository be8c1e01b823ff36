#pragma once

#include "transits/transits_layer.h"

#include "ephemeris/body.h"

#include <functional>

namespace velmaris::transits {

// Geocentric ecliptic longitude of one body at a moment.
// Given:   body         SUN .. PLUTO
//          julianDate   the theory's time argument (Universal Time)
// Returns: degrees in [0, 360]
using LongitudeFunction = std::function<double(ephem::Body, double)>;

// The longitude of one body from the position driver, computing that body alone.
class PositionsAdapter {
  public:
    [[nodiscard]] double operator()(ephem::Body body, double julianDate);
};

// A LongitudeFunction over a PositionsAdapter of its own.
[[nodiscard]] LongitudeFunction PositionsLongitude();

}  // namespace velmaris::transits
