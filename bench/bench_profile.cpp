// A vessel's rings from its profile: 40 rings stacked over a 30-point profile, each ring's outer
// and inner diameter found exactly in its band, and every ring's result.

#include "bench/benchvase.h"
#include "core/stacking.h"
#include "core/vesselresults.h"

#include <benchmark/benchmark.h>

namespace {

void fortyRingsFromProfile(benchmark::State &state)
{
    const orvane::Vessel vessel = benchmarkVase();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::computeVessel(vessel));
}
BENCHMARK(fortyRingsFromProfile)->Unit(benchmark::kMicrosecond);

// The geometry alone: the bands' diameters, without the rings' results and texts.
void fortyBandsFromProfile(benchmark::State &state)
{
    const orvane::Vessel vessel = benchmarkVase();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::stackRings(vessel));
}
BENCHMARK(fortyBandsFromProfile)->Unit(benchmark::kMicrosecond);

} // namespace
