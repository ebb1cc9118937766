#include "core/ringresult.h"

#include "core/boardfeet.h"
#include "core/cutlist.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

std::string inches(double value)
{
    return shortestDecimal(value) + std::string(inchesUnit);
}

std::string refusedValue(double value, std::string_view allowed)
{
    return inches(value) + std::string(notAllowed) + std::string(allowed);
}

bool wholeCount(double n)
{
    return std::isfinite(n) && std::floor(n) == n && n >= 3 && n <= largestSegmentCount;
}

// A pattern longer than the ring would leave woods without a segment.
void checkPattern(const RingDesign &design, std::vector<RingProblem> &problems)
{
    const double n = design.inputs.segmentCount;
    if (wholeCount(n) && design.pattern.size() > static_cast<std::size_t>(n)) {
        problems.push_back({ RingField::wood,
            std::string(patternOf) + std::to_string(design.pattern.size())
                + std::string(patternTooLong) + shortestDecimal(n) + std::string(segmentsWord) });
    }
}

// The segments of each wood and their share of the ring's lumber, woods in the order they
// first appear from segment 1.
std::vector<WoodLumber> woodLumber(const RingDesign &design, const Ring &ring, double boardFeet)
{
    std::vector<WoodLumber> woods;
    const auto count = static_cast<std::size_t>(design.inputs.segmentCount);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string &name = segmentWood(design, i);
        auto wood = std::find_if(woods.begin(), woods.end(),
            [&name](const WoodLumber &lumber) { return lumber.wood == name; });
        if (wood == woods.end())
            wood = woods.insert(woods.end(), WoodLumber { name, 0, std::nullopt, 0 });
        ++wood->segments;
    }
    for (WoodLumber &wood : woods) {
        wood.stripLength = lengthResult(stripLength(ring, design.kerf, wood.segments));
        wood.boardFeet = boardFeet * wood.segments / static_cast<double>(count);
    }
    return woods;
}

// The problems of the inputs alone, before anything is computed, in the order of the fields.
void checkInputs(const RingDesign &design, std::vector<RingProblem> &problems)
{
    const RingInputs &in = design.inputs;
    if (!wholeCount(in.segmentCount)) {
        problems.push_back({ RingField::segments,
            shortestDecimal(in.segmentCount) + std::string(notAllowed)
                + std::string(segmentCountAllowed) });
    }
    if (!(in.outerDiameter > 0) || !std::isfinite(in.outerDiameter))
        problems.push_back(
            { RingField::outer, refusedValue(in.outerDiameter, positiveLengthAllowed) });
    if (!(in.fudge >= 0) || !std::isfinite(in.fudge))
        problems.push_back({ RingField::fudge, refusedValue(in.fudge, nonNegativeLengthAllowed) });
    if (!(in.innerDiameter < in.outerDiameter)) {
        problems.push_back({ RingField::inner,
            refusedValue(in.innerDiameter, innerBelowOuter) + std::string(outerDiameterIs)
                + inches(in.outerDiameter) + ')' });
    } else if (in.innerDiameter / 2 - in.fudge < 0) {
        // The circle through the inner corners would have a negative radius.
        problems.push_back({ RingField::inner,
            refusedValue(in.innerDiameter, innerTwiceFudge) + std::string(fudgeIs)
                + inches(in.fudge) + ')' });
    }
    if (!design.thickness || !(*design.thickness > 0) || !std::isfinite(*design.thickness)) {
        problems.push_back({ RingField::thickness,
            design.thickness ? refusedValue(*design.thickness, positiveLengthAllowed)
                             : std::string(missingValue) + std::string(positiveLengthAllowed) });
    }
    if (!(design.kerf >= 0) || !std::isfinite(design.kerf))
        problems.push_back(
            { RingField::kerf, refusedValue(design.kerf, nonNegativeLengthAllowed) });
    checkPattern(design, problems);
}

bool finite(const std::optional<LengthResult> &length)
{
    return length && std::isfinite(length->inches);
}

} // namespace

LengthResult lengthResult(double inches)
{
    return LengthResult { inches, fractionText(inches), decimalText(inches),
        millimetresText(inches) };
}

RingResult computeRingResult(const RingDesign &design, int largestCount)
{
    RingResult result;
    result.design = design;
    const double n = design.inputs.segmentCount;
    result.geometry = computeRing(design.inputs, largestCount);
    result.sawAngle = cutAngle(n, largestCount);
    result.miters = miterAngles(n, largestCount);
    result.longSideAngleText = angleText(
        result.miters ? std::optional(result.miters->longSide) : std::nullopt, anglePicture);
    result.shortSideAngleText = angleText(
        result.miters ? std::optional(result.miters->shortSide) : std::nullopt, anglePicture);
    if (const auto &ring = result.geometry) {
        result.longSide = lengthResult(ring->longSide);
        result.shortSide = lengthResult(ring->shortSide);
        result.boardWidth = lengthResult(ring->boardWidth);
        result.stripLength = lengthResult(stripLength(*ring, design.kerf));
        result.boardFeet = boardFeet(*ring, design.thickness);
        if (result.boardFeet && wholeCount(n))
            result.woods = woodLumber(design, *ring, *result.boardFeet);
    }
    result.boardFeetText = boardFeetCaption(result.boardFeet);

    checkInputs(design, result.problems);
    if (result.problems.empty()
        && (!finite(result.longSide) || !finite(result.shortSide) || !finite(result.boardWidth)
            || !finite(result.stripLength) || !result.boardFeet)) {
        result.problems.push_back({ std::nullopt, std::string(tooLarge) });
    }
    return result;
}

RingResult computeDiscResult(const RingDesign &design)
{
    RingResult result;
    result.design = design;
    result.kind = RingKind::disc;
    const RingInputs &in = design.inputs;
    const double side = in.outerDiameter + 2 * in.fudge;
    result.blankSide = lengthResult(side);
    if (design.thickness && *design.thickness > 0 && std::isfinite(side * side * *design.thickness))
        result.boardFeet = side * side * *design.thickness / 144; // cubic inches a board foot
    result.boardFeetText = boardFeetCaption(result.boardFeet);
    if (!(in.outerDiameter > 0) || !std::isfinite(in.outerDiameter))
        result.problems.push_back(
            { RingField::outer, refusedValue(in.outerDiameter, positiveLengthAllowed) });
    if (!(in.fudge >= 0) || !std::isfinite(in.fudge))
        result.problems.push_back(
            { RingField::fudge, refusedValue(in.fudge, nonNegativeLengthAllowed) });
    if (!design.thickness || !(*design.thickness > 0) || !std::isfinite(*design.thickness)) {
        result.problems.push_back({ RingField::thickness,
            design.thickness ? refusedValue(*design.thickness, positiveLengthAllowed)
                             : std::string(missingValue) + std::string(positiveLengthAllowed) });
    }
    if (!(design.kerf >= 0) || !std::isfinite(design.kerf))
        result.problems.push_back(
            { RingField::kerf, refusedValue(design.kerf, nonNegativeLengthAllowed) });
    checkPattern(design, result.problems);
    if (result.problems.empty() && !result.boardFeet)
        result.problems.push_back({ std::nullopt, std::string(tooLarge) });
    if (result.boardFeet)
        result.woods
            = { WoodLumber { segmentWood(design, 0), 0, std::nullopt, *result.boardFeet } };
    return result;
}

} // namespace orvane
