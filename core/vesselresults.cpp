#include "core/vesselresults.h"

#include <algorithm>

namespace orvane {

double glueFace(const RingSpec &lower, const RingSpec &upper)
{
    const double outer = std::min(lower.inputs.outerDiameter, upper.inputs.outerDiameter) / 2;
    const double inner = std::max(lower.inputs.innerDiameter, upper.inputs.innerDiameter) / 2;
    return outer - inner;
}

VesselResults computeVessel(const Vessel &vessel)
{
    VesselResults results;
    results.rings.reserve(vessel.rings.size());
    results.bottoms.reserve(vessel.rings.size());
    for (const RingSpec &spec : vessel.rings) {
        results.rings.push_back(computeRingResult(spec));
        const RingResult &ring = results.rings.back();
        results.bottoms.push_back(results.height);
        results.height += spec.thickness.value_or(0);
        results.widestDiameter = std::max(results.widestDiameter, spec.inputs.outerDiameter);
        const double feet = ring.boardFeet.value_or(0);
        const double strip = ring.stripLength ? ring.stripLength->inches : 0;
        results.boardFeet += feet;
        results.stripLength += strip;

        auto wood = std::find_if(results.woods.begin(), results.woods.end(),
            [&spec](const WoodTotal &total) { return total.wood == spec.wood; });
        if (wood == results.woods.end())
            wood = results.woods.insert(results.woods.end(), WoodTotal { spec.wood });
        ++wood->rings;
        wood->boardFeet += feet;
        wood->stripLength += strip;
    }
    for (std::size_t i = 1; i < vessel.rings.size(); ++i) {
        const double face = glueFace(vessel.rings[i - 1], vessel.rings[i]);
        if (face < narrowestGlueFace)
            results.narrowJoints.push_back({ i - 1, face });
    }
    return results;
}

} // namespace orvane
