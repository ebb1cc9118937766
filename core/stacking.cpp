#include "core/stacking.h"

#include "core/reading.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

double bandHeight(const RingDesign &ring, double flatten)
{
    return ring.thickness.value_or(0) - flatten;
}

std::string ringLabel(const RingDesign &ring, std::size_t place)
{
    return "ring " + std::to_string(place + 1) + " (" + ring.name + ")";
}

void stackFromProfile(const Vessel &vessel, Stack &stack)
{
    const VesselWall wall(vessel.profile, vessel.wall, vessel.floorHeight());
    double bottom = 0;
    for (std::size_t place = 0; place < vessel.rings.size(); ++place) {
        const RingDesign &typed = vessel.rings[place];
        const double height = bandHeight(typed, vessel.flatten);
        if (bottom >= wall.rim()) {
            stack.warnings.push_back(ringLabel(typed, place) + " starts at "
                + shortestDecimal(bottom) + " in, at or above the rim ("
                + shortestDecimal(wall.rim()) + " in): left out");
            stack.aboveRim.push_back(place);
            bottom += std::max(height, 0.0);
            continue;
        }
        if (!(height > 0)) {
            // No band to take diameters from: the ring stays as typed, and its thickness says why.
            stack.warnings.push_back(
                ringLabel(typed, place) + " is no thicker than the flattening allowance");
            stack.rings.push_back({ typed, place, bottom, bottom });
            continue;
        }
        StackedRing ring { typed, place, bottom, std::min(bottom + height, wall.rim()) };
        RingInputs &in = ring.design.inputs;
        if (!typed.ownFudge)
            in.fudge = vessel.pad;
        ring.outerFromProfile = !typed.outerLocked;
        ring.innerFromProfile = !typed.innerLocked;
        ring.profileOuter = 2 * wall.largestOutside(ring.bottom, ring.top);
        const double leastInside = wall.leastInside(ring.bottom, ring.top);
        const bool solid = ring.bottom < wall.floor() || leastInside <= 0; // as solidIn()
        ring.profileInner = solid ? 0 : 2 * leastInside;
        if (ring.outerFromProfile)
            in.outerDiameter = ring.profileOuter;
        if (ring.innerFromProfile)
            in.innerDiameter = ring.profileInner;
        ring.disc = (solid && ring.innerFromProfile) || in.innerDiameter / 2 - in.fudge < 0;
        ring.discAboveFloor = ring.disc && ring.bottom >= wall.floor();
        if (ring.discAboveFloor)
            stack.warnings.push_back(
                ringLabel(typed, place) + " is a disc above the floor: it closes the vessel");
        stack.rings.push_back(ring);
        bottom += height;
    }
}

} // namespace

Stack stackRings(const Vessel &vessel)
{
    Stack stack;
    if (!vessel.profile.empty()) {
        stack.profileProblems = profileProblems(vessel.profile);
        if (stack.profileProblems.empty() && !(vessel.wall > 0 && std::isfinite(vessel.wall)))
            stack.profileProblems.push_back("wall " + shortestDecimal(vessel.wall)
                + " is not allowed: a thickness more than 0");
        if (stack.profileProblems.empty()) {
            stackFromProfile(vessel, stack);
            return stack;
        }
    }
    double bottom = 0;
    for (std::size_t place = 0; place < vessel.rings.size(); ++place) {
        const RingDesign &ring = vessel.rings[place];
        const double height = bandHeight(ring, vessel.flatten);
        stack.rings.push_back({ ring, place, bottom, bottom + height });
        bottom += height;
    }
    return stack;
}

std::vector<RingDesign> fillToRim(const Vessel &vessel)
{
    std::vector<RingDesign> rings = vessel.rings;
    if (vessel.profile.empty() || rings.empty() || !profileProblems(vessel.profile).empty())
        return rings;
    const double rim = vessel.profile.back().h;
    double top = 0;
    for (const RingDesign &ring : rings)
        top += bandHeight(ring, vessel.flatten);
    const double height = bandHeight(rings.back(), vessel.flatten);
    if (!(height > 0))
        return rings;
    while (top < rim) {
        RingDesign next = rings.back();
        next.name = defaultRingName(rings.size() + 1);
        next.outerLocked = false;
        next.innerLocked = false;
        next.line = 0;
        rings.push_back(next);
        top += height;
    }
    return rings;
}

} // namespace orvane
