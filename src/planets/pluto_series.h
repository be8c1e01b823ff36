#pragma once

#include "planets/planets_layer.h"

#include "ephemeris/centuries.h"

namespace velmaris::planets {

// Pluto's heliocentric ecliptic position.
struct PlutoHelio {
    double longitudeDeg = 0.0;  // not reduced to one turn
    double latitudeDeg = 0.0;
    double radiusAu = 0.0;
};

// Heliocentric ecliptic position of Pluto from its trigonometric series.
// Given:   t  Julian centuries of 36525 days from JD 2415020.0
// Returns: longitude (degrees, not reduced to one turn), latitude (degrees), radius (AU)
// Notes:   the longitude stays unreduced on purpose: the geocentric reduction takes its sine
//          and cosine as it stands.
[[nodiscard]] PlutoHelio PlutoSeries(ephem::Centuries1900 t) noexcept;

}  // namespace velmaris::planets
