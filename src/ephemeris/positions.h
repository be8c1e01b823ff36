#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace velmaris::ephem {

// Bodies in report order. Arrays indexed by Body have an unused slot 0.
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

// The instant a chart is computed for.
// dayNumber:       whole Julian day number of the civil date (noon-based)
// dayFraction:     clock time as a fraction of a day, already shifted by the time zone;
//                  it may be negative or 1 and more and is used unreduced
// julianCenturies: T1900 = (dayNumber - 2415020 + dayFraction - 0.5) / 36525, formed by the
//                  caller; the Sun and the Moon are computed from it as it stands
struct ChartMoment {
    double dayNumber = 0.0;
    double dayFraction = 0.0;
    double julianCenturies = 0.0;
};

// Forms the chart moment for a day number and day fraction the way every caller does.
[[nodiscard]] constexpr ChartMoment MakeChartMoment(double dayNumber, double dayFraction) {
    return ChartMoment{dayNumber, dayFraction, (dayNumber - 2415020 + dayFraction - 0.5) / 36525};
}

// Raised when a date lies so far outside the theory's range that a position is not a finite
// number, or an orbit stops being an ellipse.
class EphemerisError : public std::runtime_error {
  public:
    explicit EphemerisError(const std::string& what) : std::runtime_error(what) {}
};

// Longitudes of the Sun, Mercury to Pluto and the Moon for one chart moment.
// Given:   moment, see ChartMoment
// Returns: slots 1..10 in [0, 360]; 360.0 itself arises only from normalising a negative value
//          of tiny magnitude, and is kept. Slot 0 holds 0.
// Throws:  EphemerisError when any longitude would not be finite, or an orbit's eccentricity
//          leaves [0, 1), or Kepler's equation does not converge.
[[nodiscard]] SkyPositions ComputePositions(const ChartMoment& moment);

}  // namespace velmaris::ephem
