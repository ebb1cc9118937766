#pragma once

// What the woodworker buys: the lumber of every wood of a vessel, added up from its rings, in
// all and per board thickness.

#include "core/ringresult.h"

#include <string>
#include <vector>

namespace orvane {

// The lumber of one wood, of one board thickness or of all. Rings without a wood count under the
// empty name.
struct WoodTotal
{
    std::string wood;
    double thickness = 0; // inches; 0 in the totals of every thickness together
    int rings = 0; // the rings that have some of it, discs included
    int segments = 0;
    double stripLength = 0; // inches, the strips of its segments in every ring added up
    double boardFeet = 0;
};

// The lumber of each wood, in the order the woods first appear from the bottom ring up (and in a
// ring from segment 1).
std::vector<WoodTotal> lumberPerWood(const std::vector<RingResult> &rings);
// The same, for each wood and board thickness: in that order, each thickness of a wood in the
// order it first appears.
std::vector<WoodTotal> lumberPerBoard(const std::vector<RingResult> &rings);

} // namespace orvane
