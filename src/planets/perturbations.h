#pragma once

#include "planets/planets_layer.h"

#include "ephemeris/centuries.h"
#include "ephemeris/orbit.h"

namespace velmaris::planets {

using ephem::Centuries1900;
using ephem::OrbitElements;

// Slowly moving arguments shared by the perturbation theories of Jupiter to Neptune.
// Angles in degrees, never reduced to one turn; nu is a pure number.
struct PerturbationArgs {
    double nu = 0.0;    // T/5 + 0.1
    double p = 0.0;     // 237.47555 + 3034.9061 T
    double q = 0.0;     // 265.9165 + 1222.1139 T
    double s = 0.0;     // 243.51721 + 428.4677 T
    double v = 0.0;     // 5Q - 2P
    double w = 0.0;     // 2P - 6Q + 3S
    double zeta = 0.0;  // Q - P
    double psi = 0.0;   // S - Q
};

// Given:   t  Julian centuries from JD 2415020.0
[[nodiscard]] PerturbationArgs ComputePerturbationArgs(Centuries1900 t) noexcept;

// The four sums a perturbation theory forms before it corrects the elements.
struct ElementCorrections {
    double a = 0.0;   // longitude term, degrees (added to the mean anomaly)
    double b = 0.0;   // perihelion term, degrees (enters as b / e)
    double de = 0.0;  // eccentricity (already scaled from units of 1e-7)
    double da = 0.0;  // semi-major axis, AU (already scaled)
};

// Applies the corrections in their fixed order: mean anomaly += a - b/e, argument of
// perihelion += b/e, eccentricity += de, semi-major axis += da * KmPerAU, where e is the
// eccentricity before its own correction.
void ApplyCorrections(const ElementCorrections& corrections, OrbitElements& elements) noexcept;

// Corrects Jupiter's mean elements (mean anomaly already derived) for Saturn's perturbations.
// Given:   t  Julian centuries from JD 2415020.0; elements as EvaluateOuterElements formed them
// Notes:   angles stay unreduced; the Kepler solver accepts them as they are.
void JupiterPerturbations(Centuries1900 t, OrbitElements& elements) noexcept;

// Corrects Saturn's mean elements for the perturbations by Jupiter and Uranus.
void SaturnPerturbations(Centuries1900 t, OrbitElements& elements) noexcept;

// Corrects Uranus's elements. Replaces the mean anomaly by the planet's own polynomial before
// correcting it.
// Returns: the longitude correction in degrees that the driver adds to the geocentric longitude.
[[nodiscard]] double UranusPerturbations(Centuries1900 t, OrbitElements& elements) noexcept;

// Corrects Neptune's elements, as UranusPerturbations does for Uranus.
// Returns: the longitude correction in degrees.
[[nodiscard]] double NeptunePerturbations(Centuries1900 t, OrbitElements& elements) noexcept;

}  // namespace velmaris::planets
