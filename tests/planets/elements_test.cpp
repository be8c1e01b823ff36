// Element evaluation and the order of the perturbation corrections. The tables themselves are
// checked cell by cell through the independent position vectors (tests/ephemeris).
#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/angles.h"
#include "planets/element_evaluation.h"
#include "planets/perturbations.h"

namespace velmaris::planets {
namespace {

using ephem::KmPerAU;

TEST(EvaluateInnerElementsTest, PerihelionFromTheNodeAndUnreducedMeanAnomaly) {
    const OrbitElements mercury = EvaluateInnerElements(Body::Mercury, Centuries2000{0.0});
    EXPECT_EQ(mercury.perihelionArgDeg, 77.4552 - 48.331);  // perihelion longitude less the node
    // Before the epoch the mean anomaly runs negative and stays so.
    EXPECT_DOUBLE_EQ(EvaluateInnerElements(Body::Venus, Centuries2000{-1.0}).meanAnomalyDeg,
                     50.4071 - 58517.8039);
}

TEST(EvaluateOuterElementsTest, EarthMeanAnomalyIsShiftedByHalfATurn) {
    const OuterElements earth = EvaluateOuterElements(kEarthOrbit, Centuries1900{0.0});
    EXPECT_NEAR(earth.elements.meanAnomalyDeg, 358.475828, 1e-9);
    for (double t = -30; t <= 30; t += 0.37) {  // in [180, 540) at any date
        const OrbitElements at = EvaluateOuterElements(kEarthOrbit, Centuries1900{t}).elements;
        ASSERT_TRUE(at.meanAnomalyDeg >= 180.0 && at.meanAnomalyDeg < 540.0) << t;
    }
}

TEST(ApplyCorrectionsTest, UsesTheEccentricityBeforeItsOwnCorrection) {
    OrbitElements elements{5 * KmPerAU, 0.05, 0, 0, 20.0, 10.0};
    ApplyCorrections(ElementCorrections{0.3, 0.01, 0.001, 0.002}, elements);
    EXPECT_DOUBLE_EQ(elements.meanAnomalyDeg, 10.0 + 0.3 - 0.01 / 0.05);
    EXPECT_DOUBLE_EQ(elements.perihelionArgDeg, 20.0 + 0.01 / 0.05);
    EXPECT_DOUBLE_EQ(elements.eccentricity, 0.051);
    EXPECT_DOUBLE_EQ(elements.semiMajorKm, 5.002 * KmPerAU);
}

TEST(OuterPerturbationsTest, UranusAndNeptuneDiscardTheCallersMeanAnomaly) {
    for (const auto& perturb : {&UranusPerturbations, &NeptunePerturbations}) {
        OrbitElements first{.eccentricity = 0.04, .meanAnomalyDeg = 12.0};
        OrbitElements second{.eccentricity = 0.04, .meanAnomalyDeg = 250.0};
        const double c1 = perturb(Centuries1900{0.5}, first);
        EXPECT_EQ(c1, perturb(Centuries1900{0.5}, second));
        EXPECT_EQ(first.meanAnomalyDeg, second.meanAnomalyDeg);
        EXPECT_LT(std::fabs(c1), 0.2);  // the longitude correction is a small fraction of a degree
    }
}

}  // namespace
}  // namespace velmaris::planets
