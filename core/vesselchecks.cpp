#include "core/vesselchecks.h"

#include "core/cutlist.h"

#include <algorithm>

namespace orvane {

namespace {

// A length as the vessel's messages write it: "0.4375 in", "11.1 mm".
std::string lengthText(double inches, Units units)
{
    if (units == Units::millimetres)
        return millimetresText(inches) + " mm";
    return inputInchesText(inches) + " in";
}

bool usesProfile(const Vessel &vessel, const VesselResults &results)
{
    return !vessel.profile.empty() && results.profileProblems.empty();
}

class Checker
{
public:
    Checker(const Vessel &checked, const VesselResults &computed, const CheckSettings &limits)
        : vessel(checked)
        , results(computed)
        , settings(limits)
    { }

    std::vector<VesselCheck> run()
    {
        if (usesProfile(vessel, results))
            checkProfileRings();
        checkJoints();
        checkCuts();
        checkOpening();
        std::stable_sort(checks.begin(), checks.end(),
            [](const VesselCheck &a, const VesselCheck &b) { return a.place < b.place; });
        return checks;
    }

private:
    std::string length(double inches) const { return lengthText(inches, vessel.units); }

    void add(CheckKind kind, std::size_t place, const std::string &what,
        std::optional<std::size_t> neighbour = std::nullopt)
    {
        const std::string &name = vessel.rings.at(place).name;
        checks.push_back({ kind, place, name, neighbour, label(place) + ": " + what });
    }

    std::string label(std::size_t place) const
    {
        return "ring " + std::to_string(place + 1) + " (" + vessel.rings.at(place).name + ')';
    }

    void checkProfileRings()
    {
        const double rim = vessel.profile.back().h;
        for (const StackedRing &ring : results.stacked) {
            checkLocks(ring);
            if (ring.discAboveFloor)
                add(CheckKind::discAboveFloor, ring.place,
                    "a solid disc above the floor (" + length(vessel.floorHeight())
                        + "): it closes the vessel");
        }
        for (const std::size_t place : results.aboveRim)
            add(CheckKind::aboveRim, place,
                "it starts at or above the rim (" + length(rim)
                    + "): it is not part of the vessel");
        if (stackBelowRim(vessel, results)) {
            const StackedRing &top = results.stacked.back();
            add(CheckKind::belowRim, top.place,
                "the rings stop at its top, " + length(top.top) + ", " + length(rim - top.top)
                    + " below the rim (" + length(rim) + ")");
        }
    }

    void checkLocks(const StackedRing &ring)
    {
        if (ring.coversWall())
            return;
        const RingInputs &in = ring.design.inputs;
        const std::string band = "between " + length(ring.bottom) + " and " + length(ring.top);
        std::string what;
        if (in.outerDiameter < ring.profileOuter)
            what = "its locked outer diameter, " + length(in.outerDiameter)
                + ", is smaller than the " + length(ring.profileOuter) + " the profile needs "
                + band + ": turned to the profile, the outside would cut into it";
        if (in.innerDiameter > ring.profileInner) {
            if (!what.empty())
                what += "; ";
            what += "its locked inner diameter, " + length(in.innerDiameter) + ", is larger than ";
            what += ring.profileInner > 0
                ? "the " + length(ring.profileInner) + " the profile needs " + band
                    + ": turned to the profile, the inside would cut through the wall"
                : "the solid wood the profile needs " + band + ": it leaves a hole in the floor";
        }
        add(CheckKind::lockedDiameter, ring.place, what);
    }

    void checkJoints()
    {
        for (const NarrowJoint &joint : results.narrowJoints) {
            const std::size_t lower = results.stacked.at(joint.lower).place;
            const std::size_t upper = results.stacked.at(joint.lower + 1).place;
            const std::string rings = "it and " + label(lower);
            std::string message;
            if (joint.glueFace > 0)
                message = rings + " share " + length(joint.glueFace) + " of glue face, less than "
                    + length(narrowestGlueFace) + ": the joint may not hold";
            else if (joint.glueFace == 0)
                message = rings + " only touch: their walls meet at an edge, with no glue face";
            else
                message = rings + " do not meet: " + length(-joint.glueFace)
                    + " lies between their walls, and no glue face";
            add(CheckKind::narrowJoint, upper, message, lower);
        }
    }

    void checkCuts()
    {
        for (std::size_t i = 0; i < results.rings.size(); ++i) {
            const RingResult &ring = results.rings[i];
            const std::size_t place = results.stacked.at(i).place;
            if (ring.shortSide && ring.shortSide->inches < shortestSafeSide)
                add(CheckKind::shortSide, place,
                    "its segments' short side is " + length(ring.shortSide->inches) + ", under "
                        + length(shortestSafeSide)
                        + ": segments that small are hard to cut safely");
            if (ring.boardWidth && ring.boardWidth->inches > settings.widestBoard)
                add(CheckKind::boardWidth, place,
                    "its segments take a board " + length(ring.boardWidth->inches)
                        + " wide, wider than the widest board (" + length(settings.widestBoard)
                        + ")");
            if (ring.blankSide && ring.blankSide->inches > settings.widestBoard)
                add(CheckKind::boardWidth, place,
                    "its blank is " + length(ring.blankSide->inches)
                        + " square, wider than the widest board (" + length(settings.widestBoard)
                        + "): it takes a glued-up panel");
        }
    }

    void checkOpening()
    {
        const std::vector<RingResult> &rings = results.rings;
        if (rings.empty() || rings.back().kind == RingKind::disc)
            return;
        // From the top ring down to the lowest ring widest inside, as far as a disc.
        std::size_t from = rings.size() - 1;
        for (std::size_t i = rings.size(); i-- > 0 && rings[i].kind == RingKind::ring;) {
            if (inner(rings[i]) >= inner(rings[from]))
                from = i;
        }
        std::size_t narrowest = rings.size() - 1;
        for (std::size_t i = from; i < rings.size(); ++i) {
            if (inner(rings[i]) < inner(rings[narrowest]))
                narrowest = i;
        }
        const double opening = inner(rings[narrowest]);
        if (opening < settings.smallestOpening)
            add(CheckKind::rimOpening, results.stacked.at(narrowest).place,
                "the opening a hand turns the inside through is " + length(opening)
                    + " across here, narrower than " + length(settings.smallestOpening));
    }

    static double inner(const RingResult &ring) { return ring.design.inputs.innerDiameter; }

    const Vessel &vessel;
    const VesselResults &results;
    const CheckSettings &settings;
    std::vector<VesselCheck> checks;
};

} // namespace

std::vector<VesselCheck> checkVessel(
    const Vessel &vessel, const VesselResults &results, const CheckSettings &settings)
{
    return Checker(vessel, results, settings).run();
}

bool stackBelowRim(const Vessel &vessel, const VesselResults &results)
{
    if (!usesProfile(vessel, results) || results.stacked.empty())
        return false;
    return results.stacked.back().top < vessel.profile.back().h - stackTolerance;
}

} // namespace orvane
