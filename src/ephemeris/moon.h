#pragma once

#include "ephemeris/centuries.h"

namespace velmaris::ephem {

// Geocentric ecliptic longitude of the Moon, nutation in longitude included (a 1900-epoch lunar
// theory: cubic mean elements, a six-term nutation and 71 periodic terms).
// Given:   t  Julian centuries from JD 2415020.0
// Returns: longitude in degrees, not reduced to one turn.
[[nodiscard]] double MoonLongitude(Centuries1900 t) noexcept;

}  // namespace velmaris::ephem
