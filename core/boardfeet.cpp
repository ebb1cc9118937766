#include "core/boardfeet.h"

#include "core/picture.h"
#include "core/ring.h"

#include <cmath>

namespace orvane {

std::optional<double> boardFeet(
    const SegmentLengths &segment, double numsegs, std::optional<double> thickness)
{
    if (!countComputable(numsegs) || !thickness || !std::isfinite(*thickness) || *thickness < 0)
        return std::nullopt;
    const double faceArea
        = fifteenDigits((0.5 * (segment.shortside + segment.longside)) * segment.boardwidth);
    const double blankVolume = faceArea * *thickness;
    const double blankBoardFeet = blankVolume / 144;
    const double estimate = numsegs * blankBoardFeet;
    if (!std::isfinite(estimate))
        return std::nullopt;
    return estimate;
}

std::string boardFeetCaption(std::optional<double> estimate)
{
    return estimate ? formatPicture(*estimate, boardFeetPicture) : std::string {};
}

} // namespace orvane
