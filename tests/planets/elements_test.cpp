#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/angles.h"
#include "planets/element_evaluation.h"
#include "planets/orbital_elements.h"
#include "planets/perturbations.h"

namespace velmaris::planets {
namespace {

using ephem::KmPerAU;

TEST(OrbitalElementTablesTest, CellsSitUnderTheirBodyAndSlot) {
    struct Case {
        const char* label;
        double got;
        double want;
    };
    const Case cases[] = {
        {"1900 Jupiter mean motion", kElements1900[1][1], 3036.301986},
        {"1900 Neptune node T^3", kElements1900[20][4], -0.000004718},
        {"1900 Saturn inclination T^3", kElements1900[12][2], 0.00000004},
        {"1900 Earth semi-major axis", kElements1900[4][0], 1.0000002},
        {"J2000 Mercury mean motion", kElementsJ2000[10][1], 149472.5153},
        {"J2000 Earth semi-major axis", kElementsJ2000[0][0], 1.000000031},
        {"J2000 Mars perihelion", kElementsJ2000[7][3], 336.059},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.got, c.want);
    }
    // The Earth has no inclination or node in the 1900 table, at any date.
    for (const int slot : {4, 9, 10, 11, 12, 13, 18, 19, 20, 21}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(kElements1900[slot - 1][0], 0.0);
    }
}

TEST(EvaluateInnerElementsTest, AtJ2000TheEpochValuesStandAlone) {
    const OrbitElements mercury = EvaluateInnerElements(OrbitBody::Mercury, Centuries2000{0.0});
    EXPECT_EQ(mercury.semiMajorKm, 0.387099 * KmPerAU);
    EXPECT_EQ(mercury.eccentricity, 0.205634);
    EXPECT_EQ(mercury.inclinationDeg, 7.0048);
    EXPECT_EQ(mercury.nodeDeg, 48.331);
    EXPECT_EQ(mercury.meanAnomalyDeg, 174.7947);
    EXPECT_EQ(mercury.perihelionArgDeg, 77.4552 - 48.331);
}

TEST(EvaluateInnerElementsTest, MeanAnomalyIsNotReduced) {
    const OrbitElements before = EvaluateInnerElements(OrbitBody::Venus, Centuries2000{-1.0});
    EXPECT_DOUBLE_EQ(before.meanAnomalyDeg, 50.4071 - 58517.8039);
    const OrbitElements after = EvaluateInnerElements(OrbitBody::Mars, Centuries2000{2.0});
    EXPECT_DOUBLE_EQ(after.meanAnomalyDeg, 19.3879 + 2 * 19139.8585);
    EXPECT_DOUBLE_EQ(after.eccentricity, 0.093405 + 2 * 0.000092);
}

TEST(EvaluateOuterElementsTest, EarthMeanAnomalyIsShiftedByHalfATurn) {
    const OuterElements earth = EvaluateOuterElements(OrbitBody::Earth, Centuries1900{0.0});
    EXPECT_NEAR(earth.elements.meanAnomalyDeg, 358.475828, 1e-9);
    EXPECT_EQ(earth.elements.inclinationDeg, 0.0);
    EXPECT_EQ(earth.elements.nodeDeg, 0.0);
    EXPECT_EQ(earth.longitudeCorrectionDeg, 0.0);
    // In [180, 540) at any date, never reduced again.
    for (double t = -30; t <= 30; t += 0.37) {
        const double m =
            EvaluateOuterElements(OrbitBody::Earth, Centuries1900{t}).elements.meanAnomalyDeg;
        ASSERT_GE(m, 180.0) << t;
        ASSERT_LT(m, 540.0) << t;
    }
}

TEST(ApplyCorrectionsTest, UsesTheEccentricityBeforeItsOwnCorrection) {
    OrbitElements elements;
    elements.eccentricity = 0.05;
    elements.meanAnomalyDeg = 10.0;
    elements.perihelionArgDeg = 20.0;
    elements.semiMajorKm = 5 * KmPerAU;
    ElementCorrections c;
    c.a = 0.3;
    c.b = 0.01;
    c.de = 0.001;
    c.da = 0.002;
    ApplyCorrections(c, elements);
    EXPECT_DOUBLE_EQ(elements.meanAnomalyDeg, 10.0 + 0.3 - 0.01 / 0.05);
    EXPECT_DOUBLE_EQ(elements.perihelionArgDeg, 20.0 + 0.01 / 0.05);
    EXPECT_DOUBLE_EQ(elements.eccentricity, 0.051);
    EXPECT_DOUBLE_EQ(elements.semiMajorKm, 5.002 * KmPerAU);
}

TEST(OuterPerturbationsTest, UranusAndNeptuneUseTheirOwnMeanAnomaly) {
    // A mean anomaly left by the caller is discarded: two different ones give the same result.
    for (const auto& perturb : {&UranusPerturbations, &NeptunePerturbations}) {
        OrbitElements first;
        first.eccentricity = 0.04;
        first.meanAnomalyDeg = 12.0;
        OrbitElements second = first;
        second.meanAnomalyDeg = 250.0;
        const double c1 = perturb(Centuries1900{0.5}, first);
        const double c2 = perturb(Centuries1900{0.5}, second);
        EXPECT_EQ(first.meanAnomalyDeg, second.meanAnomalyDeg);
        EXPECT_EQ(c1, c2);
        // The correction to the longitude is a small fraction of a degree.
        EXPECT_LT(std::fabs(c1), 0.2);
    }
}

}  // namespace
}  // namespace velmaris::planets
