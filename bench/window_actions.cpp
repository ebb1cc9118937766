// Runs one action of the window benchmarks a number of times, each inside `measured`, so that a
// profiler can count the instructions of the action alone (see window_instructions.sh). Unlike
// times, instruction counts repeat from run to run on a busy machine.
//
// Usage: window_actions <action> [times]
// Actions: recalculation-start, recalculation-largest, repaint-start, repaint-largest, step-start,
// step-largest, chain.

#include "bench/benchwindow.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

[[gnu::noinline]] void measured(const std::function<void()> &action)
{
    action();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <action> [times]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchWindow bench;
    const std::string action = argv[1];
    const int times = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const bool largest = action.ends_with("-largest");
    const BenchWindow::Ring ring = largest ? BenchWindow::largestRing : BenchWindow::startRing;
    orvane::Spinner *outer = bench.spinner("VScroll2");

    for (int i = 0; i < times; ++i) {
        if (action.starts_with("recalculation-")) {
            bench.setRing(ring);
            bench.blankResults();
            measured([&] { bench.window.recalculate(); });
        } else if (action.starts_with("repaint-")) {
            bench.setRing(ring);
            bench.blankResults();
            bench.window.recalculate();
            measured([] { BenchWindow::repaint(); });
        } else if (action.starts_with("step-")) {
            bench.setRing(ring);
            BenchWindow::repaint();
            const int value = outer->spinnerValue() - 1; // one click down
            measured([&] {
                outer->setSpinnerValue(value);
                BenchWindow::repaint();
            });
        } else if (action == "chain") {
            bench.setRing({ 24, 288, 240 });
            BenchWindow::repaint();
            measured([&] {
                outer->setSpinnerValue(100);
                BenchWindow::repaint();
            });
        } else {
            std::fprintf(stderr, "unknown action %s\n", action.c_str());
            return 2;
        }
    }
    return 0;
}
