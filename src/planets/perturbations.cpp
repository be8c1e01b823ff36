#include "planets/perturbations.h"

#include <array>
#include <cstddef>

#include "ephemeris/angles.h"
#include "planets/jupiter_terms.h"
#include "planets/saturn_terms.h"

namespace velmaris::planets {
namespace {

using ephem::CosDeg;
using ephem::KmPerAU;
using ephem::MultipleAngles;
using ephem::SinCos;
using ephem::SinDeg;

constexpr double kEccentricityUnit = 10000000;  // the tables' de is in units of 1e-7
constexpr double kSemiMajorUnit = 1000000;      // the tables' da is in units of 1e-6 AU

// Largest multiple of an argument in the Jupiter and Saturn tables.
constexpr int kLargestMultiple = 5;

template <std::size_t N>
constexpr bool MultiplesWithin(const PerturbationTerm (&table)[N], int largest) {
    for (const PerturbationTerm& row : table) {
        for (const Factor& factor : {row.f1, row.f2}) {
            if (factor.trig != Trig::One && (factor.k < 0 || factor.k > largest)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(MultiplesWithin(kJupiterTerms, kLargestMultiple));
static_assert(MultiplesWithin(kSaturnTerms, kLargestMultiple));

constexpr bool OnesAreZeroMultiples(const auto& table) {
    for (const PerturbationTerm& row : table) {
        for (const Factor& factor : {row.f1, row.f2}) {
            if (factor.trig == Trig::One && factor.k != 0) {
                return false;
            }
        }
    }
    return true;
}
static_assert(OnesAreZeroMultiples(kJupiterTerms));
static_assert(OnesAreZeroMultiples(kSaturnTerms));

// The sines and cosines of every multiple of the five arguments that the tables use, by Arg.
class ArgMultiples {
  public:
    explicit ArgMultiples(const PerturbationArgs& args) noexcept
        : multiples_{
              MultipleAngles<kLargestMultiple>(args.v), MultipleAngles<kLargestMultiple>(args.w),
              MultipleAngles<kLargestMultiple>(args.zeta), MultipleAngles<kLargestMultiple>(args.q),
              MultipleAngles<kLargestMultiple>(args.psi)} {}

    // A factor's value. The factor One is written with k = 0, whose cosine is exactly 1.
    [[nodiscard]] double Of(const Factor& factor) const noexcept {
        const SinCos times = multiples_[static_cast<std::size_t>(factor.arg)](factor.k);
        return factor.trig == Trig::Sin ? times.sin : times.cos;
    }

  private:
    static_assert(static_cast<int>(Arg::Psi) == 4, "one slot per Arg, in its order");
    std::array<MultipleAngles<kLargestMultiple>, 5> multiples_;
};

double PolyValue(const Poly& poly, double nu) noexcept {
    return poly.c0 + poly.c1 * nu + poly.c2 * nu * nu;
}

template <std::size_t N>
ElementCorrections SumTerms(const PerturbationTerm (&table)[N],
                            const PerturbationArgs& args) noexcept {
    const ArgMultiples multiples(args);
    ElementCorrections sums;
    for (const PerturbationTerm& row : table) {
        const double product = multiples.Of(row.f1) * multiples.Of(row.f2);
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
    const MultipleAngles<2> hTimes(h);
    const MultipleAngles<3> thetaTimes(theta);

    ElementCorrections c;
    c.a = (0.864319 - 0.001583 * nu) * hTimes(1).sin + (0.082222 - 0.006833 * nu) * hTimes(1).cos +
          0.036017 * hTimes(2).sin - 0.003019 * hTimes(2).cos + 0.008122 * SinDeg(args.w);
    c.b = 0.120303 * hTimes(1).sin + (0.019472 - 0.000947 * nu) * hTimes(1).cos +
          0.006197 * hTimes(2).sin;
    c.de = ((-3349 + 163 * nu) * hTimes(1).sin + 20981 * hTimes(1).cos + 1311 * hTimes(2).cos) /
           kEccentricityUnit;
    c.da = -0.003825 * hTimes(1).cos;  // already in AU

    elements.meanAnomalyDeg = ownMeanAnomaly;
    ApplyCorrections(c, elements);

    const double s = args.s;
    const SinCos sPlusEta = ephem::SinCosDeg(s + eta);
    return (0.010122 - 0.000988 * nu) * sPlusEta.sin +
           (-0.038581 + 0.002031 * nu - 0.00191 * nu * nu) * sPlusEta.cos +
           (0.034964 - 0.001038 * nu + 0.000868 * nu * nu) * CosDeg(2 * s + eta) +
           0.005594 * SinDeg(s + 3 * theta) - 0.014808 * SinDeg(zeta) - 0.005794 * SinDeg(eta) +
           0.002347 * CosDeg(eta) + 0.009872 * thetaTimes(1).sin + 0.008803 * thetaTimes(2).sin -
           0.004308 * thetaTimes(3).sin;
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
    const MultipleAngles<2> hTimes(h);
    const MultipleAngles<2> thetaTimes(theta);
    const SinCos gAngle = ephem::SinCosDeg(g);

    ElementCorrections c;
    c.a = (-0.589833 + 0.001089 * nu) * hTimes(1).sin +
          (-0.056094 + 0.004658 * nu) * hTimes(1).cos - 0.024286 * hTimes(2).sin;
    c.b = 0.024039 * hTimes(1).sin - 0.025303 * hTimes(1).cos + 0.006206 * hTimes(2).sin -
          0.005992 * hTimes(2).cos;
    c.de = (4389 * hTimes(1).sin + 1129 * hTimes(2).sin + 4262 * hTimes(1).cos +
            1089 * hTimes(2).cos) /
           kEccentricityUnit;
    c.da = (-817 * hTimes(1).sin + 8189 * hTimes(1).cos + 781 * hTimes(2).cos) / kSemiMajorUnit;

    elements.meanAnomalyDeg = ownMeanAnomaly;
    ApplyCorrections(c, elements);

    return -0.009556 * SinDeg(zeta) - 0.005178 * SinDeg(eta) + 0.002572 * thetaTimes(2).sin -
           0.002972 * thetaTimes(2).cos * gAngle.sin - 0.002833 * thetaTimes(2).sin * gAngle.cos;
}

}  // namespace velmaris::planets
