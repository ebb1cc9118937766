// Every ring the four spinners can set up, through the calculation core: 21 counts, 273 outer and
// 273 inner diameters and 17 fudge factors, about 26.6 million rings. Each must give finite
// numbers, lengths that agree with the closed forms of the trapezoid, fraction and decimal texts
// within half a sixteenth and half a place of their length (a fraction with the right mark), and
// board-feet estimates that agree with the volume of the blanks: for the thinnest and the thickest
// board on every ring, and for each thickness between in turn.
//
// The rings are shared out over the machine's cores. ORVANE_SWEEP_STRIDE=k checks only every k-th
// ring, for slow builds such as one with the address and undefined-behaviour checkers.

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/ring.h"
#include "fuzz/fractionreader.h"

#include <QTest>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <numeric>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace orvane;

namespace {

// The spinners' ranges: the count itself, and quarter inches for the rest.
constexpr int fewestSegments = 4, mostSegments = 24;
constexpr int smallestOuter = 16, largestOuter = 288;
constexpr int smallestInner = 12, largestInner = 284;
constexpr int leastFudge = 0, mostFudge = 16;
constexpr int thinnestBoard = 1, thickestBoard = 32;

constexpr int counts = mostSegments - fewestSegments + 1;
constexpr int outers = largestOuter - smallestOuter + 1;
constexpr int inners = largestInner - smallestInner + 1;
constexpr int fudges = mostFudge - leastFudge + 1;
constexpr long long allRings = 1LL * counts * outers * inners * fudges;

constexpr double piOfTheProgram = 3.141593;

using fractionreader::readFraction;

// What is wrong with the fraction text of `value`, or nothing.
std::optional<std::string> fractionFault(double value)
{
    const std::string text = fractionText(value);
    const auto read = readFraction(text);
    if (!read)
        return "unreadable '" + text + "'";
    if (std::fabs(read->shown - value) > 1.0 / 32)
        return "'" + text + "' is more than 1/32 away";
    const std::string mark = read->shown < value ? "+" : read->shown > value ? "-" : "";
    if (read->mark != mark)
        return "'" + text + "' should be marked '" + mark + "'";
    return std::nullopt;
}

// What is wrong with the five-place decimal text of `value`, or nothing: it must read back within
// half of its last place and show no digit before the point for lengths below one.
std::optional<std::string> decimalFault(double value)
{
    const std::string text = decimalText(value);
    const auto point = text.find('.');
    if (point == std::string::npos || text.size() - point - 1 != 5)
        return "'" + text + "' has no five decimals";
    if (text.starts_with("0") || text.starts_with("-0"))
        return "'" + text + "' starts with a zero";
    char *end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    if (*end != '\0' || std::fabs(read - value) > 0.5e-5 * (1 + 1e-9))
        return "'" + text + "' is more than half a place away";
    return std::nullopt;
}

bool near(double actual, double expected, double scale)
{
    return std::fabs(actual - expected) <= 1e-9 * scale;
}

// What one part of the sweep found.
struct Findings
{
    long long rings = 0;
    long long fractionTexts = 0;
    long long estimates = 0;
    long long faults = 0;
    std::vector<std::string> firstFaults;

