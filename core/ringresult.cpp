#include "core/ringresult.h"

#include "core/boardfeet.h"
#include "core/cutlist.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"

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

// The problems of the inputs alone, before anything is computed, in the order of the fields.
void checkInputs(const RingSpec &spec, std::vector<RingProblem> &problems)
{
    const RingInputs &in = spec.inputs;
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
    if (!spec.thickness || !(*spec.thickness > 0) || !std::isfinite(*spec.thickness)) {
        problems.push_back({ RingField::thickness,
            spec.thickness ? refusedValue(*spec.thickness, positiveLengthAllowed)
                           : std::string(missingValue) + std::string(positiveLengthAllowed) });
    }
    if (!(spec.kerf >= 0) || !std::isfinite(spec.kerf))
        problems.push_back({ RingField::kerf, refusedValue(spec.kerf, nonNegativeLengthAllowed) });
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

RingResult computeRingResult(const RingSpec &spec, int largestCount)
{
    RingResult result;
    result.spec = spec;
    const double n = spec.inputs.segmentCount;
    result.geometry = computeRing(spec.inputs, largestCount);
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
        result.stripLength = lengthResult(stripLength(*ring, spec.kerf));
        result.boardFeet = boardFeet(*ring, spec.thickness);
    }
    result.boardFeetText = boardFeetCaption(result.boardFeet);

    checkInputs(spec, result.problems);
    if (result.problems.empty()
        && (!finite(result.longSide) || !finite(result.shortSide) || !finite(result.boardWidth)
            || !finite(result.stripLength) || !result.boardFeet)) {
        result.problems.push_back({ std::nullopt, std::string(tooLarge) });
    }
    return result;
}

RingResult computeDiscResult(const RingSpec &spec)
{
    RingResult result;
    result.spec = spec;
    result.kind = RingKind::disc;
    const RingInputs &in = spec.inputs;
    const double side = in.outerDiameter + 2 * in.fudge;
    result.blankSide = lengthResult(side);
    if (spec.thickness && *spec.thickness > 0 && std::isfinite(side * side * *spec.thickness))
        result.boardFeet = side * side * *spec.thickness / 144; // cubic inches a board foot
    result.boardFeetText = boardFeetCaption(result.boardFeet);
    if (!(in.outerDiameter > 0) || !std::isfinite(in.outerDiameter))
        result.problems.push_back(
            { RingField::outer, refusedValue(in.outerDiameter, positiveLengthAllowed) });
    if (!(in.fudge >= 0) || !std::isfinite(in.fudge))
        result.problems.push_back(
            { RingField::fudge, refusedValue(in.fudge, nonNegativeLengthAllowed) });
    if (!spec.thickness || !(*spec.thickness > 0) || !std::isfinite(*spec.thickness)) {
        result.problems.push_back({ RingField::thickness,
            spec.thickness ? refusedValue(*spec.thickness, positiveLengthAllowed)
                           : std::string(missingValue) + std::string(positiveLengthAllowed) });
    }
    if (!(spec.kerf >= 0) || !std::isfinite(spec.kerf))
        result.problems.push_back(
            { RingField::kerf, refusedValue(spec.kerf, nonNegativeLengthAllowed) });
    if (result.problems.empty() && !result.boardFeet)
        result.problems.push_back({ std::nullopt, std::string(tooLarge) });
    return result;
}

} // namespace orvane
