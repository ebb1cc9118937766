#include "core/cutlist.h"

#include "core/picture.h"
#include "core/reading.h"
#include "core/ring.h"

#include <cmath>

namespace orvane {

double stripLength(const Ring &ring, double kerf)
{
    return stripLength(ring, kerf, ring.segmentCount);
}

double stripLength(const Ring &ring, double kerf, double segments)
{
    const double n = segments;
    const double L = ring.longSide;
    const double S = ring.shortSide;
    // A cut at the miter angle crosses the strip at half the central angle from square.
    const double kerfAlongStrip = kerf / std::cos(ring.halfAngle);
    return n * (L + S) / 2 + (L - S) / 2 + (n - 1) * kerfAlongStrip;
}

std::string millimetresText(double inches)
{
    return formatPicture(inches * millimetresPerInch, "##0.0");
}

std::string inputInchesText(double inches)
{
    return shortestDecimal(std::round(inches * 1e5) / 1e5);
}

} // namespace orvane
