#pragma once

#include "transits/transits_layer.h"

#include "ephemeris/body.h"

#include <array>
#include <cstddef>

namespace velmaris::transits {

// One aspect the search looks for: its field number in the report's aspect name table and its
// exact angle.
struct TransitAspect {
    int aspectIndex;
    double angleDeg;
};

// The nine aspects in the order of the report's aspect name table.
// clang-format off
inline constexpr std::array<TransitAspect, 9> kTransitAspects = {{
//    index  angle
    {  2,      0 },  // Conjunct
    {  3,     60 },  // Sextile
    {  4,     90 },  // Square
    {  5,    120 },  // Trine
    {  6,    180 },  // Opposite
    {  8,     30 },  // S.Sextile
    {  9,     45 },  // S.Square
    { 10,    135 },  // Ses.Square
    { 11,    150 },  // Quincunx
}};
// clang-format on

// Mean periods in days of the transiting bodies, slots 1..9 by Body. Hits of one body over one
// point that come less than half this period apart belong to one series.
// clang-format off
inline constexpr std::array<double, 10> kMeanPeriodDays = {
    0,
    365.25,   // SUN
    365.25,   // MERCURY
    365.25,   // VENUS
    686.98,   // MARS
    4332.6,   // JUPITER
    10759.2,  // SATURN
    30687,    // URANUS
    60190,    // NEPTUNE
    90560,    // PLUTO
};
// clang-format on

[[nodiscard]] constexpr double MeanPeriodDays(ephem::Body body) {
    return kMeanPeriodDays[static_cast<std::size_t>(body)];
}

inline constexpr int kLastTransitingBody = 9;  // PLUTO; the Moon is only a natal point

}  // namespace velmaris::transits
