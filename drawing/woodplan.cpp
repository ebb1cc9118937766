#include "drawing/woodplan.h"

#include "drawing/stackpainting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane {

namespace {

// Room around the ring, as a share of its widest extent.
constexpr double margin = 1.12;

bool hasSegments(const RingResult &ring)
{
    return ring.kind == RingKind::ring && ring.sound() && ring.geometry
        && ring.geometry->segmentCount >= 3 && std::isfinite(ring.geometry->cornerRadius)
        && std::isfinite(ring.rotation);
}

double extentOf(const RingResult &ring)
{
    const RingInputs &inputs = ring.design.inputs;
    const double extent = ring.geometry
        ? std::max(ring.geometry->cornerRadius, ring.geometry->outerRadius)
        : inputs.outerDiameter / 2 + inputs.fudge;
    return std::isfinite(extent) && extent > 0 ? extent : 1.0;
}

} // namespace

std::vector<QPolygonF> segmentOutlines(const RingResult &ring)
{
    std::vector<QPolygonF> outlines;
    if (!hasSegments(ring))
        return outlines;
    const Ring &geometry = *ring.geometry;
    const auto count = static_cast<std::size_t>(geometry.segmentCount);
    const double step = 2 * std::numbers::pi / double(count);
    const double first = ring.rotation * std::numbers::pi / 180;
    const auto at = [](double radius, double angle) {
        return QPointF(radius * std::cos(angle), radius * std::sin(angle));
    };
    for (std::size_t i = 0; i < count; ++i) {
        const double from = first + double(i) * step;
        const double to = from + step;
        outlines.push_back(
            QPolygonF { at(geometry.cornerRadius, from), at(geometry.cornerRadius, to),
                at(geometry.innerRadius, to), at(geometry.innerRadius, from) });
    }
    return outlines;
}

QTransform woodPlanTransform(const QRectF &target, const RingResult &ring)
{
    const double scale = std::min(target.width(), target.height()) / (2 * extentOf(ring) * margin);
    QTransform transform;
    transform.translate(target.center().x(), target.center().y());
    transform.scale(scale, -scale); // y grows upward, as seen from above
    return transform;
}

void paintWoodPlan(QPainter &painter, const QRectF &target, const RingResult &ring,
    const std::vector<Wood> &colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QTransform transform = woodPlanTransform(target, ring);
    const double pixel = 1 / transform.m11();
    const std::vector<QPolygonF> outlines = segmentOutlines(ring);
    painter.setTransform(transform, true);
    painter.setPen(QPen(stackColours::ink, pixel));
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        painter.setBrush(woodTone(segmentWood(ring.design, i), colours));
        painter.drawPolygon(outlines[i]);
    }
    const RingInputs &inputs = ring.design.inputs;
    if (ring.kind == RingKind::disc && std::isfinite(inputs.outerDiameter)) {
        painter.setBrush(ringTone(ring.design, colours));
        painter.drawEllipse(QPointF(0, 0), inputs.outerDiameter / 2, inputs.outerDiameter / 2);
    }
    // The finished ring within the glued-up one.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(stackColours::ink, pixel, Qt::DashLine));
    for (const double diameter : { inputs.outerDiameter, inputs.innerDiameter }) {
        if (std::isfinite(diameter) && diameter > 0 && ring.kind == RingKind::ring)
            painter.drawEllipse(QPointF(0, 0), diameter / 2, diameter / 2);
    }
    painter.restore();
}

std::optional<std::size_t> woodPlanSegmentAt(
    const QRectF &target, const RingResult &ring, QPointF point)
{
    const QPointF inches = woodPlanTransform(target, ring).inverted().map(point);
    const std::vector<QPolygonF> outlines = segmentOutlines(ring);
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        if (outlines[i].containsPoint(inches, Qt::OddEvenFill))
            return i;
    }
    return std::nullopt;
}

} // namespace orvane
