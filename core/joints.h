#pragma once

// Where a vessel's joints stand: each ring's rotation, and the turn from the ring below that the
// woodworker gives it at the glue-up.

#include "core/ringresult.h"

#include <string>
#include <vector>

namespace orvane {

// The turn, in degrees counter-clockwise, that puts the joints of a ring of `count` segments
// farthest from those of a ring of `belowCount` segments below it: the smallest angle between
// one of its joints and the nearest joint below as large as it can be. Half a segment for equal
// counts; 180 / lcm(belowCount, count) in general (see joints.cpp).
double farthestTurn(int belowCount, int count);

// An angle in degrees brought into [0, 360).
double normalDegrees(double degrees);
// The turn from `below` to `above`, both in degrees counter-clockwise: above -180, up to 180.
double turnBetween(double below, double above);

// Gives every ring of a vessel, the bottom ring first, its rotation and its turn from the ring
// below. A ring keeps a rotation of its own; by default the bottom ring stands at 0 and each
// ring above is turned by farthestTurn() from the joints the ring below actually has. A disc has
// no joints: the ring on it starts again at 0 as the bottom ring does, and has no turn.
void placeJoints(std::vector<RingResult> &rings);

// The glue-up note of a turn: "turn 15.0° from the ring below".
std::string glueUpNote(double turn);

} // namespace orvane
