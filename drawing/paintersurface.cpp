#include "drawing/paintersurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

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

QPointF PainterSurface::toDevice(double x, double y) const
{
    const QSizeF size = area();
    return { (x - scaleLeft()) / scaleWidth() * size.width(),
        (y - scaleTop()) / scaleHeight() * size.height() };
}

void PainterSurface::drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    QPointF a = toDevice(x1, y1);
    QPointF b = toDevice(x2, y2);
    if (!finite(a) || !finite(b))
        return;
    const QSizeF size = area();
    const QRectF box(-size.width(), -size.height(), 3 * size.width(), 3 * size.height());
    if (!clipToBox(a, b, box))
        return;
    QPainterPath path(a);
    path.lineTo(b);
    strokePath(path, colour);
}

void PainterSurface::circle(float x, float y, float radius)
{
    arc(x, y, radius, painter().pen().color().rgba(), 0, static_cast<float>(2 * std::numbers::pi));
}

void PainterSurface::arc(float x, float y, float radius, QRgb colour, float start, float end)
{
    // The radius is measured in x units and the figure is round as seen, whatever the scale's
    // aspect, so the arc is laid out in the painter's coordinates.
    const QPointF centre = toDevice(x, y);
    const double r = std::fabs(radius / scaleWidth() * area().width());
    if (!withinReach(centre) || !std::isfinite(r) || r > reachLimit() || !std::isfinite(start)
        || !std::isfinite(end))
        return;

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
    strokePath(path, colour);
}

void PainterSurface::print(const QString &text)
{
    QPainter &p = painter();
    const QFontMetricsF metrics(p.font(), p.device());
    const QPointF topLeft = toDevice(currentX(), currentY());
    if (withinReach(topLeft))
        p.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    newLine(static_cast<float>(metrics.height() / area().height() * scaleHeight()));
    drawn();
}

double PainterSurface::reachLimit() const
{
    const QSizeF size = area();
    return reach * std::max(size.width(), size.height());
}

bool PainterSurface::withinReach(QPointF p) const
{
    return finite(p) && std::fabs(p.x()) <= reachLimit() && std::fabs(p.y()) <= reachLimit();
}

void PainterSurface::strokePath(const QPainterPath &path, std::optional<QRgb> colour)
{
    QPainter &p = painter();
    QPen pen = p.pen();
    if (colour)
        pen.setColor(QColor::fromRgba(*colour));
    p.strokePath(path, pen);
    drawn();
}