    void fault(const std::string &ring, const std::string &what)
    {
        ++faults;
        if (firstFaults.size() < 20)
            firstFaults.push_back(ring + ": " + what);
    }
};

std::string describe(int n, int outer, int inner, int fudge)
{
    return "n=" + std::to_string(n) + " D=" + std::to_string(outer / 4.0)
        + " d=" + std::to_string(inner / 4.0) + " f=" + std::to_string(fudge / 4.0);
}

// The first of the ring's numbers that is not finite, or nothing.
const char *firstNotFinite(const Ring &r)
{
    const std::pair<const char *, double> numbers[] = {
        { "segmentCount", r.segmentCount },
        { "centralAngle", r.centralAngle },
        { "halfAngle", r.halfAngle },
        { "outerRadius", r.outerRadius },
        { "innerRadius", r.innerRadius },
        { "longSide", r.longSide },
        { "shortSide", r.shortSide },
        { "boardWidth", r.boardWidth },
        { "cornerRadius", r.cornerRadius },
    };
    for (const auto &[name, value] : numbers) {
        if (!std::isfinite(value))
            return name;
    }
    return nullptr;
}

// Checks every `stride`-th ring of the `n` segments and `fudge` given, into `found`. Rings are
// numbered in the order count, fudge, inner, outer, with the outer diameter running fastest.
void sweepCountAndFudge(int n, int fudge, long long stride, Findings &found)
{
    const long long firstOfPart
        = ((1LL * (n - fewestSegments) * fudges + (fudge - leastFudge)) * inners) * outers;
    const double half = piOfTheProgram / n; // half the central angle, in closed form
    const double sinHalf = std::sin(half), cosHalf = std::cos(half), tanHalf = std::tan(half);

    // The short side does not depend on the outer diameter and the long side not on the inner
    // one: a length already checked with the same bits need not be checked again.
    std::optional<double> lastShort;
    std::array<std::optional<double>, outers> lastLongOfOuter;

    for (int inner = smallestInner; inner <= largestInner; ++inner) {
        for (int outer = smallestOuter; outer <= largestOuter; ++outer) {
            const long long index
                = firstOfPart + 1LL * (inner - smallestInner) * outers + (outer - smallestOuter);
            if (index % stride != 0)
                continue;
            ++found.rings;
            const RingInputs inputs { double(n), outer / 4.0, inner / 4.0, fudge / 4.0 };
            const std::optional<Ring> computed = computeRing(inputs);
            const auto ring = [&] { return describe(n, outer, inner, fudge); };
            if (!computed) {
                found.fault(ring(), "no ring");
                continue;
            }
            const Ring &r = *computed;

            if (const char *name = firstNotFinite(r))
                found.fault(ring(), std::string(name) + " is not finite");

            const double ro = outer / 8.0 + fudge / 4.0;
            const double ri = inner / 8.0 - fudge / 4.0;
            const double shortSide = 2 * ri * sinHalf;
            const double longSide = 2 * ro * tanHalf;
            const double boardWidth = ro - ri * cosHalf;
            const double cornerRadius = ro / cosHalf;
            if (!near(r.shortSide, shortSide, std::fabs(shortSide)))
                found.fault(ring(), "short side " + std::to_string(r.shortSide));
            if (!near(r.longSide, longSide, std::fabs(longSide)))
                found.fault(ring(), "long side " + std::to_string(r.longSide));
            // The board width is a difference of the two radii; it is known to a part of their
            // size, not of its own, which is near zero where the inner diameter passes the outer.
            if (!near(r.boardWidth, boardWidth, ro + std::fabs(ri)))
                found.fault(ring(), "board width " + std::to_string(r.boardWidth));
            if (!near(r.cornerRadius, cornerRadius, cornerRadius))
                found.fault(ring(), "corner radius " + std::to_string(r.cornerRadius));

            // A length whose bits were checked last time round is not checked again.
            const auto checkTexts = [&](double length, std::optional<double> *last) {
                if (last && *last == length)
                    return;
                if (last)
                    *last = length;
                ++found.fractionTexts;
                if (const auto fault = fractionFault(length))
                    found.fault(ring(), *fault);
                if (const auto fault = decimalFault(length))
                    found.fault(ring(), *fault);
            };
            checkTexts(r.longSide, &lastLongOfOuter[outer - smallestOuter]);
            checkTexts(r.shortSide, &lastShort);
            checkTexts(r.boardWidth, nullptr);

            // Every thickness, the thinnest and the thickest on every ring and the others in
            // turn: the estimate grows with the thickness, and ring after ring takes the next.
            const int inTurn = thinnestBoard + 1 + int(index % (thickestBoard - thinnestBoard - 1));
            for (const int quarters : { thinnestBoard, inTurn, thickestBoard }) {
                ++found.estimates;
                const double thickness = quarters / 4.0;
                const auto estimate = boardFeet(r, thickness);
                if (!estimate || !std::isfinite(*estimate)) {
                    found.fault(ring(), "no board feet at " + std::to_string(thickness));
                    continue;
                }
                // n blanks, each the trapezoid's face times the thickness, 144 cubic inches a foot.
                const double expected
                    = n * (shortSide + longSide) / 2 * boardWidth * thickness / 144;
                const double size
                    = n * (std::fabs(shortSide) + longSide) / 2 * (ro + std::fabs(ri)) * thickness;
                if (!near(*estimate, expected, size / 144))
                    found.fault(ring(), "board feet " + std::to_string(*estimate));
            }
        }
    }
}

long long strideFromEnvironment()
{
    const char *text = std::getenv("ORVANE_SWEEP_STRIDE");
    const long long stride = text ? std::atoll(text) : 1;
    return stride > 0 ? stride : 1;
}

} // namespace

