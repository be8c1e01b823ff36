#pragma once

#include "planets/planets_layer.h"

#include <cstddef>

namespace velmaris::planets {

// Slowly moving arguments of the Jupiter-Saturn theory, in degrees (never reduced).
enum class Arg { V, W, Zeta, Q, Psi };

// A factor of a periodic term: One (the factor 1), or the sine or cosine of k times an argument.
enum class Trig { One, Sin, Cos };

struct Factor {
    Trig trig;
    int k;
    Arg arg;
};

// A coefficient c0 + c1 * nu + c2 * nu^2. A default-constructed Poly is an empty table cell:
// it contributes nothing to its column.
struct Poly {
    double c0 = 0.0;
    double c1 = 0.0;
    double c2 = 0.0;
    bool present = false;

    constexpr Poly() = default;
    constexpr Poly(double a, double b, double c) : c0(a), c1(b), c2(c), present(true) {}
};

// One row of a perturbation table: the product of two factors, multiplied by the row's
// coefficient in each of the four columns.
//   a   longitude term, degrees (added to the mean anomaly)
//   b   perihelion term, degrees (enters the elements as b / e)
//   de  eccentricity, units of 1e-7
//   da  semi-major axis, units of 1e-6 AU
struct PerturbationTerm {
    Factor f1;
    Factor f2;
    Poly a, b, de, da;
};

// Number of non-empty cells in one column, for compile-time checks of the tables.
template <std::size_t N>
constexpr int CountCells(const PerturbationTerm (&table)[N], Poly PerturbationTerm::*column) {
    int count = 0;
    for (const PerturbationTerm& row : table) {
        if ((row.*column).present) {
            ++count;
        }
    }
    return count;
}

}  // namespace velmaris::planets
