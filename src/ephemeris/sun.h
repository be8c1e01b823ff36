#pragma once

#include "ephemeris/centuries.h"

namespace velmaris::ephem {

// Apparent geocentric ecliptic longitude of the Sun (an abridged solar theory: mean elements,
// long-period terms, equation of the centre, planetary and lunar perturbations, aberration and
// nutation).
// Given:   t  Julian centuries from JD 2415020.0
// Returns: longitude in degrees, not reduced to one turn (it may lie just outside [0, 360)).
[[nodiscard]] double SunLongitude(Centuries1900 t) noexcept;

}  // namespace velmaris::ephem
