#include <benchmark/benchmark.h>

#include "positions/positions.h"

namespace {

// One call per reported date: the whole chain from the Sun to Pluto and the Moon.
void BM_ComputePositions(benchmark::State& state) {
    double dayNumber = 2451545;
    for (auto _ : state) {
        const auto positions =
            velmaris::ephem::ComputePositions(velmaris::ephem::MakeChartMoment(dayNumber, 0.37));
        benchmark::DoNotOptimize(positions);
        dayNumber += 1;
    }
}
BENCHMARK(BM_ComputePositions);

// One body, as the transit search asks for it: range(0) is the body.
void BM_ComputeLongitude(benchmark::State& state) {
    const auto body = static_cast<velmaris::ephem::Body>(state.range(0));
    double dayNumber = 2451545;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmaris::ephem::ComputeLongitude(
            velmaris::ephem::MakeChartMoment(dayNumber, 0.37), body));
        dayNumber += 1;
    }
}
BENCHMARK(BM_ComputeLongitude)->DenseRange(1, 10);

}  // namespace
