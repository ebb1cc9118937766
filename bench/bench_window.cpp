// The real window on the offscreen platform, shown, as a user works it:
//
// - Recalculation: one run of recalculate(), which writes every caption and redraws both
//   pictures into their backing images. Before each run the captions are blanked (untimed), so
//   that every caption really changes, as it does when an input moves.
// - Repaint: the repaint that follows in the event loop, alone: the changed captions and both
//   pictures painted into the window's backing store and handed to the platform.
// - SpinnerStep: one click of the outer diameter's arrow, up and down by turns, from the click to
//   the frame handed to the platform: the box written, the recalculation it starts, the repaint.
// - OuterBelowInner: the longest chain one user action starts, the outer diameter lowered far
//   below the inner one, which recalculates three times; alone, and with the repaint.
//
// The rings: the start inputs (6 segments, 36 and 30 inches) and the largest ring the spinners
// allow (24 segments, 72 and 71 inches).

#include "bench/benchwindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<BenchWindow> bench;

void recalculation(benchmark::State &state, BenchWindow::Ring ring)
{
    bench->setRing(ring);
    for (auto _ : state) {
        state.PauseTiming();
        bench->blankResults();
        state.ResumeTiming();
        bench->window.recalculate();
    }
    BenchWindow::repaint();
}

void repaint(benchmark::State &state, BenchWindow::Ring ring)
{
    bench->setRing(ring);
    for (auto _ : state) {
        state.PauseTiming();
        bench->blankResults();
        bench->window.recalculate();
        bench->picturesRepainted();
        state.ResumeTiming();
        BenchWindow::repaint();
        state.PauseTiming();
        const bool repainted = bench->picturesRepainted();
        state.ResumeTiming();
        if (!repainted) {
            state.SkipWithError("the pictures were not repainted");
            break;
        }
    }
}

void spinnerStep(benchmark::State &state, BenchWindow::Ring ring)
{
    bench->setRing(ring);
    BenchWindow::repaint();
    orvane::Spinner *outer = bench->spinner("VScroll2");
    // Down and up again, so that the outer diameter stays above the inner one.
    int step = -1;
    for (auto _ : state) {
        outer->setSpinnerValue(outer->spinnerValue() + step);
        BenchWindow::repaint();
        step = -step;
    }
    bench->picturesRepainted();
    outer->setSpinnerValue(outer->spinnerValue() + step);
    BenchWindow::repaint();
    if (!bench->picturesRepainted())
        state.SkipWithError("the pictures were not repainted");
}

// The outer diameter dragged from 72 down to 25 inches with the inner one at 60, at 24 segments:
// the box is written, the inner diameter drops a quarter inch, still above the new outer one, and
// the outer one rises a quarter inch above it, each with a full recalculation.
void outerBelowInner(benchmark::State &state, bool withRepaint)
{
    orvane::Spinner *outer = bench->spinner("VScroll2");
    for (auto _ : state) {
        state.PauseTiming();
        bench->setRing({ 24, 288, 240 });
        BenchWindow::repaint();
        bench->picturesRepainted();
        state.ResumeTiming();
        outer->setSpinnerValue(100);
        if (withRepaint)
            BenchWindow::repaint();
    }
    if (outer->spinnerValue() != 240 || bench->spinner("VScroll3")->spinnerValue() != 239)
        state.SkipWithError("the chain did not end at outer 60 and inner 59.75 inches");
    else if (withRepaint && !bench->picturesRepainted())
        state.SkipWithError("the pictures were not repainted");
    BenchWindow::repaint();
}

void startRecalculation(benchmark::State &state)
{
    recalculation(state, BenchWindow::startRing);
}
void largestRecalculation(benchmark::State &state)
{
    recalculation(state, BenchWindow::largestRing);
}
void startRepaint(benchmark::State &state)
{
    repaint(state, BenchWindow::startRing);
}
void largestRepaint(benchmark::State &state)
{
    repaint(state, BenchWindow::largestRing);
}
void startSpinnerStep(benchmark::State &state)
{
    spinnerStep(state, BenchWindow::startRing);
}
void largestSpinnerStep(benchmark::State &state)
{
    spinnerStep(state, BenchWindow::largestRing);
}
void outerBelowInnerChain(benchmark::State &state)
{
    outerBelowInner(state, false);
}
void outerBelowInnerWithRepaint(benchmark::State &state)
{
    outerBelowInner(state, true);
}

} // namespace

BENCHMARK(startRecalculation)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestRecalculation)->Unit(benchmark::kMicrosecond);
BENCHMARK(startRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(startSpinnerStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestSpinnerStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(outerBelowInnerChain)->Unit(benchmark::kMicrosecond);
BENCHMARK(outerBelowInnerWithRepaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime; // somewhere for the toolkit's runtime files, when there is none
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(
            runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QApplication app(argc, argv);
    bench = std::make_unique<BenchWindow>();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench.reset();
    return 0;
}
