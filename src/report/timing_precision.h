#pragma once

#include "ephemeris/body.h"

#include <array>

namespace velmaris::domain {

// How exact the ephemeris is, body by body, as `velmaris-accuracy` (tools/) measured it against
// a modern reference over 1800-2200: the largest longitude error, the mean daily motion, and
// the timing uncertainty they give (error / motion) in minutes.
struct BodyPrecision {
    ephem::Body body;
    double largestErrorDeg;
    double dailyMotionDeg;
    double uncertaintyMinutes;
};

// clang-format off
inline constexpr std::array<BodyPrecision, 10> kBodyPrecision{{
    //  body                   error (deg)  motion (deg/day)  minutes
    {ephem::Body::Sun,         0.00129,      0.98565,           2},
    {ephem::Body::Mercury,     0.02686,      1.21716,          32},
    {ephem::Body::Venus,       0.02968,      1.04063,          41},
    {ephem::Body::Mars,        0.06578,      0.56634,         167},
    {ephem::Body::Jupiter,     0.02157,      0.13289,         234},
    {ephem::Body::Saturn,      0.05121,      0.06930,        1064},
    {ephem::Body::Uranus,      0.02009,      0.03346,         864},
    {ephem::Body::Neptune,     0.02198,      0.02118,        1494},
    {ephem::Body::Pluto,       0.85144,      0.01568,       78202},
    {ephem::Body::Moon,        0.01048,     13.17638,           1},
}};
// clang-format on

// A moment is shown to the minute only for bodies whose timing is this good; otherwise the
// date alone.
inline constexpr double kLargestUncertaintyForTimeMinutes = 30;

[[nodiscard]] constexpr const BodyPrecision& PrecisionOf(ephem::Body body) {
    for (const BodyPrecision& precision : kBodyPrecision) {
        if (precision.body == body) {
            return precision;
        }
    }
    return kBodyPrecision.back();
}

}  // namespace velmaris::domain
