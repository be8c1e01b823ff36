// The transit search: a year and a century of listing for one chart, and the timing lines of a
// page, the first of a year (which searches it) and the ones after it (which look up).
#include "listing/listing_rig.h"
#include "report/page_timing.h"
#include "transits/positions_adapter.h"

#include <benchmark/benchmark.h>

namespace {

using velmaris::testing::LoadReferenceChart;

void BM_ListingYears(benchmark::State& state) {
    velmaris::transits::TransitQuery query = LoadReferenceChart().query;
    query.toJulianDate = query.fromJulianDate + 365.25 * static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmaris::transits::FindTransitWindows(
            query, velmaris::transits::PositionsLongitude()));
    }
}
BENCHMARK(BM_ListingYears)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

// range(0): 1 for the first page of a year, 0 for the pages after it.
void BM_PageTiming(benchmark::State& state) {
    const auto chart = LoadReferenceChart();
    const double day = std::floor(chart.query.fromJulianDate) + 1;
    velmaris::domain::PageTiming warm(chart.query.natal, chart.query.orbDeg, {},
                                      velmaris::transits::PositionsLongitude());
    (void)warm.LineFor(velmaris::ephem::Body::Sun, 2, velmaris::ephem::Body::Sun, day, 0.5);
    int step = 0;
    for (auto _ : state) {
        if (state.range(0) == 1) {
            velmaris::domain::PageTiming first(chart.query.natal, chart.query.orbDeg, {},
                                               velmaris::transits::PositionsLongitude());
            benchmark::DoNotOptimize(first.LineFor(velmaris::ephem::Body::Saturn, 5,
                                                   velmaris::ephem::Body::Uranus, day, 0.5));
        } else {
            // A page of twenty aspect lines, a day further on each time.
            const double page = day + (step++ % 300);
            for (int line = 0; line < 20; ++line) {
                benchmark::DoNotOptimize(warm.LineFor(velmaris::ephem::Body::Saturn, 5,
                                                      velmaris::ephem::Body::Uranus, page, 0.5));
            }
        }
    }
}
BENCHMARK(BM_PageTiming)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
