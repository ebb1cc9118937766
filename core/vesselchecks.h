#pragma once

// The checks of a vessel: what would make its rings hard to cut, glue or turn as designed. Each
// is a warning about one ring, never a refusal: the vessel computes and saves as it stands.

#include "core/vessel.h"
#include "core/vesselresults.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// What the checks compare with, the woodworker's own limits. Inches.
struct CheckSettings
{
    // The widest board at hand. 7.25 in, the width of a nominal 1x8: the widest board lumber
    // yards commonly stock without a premium, and about what a common 8-inch jointer flattens.
    double widestBoard = 7.25;
    // The narrowest opening a hand turns the inside through.
    double smallestOpening = 2;
};

// A segment's short side below this is hard to hold and cut safely.
inline constexpr double shortestSafeSide = 0.5;

enum class CheckKind
{
    lockedDiameter, // a typed diameter no longer covers the wall the profile needs in its band
    narrowJoint, // less than narrowestGlueFace shared with the ring below
    shortSide, // a segment's short side under shortestSafeSide
    boardWidth, // a board, or a disc's blank, wider than the widest board
    aboveRim, // the ring starts at or above the rim: it is not part of the vessel
    belowRim, // the top ring stops below the rim
    discAboveFloor, // a solid disc above the floor closes the vessel
    rimOpening, // the opening a hand reaches in through is narrower than the smallest opening
};

struct VesselCheck
{
    CheckKind kind = CheckKind::lockedDiameter;
    std::size_t place = 0; // the ring, from 0 at the foot; for a narrow joint the upper ring
    std::string ring; // its name
    std::optional<std::size_t> neighbour; // a narrow joint's lower ring
    // What is wrong, for a woodworker, with its numbers in the vessel's units, starting with the
    // ring: "ring 3 (Belly): its segments' short side is 0.4375 in, under 0.5 in: ...".
    std::string message;
};

// Every check that fires on `vessel`, whose results are `results`, by ring from the foot up.
//
// The opening is where the hand goes in to turn the inside: the narrowest inner diameter of the
// rings from the lowest ring widest inside up to the top ring, so that a neck below a flaring lip
// counts. It is not checked when the top ring is a disc, which the disc's own check names.
// With a profile, a stack whose top is within stackTolerance of the rim reaches it.
std::vector<VesselCheck> checkVessel(
    const Vessel &vessel, const VesselResults &results, const CheckSettings &settings = {});

// How far below the rim a stack may stop and still reach it, inches: far below any tool, far
// above the rounding of heights added up.
inline constexpr double stackTolerance = 1e-6;

// Whether `vessel` has a profile it can use and rings that stop below its rim, so that filling
// to the rim adds rings.
bool stackBelowRim(const Vessel &vessel, const VesselResults &results);

} // namespace orvane
