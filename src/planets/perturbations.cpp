#include "planets/perturbations.h"

#include "ephemeris/angles.h"
#include "planets/jupiter_terms.h"
#include "planets/saturn_terms.h"

namespace velmaris::planets {
namespace {

using ephem::CosDeg;
using ephem::KmPerAU;
using ephem::SinDeg;

constexpr double kEccentricityUnit = 10000000;  // the tables' de is in units of 1e-7
constexpr double kSemiMajorUnit = 1000000;      // the tables' da is in units of 1e-6 AU

double ArgValue(const PerturbationArgs& args, Arg arg) noexcept {
    switch (arg) {
        case Arg::V:
            return args.v;
        case Arg::W:
            return args.w;
        case Arg::Zeta:
            return args.zeta;
        case Arg::Q:
            return args.q;
        case Arg::Psi:
            return args.psi;
    }
    return 0.0;
}

double FactorValue(const PerturbationArgs& args, const Factor& factor) noexcept {
    switch (factor.trig) {
        case Trig::One:
            return 1.0;
        case Trig::Sin:
            return SinDeg(factor.k * ArgValue(args, factor.arg));
        case Trig::Cos:
            return CosDeg(factor.k * ArgValue(args, factor.arg));
    }
    return 0.0;
}

double PolyValue(const Poly& poly, double nu) noexcept {
    return poly.c0 + poly.c1 * nu + poly.c2 * nu * nu;
}

template <std::size_t N>
ElementCorrections SumTerms(const PerturbationTerm (&table)[N],
                            const PerturbationArgs& args) noexcept {
    ElementCorrections sums;
    for (const PerturbationTerm& row : table) {
        const double product = FactorValue(args, row.f1) * FactorValue(args, row.f2);
        if (row.a.present) {
            sums.a += PolyValue(row.a, args.nu) * product;
        }
        if (row.b.present) {
            sums.b += PolyValue(row.b, args.nu) * product;
        }
        if (row.de.present) {
            sums.de += PolyValue(row.de, args.nu) * product;
        }
        if (row.da.present) {
            sums.da += PolyValue(row.da, args.nu) * product;
        }
    }
    sums.de /= kEccentricityUnit;
    sums.da /= kSemiMajorUnit;
    return sums;
}

}  // namespace

PerturbationArgs ComputePerturbationArgs(Centuries1900 t1900) noexcept {
    const double t = t1900.value;
    PerturbationArgs args;
    args.nu = t / 5 + 0.1;
    args.p = 237.47555 + 3034.9061 * t;
    args.q = 265.9165 + 1222.1139 * t;
    args.s = 243.51721 + 428.4677 * t;
    args.v = 5 * args.q - 2 * args.p;
    args.w = 2 * args.p - 6 * args.q + 3 * args.s;
    args.zeta = args.q - args.p;
    args.psi = args.s - args.q;
    return args;
}

void ApplyCorrections(const ElementCorrections& corrections, OrbitElements& elements) noexcept {
    const double e = elements.eccentricity;
    elements.meanAnomalyDeg = elements.meanAnomalyDeg + corrections.a - corrections.b / e;
    elements.perihelionArgDeg = elements.perihelionArgDeg + corrections.b / e;
    elements.eccentricity = elements.eccentricity + corrections.de;
    elements.semiMajorKm = elements.semiMajorKm + corrections.da * KmPerAU;
}

void JupiterPerturbations(Centuries1900 t, OrbitElements& elements) noexcept {
    const PerturbationArgs args = ComputePerturbationArgs(t);
    ApplyCorrections(SumTerms(kJupiterTerms, args), elements);
}

void SaturnPerturbations(Centuries1900 t, OrbitElements& elements) noexcept {
    const PerturbationArgs args = ComputePerturbationArgs(t);
    ApplyCorrections(SumTerms(kSaturnTerms, args), elements);
}

double UranusPerturbations(Centuries1900 t1900, OrbitElements& elements) noexcept {
    const double t = t1900.value;
    const PerturbationArgs args = ComputePerturbationArgs(t1900);
    const double nu = args.nu;
    const double g = 83.76922 + 218.4901 * t;
    const double h = 2 * g - args.s;
    const double zeta = args.s - args.p;
    const double eta = args.s - args.q;
    const double theta = g - args.s;
    const double ownMeanAnomaly = 72.64878 + 428.37911 * t + 0.000079 * t * t;

    ElementCorrections c;
    c.a = (0.864319 - 0.001583 * nu) * SinDeg(h) + (0.082222 - 0.006833 * nu) * CosDeg(h) +
          0.036017 * SinDeg(2 * h) - 0.003019 * CosDeg(2 * h) + 0.008122 * SinDeg(args.w);
    c.b = 0.120303 * SinDeg(h) + (0.019472 - 0.000947 * nu) * CosDeg(h) + 0.006197 * SinDeg(2 * h);
    c.de = ((-3349 + 163 * nu) * SinDeg(h) + 20981 * CosDeg(h) + 1311 * CosDeg(2 * h)) /
           kEccentricityUnit;
    c.da = -0.003825 * CosDeg(h);  // already in AU

    elements.meanAnomalyDeg = ownMeanAnomaly;
    ApplyCorrections(c, elements);

    const double s = args.s;
    return (0.010122 - 0.000988 * nu) * SinDeg(s + eta) +
           (-0.038581 + 0.002031 * nu - 0.00191 * nu * nu) * CosDeg(s + eta) +
           (0.034964 - 0.001038 * nu + 0.000868 * nu * nu) * CosDeg(2 * s + eta) +
           0.005594 * SinDeg(s + 3 * theta) - 0.014808 * SinDeg(zeta) - 0.005794 * SinDeg(eta) +
           0.002347 * CosDeg(eta) + 0.009872 * SinDeg(theta) + 0.008803 * SinDeg(2 * theta) -
           0.004308 * SinDeg(3 * theta);
}

double NeptunePerturbations(Centuries1900 t1900, OrbitElements& elements) noexcept {
    const double t = t1900.value;
    const PerturbationArgs args = ComputePerturbationArgs(t1900);
    const double nu = args.nu;
    const double g = 83.76922 + 218.4901 * t;
    const double h = 2 * g - args.s;
    const double zeta = g - args.p;
    const double eta = g - args.q;
    const double theta = g - args.s;
    const double ownMeanAnomaly = 37.73063 + 218.46134 * t - 0.00007 * t * t;

    ElementCorrections c;
    c.a = (-0.589833 + 0.001089 * nu) * SinDeg(h) + (-0.056094 + 0.004658 * nu) * CosDeg(h) -
          0.024286 * SinDeg(2 * h);
    c.b = 0.024039 * SinDeg(h) - 0.025303 * CosDeg(h) + 0.006206 * SinDeg(2 * h) -
          0.005992 * CosDeg(2 * h);
    c.de = (4389 * SinDeg(h) + 1129 * SinDeg(2 * h) + 4262 * CosDeg(h) + 1089 * CosDeg(2 * h)) /
           kEccentricityUnit;
    c.da = (-817 * SinDeg(h) + 8189 * CosDeg(h) + 781 * CosDeg(2 * h)) / kSemiMajorUnit;

    elements.meanAnomalyDeg = ownMeanAnomaly;
    ApplyCorrections(c, elements);

    return -0.009556 * SinDeg(zeta) - 0.005178 * SinDeg(eta) + 0.002572 * SinDeg(2 * theta) -
           0.002972 * CosDeg(2 * theta) * SinDeg(g) - 0.002833 * SinDeg(2 * theta) * CosDeg(g);
}

}  // namespace velmaris::planets
