// The record of a ring's results, and the totals of several rings.

#include "core/cutlist.h"
#include "core/results.h"
#include "core/text.h"

namespace orvane {

namespace {

// A length's three fields: inches, the fraction without the caption's blanks, millimetres.
void addLength(std::array<ResultValue, resultFields.size()> &values, std::size_t at,
    const std::optional<LengthResult> &length)
{
    if (!length) {
        values[at] = values[at + 1] = values[at + 2] = std::monostate {};
        return;
    }
    values[at] = length->inches;
    values[at + 1] = std::string(trimmed(length->fraction));
    values[at + 2] = length->inches * millimetresPerInch;
}

} // namespace

std::array<ResultValue, resultFields.size()> resultValues(const RingResult &result)
{
    const RingDesign &ring = result.design;
    std::array<ResultValue, resultFields.size()> values {
        ring.name,
        ring.inputs.segmentCount,
        ring.inputs.outerDiameter,
        ring.inputs.innerDiameter,
        ring.inputs.fudge,
        ring.thickness.value_or(0),
        ring.kerf,
    };
    if (result.kind == RingKind::disc || !result.miters) {
        // A disc is one board: no segments, no angles.
        values[1] = values[7] = values[8] = std::monostate {};
    } else {
        values[7] = result.miters->longSide;
        values[8] = result.miters->shortSide;
    }
    addLength(values, 9, result.longSide);
    addLength(values, 12, result.shortSide);
    addLength(values, 15, result.boardWidth);
    values[18] = result.boardFeet.value_or(0);
    addLength(values, 19, result.stripLength);
    values[22] = woodText(ring);
    values[23] = std::string(result.kind == RingKind::disc ? "disc" : "ring");
    values[24] = result.bottom;
    values[25] = result.top;
    if (result.blankSide)
        values[26] = result.blankSide->inches;
    else
        values[26] = std::monostate {};
    if (result.kind == RingKind::disc)
        values[27] = std::monostate {}; // no joints
    else
        values[27] = result.rotation;
    return values;
}

ResultTotals resultTotals(const std::vector<RingResult> &rings)
{
    ResultTotals totals;
    for (const RingResult &result : rings) {
        totals.boardFeet += result.boardFeet.value_or(0);
        totals.stripLength += result.stripLength ? result.stripLength->inches : 0;
    }
    return totals;
}

} // namespace orvane
