// The transit search: a year and a century of listing for one chart, and the search of one
// body's windows for a month, as the timing of a page asks for it.
#include "listing/listing_rig.h"
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

// range(0): the body, SUN 1 .. PLUTO 9.
void BM_OneBodyMonth(benchmark::State& state) {
    velmaris::transits::TransitQuery query = LoadReferenceChart().query;
    query.toJulianDate = query.fromJulianDate + 31;
    query.bodies = {static_cast<velmaris::ephem::Body>(state.range(0))};
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmaris::transits::FindTransitWindows(
            query, velmaris::transits::PositionsLongitude()));
    }
}
BENCHMARK(BM_OneBodyMonth)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

}  // namespace
