#include "window/vessel/ringedit.h"

#include "core/cutlist.h"
#include "core/length.h"
#include "core/reading.h"
#include "core/ringreader.h"
#include "core/ringresult.h"
#include "core/stacking.h"
#include "core/text.h"

namespace orvane {

namespace {

// A count, or a length in inches. A number without a unit stands for the project's unit.
FieldReading readTyped(RingField field, std::string_view text, Units units)
{
    if (units == Units::millimetres && field != RingField::segments && wholeNumber(text)) {
        if (const auto inches = typedLength(text, units))
            return checkRingField(field, *inches, text);
    }
    return readRingField(field, text);
}

bool lockable(RingField field)
{
    return field == RingField::outer || field == RingField::inner || field == RingField::fudge;
}

// Whether the ring keeps its own value of `field` rather than the profile's or the pad.
void setLocked(RingDesign &ring, RingField field, bool locked)
{
    if (field == RingField::outer)
        ring.outerLocked = locked;
    else if (field == RingField::inner)
        ring.innerLocked = locked;
    else if (field == RingField::fudge)
        ring.ownFudge = locked;
}

// Every problem of the result, in one message; empty for a sound one.
std::string problemsOf(const RingResult &result)
{
    std::string message;
    for (const RingProblem &problem : result.problems) {
        if (!message.empty())
            message += "; ";
        message += problem.message;
    }
    return message;
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
    edit.problem = problemsOf(computeRingResult(edit.ring));
    return edit;
}

RingEdit editVesselRing(
    const Vessel &vessel, std::size_t place, RingField field, std::string_view text)
{
    const RingDesign &typed = vessel.rings.at(place);
    if (!profileGivesDiameters(vessel) || !lockable(field))
        return editRing(typed, place, field, text, vessel.units);
    RingEdit edit { typed, {} };
    const std::string_view value = trimmed(text);
    if (value.empty()) {
        setLocked(edit.ring, field, false);
    } else {
        const FieldReading reading = readTyped(field, value, vessel.units);
        if (!reading.problem.empty()) {
            edit.problem = reading.problem;
            return edit;
        }
        take(edit.ring, field, reading.value);
        setLocked(edit.ring, field, true);
    }
    // The ring as it stands in the vessel, its other values from the profile; a ring above the
    // rim is not part of the vessel and has nothing more to check.
    Vessel after = vessel;
    after.rings[place] = edit.ring;
    for (const StackedRing &ring : stackRings(after).rings) {
        if (ring.place == place)
            edit.problem = problemsOf(
                ring.disc ? computeDiscResult(ring.design) : computeRingResult(ring.design));
    }
    return edit;
}

bool profileGivesDiameters(const Vessel &vessel)
{
    return !vessel.profile.empty() && stackRings(vessel).profileProblems.empty();
}

std::optional<double> typedLength(std::string_view text, Units units)
{
    const std::optional<double> length = readLength(text);
    if (length && units == Units::millimetres && wholeNumber(text))
        return *length / millimetresPerInch;
    return length;
}

} // namespace orvane
