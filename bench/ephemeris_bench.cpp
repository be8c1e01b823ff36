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

}  // namespace
