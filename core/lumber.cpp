#include "core/lumber.h"

#include <algorithm>

namespace orvane {

namespace {

std::vector<WoodTotal> lumberOf(const std::vector<RingResult> &rings, bool perThickness)
{
    std::vector<WoodTotal> totals;
    for (const RingResult &ring : rings) {
        const double thickness = perThickness ? ring.design.thickness.value_or(0) : 0;
        for (const WoodLumber &lumber : ring.woods) {
            auto total = std::find_if(totals.begin(), totals.end(), [&](const WoodTotal &each) {
                return each.wood == lumber.wood && each.thickness == thickness;
            });
            if (total == totals.end()) {
                // A wood's thicknesses stand together: a new one after those it already has.
                const auto last = std::find_if(totals.rbegin(), totals.rend(),
                    [&](const WoodTotal &each) { return each.wood == lumber.wood; });
                total = totals.insert(last == totals.rend() ? totals.end() : last.base(),
                    WoodTotal { lumber.wood, thickness });
            }
            ++total->rings;
            total->segments += lumber.segments;
            total->stripLength += lumber.stripLength ? lumber.stripLength->inches : 0;
            total->boardFeet += lumber.boardFeet;
        }
    }
    return totals;
}

} // namespace

std::vector<WoodTotal> lumberPerWood(const std::vector<RingResult> &rings)
{
    return lumberOf(rings, false);
}

std::vector<WoodTotal> lumberPerBoard(const std::vector<RingResult> &rings)
{
    return lumberOf(rings, true);
}

} // namespace orvane
