// Start-up time and memory of Orvane against floors: programs that show a bare window of the same
// size the same way. Every program is started as a new process and measured from just before the
// process is created to its window first shown (see firstshown.h); the programs take turns, round
// after round, so that whatever else the machine does falls on all of them alike.
//
// Usage: bench_startup [-n runs] <program> <floor> [<other floor>...]
//
// For each program: the wall-clock time to first shown, the CPU time it used until then, the time
// until the process had ended, and its peak resident memory when first shown and over its whole
// run. Then the first program against each floor: the median of the round-by-round ratios of the
// times to first shown, and the ratio of the median CPU times.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    double shownMs = 0; // process created to window first shown
    double cpuMs = 0; // CPU time of the process until first shown
    double endedMs = 0; // process created to process ended
    double peakShownMiB = 0; // peak resident memory until first shown
    double peakMiB = 0; // peak resident memory of the whole run
};

struct Program
{
    std::string path;
    std::string name;
    std::vector<Run> runs;
};

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Nanoseconds as milliseconds, and kilobytes as mebibytes; a double holds both exactly for any
// time or memory a run takes.
double milliseconds(long long nanoseconds)
{
    return static_cast<double>(nanoseconds) / 1e6;
}

double mebibytes(long kilobytes)
{
    return static_cast<double>(kilobytes) / 1024;
}

[[noreturn]] void fail(const std::string &program, const char *why)
{
    std::fprintf(stderr, "%s: %s\n", program.c_str(), why);
    std::exit(1);
}

Run runOnce(const std::string &program)
{
    int report[2];
    if (pipe(report) != 0)
        fail(program, "no pipe");
    const long long start = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(report[1], STDOUT_FILENO);
        close(report[0]);
        close(report[1]);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(report[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(report[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const long long ended = monotonicNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program, "did not end normally");

    long long shown = 0;
    long long cpu = 0;
    long peakShown = 0;
    const auto line = output.find("shown ");
    if (line == std::string::npos
        || std::sscanf(output.c_str() + line, "shown %lld %lld %ld", &shown, &cpu, &peakShown) != 3)
        fail(program, "never reported its window shown");
    return { milliseconds(shown - start), milliseconds(cpu), milliseconds(ended - start),
        mebibytes(peakShown), mebibytes(usage.ru_maxrss) };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Field> std::vector<double> column(const Program &program, Field field)
{
    std::vector<double> values;
    for (const Run &run : program.runs)
        values.push_back(run.*field);
    return values;
}

template <typename Field> double medianOf(const Program &program, Field field)
{
    return median(column(program, field));
}

void report(const Program &p)
{
    const std::vector<double> shown = column(p, &Run::shownMs);
    std::printf("%-18s %7.1f %7.1f %7.1f %7.1f %7.1f %7.1f %7.1f\n", p.name.c_str(), median(shown),
        *std::min_element(shown.begin(), shown.end()),
        *std::max_element(shown.begin(), shown.end()), medianOf(p, &Run::cpuMs),
        medianOf(p, &Run::endedMs), medianOf(p, &Run::peakShownMiB), medianOf(p, &Run::peakMiB));
}

void compare(const Program &program, const Program &floor)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < program.runs.size(); ++i)
        ratios.push_back(program.runs[i].shownMs / floor.runs[i].shownMs);
    std::printf("%s / %s: time to first shown %.2f (median of round-by-round ratios), "
                "%.2f (ratio of medians); CPU time %.2f; peak memory %.2f\n",
        program.name.c_str(), floor.name.c_str(), median(ratios),
        medianOf(program, &Run::shownMs) / medianOf(floor, &Run::shownMs),
        medianOf(program, &Run::cpuMs) / medianOf(floor, &Run::cpuMs),
        medianOf(program, &Run::peakShownMiB) / medianOf(floor, &Run::peakShownMiB));
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 40;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-n") == 0) {
        runs = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: %s [-n runs] <program> <floor> [<other floor>...]\n", argv[0]);
        return 2;
    }
    std::vector<Program> programs;
    for (int i = first; i < argc; ++i) {
        const std::string path = argv[i];
        const auto slash = path.rfind('/');
        programs.push_back(
            { path, slash == std::string::npos ? path : path.substr(slash + 1), {} });
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        char folder[] = "/tmp/orvane-bench-XXXXXX";
        if (mkdtemp(folder))
            setenv("XDG_RUNTIME_DIR", folder, 1);
    }

    for (const Program &program : programs) // warm the file cache for all
        runOnce(program.path);
    // Each round starts with the next program, so that none always runs first.
    for (int round = 0; round < runs; ++round)
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program &program = programs[(static_cast<std::size_t>(round) + k) % programs.size()];
            program.runs.push_back(runOnce(program.path));
        }

    std::printf("%d runs each, on the \"%s\" platform; medians unless stated, times in ms, memory "
                "in MiB\n",
        runs, std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-18s %7s %7s %7s %7s %7s %7s %7s\n", "program", "shown", "min", "max", "cpu",
        "ended", "peak@sh", "peak");
    for (const Program &program : programs)
        report(program);
    for (std::size_t i = 1; i < programs.size(); ++i)
        compare(programs[0], programs[i]);
    return 0;
}
