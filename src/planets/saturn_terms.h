#pragma once

#include "planets/planets_layer.h"

#include <iterator>

#include "planets/perturbation_term.h"

namespace velmaris::planets {

// Periodic perturbations of Saturn by Jupiter and Uranus. A row adds, to each column's sum,
//   coefficient(nu) * f1 * f2
// where each factor is 1, SinDeg(k * arg) or CosDeg(k * arg) of the unreduced arguments V, W,
// zeta = Q - P, psi = S - Q and Q of ComputePerturbationArgs; nu = T/5 + 0.1. An empty cell ({})
// adds nothing. Columns: A degrees, B degrees, de units of 1e-7, da units of 1e-6 AU.
// Summed in this order.
// clang-format off
namespace saturn_table {
using enum Trig;
using enum Arg;
inline constexpr PerturbationTerm kTerms[] = {
//   factor 1         factor 2         A (deg)                       B (deg)                       de (1e-7)                     da (1e-6 AU)
    {{Sin, 1,    V}, {One, 0,    V}, {-0.814181, 0.01815, 0.016714}, {0.077108, 0.007186, -0.001533},              {-7927, 2548, 91},                    {0, 572, 0}},  //  1
    {{Cos, 1,    V}, {One, 0,    V}, {-0.010497, 0.160906, -0.0041}, {0.045803, -0.014766, -0.000536},            {13381, 1226, -253},                   {2933, 0, 0}},  //  2
    {{Sin, 2,    V}, {One, 0,    V},               {0.007581, 0, 0},                             {},                 {248, -121, 0},                             {}},  //  3
    {{Cos, 2,    V}, {One, 0,    V},                             {},                             {},                 {-305, -91, 0},                             {}},  //  4
    {{Sin, 1,    W}, {One, 0,    V},              {-0.007986, 0, 0},                             {},                             {},                             {}},  //  5
    {{Sin, 1, Zeta}, {One, 0,    V},              {-0.148811, 0, 0},              {-0.007075, 0, 0},                             {},                             {}},  //  6
    {{Cos, 1, Zeta}, {One, 0,    V},                             {},                             {},                             {},                  {33629, 0, 0}},  //  7
    {{Sin, 2, Zeta}, {One, 0,    V},              {-0.040786, 0, 0},                             {},                    {412, 0, 0},                             {}},  //  8
    {{Cos, 2, Zeta}, {One, 0,    V},                             {},                             {},                             {},                  {-3081, 0, 0}},  //  9
    {{Sin, 3, Zeta}, {One, 0,    V},              {-0.015208, 0, 0},                             {},                             {},                             {}},  // 10
    {{Cos, 3, Zeta}, {One, 0,    V},                             {},                             {},                             {},                  {-1423, 0, 0}},  // 11
    {{Sin, 4, Zeta}, {One, 0,    V},              {-0.006339, 0, 0},                             {},                             {},                             {}},  // 12
    {{Cos, 4, Zeta}, {One, 0,    V},                             {},                             {},                             {},                   {-671, 0, 0}},  // 13
    {{Cos, 5, Zeta}, {One, 0,    V},                             {},                             {},                             {},                   {-320, 0, 0}},  // 14
    {{Sin, 1,    Q}, {One, 0,    V},              {-0.006244, 0, 0},                             {},                  {12415, 0, 0},                   {1098, 0, 0}},  // 15
    {{Cos, 1,    Q}, {One, 0,    V},                             {},              {-0.072586, 0, 0},                 {163, -611, 0},                   {-890, 0, 0}},  // 16
    {{Sin, 1, Zeta}, {Sin, 1,    Q},        {0.008931, 0.002728, 0},              {-0.075825, 0, 0},                 {390, -617, 0},                  {-2812, 0, 0}},  // 17
    {{Sin, 1, Zeta}, {Cos, 1,    Q},        {0.085581, 0.002494, 0},                             {},                 {-12696, 0, 0},                   {2206, 0, 0}},  // 18
    {{Cos, 1, Zeta}, {Sin, 1,    Q},        {0.081344, 0.003206, 0},                             {},                  {26599, 0, 0},                   {2138, 0, 0}},  // 19
    {{Cos, 1, Zeta}, {Cos, 1,    Q},       {0.025328, -0.003117, 0},              {-0.150383, 0, 0},               {-282, -1306, 0},                   {2885, 0, 0}},  // 20
    {{Sin, 2, Zeta}, {Sin, 1,    Q},                {-0.0165, 0, 0},              {-0.024839, 0, 0},                 {165, -204, 0},                    {688, 0, 0}},  // 21
    {{Sin, 2, Zeta}, {Cos, 1,    Q},                             {},                             {},                  {-4200, 0, 0},                  {-1590, 0, 0}},  // 22
    {{Cos, 2, Zeta}, {Sin, 1,    Q},               {0.015019, 0, 0},                             {},                  {-4687, 0, 0},                   {-999, 0, 0}},  // 23
    {{Cos, 2, Zeta}, {Cos, 1,    Q},               {0.014394, 0, 0},               {0.026897, 0, 0},                  {-86, 230, 0},                 {2172, 102, 0}},  // 24
    {{Sin, 3, Zeta}, {Sin, 1,    Q},              {-0.005775, 0, 0},              {-0.008631, 0, 0},                             {},                   {-393, 0, 0}},  // 25
    {{Sin, 3, Zeta}, {Cos, 1,    Q},                             {},                             {},                  {-1503, 0, 0},                   {-647, 0, 0}},  // 26
    {{Cos, 3, Zeta}, {Sin, 1,    Q},                             {},                             {},                  {-1870, 0, 0},                   {-642, 0, 0}},  // 27
    {{Cos, 3, Zeta}, {Cos, 1,    Q},               {0.006319, 0, 0},               {0.010053, 0, 0},                             {},                    {296, 0, 0}},  // 28
    {{Sin, 4, Zeta}, {Sin, 1,    Q},                             {},                             {},                             {},                   {-228, 0, 0}},  // 29
    {{Sin, 4, Zeta}, {Cos, 1,    Q},                             {},                             {},                   {-619, 0, 0},                   {-344, 0, 0}},  // 30
    {{Cos, 4, Zeta}, {Sin, 1,    Q},                             {},                             {},                   {-821, 0, 0},                   {-325, 0, 0}},  // 31
    {{Sin, 5, Zeta}, {Cos, 1,    Q},                             {},                             {},                   {-268, 0, 0},                             {}},  // 32
    {{Cos, 5, Zeta}, {Sin, 1,    Q},                             {},                             {},                   {-377, 0, 0},                             {}},  // 33
    {{Cos, 2,  Psi}, {Sin, 1,    Q},                             {},                             {},                    {497, 0, 0},                             {}},  // 34
    {{Sin, 2,  Psi}, {Cos, 1,    Q},                             {},                             {},                    {461, 0, 0},                             {}},  // 35
    {{Sin, 2,    Q}, {One, 0,    V},                             {},                             {},                   {-350, 0, 0},                             {}},  // 36
    {{Cos, 2,    Q}, {One, 0,    V},                             {},                             {},                   {-490, 0, 0},                             {}},  // 37
    {{Sin, 1, Zeta}, {Sin, 2,    Q},               {0.006369, 0, 0},      {-0.013597, -0.001719, 0},                {2211, -286, 0},                             {}},  // 38
    {{Sin, 1, Zeta}, {Cos, 2,    Q},                             {},       {-0.013667, 0.001239, 0},               {-2842, -279, 0},                   {-856, 0, 0}},  // 39
    {{Cos, 1, Zeta}, {Sin, 2,    Q},                             {},       {-0.007742, 0.001517, 0},               {-2780, -222, 0},                   {-778, 0, 0}},  // 40
    {{Cos, 1, Zeta}, {Cos, 2,    Q},              {-0.005236, 0, 0},        {0.014861, 0.001136, 0},                {-1594, 282, 0},                             {}},  // 41
    {{Sin, 2, Zeta}, {Sin, 2,    Q},               {0.009156, 0, 0},                             {},                  {-2208, 0, 0},                   {-267, 0, 0}},  // 42
    {{Sin, 2, Zeta}, {Cos, 2,    Q},                             {},               {0.011981, 0, 0},                  {128, 226, 0},                    {441, 0, 0}},  // 43
    {{Cos, 2, Zeta}, {Sin, 2,    Q},                             {},       {0.013586, -0.001375, 0},                 {2022, 263, 0},                    {495, 0, 0}},  // 44
    {{Cos, 2, Zeta}, {Cos, 2,    Q},              {-0.007736, 0, 0},      {-0.013064, -0.001628, 0},                {2162, -207, 0},                    {296, 0, 0}},  // 45
    {{Sin, 3, Zeta}, {Sin, 2,    Q},                             {},                             {},                   {-568, 0, 0},                             {}},  // 46
    {{Sin, 3, Zeta}, {Cos, 2,    Q},                             {},                             {},                    {224, 0, 0},                             {}},  // 47
    {{Cos, 3, Zeta}, {Sin, 2,    Q},                             {},                             {},                    {248, 0, 0},                    {250, 0, 0}},  // 48
    {{Cos, 3, Zeta}, {Cos, 2,    Q},                             {},                             {},                    {561, 0, 0},                    {211, 0, 0}},  // 49
    {{Sin, 4, Zeta}, {Sin, 2,    Q},                             {},                             {},                   {-346, 0, 0},                             {}},  // 50
    {{Cos, 4, Zeta}, {Cos, 2,    Q},                             {},                             {},                    {343, 0, 0},                             {}},  // 51
    {{Sin, 3,  Psi}, {Sin, 2,    Q},               {0.007525, 0, 0},                             {},                    {242, 0, 0},                             {}},  // 52
    {{Cos, 3,  Psi}, {Sin, 2,    Q},                             {},                             {},                    {467, 0, 0},                             {}},  // 53
    {{Cos, 3,  Psi}, {Cos, 2,    Q},              {-0.007528, 0, 0},                             {},                   {-242, 0, 0},                             {}},  // 54
    {{Sin, 3,  Psi}, {Cos, 2,    Q},                             {},                             {},                    {469, 0, 0},                             {}},  // 55
    {{Sin, 1, Zeta}, {Sin, 3,    Q},                             {},                             {},                   {-205, 0, 0},                   {-427, 0, 0}},  // 56
    {{Cos, 1, Zeta}, {Cos, 3,    Q},                             {},                             {},                    {208, 0, 0},                    {344, 0, 0}},  // 57
    {{Sin, 3, Zeta}, {Sin, 3,    Q},                             {},                             {},                    {262, 0, 0},                    {398, 0, 0}},  // 58
    {{Cos, 3, Zeta}, {Cos, 3,    Q},                             {},                             {},                   {-271, 0, 0},                   {-427, 0, 0}},  // 59
    {{Sin, 3, Zeta}, {Cos, 4,    Q},                             {},                             {},                   {-376, 0, 0},                             {}},  // 60
    {{Cos, 3, Zeta}, {Sin, 4,    Q},                             {},                             {},                   {-382, 0, 0},                             {}},  // 61
};
}  // namespace saturn_table
// clang-format on
inline constexpr const auto& kSaturnTerms = saturn_table::kTerms;
static_assert(std::size(kSaturnTerms) == 61);
static_assert(CountCells(kSaturnTerms, &PerturbationTerm::a) == 24);
static_assert(CountCells(kSaturnTerms, &PerturbationTerm::b) == 17);
static_assert(CountCells(kSaturnTerms, &PerturbationTerm::de) == 49);
static_assert(CountCells(kSaturnTerms, &PerturbationTerm::da) == 36);

}  // namespace velmaris::planets
