// The vessel in 3D: a 40-ring vase on a 30-point profile, its rings in two woods in turn, drawn
// as the blank and as turned, the scene built again each time as after an edit, and drawn again
// alone as when the user turns it.

#include "bench/benchvase.h"
#include "core/vesselresults.h"
#include "drawing/vesselpicture.h"
#include "drawing/vesselpictures.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr QSize pictureSize(480, 560);

orvane::Vessel twoWoodVase()
{
    orvane::Vessel vessel = benchmarkVase();
    for (std::size_t i = 0; i < vessel.rings.size(); ++i)
        vessel.rings[i].pattern = { i % 2 ? "Walnut" : "Maple", "Cherry" };
    return vessel;
}

void pictureAfterEdit(benchmark::State &state, bool turned)
{
    const orvane::Vessel vessel = twoWoodVase();
    const orvane::VesselResults results = orvane::computeVessel(vessel);
    for (auto _ : state) {
        const auto scene = turned ? orvane::turnedSceneOf(vessel, results, vessel.woods)
                                  : orvane::blankSceneOf(results, vessel.woods);
        benchmark::DoNotOptimize(orvane::renderScene(scene, {}, pictureSize, Qt::white));
    }
}
BENCHMARK_CAPTURE(pictureAfterEdit, blank, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pictureAfterEdit, turned, true)->Unit(benchmark::kMillisecond);

void pictureTurnedByTheUser(benchmark::State &state)
{
    const orvane::Vessel vessel = twoWoodVase();
    const auto scene = orvane::turnedSceneOf(vessel, orvane::computeVessel(vessel), vessel.woods);
    double turn = 0;
    for (auto _ : state) {
        turn += 3;
        benchmark::DoNotOptimize(orvane::renderScene(scene, { turn, 25 }, pictureSize, Qt::white));
    }
}
BENCHMARK(pictureTurnedByTheUser)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
