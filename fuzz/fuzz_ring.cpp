// The ring computation on any inputs, NaN and infinities included. A count that makes no ring
// gives no ring and no angles; every number of a ring is finite where its inputs are of sensible
// size; no caption ever shows a number that is not one; and a ring of three to thirty segments with
// diameters of sensible size agrees with the closed forms of the trapezoid.

#include "core/angles.h"
#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/ring.h"
#include "fuzz/check.h"

#include <bit>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

// Half the time a number the spinners could set, in steps of `step` from `low` to `high`; else
// any double at all.
double input(FuzzedDataProvider &data, double low, double high, double step)
{
    if (data.ConsumeBool())
        return std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>());
    const int steps = int((high - low) / step);
    return low + step * data.ConsumeIntegralInRange(-steps / 4, steps + steps / 4);
}

bool near(double actual, double expected, double scale)
{
    return std::fabs(actual - expected) <= 1e-9 * scale;
}

std::string angleCaption(const std::optional<orvane::MiterAngles> &angles, bool longSide)
{
    if (!angles)
        return orvane::angleText(std::nullopt, orvane::anglePicture);
    return orvane::angleText(longSide ? angles->longSide : angles->shortSide, orvane::anglePicture);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const orvane::RingInputs in { input(data, 4, 24, 1), input(data, 4, 72, 0.25),
        input(data, 3, 71, 0.25), input(data, 0, 4, 0.25) };
    const double thickness = input(data, 0.25, 8, 0.25);

    const std::optional<orvane::Ring> ring = orvane::computeRing(in);
    const auto angles = orvane::miterAngles(in.segmentCount);
    const std::string angleCaptions[] = { angleCaption(angles, true), angleCaption(angles, false),
        orvane::angleText(orvane::cutAngle(in.segmentCount), orvane::reportAnglePicture) };
    for (const std::string &caption : angleCaptions)
        fuzz::check(!fuzz::showsNonsense(caption), "an angle shows no number", caption);

    fuzz::check(ring.has_value() == orvane::countComputable(in.segmentCount),
        "a ring exactly for the counts that make one");
    if (!ring) {
        for (const std::string &caption : angleCaptions)
            fuzz::check(caption.empty(), "an angle for a count that makes no ring", caption);
        return 0;
    }

    const orvane::Ring &r = *ring;
    const std::string captions[] = {
        orvane::fractionText(r.longSide),
        orvane::decimalText(r.longSide),
        orvane::fractionText(r.shortSide),
        orvane::decimalText(r.shortSide),
        orvane::fractionText(r.boardWidth),
        orvane::decimalText(r.boardWidth),
        orvane::boardFeetCaption(orvane::boardFeet(r, thickness)),
    };
    for (const std::string &caption : captions)
        fuzz::check(!fuzz::showsNonsense(caption), "a caption shows no number", caption);

    const double n = in.segmentCount;
    const bool sensible = n == std::floor(n) && n >= 3 && std::fabs(in.outerDiameter) < 1e6
        && std::fabs(in.innerDiameter) < 1e6 && std::fabs(in.fudge) < 1e6;
    if (!sensible)
        return 0;
    for (const double number : { r.centralAngle, r.halfAngle, r.outerRadius, r.innerRadius,
             r.longSide, r.shortSide, r.boardWidth, r.cornerRadius })
        fuzz::check(std::isfinite(number), "a number of a sensible ring is not finite");
    const double ro = in.outerDiameter / 2 + in.fudge;
    const double ri = in.innerDiameter / 2 - in.fudge;
    const double half = orvane::programPi / n;
    // Below about 1e-150 inches the squares of the outer corner's computation underflow.
    const double ringSize = std::fabs(ro) + std::fabs(ri);
    if (ringSize != 0 && ringSize < 1e-100)
        return 0;
    fuzz::check(near(r.shortSide, 2 * ri * std::sin(half), ringSize), "short side");
    fuzz::check(near(r.longSide, 2 * ro * std::tan(half), ringSize), "long side");
    fuzz::check(near(r.boardWidth, ro - ri * std::cos(half), ringSize), "board width");
    if (ro >= 0)
        fuzz::check(near(r.cornerRadius, ro / std::cos(half), ringSize), "corner radius");
    return 0;
}
