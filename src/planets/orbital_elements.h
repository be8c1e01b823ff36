#pragma once

#include "planets/planets_layer.h"

#include <array>
#include <iterator>

namespace velmaris::planets {

// Mean orbital elements of the Earth and the planets inside Jupiter's orbit, for time counted in
// Julian centuries T2000 from JD 2451545.0. Laid out as the published table: one line per slot,
// one column per body (Earth, Mercury, Venus, Mars). Each element is an epoch value plus a rate
// per century.
//   slot  1  semi-major axis a, AU
//   slot  2  eccentricity e at epoch         slot  3  rate of e, per century
//   slot  4  inclination i, degrees          slot  5  rate of i, degrees per century
//   slot  6  ascending node, degrees         slot  7  rate of the node, degrees per century
//   slot  8  longitude of perihelion, deg    slot  9  its rate, degrees per century
//   slot 10  mean anomaly at epoch, degrees  slot 11  mean motion, degrees per century
// The Earth's semi-major axis is 1.000000031 on purpose.
inline constexpr int kInnerBodyCount = 4;  // bodies 1..4: Earth, Mercury, Venus, Mars

// clang-format off
inline constexpr std::array<double, kInnerBodyCount> kElementsJ2000[] = {
//    1 Earth       2 Mercury     3 Venus       4 Mars
    { 1.000000031,     0.387099,     0.723332,     1.523692},  //  1
    {    0.016709,     0.205634,     0.006773,     0.093405},  //  2
    {   -0.000042,      0.00002,    -0.000048,     0.000092},  //  3
    {           0,       7.0048,       3.3946,       1.8496},  //  4
    {           0,       0.0019,        0.001,      -0.0007},  //  5
    {           0,       48.331,        76.68,       49.557},  //  6
    {           0,        1.185,          0.9,        0.771},  //  7
    {      102.94,      77.4552,     131.5718,      336.059},  //  8
    {      1.7192,       1.5555,        1.408,       1.8408},  //  9
    {    357.5256,     174.7947,      50.4071,      19.3879},  // 10
    {  35999.0498,  149472.5153,   58517.8039,   19139.8585},  // 11
};
// clang-format on
static_assert(std::size(kElementsJ2000) == 11);

// Mean orbital elements of the Earth and Jupiter to Neptune, for time counted in Julian
// centuries T1900 from JD 2415020.0. One line per slot, one column per body (Earth, Jupiter,
// Saturn, Uranus, Neptune). Every element but the semi-major axis is a cubic
// c0 + c1 T + c2 T^2 + c3 T^3 over four consecutive slots; a 0 is an empty cell of the table.
//   slots  1-4   mean longitude L, degrees (for the Earth: the Sun's geocentric mean longitude)
//   slot   5     semi-major axis a, AU (constant)
//   slots  6-9   eccentricity e
//   slots 10-13  inclination i, degrees
//   slots 14-17  argument of perihelion, degrees (for the Earth: longitude of perihelion)
//   slots 18-21  longitude of the ascending node, degrees
inline constexpr int kOuterBodyCount = 5;  // bodies 1, 5, 6, 7, 8

// clang-format off
inline constexpr std::array<double, kOuterBodyCount> kElements1900[] = {
//    1 Earth         5 Jupiter       6 Saturn        7 Uranus        8 Neptune
    {    279.696678,     238.049257,     266.564377,      244.19747,      84.457994},  //  1
    {  36000.768925,    3036.301986,    1223.509884,     429.863546,     219.885914},  //  2
    {     0.0003025,      0.0003347,      0.0003245,       0.000316,      0.0003205},  //  3
    {             0,    -0.00000165,     -0.0000058,     -0.0000006,     -0.0000006},  //  4
    {     1.0000002,       5.202561,       9.554747,       19.21814,       30.10957},  //  5
    {    0.01675104,     0.04833475,     0.05589232,      0.0463444,     0.00899704},  //  6
    {    -0.0000418,     0.00016418,     -0.0003455,    -0.00002658,     0.00000633},  //  7
    {  -0.000000126,  -0.0000004676,   -0.000000728,    0.000000077,   -0.000000002},  //  8
    {             0,  -0.0000000017,  0.00000000074,              0,              0},  //  9
    {             0,       1.308736,       2.492519,       0.772464,       1.779242},  // 10
    {             0,     -0.0056961,     -0.0039189,      0.0006253,     -0.0095436},  // 11
    {             0,      0.0000039,    -0.00001549,      0.0000395,     -0.0000091},  // 12
    {             0,              0,     0.00000004,              0,              0},  // 13
    {     101.22085,     273.277558,       338.3078,      98.071581,     276.045975},  // 14
    {       1.71917,      0.5994317,      1.0852207,       0.985765,      0.3256394},  // 15
    {     0.0004525,     0.00070405,     0.00097854,     -0.0010745,     0.00014095},  // 16
    {     0.0000033,     0.00000508,     0.00000992,    -0.00000061,    0.000004113},  // 17
    {             0,      99.443414,     112.790414,      73.477111,     130.681389},  // 18
    {             0,        1.01053,      0.8731951,      0.4986678,       1.098935},  // 19
    {             0,     0.00035222,    -0.00015218,      0.0013117,     0.00024987},  // 20
    {             0,    -0.00000851,    -0.00000531,              0,   -0.000004718},  // 21
};
// clang-format on
static_assert(std::size(kElements1900) == 21);

}  // namespace velmaris::planets
