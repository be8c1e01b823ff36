#include "ephemeris/angles.h"

#include <cmath>

namespace velmaris::ephem {

double RectToLongitude(double x, double y) noexcept {
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0) {
        return 0.0;
    }
    const double h = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
    if (x >= 0 && y >= 0) {
        return h;
    }
    if (x >= 0 && y < 0) {
        return h + 360;
    }
    return 180 - h;
}

SphericalDirection RectToSpherical(double x, double y, double z) noexcept {
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0) {
        const double latitude = z > 0 ? 90.0 : (z < 0 ? -90.0 : 0.0);
        return {0.0, latitude};
    }
    return {RectToLongitude(x, y), RadToDeg(std::atan(z / rho))};
}

}  // namespace velmaris::ephem
