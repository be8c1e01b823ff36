#pragma once

#include "planets/planets_layer.h"

#include "ephemeris/body.h"
#include "ephemeris/centuries.h"
#include "ephemeris/orbit.h"

namespace velmaris::planets {

using ephem::Body;
using ephem::Centuries1900;
using ephem::Centuries2000;
using ephem::OrbitElements;

// The orbit solved in the Sun's place: row 1 of both element tables, the Earth's orbit.
inline constexpr Body kEarthOrbit = Body::Sun;

// Element set of the Earth or an inner planet for an instant, from the J2000 table.
// Given:   body  kEarthOrbit, Mercury, Venus or Mars; t  Julian centuries from JD 2451545.0
// Returns: semi-major axis in km; the mean anomaly is left unreduced (it may run to tens of
//          thousands of degrees, or be negative before the epoch).
[[nodiscard]] OrbitElements EvaluateInnerElements(Body body, Centuries2000 t) noexcept;

// Element set of the Earth or an outer planet, from the 1900 table, with the body's
// perturbations applied.
struct OuterElements {
    OrbitElements elements;
    double longitudeCorrectionDeg = 0.0;  // Uranus and Neptune only; 0 for the others
};

// Given:   body  kEarthOrbit, Jupiter, Saturn, Uranus or Neptune; t  Julian centuries from JD
// 2415020.0 Returns: the corrected elements and, for Uranus and Neptune, the correction to add to
// the
//          geocentric longitude.
// Notes:   the Earth's mean anomaly gets 180 added after reduction (the table's L is the Sun's
//          geocentric mean longitude), so it lies in [180, 540) and is not reduced again.
[[nodiscard]] OuterElements EvaluateOuterElements(Body body, Centuries1900 t) noexcept;

}  // namespace velmaris::planets
