#pragma once

#ifdef __FAST_MATH__
#error "The ephemeris must not be built with -ffast-math: it changes the last digits."
#endif

namespace velmaris::ephem {

// The value of pi used in every conversion between degrees and radians. Ten decimals, not the
// full double: the positions this program prints have always been computed with it.
inline constexpr double PiValue = 3.1415926535;

// Kilometres per astronomical unit, for semi-major axes and radius vectors.
inline constexpr double KmPerAU = 149597870.0;

// A direction on the sphere, both angles in degrees.
struct SphericalDirection {
    double longitudeDeg = 0.0;  // [0, 360)
    double latitudeDeg = 0.0;   // [-90, +90]
};

// Sine of an angle in degrees, converted as x * PiValue / 180 (multiplication first).
[[nodiscard]] double SinDeg(double xDeg) noexcept;

// Cosine of an angle in degrees, converted as x * PiValue / 180 (multiplication first).
[[nodiscard]] double CosDeg(double xDeg) noexcept;

// Radians to degrees, as x * 180 / PiValue (multiplication first).
[[nodiscard]] double RadToDeg(double xRad) noexcept;

// Reduces an angle of any sign and size to one turn.
// Returns: [0, 360), except that a negative input of tiny magnitude gives exactly 360.0.
// Notes:   the negative branch evaluates 360 + (x - (floor(x / 360) + 1) * 360) in that order;
//          that is what yields 360.0 at the edge, and it is kept on purpose.
[[nodiscard]] double NormalizeDegrees(double xDeg) noexcept;

// Longitude and latitude of a rectangular vector (any consistent unit).
// Returns: longitude in [0, 360), latitude in [-90, +90]; the zero vector gives (0, 0), and a
//          vector along the z axis gives longitude 0 and latitude +-90.
// Notes:   the half-angle form 2 * atan(y / (|x| + rho)) avoids dividing by x.
[[nodiscard]] SphericalDirection RectToSpherical(double x, double y, double z) noexcept;

}  // namespace velmaris::ephem
