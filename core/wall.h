#pragma once

// The wall of a vessel turned to its profile: the outside curve, the inside everything within the
// wall thickness t of it on the axis side, and the solid floor.

#include "core/profile.h"

#include <vector>

namespace orvane {

// The wall thickness and the floor height a profile has unless it is given others, inches.
inline constexpr double defaultWallThickness = 0.25;

class VesselWall
{
public:
    // The wall of a valid profile (see profileProblems) with the wall thickness `thickness` (> 0)
    // and the solid floor up to `floor`.
    VesselWall(const std::vector<ProfilePoint> &points, double thickness, double floor);

    double rim() const { return rimHeight; }
    double thickness() const { return wall; }
    double floor() const { return floorHeight; }
    const std::vector<ProfilePiece> &outside() const { return curve; }

    // The inside radius at height h: the least P.r - sqrt(t^2 - (P.h - h)^2) over every point P of
    // the outside, continued straight for t beyond its ends where it does not end flat, within t
    // of h in height. 0 or less where the inside has closed.
    double insideRadius(double h) const;

    // Over the band of heights from `bottom` to `top` (0 <= bottom < top <= rim), open at its
    // ends: a flat run on an edge counts only for the band the curve goes on into.
    // The largest outside radius.
    double largestOutside(double bottom, double top) const;
    // The least inside radius.
    double leastInside(double bottom, double top) const;
    // Whether the band holds solid wood: a height below the floor, or one where the inside has
    // closed.
    bool solidIn(double bottom, double top) const;

private:
    // The least inside radius at height y from the points of the outside within t of it, leaving
    // out the flat runs exactly t away, which the heights beside y do not reach.
    double insideFromNear(double y) const;

    std::vector<ProfilePiece> curve;
    std::vector<ProfilePiece> extended; // the curve with its straight continuations
    double wall;
    double floorHeight;
    double rimHeight;
};

} // namespace orvane
