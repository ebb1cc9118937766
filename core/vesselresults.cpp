#include "core/vesselresults.h"

#include "core/joints.h"
#include "core/stacking.h"

#include <algorithm>

namespace orvane {

double glueFace(const RingDesign &lower, const RingDesign &upper)
{
    const double outer = std::min(lower.inputs.outerDiameter, upper.inputs.outerDiameter) / 2;
    const double inner = std::max(lower.inputs.innerDiameter, upper.inputs.innerDiameter) / 2;
    return outer - inner;
}

VesselResults computeVessel(const Vessel &vessel)
{
    Stack stack = stackRings(vessel);
    VesselResults results;
    results.aboveRim = std::move(stack.aboveRim);
    results.warnings = std::move(stack.warnings);
    results.profileProblems = std::move(stack.profileProblems);
    results.rings.reserve(stack.rings.size());
    results.bottoms.reserve(stack.rings.size());
    for (const StackedRing &stacked : stack.rings) {
        const RingDesign &design = stacked.design;
        results.rings.push_back(
            stacked.disc ? computeDiscResult(design) : computeRingResult(design));
        RingResult &ring = results.rings.back();
        ring.bottom = stacked.bottom;
        ring.top = stacked.top;
        results.bottoms.push_back(stacked.bottom);
        results.height = std::max(results.height, stacked.top);
        results.widestDiameter = std::max(results.widestDiameter, design.inputs.outerDiameter);
        const double feet = ring.boardFeet.value_or(0);
        const double strip = ring.stripLength ? ring.stripLength->inches : 0;
        results.boardFeet += feet;
        results.stripLength += strip;
    }
    placeJoints(results.rings);
    results.woods = lumberPerWood(results.rings);
    results.boards = lumberPerBoard(results.rings);
    for (const WoodTotal &wood : results.woods)
        results.stripLengthPerWood += wood.stripLength;
    for (std::size_t i = 1; i < results.rings.size(); ++i) {
        const double face = glueFace(results.rings[i - 1].design, results.rings[i].design);
        if (face < narrowestGlueFace)
            results.narrowJoints.push_back({ i - 1, face });
    }
    return results;
}

} // namespace orvane
