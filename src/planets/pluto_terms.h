#pragma once

#include "planets/planets_layer.h"

#include <cstddef>
#include <iterator>
#include <optional>

namespace velmaris::planets {

// Pluto's heliocentric series. For a row with multiples (j, s, p) the argument is
//   alpha = j * J + s * S + p * P
// with J, S, P the mean longitudes of Jupiter, Saturn and Pluto (degrees, reduced to one turn).
// Each present cell adds coefficient * SinDeg(alpha) (sin columns) or CosDeg(alpha) (cos columns)
// to its series. Coefficients are whole numbers in units of 1e-6 degree (longitude, latitude)
// and 1e-6 AU (radius). kNo marks an empty cell: that series has no term there.
// Rows are summed in this order.
inline constexpr std::optional<int> kNo = std::nullopt;

struct PlutoTerm {
    int j, s, p;
    std::optional<int> lonSin, lonCos, latSin, latCos, radSin, radCos;
};

// clang-format off
inline constexpr PlutoTerm kPlutoTerms[] = {
//   J   S   P    lon sin    lon cos    lat sin    lat cos    rad sin    rad cos
    { 0,  0,  1, -19977972,  19667536,  -5323113, -15024245,   6623876,   6955990},  //  1
    { 0,  0,  2,    987114,  -4939350,   3497557,   1735457,  -1181808,    -54836},  //  2
    { 0,  0,  3,    577978,   1226898,  -1059559,    299464,    163227,   -139603},  //  3
    { 0,  0,  4,   -334695,   -201966,    189102,   -285383,     -3644,     48144},  //  4
    { 0,  0,  5,    130519,    -29025,     14231,    101218,     -6268,     -8851},  //  5
    { 0,  0,  6,    -39851,     28968,    -29164,    -27461,      3111,      -408},  //  6
    { 0,  1, -1,     20387,     -9832,      4935,     11282,      -621,      2223},  //  7
    { 0,  1,  0,     -3986,     -4954,       312,      -128,       438,       450},  //  8
    { 0,  1,  1,     -5817,     -3365,      2057,      -904,      -153,        61},  //  9
    { 0,  1,  2,     -3903,      2895,        19,      -674,        -3,        79},  // 10
    { 0,  1,  3,      -738,      3443,      -307,      -576,        50,        54},  // 11
    { 0,  2, -2,      1234,       472,       -65,        39,        -1,       -22},  // 12
    { 0,  2, -1,      1101,      -894,       -97,       208,        84,       -48},  // 13
    { 0,  2,  0,       625,     -1214,       kNo,      -160,       -30,        61},  // 14
    { 1, -1,  0,      2485,      -486,      -177,       259,        26,       -39},  // 15
    { 1, -1,  1,       852,     -1407,        15,       235,       -19,       -40},  // 16
    { 1,  0, -3,      -948,      1073,       578,      -293,      -321,        42},  // 17
    { 1,  0, -2,     -2309,     -1024,      -294,       694,       797,      -792},  // 18
    { 1,  0, -1,      7047,       770,       156,       201,        -4,      4564},  // 19
    { 1,  0,  0,      1184,      -344,       294,       829,       852,       855},  // 20
    { 1,  0,  1,       394,       -55,      -123,       -31,       -88,       -82},  // 21
    { 1,  0,  2,       119,      -264,       kNo,       kNo,        21,       -12},  // 22
    { 1,  0,  3,       -46,      -156,       kNo,       kNo,       -14,         6},  // 23
    { 1,  0,  4,       -77,       -33,       kNo,       kNo,       kNo,       kNo},  // 24
    { 1,  1, -3,       -34,       -26,       kNo,       kNo,       kNo,       kNo},  // 25
    { 1,  1, -2,       -43,       kNo,       kNo,       kNo,       kNo,       kNo},  // 26
    { 1,  1, -1,       -15,        21,       kNo,       kNo,       kNo,       kNo},  // 27
    { 2,  0, -3,        10,        22,       kNo,       kNo,        -6,         1},  // 28
    { 2,  0, -2,       -57,       -32,       kNo,       kNo,       kNo,       kNo},  // 29
    { 2,  0, -1,       158,       -43,       kNo,       kNo,        25,       107},  // 30
    { 2,  1, -2,       kNo,       kNo,       kNo,       kNo,        13,       -23},  // 31
    { 2,  0,  0,       kNo,       kNo,       kNo,       kNo,        25,        16},  // 32
};
// clang-format on
static_assert(std::size(kPlutoTerms) == 32);

template <std::size_t N>
constexpr int CountPlutoTerms(const PlutoTerm (&table)[N], std::optional<int> PlutoTerm::*sinColumn,
                              std::optional<int> PlutoTerm::*cosColumn) {
    int count = 0;
    for (const PlutoTerm& row : table) {
        count += (row.*sinColumn).has_value() ? 1 : 0;
        count += (row.*cosColumn).has_value() ? 1 : 0;
    }
    return count;
}

static_assert(CountPlutoTerms(kPlutoTerms, &PlutoTerm::lonSin, &PlutoTerm::lonCos) == 59);
static_assert(CountPlutoTerms(kPlutoTerms, &PlutoTerm::latSin, &PlutoTerm::latCos) == 41);
static_assert(CountPlutoTerms(kPlutoTerms, &PlutoTerm::radSin, &PlutoTerm::radCos) == 54);

}  // namespace velmaris::planets
