#pragma once

// The rings of a vessel stacked from its foot: where each stands and, for a vessel with a profile,
// the diameters the profile gives each ring in its band.

#include "core/vessel.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

struct StackedRing
{
    RingDesign design; // with the diameters and fudge it is cut to
    std::size_t place = 0; // its place in the vessel's rings, from 0
    double bottom = 0; // the band it covers, inches above the foot
    double top = 0;
    bool disc = false;
    bool discAboveFloor = false; // a disc at or above the floor's height: it closes the vessel
    bool outerFromProfile = false;
    bool innerFromProfile = false;
    // The diameters the profile needs in the band, whether or not the ring locks others: a ring
    // covers the wall when its outer is no smaller and its inner no larger.
    double profileOuter = 0;
    double profileInner = 0;
    bool coversWall() const
    {
        return design.inputs.outerDiameter >= profileOuter
            && design.inputs.innerDiameter <= profileInner;
    }
};

struct Stack
{
    std::vector<StackedRing> rings; // the rings of the vessel, the bottom ring first
    std::vector<std::size_t> aboveRim; // the places of rings that start at or above the rim
    std::vector<std::string> profileProblems; // a profile that cannot be used: no rings follow
    std::vector<std::string> warnings; // rings above the rim, discs above the floor
};

// The vessel's rings stacked from h = 0, each its thickness less the vessel's flattening high.
// With a profile each band is cut at the rim and, where the ring does not lock them, takes
// outer = 2 x the largest outside radius and inner = 2 x the least inside radius in its band, and
// the vessel's pad where it has no fudge of its own; a band holding solid wood, or an inner
// diameter under twice the fudge, makes a disc. Without a profile the rings are kept as typed.
Stack stackRings(const Vessel &vessel);

// The rings of the vessel with rings added on top, each a copy of the top ring's thickness,
// count and wood with its diameters from the profile, until the stack reaches the rim.
std::vector<RingDesign> fillToRim(const Vessel &vessel);

} // namespace orvane
