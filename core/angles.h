#pragma once

// The miter angles of a ring's segments, in degrees, worked out from the segment count alone.

#include "core/ring.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The angle of each end cut from square, half a segment's central angle: 180 / n degrees. Nothing
// for a count that makes no ring.
std::optional<double> cutAngle(double segmentCount, int largestCount = largestSegmentCount);

// The window's row of miter angles. Under the heading "Long Side" stands the angle between the
// long side and an end cut, under "Short Side" the cut's angle from square: 90 - 180 / n and
// 180 / n for two or more segments, |90 - 180 / n| and 90 - |90 - 180 / n| in general.
struct MiterAngles
{
    double longSide = 0;
    double shortSide = 0;
};
std::optional<MiterAngles> miterAngles(double segmentCount, int largestCount = largestSegmentCount);

// An angle in `picture`, or the empty text when there is none.
std::string angleText(std::optional<double> degrees, std::string_view picture);

} // namespace orvane
