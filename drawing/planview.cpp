#include "drawing/planview.h"

#include "drawing/conversions.h"
#include "drawing/surface.h"

#include <cmath>
#include <vector>

namespace orvane {

namespace {

struct Point
{
    double x = 0;
    double y = 0;
};

// The ring's centre in the view. The view keeps it in single precision, as the scale it comes from.
struct Centre
{
    float x = 0;
    float y = 0;
};

// A boundary between two segments: its angle reduced to the quadrant it lies in (radians), and that
// quadrant, 1 to 4; 0 for a boundary on an axis, whose angle is then the full one.
struct Boundary
{
    double angle = 0;
    int quadrant = 0;
};

// Places a point given relative to the centre as magnitudes into the quadrant of its boundary; a
// boundary on an axis leaves it as it is.
Point placeInQuadrant(int quadrant, Centre centre, double x, double y)
{
    switch (quadrant) {
    case 1: return { centre.x + x, centre.y + y };
    case 2: return { centre.x - x, centre.y + y };
    case 3: return { centre.x - x, centre.y - y };
    case 4: return { centre.x + x, centre.y - y };
    default: return { x, y };
    }
}

// Boundary i lies at i * (360 / n) degrees, for i = 1 up to n.
std::vector<Boundary> boundaries(double n)
{
    std::vector<Boundary> result;
    for (int i = 1; i <= n; ++i) {
        const double degrees = i * (360 / n);
        Boundary b;
        if (degrees < 90) {
            b = { degrees, 1 };
        } else if (degrees > 90 && degrees < 180) {
            b = { 180 - degrees, 2 };
        } else if (degrees > 180 && degrees < 270) {
            b = { degrees - 180, 3 };
        } else if (degrees > 270 && degrees < 360) {
            b = { 360 - degrees, 4 };
        }
        b.angle = b.quadrant == 0 ? degrees * (programPi / 180) : (programPi / 180) * b.angle;
        result.push_back(b);
    }
    return result;
}

// The far end of a boundary line lies 100 units from the centre along the boundary, so that the
// line keeps its direction wherever zooming moves the centre.
Point spokeEnd(const Boundary &b, Centre centre)
{
    constexpr double length = 100.0;
    if (b.quadrant != 0)
        return placeInQuadrant(
            b.quadrant, centre, std::cos(b.angle) * length, std::sin(b.angle) * length);
    if (b.angle == 90 * (programPi / 180))
        return { centre.x, centre.y + length };
    if (b.angle == 180 * (programPi / 180))
        return { centre.x - length, centre.y };
    if (b.angle == 270 * (programPi / 180))
        return { centre.x, centre.y - length };
    return { centre.x + length, centre.y };
}

// The corner of the glued-up polygon at boundary `b`, `radius` from the centre.
Point corner(const Boundary &b, Centre centre, double radius)
{
    if (b.angle == (programPi * 90) / 180)
        return { double(centre.x), centre.y + radius };
    if (b.angle == (programPi * 180) / 180)
        return { centre.x - radius, double(centre.y) };
    if (b.angle == (programPi * 270) / 180)
        return { double(centre.x), centre.y - radius };
    if (b.angle == (programPi * 360) / 180)
        return { centre.x + radius, double(centre.y) };
    return placeInQuadrant(
        b.quadrant, centre, std::cos(b.angle) * radius, std::sin(b.angle) * radius);
}

void yellowLine(DrawingSurface &surface, Point a, Point b)
{
    surface.line(single(a.x), single(a.y), single(b.x), single(b.y), palette::yellow);
}

} // namespace

void drawPlanView(
    DrawingSurface &surface, const RingInputs &inputs, const std::optional<Ring> &ring)
{
    surface.clear();
    const Centre centre { surface.scaleWidth() / 2, surface.scaleTop() / 2 };
    // The circles show the ring's own diameters, without the fudge factor.
    surface.circle(centre.x, centre.y, single(std::fabs(inputs.innerDiameter / 2)));
    surface.circle(centre.x, centre.y, single(std::fabs(inputs.outerDiameter / 2)));
    if (!ring)
        return;

    const std::vector<Boundary> joints = boundaries(ring->segmentCount);
    for (const Boundary &joint : joints) {
        const Point end = spokeEnd(joint, centre);
        surface.line(centre.x, centre.y, single(end.x), single(end.y));
    }

    // The first segment, between the angles 0 and the central angle: its long side rises from the
    // outer corner at angle 0, its short side from the inner one.
    const double slope = std::fabs(programPi / 2 - ring->halfAngle);
    const double innerRadius = ring->innerRadius;
    const Point outer0 { centre.x + ring->cornerRadius, double(centre.y) };
    const Point inner0 { centre.x + innerRadius, double(centre.y) };
    const Point outer1 { (ring->cornerRadius - std::cos(slope) * ring->longSide) + centre.x,
        centre.y + std::sin(slope) * ring->longSide };
    const Point inner1 { (centre.x + innerRadius) - std::cos(slope) * ring->shortSide,
        std::sin(slope) * ring->shortSide + centre.y };
    yellowLine(surface, outer0, outer1); // long side
    yellowLine(surface, inner0, inner1); // short side
    yellowLine(surface, outer0, inner0); // its two ends
    yellowLine(surface, inner1, outer1);

    // The rest of the ring, edge by edge: outer edge, inner edge and the joint at each boundary.
    Point outerBefore = outer1;
    Point innerBefore = inner1;
    for (std::size_t i = 0; i < joints.size(); ++i) {
        const Point outer = corner(joints[i], centre, ring->cornerRadius);
        const Point inner = corner(joints[i], centre, innerRadius);
        yellowLine(surface, outerBefore, outer);
        yellowLine(surface, innerBefore, inner);
        if (i > 0)
            yellowLine(surface, outer, inner);
        outerBefore = outer;
        innerBefore = inner;
    }
}

} // namespace orvane
