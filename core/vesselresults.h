#pragma once

// What a vessel comes to: every ring's one result, where the rings stand and how their joints
// are turned, their totals, the lumber per wood and the joints between rings too narrow to glue.

#include "core/lumber.h"
#include "core/ringresult.h"
#include "core/vessel.h"

#include <string>
#include <vector>

namespace orvane {

// The narrowest glue face between two rings that holds: a quarter inch.
inline constexpr double narrowestGlueFace = 0.25;

// Two neighbouring rings, `lower` and `lower + 1` counted from the bottom from 0, that share less
// than the narrowest glue face: the smaller of their outer radii less the larger of their inner
// radii, of the finished diameters.
struct NarrowJoint
{
    std::size_t lower = 0;
    double glueFace = 0; // inches; below zero where the rings do not meet at all
};

struct VesselResults
{
    std::vector<RingResult> rings; // the bottom ring first, each with its rotation and turn
    std::vector<double> bottoms; // each ring's height above the foot, inches
    double height = 0; // the rings' thicknesses added up
    double widestDiameter = 0; // the largest outer diameter
    double boardFeet = 0;
    double stripLength = 0;
    double stripLengthPerWood = 0; // the strips of every wood added up: each wood's own ends
    std::vector<WoodTotal> woods; // see lumberPerWood
    std::vector<WoodTotal> boards; // per wood and board thickness, see lumberPerBoard
    std::vector<NarrowJoint> narrowJoints;
    // With a profile: the places of the rings left out, starting at or above the rim, the
    // stack's warnings, and the profile's problems when it cannot be used (the rings then stay
    // as typed).
    std::vector<std::size_t> aboveRim;
    std::vector<std::string> warnings;
    std::vector<std::string> profileProblems;
};

// Every ring's result, the rings stacked (see stackRings) and their joints placed (see
// placeJoints): a vessel with a profile computes its rings' diameters from it.
VesselResults computeVessel(const Vessel &vessel);

// The width the glue faces of two neighbouring rings share.
double glueFace(const RingDesign &lower, const RingDesign &upper);

} // namespace orvane
