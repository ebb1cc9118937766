#pragma once

// The glued-up vessel as a scene of flat-coloured triangles, in inches: x and y across the foot,
// z up the axis from the foot. Either the blank as it comes off the bench, each segment a
// trapezoid prism, or the piece as turned, its profile revolved and banded by the rings' woods.

#include "core/wall.h"

#include <QColor>

#include <array>
#include <optional>
#include <vector>

namespace orvane {

struct ScenePoint
{
    double x = 0;
    double y = 0;
    double z = 0;
};

// One face of a closed solid: its corners counter-clockwise seen from outside the solid, so
// that faces turned away from the viewer can be left out.
struct SceneTriangle
{
    std::array<ScenePoint, 3> corners;
    QRgb colour = 0;
};

// What the picture needs of one ring of the stack.
struct PictureRing
{
    double bottom = 0; // the band it fills, inches above the foot
    double top = 0;
    // A ring of segments: the circles through the segments' inner and outer corners, and the
    // finished ring's radii, to which it is turned.
    double innerCornerRadius = 0;
    double outerCornerRadius = 0;
    double finishedInner = 0;
    double finishedOuter = 0;
    int segments = 0; // 0 for a disc, a square board `blankSide` on a side
    double blankSide = 0;
    double rotation = 0; // degrees counter-clockwise seen from above, from +x to the first joint
    std::vector<QColor> colours; // segment 1 first; a disc its one wood
};

// The wood colour of the segment of `ring` at the angle `degrees`; a disc has one colour.
QColor colourAt(const PictureRing &ring, double degrees);

// The blank: every ring's segments as prisms, a disc as a square board.
std::vector<SceneTriangle> blankScene(const std::vector<PictureRing> &rings);

// The piece as turned: the outside and inside of `wall` revolved, or, for a vessel without a
// profile, each ring turned to its finished diameters; each face takes the wood of the segment
// it is cut from.
std::vector<SceneTriangle> turnedScene(
    const std::vector<PictureRing> &rings, const std::optional<VesselWall> &wall);

} // namespace orvane
