// The calculation alone, for one ring, as one recalculation of the window does it: the inputs read
// from their texts, the ring's geometry, the nine captions' texts and the board feet.

#include "core/angles.h"
#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"
#include "core/ring.h"

#include <benchmark/benchmark.h>
#include <optional>
#include <string>

namespace {

// The texts of the input boxes.
struct InputTexts
{
    std::string segmentCount;
    std::string outerDiameter;
    std::string innerDiameter;
    std::string fudge;
    std::string thickness;
};

void recalculate(benchmark::State &state, const InputTexts &boxes)
{
    for (auto _ : state) {
        const orvane::RingInputs inputs { orvane::leadingNumber(boxes.segmentCount),
            orvane::leadingNumber(boxes.outerDiameter), orvane::leadingNumber(boxes.innerDiameter),
            orvane::leadingNumber(boxes.fudge) };
        const std::optional<orvane::Ring> ring = orvane::computeRing(inputs);
        const auto angles = orvane::miterAngles(inputs.segmentCount);
        const auto length = [&](double orvane::Ring::*side) {
            return ring ? std::optional((*ring).*side) : std::nullopt;
        };
        const auto fraction = [](std::optional<double> inches) {
            return inches ? orvane::fractionText(*inches) : std::string {};
        };
        const auto decimal = [](std::optional<double> inches) {
            return inches ? orvane::decimalText(*inches) : std::string {};
        };
        const auto thickness = orvane::wholeNumber(boxes.thickness);
        std::string texts[9] = {
            orvane::angleText(
                angles ? std::optional(angles->longSide) : std::nullopt, orvane::anglePicture),
            orvane::angleText(
                angles ? std::optional(angles->shortSide) : std::nullopt, orvane::anglePicture),
            fraction(length(&orvane::Ring::longSide)),
            decimal(length(&orvane::Ring::longSide)),
            fraction(length(&orvane::Ring::shortSide)),
            decimal(length(&orvane::Ring::shortSide)),
            fraction(length(&orvane::Ring::boardWidth)),
            decimal(length(&orvane::Ring::boardWidth)),
            orvane::boardFeetCaption(ring ? orvane::boardFeet(*ring, thickness) : std::nullopt),
        };
        benchmark::DoNotOptimize(texts);
        benchmark::ClobberMemory();
    }
}

void startInputs(benchmark::State &state)
{
    recalculate(state, { "6", "36", "30", ".25", "0.75" });
}
void largestRing(benchmark::State &state)
{
    recalculate(state, { "24", "72", "71", "4", "8" });
}

} // namespace

BENCHMARK(startInputs);
BENCHMARK(largestRing);
