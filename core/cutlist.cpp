#include "core/cutlist.h"

#include "core/ring.h"

#include <cmath>

namespace orvane {

double stripLength(const Ring &ring, double kerf)
{
    const double n = ring.segmentCount;
    const double L = ring.longSide;
    const double S = ring.shortSide;
    // A cut at the miter angle crosses the strip at half the central angle from square.
    const double kerfAlongStrip = kerf / std::cos(ring.halfAngle);
    return n * (L + S) / 2 + (L - S) / 2 + (n - 1) * kerfAlongStrip;
}

} // namespace orvane
