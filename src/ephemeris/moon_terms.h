#pragma once

#include <iterator>

namespace velmaris::ephem {

// Periodic terms of the Moon's longitude. Amplitudes in seconds of arc; a row adds
//   amplitudeArcsec * SinDeg(d * D + m * M + mm * Mm + f * F)
// with D the mean elongation, M the Sun's mean anomaly, Mm the Moon's mean anomaly and F the
// argument of latitude, all in degrees. Rows are summed in this order. Rows 17, 47 and 64 share
// the argument Mm - 4D and are kept as three separate terms.
struct MoonLongitudeTerm {
    double amplitudeArcsec;
    int d, m, mm, f;
};

// clang-format off
inline constexpr MoonLongitudeTerm kMoonLongitudeTerms[] = {
//   amplitude     D    M   Mm    F
    {  22639.55,   0,   0,   1,   0 },  //  1
    {    769.02,   0,   0,   2,   0 },  //  2
    {   -125.15,   1,   0,   0,   0 },  //  3
    {  2369.912,   2,   0,   0,   0 },  //  4
    {   -668.15,   0,   1,   0,   0 },  //  5
    {   -411.61,   0,   0,   0,   2 },  //  6
    {    211.66,   2,   0,  -2,   0 },  //  7
    {   4586.47,   2,   0,  -1,   0 },  //  8
    {    191.95,   2,   0,   1,   0 },  //  9
    {    165.15,   2,  -1,   0,   0 },  // 10
    {    205.96,   2,  -1,  -1,   0 },  // 11
    {   -109.67,   0,   1,   1,   0 },  // 12
    {    147.69,   0,  -1,   1,   0 },  // 13
    {    -55.17,  -2,   0,   0,   2 },  // 14
    {   -45.099,   0,   0,   1,   2 },  // 15
    {     39.53,   0,   0,   1,  -2 },  // 16
    {    -38.43,  -4,   0,   1,   0 },  // 17
    {     36.12,   0,   0,   3,   0 },  // 18
    {    -30.77,  -4,   0,   2,   0 },  // 19
    {     28.48,  -2,  -1,   1,   0 },  // 20
    {    -24.42,   2,   1,   0,   0 },  // 21
    {     18.61,  -1,   0,   1,   0 },  // 22
    {     18.02,   1,   1,   0,   0 },  // 23
    {     14.58,   2,  -1,   1,   0 },  // 24
    {     14.39,   2,   0,   2,   0 },  // 25
    {      13.9,   4,   0,   0,   0 },  // 26
    {    -13.19,  -2,   0,   3,   0 },  // 27
    {       9.7,   0,  -1,   2,   0 },  // 28
    {      9.37,  -2,   0,   1,  -2 },  // 29
    {     -8.63,  -2,   1,   2,   0 },  // 30
    {     -8.47,   1,   0,   1,   0 },  // 31
    {    -8.096,  -2,   2,   0,   0 },  // 32
    {     -7.65,   0,   1,   2,   0 },  // 33
    {     -7.49,   0,   2,   0,   0 },  // 34
    {     -7.41,  -2,   2,   1,   0 },  // 35
    {     -6.38,   2,   0,   1,  -2 },  // 36
    {     -5.74,   2,   0,   0,   2 },  // 37
    {     -4.39,  -4,   1,   1,   0 },  // 38
    {     -3.99,   0,   0,   2,   2 },  // 39
    {      3.22,  -3,   0,   1,   0 },  // 40
    {     -2.92,   2,   1,   1,   0 },  // 41
    {     -2.74,  -4,   1,   2,   0 },  // 42
    {     -2.49,  -2,  -1,   2,   0 },  // 43
    {      2.58,   0,  -2,   1,   0 },  // 44
    {      2.53,  -2,  -2,   1,   0 },  // 45
    {     -2.15,  -2,   1,   0,   2 },  // 46
    {      1.98,  -4,   0,   1,   0 },  // 47
    {      1.94,   0,   0,   4,   0 },  // 48
    {     -1.88,  -4,   1,   0,   0 },  // 49
    {      1.75,  -1,   0,   2,   0 },  // 50
    {     -1.44,   2,   1,   0,  -2 },  // 51
    {    -1.298,   0,   0,   2,  -2 },  // 52
    {      1.27,   1,   1,   1,   0 },  // 53
    {      1.23,  -3,   0,   2,   0 },  // 54
    {     -1.19,  -4,   0,   3,   0 },  // 55
    {      1.18,   2,  -1,   2,   0 },  // 56
    {     -1.17,   0,   2,   1,   0 },  // 57
    {     -1.09,  -1,  -1,   1,   0 },  // 58
    {      1.06,   2,   0,   3,   0 },  // 59
    {     -0.59,   1,   0,   2,   0 },  // 60
    {     -0.99,   2,   0,   1,   2 },  // 61
    {     -0.95,  -2,   0,   4,   0 },  // 62
    {     -0.57,  -6,   0,   2,   0 },  // 63
    {      0.64,  -4,   0,   1,   0 },  // 64
    {      0.56,  -1,   1,   0,   0 },  // 65
    {      0.76,   2,  -2,   1,   0 },  // 66
    {      0.58,  -1,   0,   0,   2 },  // 67
    {     -0.55,   0,   1,   3,   0 },  // 68
    {      0.68,   0,  -1,   3,   0 },  // 69
    {     0.557,  -2,   0,   2,   2 },  // 70
    {     0.538,  -2,   0,   2,  -2 },  // 71
};
// clang-format on
static_assert(std::size(kMoonLongitudeTerms) == 71);

// Nutation in longitude, seconds of arc: a row adds
//   amplitudeArcsec * SinDeg(n * N + ls * Ls + lm * Lm + m * M + mm * Mm)
// with N the Moon's node, Ls the Sun's mean longitude, Lm the Moon's mean longitude, M the Sun's
// mean anomaly and Mm the Moon's mean anomaly.
struct MoonNutationTerm {
    double amplitudeArcsec;
    int n, ls, lm, m, mm;
};

// clang-format off
inline constexpr MoonNutationTerm kMoonNutationTerms[] = {
//   amplitude   N  Ls  Lm   M  Mm
    { -17.2,     1,  0,  0,  0,  0 },  // 1
    {   0.206,   2,  0,  0,  0,  0 },  // 2
    {  -1.319,   0,  2,  0,  0,  0 },  // 3
    {   0.143,   0,  0,  0,  1,  0 },  // 4
    {  -0.227,   0,  0,  2,  0,  0 },  // 5
    {   0.071,   0,  0,  0,  0,  1 },  // 6
};
// clang-format on
static_assert(std::size(kMoonNutationTerms) == 6);

}  // namespace velmaris::ephem
