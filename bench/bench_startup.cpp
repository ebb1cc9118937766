// Start-up time and peak memory of Orvane against a bare Qt window of the same size, both from
// process start to the window first shown. The two programs run alternately, so that whatever
// else the machine does falls on both alike.
//
// Usage: bench_startup <orvane program> <floor program> [runs]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run
{
    double milliseconds;
    long peakKilobytes;
};

Run runOnce(const char *program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    return { std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void report(const char *name, const std::vector<Run> &runs)
{
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Run &run : runs) {
        times.push_back(run.milliseconds);
        peaks.push_back(static_cast<double>(run.peakKilobytes));
    }
    std::printf("%-8s median %7.1f ms  min %7.1f ms  max %7.1f ms  peak memory %6.1f MiB\n", name,
                median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), median(peaks) / 1024);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <orvane program> <floor program> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 30;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        char folder[] = "/tmp/orvane-bench-XXXXXX";
        if (mkdtemp(folder))
            setenv("XDG_RUNTIME_DIR", folder, 1);
    }

    runOnce(argv[1]); // warm the file cache for both
    runOnce(argv[2]);
    std::vector<Run> orvane;
    std::vector<Run> floor;
    for (int i = 0; i < runs; ++i) {
        orvane.push_back(runOnce(argv[1]));
        floor.push_back(runOnce(argv[2]));
    }
    report("orvane", orvane);
    report("floor", floor);
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i)
        ratios.push_back(orvane[static_cast<std::size_t>(i)].milliseconds
                         / floor[static_cast<std::size_t>(i)].milliseconds);
    std::printf("ratio    median %.2f (orvane / floor, run by run)\n", median(ratios));
    return 0;
}
