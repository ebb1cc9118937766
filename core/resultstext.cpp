// The results as a table to read on a terminal.

#include "core/boardfeet.h"
#include "core/cutlist.h"
#include "core/fractions.h"
#include "core/lumber.h"
#include "core/results.h"

namespace orvane {

namespace {

// The width of a text on a terminal: its UTF-8 characters, each one column wide.
std::size_t columns(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

void padded(std::string &out, std::string_view text, std::size_t width)
{
    out += text;
    const std::size_t used = columns(text);
    if (used < width)
        out.append(width - used, ' ');
}

constexpr std::size_t labelWidth = 32;
constexpr std::size_t fractionWidth = 18;
constexpr std::size_t decimalWidth = 15;

void countLine(std::string &out, std::string_view label, double value)
{
    padded(out, label, labelWidth);
    out += inputInchesText(value);
    out += '\n';
}

// An input length in inches and, in the millimetres column, in millimetres.
void inputLine(std::string &out, std::string_view label, double inches)
{
    padded(out, label, labelWidth);
    padded(out, inputInchesText(inches), fractionWidth + decimalWidth);
    out += millimetresText(inches);
    out += '\n';
}

void lengthLine(std::string &out, std::string_view label, const std::optional<LengthResult> &length)
{
    padded(out, label, labelWidth);
    padded(out, length->fraction, fractionWidth);
    padded(out, length->decimal, decimalWidth);
    out += length->millimetres;
    out += '\n';
}

void ringText(std::string &out, const RingResult &result)
{
    const RingDesign &ring = result.design;
    out += projectNameLabel;
    out += ring.name;
    out += '\n';
    if (const std::string woods = woodText(ring); !woods.empty()) {
        out += woodLabel;
        out += woods;
        out += '\n';
    }
    const bool disc = result.kind == RingKind::disc;
    if (!disc)
        countLine(out, segmentsLabel, ring.inputs.segmentCount);
    inputLine(out, outerLabel, ring.inputs.outerDiameter);
    inputLine(out, innerLabel, ring.inputs.innerDiameter);
    inputLine(out, fudgeLabel, ring.inputs.fudge);
    inputLine(out, thicknessLabel, ring.thickness.value_or(0));
    inputLine(out, kerfLabel, ring.kerf);
    out += '\n';

    if (disc) {
        // A disc is one square board: its blank and its lumber.
        padded(out, {}, labelWidth);
        padded(out, fractionHeading, fractionWidth);
        padded(out, decimalHeading, decimalWidth);
        out += millimetresHeading;
        out += '\n';
        lengthLine(out, discBlankLabel, result.blankSide);
        out += '\n';
        padded(out, boardFeetLabel, labelWidth);
        out += result.boardFeetText;
        out += '\n';
        return;
    }
    padded(out, {}, labelWidth);
    padded(out, fractionHeading, fractionWidth);
    padded(out, decimalHeading, decimalWidth);
    out += millimetresHeading;
    out += '\n';
    lengthLine(out, longSideLabel, result.longSide);
    lengthLine(out, shortSideLabel, result.shortSide);
    lengthLine(out, boardWidthLabel, result.boardWidth);
    lengthLine(out, stripLengthLabel, result.stripLength);
    out += '\n';

    padded(out, {}, labelWidth);
    padded(out, longAngleHeading, fractionWidth);
    out += shortAngleHeading;
    out += '\n';
    padded(out, miterAngleLabel, labelWidth);
    padded(out, result.longSideAngleText, fractionWidth);
    out += result.shortSideAngleText;
    out += '\n';
    padded(out, boardFeetLabel, labelWidth);
    out += result.boardFeetText;
    out += '\n';
}

// The lumber to buy: a line per wood.
void woodsText(std::string &out, const std::vector<WoodTotal> &woods)
{
    constexpr std::size_t segmentsWidth = 10;
    constexpr std::size_t stripWidth = 20;
    out += '\n';
    padded(out, lumberPerWoodLabel, labelWidth);
    padded(out, woodSegmentsHeading, segmentsWidth);
    padded(out, woodStripHeading, stripWidth);
    out += woodBoardFeetHeading;
    out += '\n';
    for (const WoodTotal &wood : woods) {
        padded(out, wood.wood.empty() ? noWoodLabel : std::string_view(wood.wood), labelWidth);
        padded(out, std::to_string(wood.segments), segmentsWidth);
        padded(out, decimalText(wood.stripLength), stripWidth);
        out += boardFeetCaption(wood.boardFeet);
        out += '\n';
    }
}

} // namespace

std::string resultsText(const std::vector<RingResult> &rings)
{
    std::string out;
    for (const RingResult &result : rings) {
        if (!out.empty())
            out += '\n';
        ringText(out, result);
    }
    const std::vector<WoodTotal> woods = lumberPerWood(rings);
    if (rings.size() > 1) {
        const ResultTotals totals = resultTotals(rings);
        out += '\n';
        padded(out, totalBoardFeetLabel, labelWidth);
        out += boardFeetCaption(totals.boardFeet);
        out += '\n';
        padded(out, totalStripLabel, labelWidth);
        out += decimalText(totals.stripLength);
        out += '\n';
    }
    if (rings.size() > 1 || woods.size() > 1)
        woodsText(out, woods);
    return out;
}

} // namespace orvane
