#pragma once

// The geometry of a ring glued up from identical wedge-shaped segments.

#include <optional>

namespace orvane {

// The program's value of pi. Every angle computation uses it instead of a full-precision value.
inline constexpr double programPi = 3.141593;

// The largest segment count of a ring: feature rings of 36, 48 or 72 segments are common.
inline constexpr int largestSegmentCount = 100;
// The calculator window computes counts up to 30, as its captions always have; above that its
// results stay blank.
inline constexpr int calculatorLargestCount = 30;

// The four ring inputs: segment count, outer and inner diameter of the finished ring and the fudge
// factor, the extra material left beyond the cut line inside and outside, in inches.
struct RingInputs
{
    double segmentCount = 0;
    double outerDiameter = 0;
    double innerDiameter = 0;
    double fudge = 0;
};

// Whether a segment count makes a ring: the count divides a full turn, so it may not be 0 or
// negative, and its boundaries (one for each whole number up to the count) may not outnumber
// `largestCount`.
bool countComputable(double segmentCount, int largestCount = largestSegmentCount);

// One segment of a ring and the circles it is cut for. Lengths in inches, angles in radians.
struct Ring
{
    double segmentCount = 0;
    double centralAngle = 0; // one segment's share of the full turn
    double halfAngle = 0;
    double outerRadius = 0; // the finished ring's outer radius grown by the fudge factor
    double innerRadius = 0; // its inner radius shrunk by it: the circle through the inner corners
    double longSide = 0; // on the outside of the ring, tangent to the outer radius
    double shortSide = 0; // on the inside, a chord of the inner radius
    double boardWidth = 0; // the distance between the long and the short side
    double cornerRadius = 0; // the circle through the outer corners
};

// The ring of `inputs`, or nothing for a count that makes no ring.
std::optional<Ring> computeRing(const RingInputs &inputs, int largestCount = largestSegmentCount);

// The corners of one segment laid on the board, in inches: the long side on the x axis from the
// origin, the short side `boardWidth` above it, each end cut leaning in by (L - S) / 2.
struct SegmentPoint
{
    double x = 0;
    double y = 0;
};
struct SegmentCorners
{
    SegmentPoint longLeft, longRight, shortRight, shortLeft;
};
SegmentCorners segmentCorners(const Ring &ring);

} // namespace orvane
