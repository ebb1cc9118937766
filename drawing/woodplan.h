#pragma once

// A ring of segments seen from above in its woods: each segment filled in its wood's colour, the
// joints turned to the ring's rotation, counter-clockwise from the +x axis (to the right) to
// segment 1's first joint, the segments numbered counter-clockwise from there.

#include "core/ringresult.h"
#include "core/woods.h"

#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace orvane {

// The outline of every segment, segment 1 first, in inches about the ring's centre with y
// pointing away from the viewer's right hand (counter-clockwise is positive); none for a disc,
// or a ring with problems or without geometry.
std::vector<QPolygonF> segmentOutlines(const RingResult &ring);

// Inches about the ring's centre to `target`: the glued-up ring fitted in, centred, y up.
QTransform woodPlanTransform(const QRectF &target, const RingResult &ring);

// Paints the ring into `target`: its segments in their woods' `colours` (see woodColour), a disc
// as a round board of its wood, and the finished ring's circles over them.
void paintWoodPlan(QPainter &painter, const QRectF &target, const RingResult &ring,
    const std::vector<Wood> &colours);

// The segment paintWoodPlan paints under `point` of `target`, segment 1 at 0; none outside
// every segment, and for a ring without segments to click.
std::optional<std::size_t> woodPlanSegmentAt(
    const QRectF &target, const RingResult &ring, QPointF point);

} // namespace orvane
