// The calculation alone, for one ring, as one recalculation of the window does it: the inputs read
// from their texts, the ring's geometry, the nine captions' texts and the board feet.

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/reading.h"
#include "core/ring.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// The texts of the input boxes.
struct InputTexts
{
    std::string numsegs;
    std::string outerdiam;
    std::string innerdiam;
    std::string fudge;
    std::string boardthick;
};

void recalculate(benchmark::State &state, const InputTexts &boxes)
{
    orvane::FormState record;
    for (auto _ : state) {
        const orvane::RingInputs inputs { orvane::leadingNumber(boxes.numsegs),
            orvane::leadingNumber(boxes.outerdiam), orvane::leadingNumber(boxes.innerdiam),
            orvane::leadingNumber(boxes.fudge) };
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
            orvane::boardFeetCaption(
                orvane::boardFeet({ record.longsidelen, record.shortsidelen, record.boardwidthlen },
                    orvane::leadingNumber(boxes.numsegs), orvane::wholeNumber(boxes.boardthick))),
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
