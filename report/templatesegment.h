#pragma once

// One segment at full size: the trapezoid with its long and short sides level, dimension lines
// for the long side, the short side and the board width labelled with their fractions, and the
// angles at both ends.
//
// The drawing is measured in inches of wood, y growing down the page: the long side runs from
// (0, W) to (L, W), the short side from ((L - S) / 2, 0) to ((L + S) / 2, 0).

#include <QPolygonF>
#include <QRectF>
#include <QTransform>

namespace orvane {

struct CutList;
struct Ring;
class TemplatePainter;

// The corners: the long side's left and right end, the short side's right and left end.
QPolygonF segmentOutline(const Ring &ring);

// What the drawing takes, dimension lines and labels included, in inches.
QRectF segmentDrawingBounds(const Ring &ring);

// Draws the segment of `list` on `page`; `toPage` takes inches of the drawing to points of the
// page and must scale by exactly 72, or the template is not full size.
void drawSegment(TemplatePainter &page, const QTransform &toPage, const CutList &list);

} // namespace orvane
