#include "ephemeris/angles.h"

#include <cmath>

namespace velmaris::ephem {

double SinDeg(double xDeg) noexcept {
    return std::sin(xDeg * PiValue / 180);
}

double CosDeg(double xDeg) noexcept {
    return std::cos(xDeg * PiValue / 180);
}

double RadToDeg(double xRad) noexcept {
    return xRad * 180 / PiValue;
}

double NormalizeDegrees(double xDeg) noexcept {
    if (xDeg >= 0) {
        return xDeg - std::floor(xDeg / 360) * 360;
    }
    return 360 + (xDeg - (std::floor(xDeg / 360) + 1) * 360);
}

SphericalDirection RectToSpherical(double x, double y, double z) noexcept {
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0) {
        const double latitude = z > 0 ? 90.0 : (z < 0 ? -90.0 : 0.0);
        return {0.0, latitude};
    }
    const double h = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
    double longitude = 0.0;
    if (x >= 0 && y >= 0) {
        longitude = h;
    } else if (x >= 0 && y < 0) {
        longitude = h + 360;
    } else {
        longitude = 180 - h;
    }
    return {longitude, RadToDeg(std::atan(z / rho))};
}

}  // namespace velmaris::ephem
