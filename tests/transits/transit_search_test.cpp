// The window search against brute force: dense sampling of delta with bisection of every sign
// change, on synthetic tracks built to be hard (loops, stations at or just short of a level,
// the 0/360 seam) and on periods that cut windows and series.
#include "transits/transit_search.h"
#include "transits/angle_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ranges>
#include <vector>

namespace velmaris::transits {
namespace {

using ephem::Body;

constexpr double kDay0 = 2461000;             // origin of the synthetic tracks
constexpr double kMotionDegPerDay = 0.03346;  // mean motion of the looping body
constexpr double kLoopDeg = 3.5;              // amplitude of its loop: stations when > 2.01
constexpr double kOmega = 2 * std::numbers::pi / 378;  // one loop each synodic period
constexpr double kRootTolDays = 1e-6;

// Days after kDay0 to degrees: a loop c + v t + A sin(w t).
double LoopDeg(double t) {
    return 100 + kMotionDegPerDay * t + kLoopDeg * std::sin(kOmega * t);
}

// The loop's first station, where its motion turns back: days after kDay0 and longitude.
const double kStationDays = std::acos(-kMotionDegPerDay / (kLoopDeg * kOmega)) / kOmega;
const double kStationDeg = LoopDeg(kStationDays);

// `moving` follows `track`; every other body runs on steadily at its mean motion, so that its
// series end as real ones do.
LongitudeFunction Tracks(Body moving, double (*track)(double)) {
    return [=](Body body, double jd) {
        const double t = jd - kDay0;
        const double deg = body == moving
                               ? track(t)
                               : 40.0 * static_cast<int>(body) + 360 / MeanPeriodDays(body) * t;
        return deg - 360 * std::floor(deg / 360);
    };
}

// Natal SUN on `sunDeg`, the other natal points elsewhere; the period in days after kDay0.
TransitQuery Query(double sunDeg, double orbDeg, double fromDays, double toDays,
                   const std::vector<Body>& bodies = {}) {
    TransitQuery query{{}, orbDeg, kDay0 + fromDays, kDay0 + toDays, bodies};
    query.natal.fill(300);
    ephem::At(query.natal, Body::Sun) = sunDeg;
    return query;
}

// The windows found of `transit` to natal SUN at one aspect. A query that lists its bodies
// lists `transit` alone here, and a window of any other body is an error.
std::vector<TransitWindow> WindowsOf(const TransitQuery& query, const LongitudeFunction& f,
                                     Body transit, double aspectDeg = 0) {
    std::vector<TransitWindow> windows = FindTransitWindows(query, f);
    std::erase_if(windows, [&](const TransitWindow& w) {
        EXPECT_TRUE(query.bodies.empty() || w.transit == transit) << "a body not asked for";
        return w.transit != transit || w.natal != Body::Sun || w.aspectDeg != aspectDeg;
    });
    return windows;
}

// Windows of one body to one point by sampling every 0.01 day from kDay0 - 3000 to
// kDay0 + 6000 and bisecting every sign change, with passes counted over every hit found
// there: hits less than half a mean period apart form one series.
std::vector<TransitWindow> BruteForce(const LongitudeFunction& f, Body body, double target,
                                      double orb) {
    const auto delta = [&](double t) { return WrapDelta(f(body, t) - target); };
    const auto edge = [&](double t) { return std::fabs(delta(t)) - orb; };
    const auto bisect = [](const auto& g, double a, double b) {
        for (int i = 0; i < 60; ++i) {
            const double m = (a + b) / 2;
            ((g(m) < 0) == (g(a) < 0) ? a : b) = m;
        }
        return a;
    };
    std::vector<TransitWindow> windows;
    double prev = kDay0 - 3000;
    if (edge(prev) <= 0) {
        windows.push_back({.enters = prev, .hits = {}});
    }
    double lastHit = -1e9;  // none yet
    int pass = 0;
    for (double t = prev + 0.01; t <= kDay0 + 6000; prev = t, t += 0.01) {
        if ((edge(t) <= 0) != (edge(prev) <= 0)) {
            (edge(t) <= 0 ? windows.emplace_back().enters : windows.back().leaves) =
                bisect(edge, prev, t);
        }
        if ((delta(prev) < 0) != (delta(t) < 0) && std::fabs(delta(t)) < 90) {
            const double hit = bisect(delta, prev, t);
            pass = hit - lastHit < MeanPeriodDays(body) / 2 ? pass + 1 : 1;
            windows.back().hits.push_back({hit, pass, 0});
            lastHit = hit;
        }
    }
    // Backwards, each hit takes the count of the series from the one after it, if that one
    // continues its series.
    const ExactHit* later = nullptr;
    for (ExactHit& hit : windows | std::views::transform(&TransitWindow::hits) | std::views::join |
                             std::views::reverse) {
        hit.passes = later != nullptr && later->pass > 1 ? later->passes : hit.pass;
        later = &hit;
    }
    return windows;
}

// Hits beside a station are ill-conditioned (sqrt of the longitude's noise): hence hitTolDays.
void ExpectSameWindow(const TransitWindow& got, const TransitWindow& want, double hitTolDays) {
    EXPECT_NEAR(got.enters, want.enters, kRootTolDays);
    EXPECT_NEAR(got.leaves, want.leaves, kRootTolDays);
    ASSERT_EQ(got.hits.size(), want.hits.size());
    for (std::size_t h = 0; h < want.hits.size(); ++h) {
        EXPECT_NEAR(got.hits[h].julianDate, want.hits[h].julianDate, hitTolDays);
        EXPECT_EQ(got.hits[h].pass, want.hits[h].pass);
        EXPECT_EQ(got.hits[h].passes, want.hits[h].passes);
    }
}

TEST(TransitSearch, AgreesWithBruteForceOnHardCases) {
    // Natal SUN and the period are counted from the loop's first station. One window of SATURN
    // Conjunct SUN overlaps the period, with `hits` in it.
    struct Case {
        const char* name;
        double targetOffsetDeg, orbDeg, fromDays, toDays;
        std::size_t hits;
    };
    // clang-format off
    constexpr Case kCases[] = {
        // name                              offset      orb  from  to   hits
        {"triple pass in one window",        -1.0,       1.5, -5,   5,   3},
        {"three windows, the middle only",   -1.0,       0.2, 60,   70,  1},
        {"station 25 arcsec short",          25.0/3600,  1.0, -5,   5,   0},
        {"station just past the target",     -25.0/3600, 1.0, -5,   5,   2},
        {"window spans the period's start",  -1.0,       1.5, 0,    400, 3},
        {"station exactly at the orb edge",  -1.0,       1.0, -5,   5,   3},
    };
    // clang-format on
    const LongitudeFunction f = Tracks(Body::Saturn, LoopDeg);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const TransitQuery query = Query(kStationDeg + c.targetOffsetDeg, c.orbDeg,
                                         kStationDays + c.fromDays, kStationDays + c.toDays);
        std::vector<TransitWindow> want =
            BruteForce(f, Body::Saturn, kStationDeg + c.targetOffsetDeg, c.orbDeg);
        std::erase_if(want, [&](const TransitWindow& w) {
            return w.enters > query.toJulianDate || w.leaves < query.fromJulianDate;
        });
        ASSERT_TRUE(want.size() == 1 && want[0].hits.size() == c.hits) << "brute force case off";
        const std::vector<TransitWindow> got = WindowsOf(query, f, Body::Saturn);
        ASSERT_EQ(got.size(), 1U);
        ExpectSameWindow(got[0], want[0], 2e-4);
        if (c.hits == 0) {
            // Short of the target: the closest approach is the station itself, applying before
            // it and separating after.
            EXPECT_NEAR(got[0].closestJulianDate, kDay0 + kStationDays, 1e-3);
            EXPECT_NEAR(got[0].closestDeltaDeg, -c.targetOffsetDeg, 1e-9);
            EXPECT_TRUE(DeltaAt(got[0], got[0].closestJulianDate - 10, f).applying);
            EXPECT_FALSE(DeltaAt(got[0], got[0].closestJulianDate + 10, f).applying);
        }
    }
}

// A slow loop whose three passes over a point lie 900 and 1300 days apart, much further than
// the search samples beyond the period at first: the series is still counted whole, and a
// period around any one pass numbers it within all three.
TEST(TransitSearch, PassesFarBeyondThePeriodStillCount) {
    const LongitudeFunction f = Tracks(Body::Pluto, [](double t) {
        return 150 + 0.004 * t + 6 * std::sin(2 * std::numbers::pi * t / 3000);
    });
    const std::vector<TransitWindow> want = BruteForce(f, Body::Pluto, 155, 0.3);
    ASSERT_EQ(want.size(), 3U) << "the brute force case is off";
    for (const TransitWindow& expected : want) {
        const double hitDays = expected.hits.front().julianDate - kDay0;
        SCOPED_TRACE(hitDays);
        const TransitQuery query = Query(155, 0.3, hitDays - 5, hitDays + 5, {Body::Pluto});
        const std::vector<TransitWindow> got = WindowsOf(query, f, Body::Pluto);
        ASSERT_EQ(got.size(), 1U);
        ExpectSameWindow(got[0], expected, 1e-4);
    }
}

// Conjunction and opposition points beside the 0/360 seam, the track crossing it at the
// looping body's mean motion.
TEST(TransitSearch, HitsAcrossTheSeam) {
    const LongitudeFunction f =
        Tracks(Body::Saturn, [](double t) { return 359.0 + kMotionDegPerDay * t; });
    // natal SUN, aspect, degrees from 359 to the point
    constexpr double kSeams[][3] = {
        {359.98, 0, 0.98}, {0.02, 0, 1.02}, {179.99, 180, 0.99}, {180.01, 180, 1.01}};
    for (const auto& [natal, aspect, toGo] : kSeams) {
        SCOPED_TRACE(natal);
        const std::vector<TransitWindow> got =
            WindowsOf(Query(natal, 0.5, 0, 60), f, Body::Saturn, aspect);
        ASSERT_EQ(got.size(), 1U);
        const double exact = kDay0 + toGo / kMotionDegPerDay;
        const double half = 0.5 / kMotionDegPerDay;
        ExpectSameWindow(got[0],
                         {.enters = exact - half, .leaves = exact + half, .hits = {{exact, 1, 1}}},
                         kRootTolDays);
    }
}

}  // namespace
}  // namespace velmaris::transits
