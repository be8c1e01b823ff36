#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#ifdef __FAST_MATH__
#error "The ephemeris must not be built with -ffast-math: it changes the last digits."
#endif

namespace velmaris::ephem {

// The value of pi used in every conversion between degrees and radians. Ten decimals, not the
// full double: the positions this program prints have always been computed with it.
inline constexpr double PiValue = 3.1415926535;

// Kilometres per astronomical unit, for semi-major axes and radius vectors.
inline constexpr double KmPerAU = 149597870.0;
// Seconds of arc in one degree, for the series whose coefficients are given in arcseconds.
inline constexpr double kArcsecPerDegree = 3600;

// A direction on the sphere, both angles in degrees.
struct SphericalDirection {
    double longitudeDeg = 0.0;  // [0, 360)
    double latitudeDeg = 0.0;   // [-90, +90]
};

// Sine of an angle in degrees, converted as x * PiValue / 180 (multiplication first).
[[nodiscard]] inline double SinDeg(double xDeg) noexcept {
    return std::sin(xDeg * PiValue / 180);
}

// Cosine of an angle in degrees, converted as x * PiValue / 180 (multiplication first).
[[nodiscard]] inline double CosDeg(double xDeg) noexcept {
    return std::cos(xDeg * PiValue / 180);
}

// Sine and cosine of one angle.
struct SinCos {
    double sin = 0.0;
    double cos = 1.0;
};

// Sine and cosine of an angle in degrees, converted as SinDeg and CosDeg convert it and computed
// together: the same two values as SinDeg(x) and CosDeg(x), for the price of one call.
[[nodiscard]] inline SinCos SinCosDeg(double xDeg) noexcept {
    const double x = xDeg * PiValue / 180;
    return {std::sin(x), std::cos(x)};
}

// SinCosDeg for an angle known when compiling, such as a table's phase: the angle is reduced to
// [-pi, pi] and both series summed until their terms vanish. Agrees with SinCosDeg to a few
// units in the last place.
[[nodiscard]] constexpr SinCos SinCosDegConstant(double xDeg) noexcept {
    constexpr double kPi = std::numbers::pi;
    double x = xDeg * PiValue / 180;
    while (x > kPi) {
        x -= 2 * kPi;
    }
    while (x < -kPi) {
        x += 2 * kPi;
    }
    SinCos sum{0.0, 0.0};
    double power = 1.0;  // x^n / n!
    for (int n = 0; n < 40; ++n) {
        switch (n % 4) {
            case 0:
                sum.cos += power;
                break;
            case 1:
                sum.sin += power;
                break;
            case 2:
                sum.cos -= power;
                break;
            default:
                sum.sin -= power;
                break;
        }
        power *= x / (n + 1);
    }
    return sum;
}

// Sine and cosine of a + b from those of a and b.
[[nodiscard]] constexpr SinCos AngleSum(SinCos a, SinCos b) noexcept {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// Sines and cosines of -N, ..., N times one angle, built from a single SinCosDeg by the
// recurrence (k + 1) x = k x + x. A series over many multiples of a few arguments then costs a
// few libm calls instead of one per term; the recurrence loses about one unit in the last place
// per step, far below anything the positions show.
template <int N>
class MultipleAngles {
  public:
    static_assert(N >= 1);

    explicit MultipleAngles(double xDeg) noexcept {
        const SinCos once = SinCosDeg(xDeg);
        SinCos times{};
        multiples_[N] = times;
        for (std::size_t k = 1; k <= N; ++k) {
            times = AngleSum(times, once);
            multiples_[N + k] = times;
            multiples_[N - k] = SinCos{-times.sin, times.cos};
        }
    }

    // k times the angle, for k in [-N, N].
    [[nodiscard]] SinCos operator()(int k) const noexcept {
        const int index = k + N;
        return multiples_[static_cast<std::size_t>(index)];
    }

  private:
    std::array<SinCos, 2 * N + 1> multiples_{};
};

// Radians to degrees, as x * 180 / PiValue (multiplication first).
[[nodiscard]] inline double RadToDeg(double xRad) noexcept {
    return xRad * 180 / PiValue;
}

// Reduces an angle of any sign and size to one turn.
// Returns: [0, 360), except that a negative input of tiny magnitude gives exactly 360.0.
// Notes:   the negative branch evaluates 360 + (x - (floor(x / 360) + 1) * 360) in that order;
//          that is what yields 360.0 at the edge, and it is kept on purpose.
[[nodiscard]] inline double NormalizeDegrees(double xDeg) noexcept {
    if (xDeg >= 0) {
        return xDeg - std::floor(xDeg / 360) * 360;
    }
    return 360 + (xDeg - (std::floor(xDeg / 360) + 1) * 360);
}

// Longitude and latitude of a rectangular vector (any consistent unit).
// Returns: longitude in [0, 360), latitude in [-90, +90]; the zero vector gives (0, 0), and a
//          vector along the z axis gives longitude 0 and latitude +-90.
// Notes:   the half-angle form 2 * atan(y / (|x| + rho)) avoids dividing by x.
[[nodiscard]] SphericalDirection RectToSpherical(double x, double y, double z) noexcept;

// The longitude RectToSpherical gives, without the latitude.
[[nodiscard]] double RectToLongitude(double x, double y) noexcept;

}  // namespace velmaris::ephem