class TestSweep : public QObject
{
    Q_OBJECT

private slots:
    void readsFractionTexts_data();
    void readsFractionTexts();
    void everyRing();
};

// The reader the sweep relies on, on the texts the fractions show.
void TestSweep::readsFractionTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("mark");

    QTest::newRow("14 3/4+") << " 14  3/ 4+" << true << 14.75 << "+";
    QTest::newRow("5 5/16-") << " 5  5/ 16-" << true << 5.3125 << "-";
    QTest::newRow("5 1/2") << " 5  1/ 2" << true << 5.5 << "";
    QTest::newRow("6 0/2") << " 6  0/ 2" << true << 6.0 << "";
    QTest::newRow("carried") << " 6 -" << true << 6.0 << "-";
    QTest::newRow("negative") << "-3  11/ 16+" << true << -2.3125 << "+";
    QTest::newRow("not reduced") << " 5  2/ 16" << false << 0.0 << "";
    QTest::newRow("zero over 16") << " 5  0/ 16" << false << 0.0 << "";
    QTest::newRow("a whole fraction") << " 5  2/ 2" << false << 0.0 << "";
    QTest::newRow("over 3") << " 5  1/ 3" << false << 0.0 << "";
    QTest::newRow("other mark") << " 5  1/ 2*" << false << 0.0 << "";
    QTest::newRow("empty") << "" << false << 0.0 << "";
    QTest::newRow("no number") << "nan" << false << 0.0 << "";
}

void TestSweep::readsFractionTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(double, shown);
    QFETCH(QString, mark);
    const auto read = readFraction(text.toStdString());
    QCOMPARE(read.has_value(), readable);
    if (read) {
        QCOMPARE(read->shown, shown);
        QCOMPARE(QString::fromStdString(read->mark), mark);
    }
}

void TestSweep::everyRing()
{
    const long long stride = strideFromEnvironment();
    const auto start = std::chrono::steady_clock::now();

    // Each part is one count with one fudge factor; the cores take parts until none are left.
    std::atomic<int> nextPart { 0 };
    constexpr int parts = counts * fudges;
    std::mutex merging;
    Findings all;
    const auto work = [&] {
        Findings found;
        for (int part = nextPart++; part < parts; part = nextPart++)
            sweepCountAndFudge(
                fewestSegments + part / fudges, leastFudge + part % fudges, stride, found);
        const std::lock_guard lock(merging);
        all.rings += found.rings;
        all.fractionTexts += found.fractionTexts;
        all.estimates += found.estimates;
        all.faults += found.faults;
        all.firstFaults.insert(
            all.firstFaults.end(), found.firstFaults.begin(), found.firstFaults.end());
    };
    std::vector<std::thread> cores(std::max(1u, std::thread::hardware_concurrency()));
    for (std::thread &core : cores)
        core = std::thread(work);
    for (std::thread &core : cores)
        core.join();

    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    qInfo("%lld rings (every %lld of %lld), %lld distinct lengths as fraction and decimal texts, "
          "%lld board-feet estimates, on %zu threads in %.1f s",
        all.rings, stride, allRings, all.fractionTexts, all.estimates, cores.size(), took.count());
    for (const std::string &fault : all.firstFaults)
        qWarning("%s", fault.c_str());
    QCOMPARE(all.faults, 0LL);
    QCOMPARE(all.rings, (allRings + stride - 1) / stride);
}

QTEST_APPLESS_MAIN(TestSweep)
#include "tst_sweep.moc"
