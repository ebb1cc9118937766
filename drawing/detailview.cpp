#include "drawing/detailview.h"

#include "core/picture.h"
#include "drawing/conversions.h"
#include "drawing/surface.h"

#include <cmath>

namespace orvane {

namespace {

QString angleLabel(double degrees)
{
    return shown(formatPicture(fifteenDigits(degrees), detailAnglePicture));
}

struct Point
{
    double x = 0;
    double y = 0;
};

// The segment laid out on the board, in inches, with a unit of margin at each end of the long side
// and a quarter unit below it.
struct SegmentOutline
{
    Point longLeft, longRight; // the long side
    Point shortRight, shortLeft; // the short side
    Point footLeft,
        footRight; // where the height lines from the short side's ends meet the long side
};

SegmentOutline outline(const Ring &ring)
{
    const SegmentCorners c = segmentCorners(ring);
    const auto placed = [](SegmentPoint p) { return Point { p.x + 1, p.y + 0.25 }; };
    const Point longRight = placed(c.longRight);
    const Point shortLeft = placed(c.shortLeft);
    return { placed(c.longLeft), longRight, placed(c.shortRight), shortLeft, { shortLeft.x, 0.25 },
        { longRight.x - c.shortLeft.x, 0.25 } };
}

} // namespace

void drawSegmentDetail(DrawingSurface &surface, const std::optional<Ring> &ring)
{
    surface.clear();
    if (!ring || !std::isfinite(ring->longSide) || !std::isfinite(ring->shortSide)
        || !std::isfinite(ring->boardWidth) || !std::isfinite(ring->centralAngle))
        return;

    // One unit is one inch of the segment, equally long across and down.
    const double L = ring->longSide;
    surface.setScaleLeft(0);
    surface.setScaleHeight(single(-(L + 2) / detailAspect));
    surface.setScaleTop(single((L + 2) / detailAspect));
    surface.setScaleWidth(single(L + 2));

    const SegmentOutline s = outline(*ring);
    const auto line = [&surface](Point a, Point b) {
        surface.line(single(a.x), single(a.y), single(b.x), single(b.y));
    };
    line(s.longLeft, s.longRight); // long side
    line(s.longRight, s.shortRight); // right end cut
    line(s.shortRight, s.shortLeft); // short side
    line(s.shortLeft, s.longLeft); // left end cut
    line(s.footLeft, s.shortLeft); // left height line
    line(s.footRight, s.shortRight); // right height line

    const double halfCentral = ring->centralAngle / 2;
    const double pi = programPi;
    surface.arc(single(s.longLeft.x), single(s.longLeft.y),
        single(0.6 * (s.footLeft.x - s.longLeft.x)), palette::lightMagenta, 0,
        single(pi / 2 - halfCentral));
    surface.arc(single(s.shortRight.x), single(s.shortRight.y),
        single(0.6 * (s.shortRight.y - s.footRight.y)), palette::lightMagenta, single(3 * pi / 2),
        single(3 * pi / 2 + halfCentral));

    // The angle between the long side and an end cut, inside the left corner.
    const double leftInset = s.footLeft.x - s.longLeft.x;
    surface.setCurrentX(single(s.longLeft.x + 0.8 * leftInset * std::cos(pi / 4)));
    surface.setCurrentY(single(s.longLeft.y + 0.9 * leftInset * std::sin(pi / 4) + 1));
    surface.print(angleLabel((pi / 2 - halfCentral) * 180 / pi));

    // The miter angle between a height line and an end cut, under the right corner.
    surface.setCurrentX(single(s.shortRight.x - 1));
    surface.setCurrentY(
        single(s.shortRight.y - 0.9 * (s.shortRight.y - s.footRight.y) * std::sin(pi / 4)));
    surface.print(angleLabel(halfCentral * 180 / pi));
}

} // namespace orvane
