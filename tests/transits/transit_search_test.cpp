// The window search against brute force: dense sampling of delta with bisection of every sign
// change, on synthetic tracks built to be hard (loops, stations at or just short of a level,
// the 0/360 seam) and on periods that cut windows and series.
#include "transits/transit_search.h"
#include "transits/angle_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace velmaris::transits {
namespace {

using ephem::Body;

constexpr double kDay0 = 2461000;             // origin of the synthetic tracks
constexpr double kSynodicDays = 378;          // a loop of the test body each synodic period
constexpr double kMotionDegPerDay = 0.03346;  // its mean motion
constexpr double kLoopDeg = 3.5;              // amplitude of the loop: stations when > 2.01
constexpr double kOmega = 2 * std::numbers::pi / kSynodicDays;
constexpr double kRootTolDays = 1e-6;

// The test body (SATURN) loops as c + v t + A sin(w t); every other body runs on steadily at
// its mean motion, so that its series end as real ones do.
struct Loop {
    double startDeg;

    [[nodiscard]] double At(double jd) const {
        const double t = jd - kDay0;
        const double deg = startDeg + kMotionDegPerDay * t + kLoopDeg * std::sin(kOmega * t);
        return deg - 360 * std::floor(deg / 360);
    }
    // Days after kDay0 of the first station where the motion turns back, and its longitude.
    [[nodiscard]] static double StationDays() {
        return std::acos(-kMotionDegPerDay / (kLoopDeg * kOmega)) / kOmega;
    }
    [[nodiscard]] double StationDeg() const {
        const double t = StationDays();
        return startDeg + kMotionDegPerDay * t + kLoopDeg * std::sin(kOmega * t);
    }
};

LongitudeFunction Synthetic(Loop loop) {
    return [loop](Body body, double jd) {
        if (body == Body::Saturn) {
            return loop.At(jd);
        }
        const double deg =
            40.0 * static_cast<int>(body) + 360 / MeanPeriodDays(body) * (jd - kDay0);
        return deg - 360 * std::floor(deg / 360);
    };
}

struct BruteWindow {
    double enters = 0;
    double leaves = 0;
    std::vector<double> hits;
    std::vector<int> pass;
    std::vector<int> passes;
};

// Bisection of g between a and b, where g changes sign.
template <typename G>
double Bisect(const G& g, double a, double b) {
    const bool negativeAtA = g(a) < 0;
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        ((g(m) < 0) == negativeAtA ? a : b) = m;
    }
    return (a + b) / 2;
}

// Windows of one body (SATURN unless said) to one target point by sampling every `step` days
// over [from, to], with passes counted over every hit found there.
std::vector<BruteWindow> BruteForce(const LongitudeFunction& f, double target, double orb,
                                    double from, double to, double step = 0.01,
                                    Body body = Body::Saturn) {
    auto delta = [&](double t) { return WrapDelta(f(body, t) - target); };
    auto edge = [&](double t) { return std::fabs(delta(t)) - orb; };
    std::vector<BruteWindow> windows;
    std::vector<double> allHits;
    bool in = edge(from) <= 0;
    if (in) {
        windows.push_back({from, 0, {}, {}, {}});
    }
    double prevT = from;
    double prevD = delta(from);
    for (double t = from + step; t <= to; t += step) {
        const double d = delta(t);
        const bool nowIn = std::fabs(d) <= orb;
        if (nowIn != in) {
            const double root = Bisect(edge, prevT, t);
            if (nowIn) {
                windows.push_back({root, 0, {}, {}, {}});
            } else {
                windows.back().leaves = root;
            }
            in = nowIn;
        }
        if ((prevD < 0) != (d < 0) && std::fabs(d) < 90) {
            const double hit = Bisect(delta, prevT, t);
            allHits.push_back(hit);
            windows.back().hits.push_back(hit);
        }
        prevT = t;
        prevD = d;
    }
    const double half = MeanPeriodDays(body) / 2;
    std::vector<int> pass(allHits.size());
    std::vector<int> passes(allHits.size());
    for (std::size_t b = 0; b < allHits.size();) {
        std::size_t e = b + 1;
        while (e < allHits.size() && allHits[e] - allHits[e - 1] < half) {
            ++e;
        }
        for (std::size_t i = b; i < e; ++i) {
            pass[i] = static_cast<int>(i - b + 1);
            passes[i] = static_cast<int>(e - b);
        }
        b = e;
    }
    std::size_t k = 0;
    for (BruteWindow& w : windows) {
        for (std::size_t h = 0; h < w.hits.size(); ++h, ++k) {
            w.pass.push_back(pass[k]);
            w.passes.push_back(passes[k]);
        }
    }
    return windows;
}

struct Case {
    const char* name;
    double targetOffsetDeg;  // target point = the loop's first station + this
    double orbDeg;
    double fromDays;  // period, days after kDay0
    double toDays;
    int windows;   // windows of SATURN Conjunct SUN overlapping the period
    int hitsSeen;  // hits in them
};

