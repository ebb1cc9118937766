#include "core/ring.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

double square(double x)
{
    return x * x;
}

} // namespace

bool countComputable(double segmentCount, int largestCount)
{
    // A typed count between the largest one and the next whole number still has only that many
    // boundaries, and is computed.
    return std::isfinite(segmentCount) && segmentCount > 0 && segmentCount < largestCount + 1;
}

std::optional<Ring> computeRing(const RingInputs &inputs, int largestCount)
{
    const double n = inputs.segmentCount;
    if (!countComputable(n, largestCount))
        return std::nullopt;

    Ring ring;
    ring.segmentCount = n;
    ring.outerRadius = inputs.outerDiameter / 2 + inputs.fudge;
    ring.innerRadius = inputs.innerDiameter / 2 - inputs.fudge;

    ring.centralAngle = (programPi / 180) * (360 / n);
    ring.halfAngle = ring.centralAngle / 2;
    // The distance from the centre to the short side.
    const double innerDistance = ring.innerRadius * std::cos(ring.halfAngle);
    ring.boardWidth = ring.outerRadius - innerDistance;
    ring.shortSide = (innerDistance * 2) * std::tan(ring.halfAngle);
    // How far the long side reaches beyond the short side at each end.
    const double overhang = ring.boardWidth * std::tan(ring.halfAngle);
    ring.longSide = overhang * 2 + ring.shortSide;

    // The outer corners: half the long side spans the half chord of the outer circle and rises
    // beyond it. Both radicands are never negative in exact arithmetic; rounding must not make
    // them so.
    const double outerDistance = ring.outerRadius * std::cos(ring.halfAngle);
    const double halfChord
        = std::sqrt(std::max(0.0, square(ring.outerRadius) - square(outerDistance)));
    const double cornerRise
        = std::sqrt(std::max(0.0, square(ring.longSide / 2) - square(halfChord)));
    ring.cornerRadius = outerDistance + cornerRise;
    return ring;
}

SegmentCorners segmentCorners(const Ring &ring)
{
    const double L = ring.longSide;
    const double S = ring.shortSide;
    const double W = ring.boardWidth;
    const double lean = (L - S) / 2;
    return { { 0, 0 }, { L, 0 }, { lean + S, W }, { lean, W } };
}

} // namespace orvane
