#include "core/boardfeet.h"

#include "core/picture.h"
#include "core/ring.h"

#include <cmath>

namespace orvane {

std::optional<double> boardFeet(const Ring &ring, std::optional<double> thickness)
{
    if (!thickness || !std::isfinite(*thickness) || *thickness < 0)
        return std::nullopt;
    const double faceArea
        = fifteenDigits((0.5 * (ring.shortSide + ring.longSide)) * ring.boardWidth);
    const double blankVolume = faceArea * *thickness;
    const double blankBoardFeet = blankVolume / 144;
    const double estimate = ring.segmentCount * blankBoardFeet;
    if (!std::isfinite(estimate))
        return std::nullopt;
    return estimate;
}

std::string boardFeetCaption(std::optional<double> estimate)
{
    return estimate ? formatPicture(*estimate, boardFeetPicture) : std::string {};
}

} // namespace orvane
