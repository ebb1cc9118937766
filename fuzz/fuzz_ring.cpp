// The ring computation on any inputs and any plan-view scale, NaN and infinities included, with one
// record kept from run to run as the window keeps it. A count that makes no ring gives no
// lengths and no angles; no caption ever shows a number that is not one; and a ring of three to
// thirty segments with diameters of sensible size agrees with the closed forms of the trapezoid.

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/ring.h"
#include "fuzz/check.h"

#include <bit>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>
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

float anyFloat(FuzzedDataProvider &data)
{
    return std::bit_cast<float>(data.ConsumeIntegral<std::uint32_t>());
}

bool near(double actual, double expected, double scale)
{
    return std::fabs(actual - expected) <= 1e-9 * scale;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    static orvane::FormState state; // the window keeps one record for its whole life

    FuzzedDataProvider data(bytes, size);
    const orvane::RingInputs in { input(data, 4, 24, 1), input(data, 4, 72, 0.25),
        input(data, 3, 71, 0.25), input(data, 0, 4, 0.25) };
    const float scaleWidth = data.ConsumeBool() ? anyFloat(data) : 92.7f;
    const float scaleTop = data.ConsumeBool() ? anyFloat(data) : 50.f;
    const double thickness = input(data, 0.25, 8, 0.25);

    orvane::computeRing(state, in, scaleWidth, scaleTop);

    const std::string captions[] = {
        orvane::fractionText(state.longsidelen),
        orvane::decimalText(state.longsidelen),
        orvane::fractionText(state.shortsidelen),
        orvane::decimalText(state.shortsidelen),
        orvane::fractionText(state.boardwidthlen),
        orvane::decimalText(state.boardwidthlen),
        orvane::shortAngleCaption(in.numsegs),
        orvane::longAngleCaption(in.numsegs),
        orvane::boardFeetCaption(orvane::boardFeet(
            { state.longsidelen, state.shortsidelen, state.boardwidthlen }, in.numsegs, thickness)),
    };
    for (const std::string &caption : captions)
        fuzz::check(!fuzz::showsNonsense(caption), "a caption shows no number", caption);

    if (!orvane::countComputable(in.numsegs)) {
        fuzz::check(std::isnan(state.longsidelen) && std::isnan(state.shortsidelen)
                && std::isnan(state.boardwidthlen),
            "lengths for a count that makes no ring");
        for (int i = 6; i <= 7; ++i)
            fuzz::check(
                captions[i].empty(), "an angle for a count that makes no ring", captions[i]);
        return 0;
    }

    const double n = in.numsegs;
    const bool sensible = n == std::floor(n) && n >= 3 && std::fabs(in.outerdiam) < 1e6
        && std::fabs(in.innerdiam) < 1e6 && std::fabs(in.fudge) < 1e6;
    if (!sensible)
        return 0;
    const double ro = in.outerdiam / 2 + in.fudge;
    const double ri = in.innerdiam / 2 - in.fudge;
    const double half = orvane::programPi / n;
    // Below about 1e-150 inches the squares of the outer corner's computation underflow.
    const double ringSize = std::fabs(ro) + std::fabs(ri);
    if (ringSize != 0 && ringSize < 1e-100)
        return 0;
    fuzz::check(near(state.shortsidelen, 2 * ri * std::sin(half), ringSize), "short side");
    fuzz::check(near(state.longsidelen, 2 * ro * std::tan(half), ringSize), "long side");
    fuzz::check(near(state.boardwidthlen, ro - ri * std::cos(half), ringSize), "board width");
    if (ro >= 0)
        fuzz::check(near(state.outerrad, ro / std::cos(half), ringSize), "outer radius");
    return 0;
}
