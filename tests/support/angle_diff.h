#pragma once

#include <cmath>

namespace velmaris::testing {

// Signed difference of two angles in degrees, wrapped to (-180, 180].
inline double AngleDiff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) {
        d -= 360;
    }
    if (d <= -180) {
        d += 360;
    }
    return d;
}

}  // namespace velmaris::testing
