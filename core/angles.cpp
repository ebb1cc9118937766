#include "core/angles.h"

#include "core/picture.h"
#include "core/ring.h"

#include <cmath>

namespace orvane {

std::optional<double> cutAngle(double segmentCount, int largestCount)
{
    if (!countComputable(segmentCount, largestCount))
        return std::nullopt;
    return 180 / segmentCount;
}

std::optional<MiterAngles> miterAngles(double segmentCount, int largestCount)
{
    const auto cut = cutAngle(segmentCount, largestCount);
    if (!cut)
        return std::nullopt;
    const double longSide = std::fabs(90 - *cut);
    return MiterAngles { longSide, 90 - longSide };
}

std::string angleText(std::optional<double> degrees, std::string_view picture)
{
    return degrees ? formatPicture(*degrees, picture) : std::string {};
}

} // namespace orvane
