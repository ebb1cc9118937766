#include "window/vessel/ringedit.h"

#include "core/cutlist.h"
#include "core/length.h"
#include "core/reading.h"
#include "core/ringreader.h"
#include "core/ringresult.h"
#include "core/text.h"

namespace orvane {

namespace {

// A count, or a length in inches. A number without a unit stands for the project's unit.
FieldReading readTyped(RingField field, std::string_view text, Units units)
{
    if (units == Units::millimetres && field != RingField::segments && wholeNumber(text)) {
        if (const auto millimetres = readLength(text))
            return checkRingField(field, *millimetres / millimetresPerInch, text);
    }
    return readRingField(field, text);
}

void take(RingDesign &ring, RingField field, double value)
{
    switch (field) {
    case RingField::segments: ring.inputs.segmentCount = value; break;
    case RingField::outer: ring.inputs.outerDiameter = value; break;
    case RingField::inner: ring.inputs.innerDiameter = value; break;
    case RingField::fudge: ring.inputs.fudge = value; break;
    case RingField::thickness: ring.thickness = value; break;
    case RingField::kerf: ring.kerf = value; break;
    case RingField::name:
    case RingField::wood: break;
    }
}

} // namespace

RingEdit editRing(
    const RingDesign &ring, std::size_t place, RingField field, std::string_view text, Units units)
{
    RingEdit edit { ring, {} };
    const std::string_view typed = trimmed(text);
    if (field == RingField::name) {
        edit.ring.name = typed.empty() ? defaultRingName(place + 1) : std::string(typed);
        return edit;
    }
    if (field == RingField::wood) {
        WoodReading woods = readWoodField(typed);
        edit.problem = std::move(woods.problem);
        edit.ring.wood = std::move(woods.wood);
        edit.ring.pattern = std::move(woods.pattern);
        // A pattern no longer than the count; the other rules are the other fields' to keep.
        for (const RingProblem &problem : computeRingResult(edit.ring).problems) {
            if (problem.field == RingField::wood && edit.problem.empty())
                edit.problem = problem.message;
        }
        return edit;
    }
    const FieldReading reading = readTyped(field, typed, units);
    if (!reading.problem.empty()) {
        edit.problem = reading.problem;
        return edit;
    }
    take(edit.ring, field, reading.value);
    // A value fine on its own may still break the ring: an inner diameter no longer below the
    // outer one, a fudge that leaves the short side below zero.
    for (const RingProblem &problem : computeRingResult(edit.ring).problems) {
        if (!edit.problem.empty())
            edit.problem += "; ";
        edit.problem += problem.message;
    }
    return edit;
}

} // namespace orvane
