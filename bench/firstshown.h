#pragma once

// Ends a start-up program once its window is first shown, and reports that moment on standard
// output for bench_startup: one line "shown <clock> <cpu> <peak>", with the monotonic clock in
// nanoseconds, the process's CPU time so far in nanoseconds and its peak resident memory so far in
// kilobytes.
//
// "First shown" is the same moment for every start-up program: the window's first paint has been
// delivered and the event loop has come back after it, so the whole first frame (the window and
// all its children) has been painted and handed to the platform.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace firstshown {

inline long long nanoseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// The peak resident memory of this process so far, in kilobytes.
inline long peakKilobytes()
{
    long peak = 0;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &peak) == 1)
                break;
        std::fclose(status);
    }
    return peak;
}

// Kept out of line so that a profiler can stop counting here (valgrind's --dump-before).
[[gnu::noinline]] inline void windowFirstShown()
{
    const long long clock = nanoseconds(CLOCK_MONOTONIC);
    const long long cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
    std::printf("shown %lld %lld %ld\n", clock, cpu, peakKilobytes());
    std::fflush(stdout);
}

} // namespace firstshown

class QuitWhenShown : public QObject
{
public:
    explicit QuitWhenShown(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs once the rest of the frame is painted and flushed.
            QTimer::singleShot(0, qApp, [] {
                firstshown::windowFirstShown();
                QCoreApplication::quit();
            });
        }
        return false;
    }
};
