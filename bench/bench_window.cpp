// The real window on the offscreen platform: one full recalculation (every caption written, both
// pictures redrawn into their backing images), and the longest chain one user action can start.

#include "window/orvane.h"
#include "window/spinner.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

Orvane *window = nullptr;

Spinner *spinner(const char *name) { return window->findChild<Spinner *>(QLatin1String(name)); }

void setRing(int segments, int outerQuarters, int innerQuarters)
{
    spinner("VScroll1")->setSpinnerValue(segments);
    spinner("VScroll2")->setSpinnerValue(outerQuarters);
    spinner("VScroll3")->setSpinnerValue(innerQuarters);
}

void recalculation(benchmark::State &state, int segments, int outerQuarters, int innerQuarters)
{
    setRing(segments, outerQuarters, innerQuarters);
    for (auto _ : state)
        window->calcs();
    QApplication::processEvents();
}

void startInputs(benchmark::State &state) { recalculation(state, 6, 144, 120); }
void largestRing(benchmark::State &state) { recalculation(state, 24, 288, 284); }

// The outer diameter dragged far below the inner one: the box is written, the inner diameter
// drops below the new outer one, and the outer one rises above it again, each with a full
// recalculation.
void outerBelowInner(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        setRing(24, 288, 240);
        state.ResumeTiming();
        spinner("VScroll2")->setSpinnerValue(100);
    }
    QApplication::processEvents();
}

} // namespace

BENCHMARK(startInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestRing)->Unit(benchmark::kMicrosecond);
BENCHMARK(outerBelowInner)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Orvane orvane;
    orvane.show();
    QApplication::processEvents();
    window = &orvane;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
