// The calculation alone: the ring's geometry, the captions' texts and the board feet for one ring,
// as one recalculation of the window computes them.

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/reading.h"
#include "core/ring.h"

#include <benchmark/benchmark.h>

namespace {

void recalculate(benchmark::State &state, orvane::RingInputs inputs)
{
    orvane::FormState record;
    for (auto _ : state) {
        orvane::computeRing(record, inputs, 92.7f, 50);
        std::string texts[9] = {
            orvane::shortAngleCaption(inputs.numsegs),
            orvane::longAngleCaption(inputs.numsegs),
            orvane::fractionText(record.longsidelen, record),
            orvane::decimalText(record.longsidelen),
            orvane::fractionText(record.shortsidelen, record),
            orvane::decimalText(record.shortsidelen),
            orvane::fractionText(record.boardwidthlen, record),
            orvane::decimalText(record.boardwidthlen),
            orvane::boardFeetCaption(orvane::boardFeet(
                { record.longsidelen, record.shortsidelen, record.boardwidthlen },
                inputs.numsegs, orvane::wholeNumber("0.75"))),
        };
        benchmark::DoNotOptimize(texts);
    }
}

void startInputs(benchmark::State &state) { recalculate(state, { 6, 36, 30, 0.25 }); }
void largestRing(benchmark::State &state) { recalculate(state, { 24, 72, 71, 4 }); }

} // namespace

BENCHMARK(startInputs);
BENCHMARK(largestRing);