// Natal SUN stands on the target point; the other natal points are far from the loop.
TransitQuery QueryFor(const Loop& loop, const Case& c) {
    TransitQuery query;
    for (int n = 1; n <= 10; ++n) {
        query.natal[static_cast<std::size_t>(n)] = 200 + 7.0 * n;
    }
    const double target = loop.StationDeg() + c.targetOffsetDeg;
    query.natal[static_cast<std::size_t>(Body::Sun)] = target - 360 * std::floor(target / 360);
    query.orbDeg = c.orbDeg;
    query.fromJulianDate = kDay0 + c.fromDays;
    query.toJulianDate = kDay0 + c.toDays;
    return query;
}

TEST(TransitSearch, AgreesWithBruteForceOnHardCases) {
    const double station = Loop::StationDays();
    // clang-format off
    const Case cases[] = {
        // name                              offset   orb   from           to           win hits
        {"triple pass in one window",        -1.0,    1.5,  station - 5,   station + 5,   1, 3},
        {"three windows, the middle only",   -1.0,    0.2,  station + 60,  station + 70,  1, 1},
        {"station 25 arcsec short",          25.0/3600, 1.0, station - 5,  station + 5,   1, 0},
        {"station just past the target",     -25.0/3600, 1.0, station - 5, station + 5,   1, 2},
        {"window spans the period's start",  -1.0,    1.5,  station,       station + 400, 1, 3},
        {"station exactly at the orb edge",  -1.0,    1.0,  station - 5,   station + 5,   1, 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Loop loop{100};
        const LongitudeFunction f = Synthetic(loop);
        const TransitQuery query = QueryFor(loop, c);
        const double target = query.natal[static_cast<std::size_t>(Body::Sun)];
        std::vector<TransitWindow> got;
        for (const TransitWindow& w : FindTransitWindows(query, f)) {
            if (w.transit == Body::Saturn && w.natal == Body::Sun && w.aspectDeg == 0) {
                got.push_back(w);
            }
        }
        std::vector<BruteWindow> want;
        for (const BruteWindow& w : BruteForce(f, target, c.orbDeg, kDay0 - 3000, kDay0 + 3000)) {
            if (w.enters <= query.toJulianDate && w.leaves >= query.fromJulianDate) {
                want.push_back(w);
            }
        }
        ASSERT_EQ(static_cast<int>(want.size()), c.windows) << "the brute force case is off";
        ASSERT_EQ(got.size(), want.size());
        int hits = 0;
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_NEAR(got[i].enters, want[i].enters, kRootTolDays);
            EXPECT_NEAR(got[i].leaves, want[i].leaves, kRootTolDays);
            ASSERT_EQ(got[i].hits.size(), want[i].hits.size());
            for (std::size_t h = 0; h < want[i].hits.size(); ++h) {
                // Hits beside a station are ill-conditioned: sqrt of the longitude's noise.
                EXPECT_NEAR(got[i].hits[h].julianDate, want[i].hits[h], 2e-4);
                EXPECT_EQ(got[i].hits[h].pass, want[i].pass[h]);
                EXPECT_EQ(got[i].hits[h].passes, want[i].passes[h]);
                ++hits;
            }
        }
        EXPECT_EQ(hits, c.hitsSeen);
    }
}

// A slow loop whose three passes over a point lie 900 and 1300 days apart, much further than
// the search samples beyond the period at first: the series is still counted whole, and a
// period around any one pass numbers it within all three.
TEST(TransitSearch, PassesFarBeyondThePeriodStillCount) {
    constexpr double kPeriodDays = 3000;
    const LongitudeFunction f = [](Body body, double jd) {
        const double t = jd - kDay0;
        const double deg =
            body == Body::Pluto
                ? 150 + 0.004 * t + 6 * std::sin(2 * std::numbers::pi * t / kPeriodDays)
                : 40.0 * static_cast<int>(body) + 360 / MeanPeriodDays(body) * t;
        return deg - 360 * std::floor(deg / 360);
    };
    TransitQuery query;
    for (int n = 1; n <= 10; ++n) {
        query.natal[static_cast<std::size_t>(n)] = 20 + 7.0 * n;  // far from the loop
    }
    query.natal[static_cast<std::size_t>(Body::Sun)] = 155;
    query.orbDeg = 0.3;
    std::vector<BruteWindow> want;
    for (const BruteWindow& w :
         BruteForce(f, 155, query.orbDeg, kDay0 - 3000, kDay0 + 6000, 0.25, Body::Pluto)) {
        if (!w.hits.empty()) {
            want.push_back(w);
        }
    }
    ASSERT_EQ(want.size(), 3U) << "the brute force case is off";
    for (const BruteWindow& expected : want) {
        SCOPED_TRACE(expected.hits.front() - kDay0);
        query.fromJulianDate = expected.hits.front() - 5;
        query.toJulianDate = expected.hits.front() + 5;
        query.bodies = {Body::Pluto};
        std::vector<TransitWindow> got;
        for (const TransitWindow& w : FindTransitWindows(query, f)) {
            if (w.natal == Body::Sun && w.aspectDeg == 0) {
                got.push_back(w);
            }
        }
        ASSERT_EQ(got.size(), 1U);
        EXPECT_EQ(got[0].transit, Body::Pluto);
        ASSERT_EQ(got[0].hits.size(), 1U);
        EXPECT_NEAR(got[0].hits[0].julianDate, expected.hits.front(), 1e-4);
        EXPECT_EQ(got[0].hits[0].pass, expected.pass.front());
        EXPECT_EQ(got[0].hits[0].passes, 3);
        EXPECT_NEAR(got[0].enters, expected.enters, 1e-4);
        EXPECT_NEAR(got[0].leaves, expected.leaves, 1e-4);
    }
}

