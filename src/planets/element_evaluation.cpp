#include "planets/element_evaluation.h"

#include <cstddef>

#include "ephemeris/angles.h"
#include "planets/orbital_elements.h"
#include "planets/perturbations.h"

namespace velmaris::planets {
namespace {

using ephem::KmPerAU;
using ephem::NormalizeDegrees;

// Element of the J2000 table by body (1..4) and slot (1..11), as the table is numbered.
double J2000Slot(Body body, int slot) noexcept {
    return kElementsJ2000[slot - 1][static_cast<std::size_t>(body) - 1];
}

std::size_t OuterColumn(Body body) noexcept {
    return body == kEarthOrbit ? 0 : static_cast<std::size_t>(body) - 4;
}

// Element of the 1900 table by body and slot (1..21).
double Slot1900(Body body, int slot) noexcept {
    return kElements1900[slot - 1][OuterColumn(body)];
}

// c(k) + c(k+1) T + c(k+2) T^2 + c(k+3) T^3 over slots k..k+3.
double Cubic1900(Body body, int firstSlot, double t) noexcept {
    return Slot1900(body, firstSlot) + Slot1900(body, firstSlot + 1) * t +
           Slot1900(body, firstSlot + 2) * t * t + Slot1900(body, firstSlot + 3) * t * t * t;
}

}  // namespace

OrbitElements EvaluateInnerElements(Body body, Centuries2000 t2000) noexcept {
    const double t = t2000.value;
    OrbitElements elements;
    elements.semiMajorKm = J2000Slot(body, 1) * KmPerAU;
    elements.eccentricity = J2000Slot(body, 2) + J2000Slot(body, 3) * t;
    elements.inclinationDeg = J2000Slot(body, 4) + J2000Slot(body, 5) * t;
    elements.nodeDeg = J2000Slot(body, 6) + J2000Slot(body, 7) * t;
    const double perihelionLongitude = J2000Slot(body, 8) + J2000Slot(body, 9) * t;
    elements.meanAnomalyDeg = J2000Slot(body, 10) + J2000Slot(body, 11) * t;
    elements.perihelionArgDeg = perihelionLongitude - elements.nodeDeg;
    return elements;
}

OuterElements EvaluateOuterElements(Body body, Centuries1900 t1900) noexcept {
    const double t = t1900.value;
    OuterElements result;
    OrbitElements& elements = result.elements;

    const double meanLongitude = Cubic1900(body, 1, t);
    elements.semiMajorKm = Slot1900(body, 5) * KmPerAU;
    elements.eccentricity = Cubic1900(body, 6, t);
    elements.inclinationDeg = Cubic1900(body, 10, t);
    elements.perihelionArgDeg = Cubic1900(body, 14, t);
    elements.nodeDeg = Cubic1900(body, 18, t);
    const double perihelionLongitude =
        NormalizeDegrees(elements.perihelionArgDeg + elements.nodeDeg);
    elements.meanAnomalyDeg = NormalizeDegrees(meanLongitude - perihelionLongitude);

    switch (body) {
        case kEarthOrbit:
            elements.meanAnomalyDeg = elements.meanAnomalyDeg + 180;
            break;
        case Body::Jupiter:
            JupiterPerturbations(t1900, elements);
            break;
        case Body::Saturn:
            SaturnPerturbations(t1900, elements);
            break;
        case Body::Uranus:
            result.longitudeCorrectionDeg = UranusPerturbations(t1900, elements);
            break;
        case Body::Neptune:
            result.longitudeCorrectionDeg = NeptunePerturbations(t1900, elements);
            break;
        default:
            break;
    }
    return result;
}

}  // namespace velmaris::planets
