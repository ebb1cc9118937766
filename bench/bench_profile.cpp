// A vessel's rings from its profile: 40 rings stacked over a 30-point profile, each ring's outer
// and inner diameter found exactly in its band, and every ring's result.

#include "core/stacking.h"
#include "core/vesselresults.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A vase 12 inches high: a belly, a neck and a flaring lip through 30 smooth points, two corners.
orvane::Vessel vase()
{
    orvane::Vessel vessel;
    vessel.name = "Vase";
    for (int i = 0; i < 30; ++i) {
        const double h = 12.0 * i / 29;
        const double r = 3 + 2.5 * std::sin(h / 12 * 4.5) + 0.4 * std::cos(h * 1.7);
        vessel.profile.push_back({ r, h, i == 10 || i == 20 });
    }
    vessel.wall = 0.3;
    orvane::RingDesign ring = orvane::ringOf({ 12, 0, 0, 0.25 }, 0.3);
    for (int i = 0; i < 40; ++i) {
        ring.name = orvane::defaultRingName(static_cast<std::size_t>(i) + 1);
        vessel.rings.push_back(ring);
    }
    return vessel;
}

void fortyRingsFromProfile(benchmark::State &state)
{
    const orvane::Vessel vessel = vase();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::computeVessel(vessel));
}
BENCHMARK(fortyRingsFromProfile)->Unit(benchmark::kMicrosecond);

// The geometry alone: the bands' diameters, without the rings' results and texts.
void fortyBandsFromProfile(benchmark::State &state)
{
    const orvane::Vessel vessel = vase();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::stackRings(vessel));
}
BENCHMARK(fortyBandsFromProfile)->Unit(benchmark::kMicrosecond);

} // namespace
