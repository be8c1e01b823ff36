#pragma once

#include <array>
#include <cstddef>

namespace velmaris::ephem {

// Bodies in report order. Arrays indexed by Body have an unused slot 0.
// Notes:   the planetary theory solves the Earth's orbit in the Sun's place: the element tables'
//          row 1 is the Sun's geocentric orbit, which is the Earth's seen from the other side.
enum class Body : int {
    Sun = 1,
    Mercury = 2,
    Venus = 3,
    Mars = 4,
    Jupiter = 5,
    Saturn = 6,
    Uranus = 7,
    Neptune = 8,
    Pluto = 9,
    Moon = 10,
};

inline constexpr int kFirstBody = 1;
inline constexpr int kLastBody = 10;

// Geocentric ecliptic longitudes in degrees, slots 1..10 by Body; slot 0 is never written.
using SkyPositions = std::array<double, 11>;

[[nodiscard]] constexpr double& At(SkyPositions& positions, Body body) {
    return positions[static_cast<std::size_t>(body)];
}
[[nodiscard]] constexpr double At(const SkyPositions& positions, Body body) {
    return positions[static_cast<std::size_t>(body)];
}

}  // namespace velmaris::ephem