// A station short of the target by a few arcseconds: one window without a hit whose closest
// approach is the station itself.
TEST(TransitSearch, StationShortOfTheTargetRecordsItsClosestApproach) {
    const Loop loop{100};
    const Case c{"short", 25.0 / 3600, 1.0, Loop::StationDays() - 5, Loop::StationDays() + 5, 1, 0};
    for (const TransitWindow& w : FindTransitWindows(QueryFor(loop, c), Synthetic(loop))) {
        if (w.transit == Body::Saturn && w.natal == Body::Sun && w.aspectDeg == 0) {
            EXPECT_TRUE(w.hits.empty());
            EXPECT_NEAR(w.closestJulianDate, kDay0 + Loop::StationDays(), 1e-3);
            EXPECT_NEAR(w.closestDeltaDeg, -25.0 / 3600, 1e-9);
            const MomentDelta before = DeltaAt(w, w.closestJulianDate - 10, Synthetic(loop));
            const MomentDelta after = DeltaAt(w, w.closestJulianDate + 10, Synthetic(loop));
            EXPECT_TRUE(before.applying);
            EXPECT_FALSE(after.applying);
            return;
        }
    }
    ADD_FAILURE() << "no window";
}

// Conjunction and opposition points beside the 0/360 seam, the track crossing it.
TEST(TransitSearch, HitsAcrossTheSeam) {
    struct Seam {
        const char* name;
        double natalDeg;
        double aspectDeg;
    };
    const Seam seams[] = {
        {"conjunct just below 360", 359.98, 0},
        {"conjunct just above 0", 0.02, 0},
        {"opposite of 179.99", 179.99, 180},
        {"opposite of 180.01", 180.01, 180},
    };
    // A straight track through the seam at Saturn's mean motion.
    const LongitudeFunction f = [](Body body, double jd) {
        const double deg = body == Body::Saturn ? 359.0 + kMotionDegPerDay * (jd - kDay0)
                                                : 90.0 + 30 * static_cast<int>(body) +
                                                      360 / MeanPeriodDays(body) * (jd - kDay0);
        return deg - 360 * std::floor(deg / 360);
    };
    for (const Seam& s : seams) {
        SCOPED_TRACE(s.name);
        TransitQuery query;
        for (int n = 1; n <= 10; ++n) {
            query.natal[static_cast<std::size_t>(n)] = 250 + 3.0 * n;
        }
        query.natal[static_cast<std::size_t>(Body::Sun)] = s.natalDeg;
        query.orbDeg = 0.5;
        query.fromJulianDate = kDay0;
        query.toJulianDate = kDay0 + 60;
        int found = 0;
        for (const TransitWindow& w : FindTransitWindows(query, f)) {
            if (w.transit != Body::Saturn || w.natal != Body::Sun || w.aspectDeg != s.aspectDeg) {
                continue;
            }
            ++found;
            const double point = s.natalDeg + s.aspectDeg;
            const double wrappedPoint = point - 360 * std::floor(point / 360);
            // Degrees to go from 359 across the seam to the point, at the mean motion.
            const double toGo = std::fmod(wrappedPoint - 359.0 + 360, 360);
            const double exact = kDay0 + toGo / kMotionDegPerDay;
            ASSERT_EQ(w.hits.size(), 1U);
            EXPECT_NEAR(w.hits[0].julianDate, exact, kRootTolDays);
            EXPECT_NEAR(w.enters, exact - 0.5 / kMotionDegPerDay, kRootTolDays);
            EXPECT_NEAR(w.leaves, exact + 0.5 / kMotionDegPerDay, kRootTolDays);
            EXPECT_EQ(w.hits[0].passes, 1);
        }
        EXPECT_EQ(found, 1);
    }
}

}  // namespace
}  // namespace velmaris::transits
