#pragma once

#include "planets/planets_layer.h"

#include <iterator>

#include "planets/perturbation_term.h"

namespace velmaris::planets {

// Periodic perturbations of Jupiter by Saturn. A row adds, to each column's sum,
//   coefficient(nu) * f1 * f2
// where each factor is 1, SinDeg(k * arg) or CosDeg(k * arg) of the unreduced arguments V, W,
// zeta = Q - P and Q of ComputePerturbationArgs; nu = T/5 + 0.1. An empty cell ({}) adds nothing.
// Columns: A degrees, B degrees, de units of 1e-7, da units of 1e-6 AU. Summed in this order.
// clang-format off
namespace jupiter_table {
using enum Trig;
using enum Arg;
inline constexpr PerturbationTerm kTerms[] = {
//   factor 1         factor 2         A (deg)                       B (deg)                       de (1e-7)                     da (1e-6 AU)
    {{Sin, 1,    V}, {One, 0,    V}, {0.331364, -0.010281, -0.004692},       {0.007192, -0.003147, 0},               {3606, 130, -43},                             {}},  //  1
    {{Cos, 1,    V}, {One, 0,    V}, {0.003228, -0.064436, 0.002075}, {-0.020428, -0.000675, 0.000197},                {1289, -580, 0},                   {-263, 0, 0}},  //  2
    {{Sin, 2,    V}, {One, 0,    V}, {-0.003083, -0.000275, 0.000489},                             {},                             {},                             {}},  //  3
    {{Sin, 1,    W}, {One, 0,    V},               {0.002472, 0, 0},                             {},                             {},                             {}},  //  4
    {{Sin, 1, Zeta}, {One, 0,    V},               {0.013619, 0, 0},                             {},                             {},                             {}},  //  5
    {{Cos, 1, Zeta}, {One, 0,    V},                             {},                             {},                             {},                    {205, 0, 0}},  //  6
    {{Sin, 2, Zeta}, {One, 0,    V},               {0.018472, 0, 0},                             {},                             {},                             {}},  //  7
    {{Cos, 2, Zeta}, {One, 0,    V},                             {},                             {},                             {},                    {693, 0, 0}},  //  8
    {{Sin, 3, Zeta}, {One, 0,    V},               {0.006717, 0, 0},                             {},                             {},                             {}},  //  9
    {{Cos, 3, Zeta}, {One, 0,    V},                             {},                             {},                             {},                    {312, 0, 0}},  // 10
    {{Sin, 4, Zeta}, {One, 0,    V},               {0.002775, 0, 0},                             {},                             {},                             {}},  // 11
    {{Cos, 4, Zeta}, {One, 0,    V},                             {},                             {},                             {},                    {147, 0, 0}},  // 12
    {{Sin, 1,    Q}, {One, 0,    V},                             {},              {-0.004344, 0, 0},                   {-204, 0, 0},                             {}},  // 13
    {{Cos, 1,    Q}, {One, 0,    V},               {0.002178, 0, 0},                             {},                   {-817, 0, 0},                             {}},  // 14
    {{Sin, 1, Zeta}, {Sin, 1,    Q},       {0.007275, -0.001253, 0},        {0.007269, 0.000672, 0},                  {-6764, 0, 0},                    {299, 0, 0}},  // 15
    {{Sin, 1, Zeta}, {Cos, 1,    Q},      {-0.035681, -0.001208, 0},               {0.037761, 0, 0},                 {1460, 130, 0},                             {}},  // 16
    {{Cos, 1, Zeta}, {Sin, 1,    Q},      {-0.033839, -0.001125, 0},               {0.034036, 0, 0},                 {1284, 116, 0},                             {}},  // 17
    {{Cos, 1, Zeta}, {Cos, 1,    Q},       {-0.006333, 0.001161, 0},              {-0.006603, 0, 0},                   {6074, 0, 0},                   {-337, 0, 0}},  // 18
    {{Sin, 2, Zeta}, {Sin, 1,    Q},               {0.006417, 0, 0},                             {},                  {-1110, 0, 0},                             {}},  // 19
    {{Sin, 2, Zeta}, {Cos, 1,    Q},              {-0.004261, 0, 0},               {0.006158, 0, 0},                    {224, 0, 0},                    {204, 0, 0}},  // 20
    {{Cos, 2, Zeta}, {Sin, 1,    Q},              {-0.003767, 0, 0},               {0.005614, 0, 0},                    {188, 0, 0},                    {181, 0, 0}},  // 21
    {{Cos, 2, Zeta}, {Cos, 1,    Q},              {-0.006675, 0, 0},                             {},                    {992, 0, 0},                   {-111, 0, 0}},  // 22
    {{Sin, 3, Zeta}, {Sin, 1,    Q},               {0.002439, 0, 0},                             {},                   {-224, 0, 0},                             {}},  // 23
    {{Sin, 3, Zeta}, {Cos, 1,    Q},                             {},                             {},                             {},                    {111, 0, 0}},  // 24
    {{Cos, 3, Zeta}, {Sin, 1,    Q},                             {},               {0.002964, 0, 0},                             {},                             {}},  // 25
    {{Cos, 3, Zeta}, {Cos, 1,    Q},              {-0.002664, 0, 0},                             {},                    {508, 0, 0},                             {}},  // 26
    {{Cos, 4, Zeta}, {Cos, 1,    Q},                             {},                             {},                    {230, 0, 0},                             {}},  // 27
    {{Cos, 5, Zeta}, {Cos, 1,    Q},                             {},                             {},                    {108, 0, 0},                             {}},  // 28
    {{Cos, 2,    Q}, {One, 0,    V},                             {},                             {},                    {179, 0, 0},                             {}},  // 29
    {{Sin, 1, Zeta}, {Sin, 2,    Q},              {-0.002572, 0, 0},              {-0.005356, 0, 0},                 {-956, -73, 0},                             {}},  // 30
    {{Sin, 1, Zeta}, {Cos, 2,    Q},                             {},               {0.004403, 0, 0},                  {-956, 99, 0},                             {}},  // 31
    {{Cos, 1, Zeta}, {Sin, 2,    Q},                             {},               {0.004483, 0, 0},                 {-997, 108, 0},                             {}},  // 32
    {{Cos, 1, Zeta}, {Cos, 2,    Q},               {0.002094, 0, 0},               {0.005547, 0, 0},                  {1024, 75, 0},                             {}},  // 33
    {{Sin, 2, Zeta}, {Sin, 2,    Q},              {-0.003567, 0, 0},               {0.002722, 0, 0},                    {448, 0, 0},                             {}},  // 34
    {{Sin, 2, Zeta}, {Cos, 2,    Q},                             {},              {-0.002536, 0, 0},                    {490, 0, 0},                             {}},  // 35
    {{Cos, 2, Zeta}, {Sin, 2,    Q},                             {},              {-0.002642, 0, 0},                    {480, 0, 0},                             {}},  // 36
    {{Cos, 2, Zeta}, {Cos, 2,    Q},               {0.003342, 0, 0},              {-0.002689, 0, 0},                   {-437, 0, 0},                             {}},  // 37
    {{Sin, 3, Zeta}, {Sin, 2,    Q},                             {},                             {},                    {137, 0, 0},                             {}},  // 38
    {{Sin, 3, Zeta}, {Cos, 2,    Q},                             {},                             {},                    {158, 0, 0},                             {}},  // 39
    {{Cos, 3, Zeta}, {Sin, 2,    Q},                             {},                             {},                    {148, 0, 0},                             {}},  // 40
    {{Cos, 3, Zeta}, {Cos, 2,    Q},                             {},                             {},                   {-132, 0, 0},                             {}},  // 41
};
}  // namespace jupiter_table
// clang-format on
inline constexpr const auto& kJupiterTerms = jupiter_table::kTerms;
static_assert(std::size(kJupiterTerms) == 41);
static_assert(CountCells(kJupiterTerms, &PerturbationTerm::a) == 23);
static_assert(CountCells(kJupiterTerms, &PerturbationTerm::b) == 18);
static_assert(CountCells(kJupiterTerms, &PerturbationTerm::de) == 29);
static_assert(CountCells(kJupiterTerms, &PerturbationTerm::da) == 11);

}  // namespace velmaris::planets
