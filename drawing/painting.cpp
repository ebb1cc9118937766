#include "drawing/painting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace orvane {

namespace {

// Points farther out than this many areas around the surface are not handed to the painter:
// a computation that went astray must not make it rasterise an enormous figure.
constexpr double reach = 64;

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Clips the segment a-b to the rectangle `box` (Liang-Barsky); false when nothing is left.
bool clipToBox(QPointF &a, QPointF &b, const QRectF &box)
{
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[] = { -dx, dx, -dy, dy };
    const double q[]
        = { a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y() };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + t0 * QPointF(dx, dy);
    b = start + t1 * QPointF(dx, dy);
    return true;
}

} // namespace

ScaleMapping::ScaleMapping(const DrawingSurface &scaleOf, QSizeF areaSize)
    : surface(scaleOf)
    , area(areaSize)
{ }

QPointF ScaleMapping::toDevice(double x, double y) const
{
    return { (x - surface.scaleLeft()) / surface.scaleWidth() * area.width(),
        (y - surface.scaleTop()) / surface.scaleHeight() * area.height() };
}

std::optional<QPainterPath> ScaleMapping::line(float x1, float y1, float x2, float y2) const
{
    QPointF a = toDevice(x1, y1);
    QPointF b = toDevice(x2, y2);
    if (!finite(a) || !finite(b))
        return std::nullopt;
    const QRectF box(-area.width(), -area.height(), 3 * area.width(), 3 * area.height());
    if (!clipToBox(a, b, box))
        return std::nullopt;
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

std::optional<QPainterPath> ScaleMapping::arc(
    float x, float y, float radius, float start, float end) const
{
    // The radius is measured in x units and the figure is round as seen, whatever the scale's
    // aspect, so the arc is laid out in the painter's coordinates.
    const QPointF centre = toDevice(x, y);
    const double r = std::fabs(radius / surface.scaleWidth() * area.width());
    if (!withinReach(centre) || !std::isfinite(r) || r > reachLimit() || !std::isfinite(start)
        || !std::isfinite(end))
        return std::nullopt;

    // Counter-clockwise from start to end; an end below the start goes on through a full turn.
    constexpr double turn = 2 * std::numbers::pi;
    double span = double(end) - double(start);
    if (span < 0)
        span += turn * std::ceil(-span / turn);
    span = std::min(span, turn);
    if (span == 0 && end != start)
        span = turn;
    constexpr double degrees = 180 / std::numbers::pi;
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(box, start * degrees);
    path.arcTo(box, start * degrees, span * degrees);
    return path;
}

float ScaleMapping::print(QPainter &painter, const QString &text) const
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QPointF topLeft = toDevice(surface.currentX(), surface.currentY());
    if (withinReach(topLeft))
        painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    return static_cast<float>(metrics.height() / area.height() * surface.scaleHeight());
}

double ScaleMapping::reachLimit() const
{
    return reach * std::max(area.width(), area.height());
}

bool ScaleMapping::withinReach(QPointF p) const
{
    return finite(p) && std::fabs(p.x()) <= reachLimit() && std::fabs(p.y()) <= reachLimit();
}

void strokeFigure(QPainter &painter, const QPainterPath &path, std::optional<QRgb> colour)
{
    QPen pen = painter.pen();
    if (colour)
        pen.setColor(QColor::fromRgba(*colour));
    painter.strokePath(path, pen);
}

} // namespace orvane
