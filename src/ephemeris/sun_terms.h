#pragma once

#include <iterator>

namespace velmaris::ephem {

// Planetary perturbations of the Sun's longitude. Each row adds
//   amplitudeArcsec * CosDeg(phaseDeg + planetMultiple * planet + gMultiple * g)
// where planet is the mean anomaly of the row's planet (V, Ma, J or S) and g the Sun's mean
// anomaly, all in degrees. Amplitudes in seconds of arc. Rows are summed in this order.
enum class SunPerturbingPlanet { Venus, Mars, Jupiter, Saturn };

struct SunPlanetaryTerm {
    SunPerturbingPlanet planet;
    double amplitudeArcsec;
    double phaseDeg;
    int planetMultiple;
    int gMultiple;
};

// clang-format off
inline constexpr SunPlanetaryTerm kSunPlanetaryTerms[] = {
//   planet                          amplitude   phase    planet  g
    {SunPerturbingPlanet::Venus,      4.838,    299.102,   1,  -1},  //  1
    {SunPerturbingPlanet::Venus,      0.116,    148.9,     2,  -1},  //  2
    {SunPerturbingPlanet::Venus,      5.526,    148.313,   2,  -2},  //  3
    {SunPerturbingPlanet::Venus,      2.497,    315.943,   2,  -3},  //  4
    {SunPerturbingPlanet::Venus,      0.666,    177.71,    3,  -3},  //  5
    {SunPerturbingPlanet::Venus,      1.559,    345.253,   3,  -4},  //  6
    {SunPerturbingPlanet::Venus,      1.024,    318.15,    3,  -5},  //  7
    {SunPerturbingPlanet::Venus,      0.210,    206.2,     4,  -4},  //  8
    {SunPerturbingPlanet::Venus,      0.144,    195.4,     4,  -5},  //  9
    {SunPerturbingPlanet::Venus,      0.152,    343.8,     4,  -6},  // 10
    {SunPerturbingPlanet::Venus,      0.123,    195.3,     5,  -7},  // 11
    {SunPerturbingPlanet::Venus,      0.154,    359.6,     5,  -8},  // 12
    {SunPerturbingPlanet::Mars,       0.273,    217.7,    -1,   1},  // 13
    {SunPerturbingPlanet::Mars,       2.043,    343.888,  -2,   2},  // 14
    {SunPerturbingPlanet::Mars,       1.770,    200.402,  -2,   1},  // 15
    {SunPerturbingPlanet::Mars,       0.129,    294.2,    -3,   3},  // 16
    {SunPerturbingPlanet::Mars,       0.425,    338.88,   -3,   2},  // 17
    {SunPerturbingPlanet::Mars,       0.500,    105.18,   -4,   3},  // 18
    {SunPerturbingPlanet::Mars,       0.585,    334.06,   -4,   2},  // 19
    {SunPerturbingPlanet::Mars,       0.204,    100.8,    -5,   3},  // 20
    {SunPerturbingPlanet::Mars,       0.154,    227.4,    -6,   4},  // 21
    {SunPerturbingPlanet::Mars,       0.101,     96.3,    -6,   3},  // 22
    {SunPerturbingPlanet::Mars,       0.106,    222.7,    -7,   4},  // 23
    {SunPerturbingPlanet::Jupiter,    0.163,    198.6,    -1,   2},  // 24
    {SunPerturbingPlanet::Jupiter,    7.208,    179.532,  -1,   1},  // 25
    {SunPerturbingPlanet::Jupiter,    2.600,    263.217,  -1,   0},  // 26
    {SunPerturbingPlanet::Jupiter,    2.731,     87.145,  -2,   2},  // 27
    {SunPerturbingPlanet::Jupiter,    1.610,    109.493,  -2,   1},  // 28
    {SunPerturbingPlanet::Jupiter,    0.164,    170.5,    -3,   3},  // 29
    {SunPerturbingPlanet::Jupiter,    0.556,     82.65,   -3,   2},  // 30
    {SunPerturbingPlanet::Jupiter,    0.210,     98.5,    -3,   1},  // 31
    {SunPerturbingPlanet::Saturn,     0.419,    100.58,   -1,   1},  // 32
    {SunPerturbingPlanet::Saturn,     0.320,    269.46,   -1,   0},  // 33
    {SunPerturbingPlanet::Saturn,     0.108,    290.6,    -2,   2},  // 34
    {SunPerturbingPlanet::Saturn,     0.112,    293.6,    -2,   1},  // 35
};
// clang-format on
static_assert(std::size(kSunPlanetaryTerms) == 35);

// Lunar perturbations of the Sun's longitude: amplitudeArcsec * SinDeg(d * D + mm * Mm + g * g),
// D the Moon's mean elongation, Mm its mean anomaly, g the Sun's mean anomaly.
struct SunLunarTerm {
    double amplitudeArcsec;
    int d, mm, g;
};

// clang-format off
inline constexpr SunLunarTerm kSunLunarTerms[] = {
//   amplitude   D  Mm   g
    {  6.454,    1,  0,  0},  // 1
    {  0.177,    1,  1,  0},  // 2
    { -0.424,    1, -1,  0},  // 3
    {  0.172,    1,  0, -1},  // 4
};
// clang-format on
static_assert(std::size(kSunLunarTerms) == 4);

}  // namespace velmaris::ephem
