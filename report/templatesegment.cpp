#include "report/templatesegment.h"

#include "report/templatecutlist.h"
#include "report/templatepainter.h"

#include <QLineF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane {

namespace {

// Room around the trapezoid for the dimension lines and labels, in inches.
constexpr double leftRoom = 1.0;
constexpr double rightRoom = 1.7;
constexpr double topRoom = 0.85;
constexpr double bottomRoom = 0.85;

constexpr double dimensionDistance = 0.45; // from a side to its dimension line
constexpr double extensionGap = 0.06; // between a corner and its extension line
constexpr double extensionBeyond = 0.1; // of the extension line past the dimension line
constexpr double arrowLength = 0.1;
constexpr double arrowHalfWidth = 0.03;
constexpr double labelGap = 0.06; // between a line and its label
constexpr double labelPoints = 10;

const QColor outlineColour = Qt::black;
const QColor dimensionColour(110, 110, 110);
const QColor angleColour(110, 110, 110);

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// A point `radius` from `centre` at `angle` degrees, counted counter-clockwise on the page from
// the direction to the right.
QPointF polar(const QPointF &centre, double radius, double angle)
{
    return centre + QPointF(radius * std::cos(radians(angle)), -radius * std::sin(radians(angle)));
}

class SegmentPainter
{
public:
    SegmentPainter(TemplatePainter &target, const QTransform &inchesToPoints)
        : page(target)
        , toPage(inchesToPoints)
    { }

    void line(const QPointF &from, const QPointF &to)
    {
        page.painter().drawLine(toPage.map(QLineF(from, to)));
    }

    void polygon(const QPolygonF &corners) { page.painter().drawPolygon(toPage.map(corners)); }

    // A dimension line from `from` to `to`, with an arrowhead at each end pointing outwards.
    void dimension(const QPointF &from, const QPointF &to)
    {
        line(from, to);
        arrowhead(from, to);
        arrowhead(to, from);
    }

    // An arc from `start` to `end` degrees (see polar).
    void arc(const QPointF &centre, double radius, double start, double end)
    {
        QPolygonF points;
        constexpr int steps = 32;
        for (int i = 0; i <= steps; ++i)
            points.append(polar(centre, radius, start + (end - start) * i / steps));
        page.painter().drawPolyline(toPage.map(points));
    }

    QRectF label(const QPointF &anchor, Qt::Alignment alignment, const QString &text)
    {
        return page.text(toPage.map(anchor), alignment, text);
    }

    // The size of `text` in inches.
    QSizeF measure(const QString &text) const { return page.measure(text) / pointsPerInch; }

    TemplatePainter &page;

private:
    void arrowhead(const QPointF &tip, const QPointF &from)
    {
        const QLineF back(tip, from);
        if (back.length() <= 0)
            return;
        const QPointF along = (from - tip) / back.length();
        const QPointF across(-along.y(), along.x());
        const QPointF base = tip + along * arrowLength;
        QPainterPath head;
        head.moveTo(tip);
        head.lineTo(base + across * arrowHalfWidth);
        head.lineTo(base - across * arrowHalfWidth);
        head.closeSubpath();
        page.painter().fillPath(toPage.map(head), page.painter().pen().color());
    }

    QTransform toPage;
};

QString trimmed(const QString &fraction)
{
    return fraction.trimmed();
}

} // namespace

QPolygonF segmentOutline(const Ring &ring)
{
    // The page's y grows downwards: the long side at the bottom, the board width below the short
    // one.
    const SegmentCorners c = segmentCorners(ring);
    const double W = ring.boardWidth;
    const auto onPage = [W](SegmentPoint p) { return QPointF(p.x, W - p.y); };
    return QPolygonF(
        { onPage(c.longLeft), onPage(c.longRight), onPage(c.shortRight), onPage(c.shortLeft) });
}

QRectF segmentDrawingBounds(const Ring &ring)
{
    return QRectF(-leftRoom, -topRoom, ring.longSide + leftRoom + rightRoom,
        ring.boardWidth + topRoom + bottomRoom);
}

void drawSegment(TemplatePainter &page, const QTransform &toPage, const CutList &list)
{
    const double L = list.ring.longSide;
    const double S = list.ring.shortSide;
    const double W = list.ring.boardWidth;
    const double overhang = (L - S) / 2;
    const QPolygonF corners = segmentOutline(list.ring);
    const QPointF longLeft = corners[0];
    const QPointF longRight = corners[1];
    const QPointF shortRight = corners[2];
    const QPointF shortLeft = corners[3];
    SegmentPainter draw(page, toPage);
    page.setFont(labelPoints);

    // The height lines: where a square cut from the short side's ends would meet the long side.
    page.setPen(angleColour, 0.35, Qt::DashLine);
    draw.line(shortLeft, QPointF(overhang, W));
    draw.line(shortRight, QPointF(overhang + S, W));

    // The long side's dimension below it, the short side's above it, the board width's right.
    page.setPen(dimensionColour, 0.35);
    const double belowLong = W + dimensionDistance;
    draw.line(longLeft + QPointF(0, extensionGap), QPointF(0, belowLong + extensionBeyond));
    draw.line(longRight + QPointF(0, extensionGap), QPointF(L, belowLong + extensionBeyond));
    draw.dimension(QPointF(0, belowLong), QPointF(L, belowLong));
    const double aboveShort = -dimensionDistance;
    draw.line(
        shortLeft - QPointF(0, extensionGap), QPointF(overhang, aboveShort - extensionBeyond));
    draw.line(
        shortRight - QPointF(0, extensionGap), QPointF(overhang + S, aboveShort - extensionBeyond));
    draw.dimension(QPointF(overhang, aboveShort), QPointF(overhang + S, aboveShort));
    const double rightOfLong = L + dimensionDistance;
    draw.line(shortRight + QPointF(extensionGap, 0), QPointF(rightOfLong + extensionBeyond, 0));
    draw.line(longRight + QPointF(extensionGap, 0), QPointF(rightOfLong + extensionBeyond, W));
    draw.dimension(QPointF(rightOfLong, 0), QPointF(rightOfLong, W));
    page.setPen(Qt::black, 0.5);
    draw.label(QPointF(L / 2, belowLong + labelGap), Qt::AlignHCenter | Qt::AlignTop,
        trimmed(list.longSide.fraction));
    draw.label(QPointF(L / 2, aboveShort - labelGap), Qt::AlignHCenter | Qt::AlignBottom,
        trimmed(list.shortSide.fraction));
    draw.label(QPointF(rightOfLong + extensionBeyond + labelGap, W / 2),
        Qt::AlignLeft | Qt::AlignVCenter, trimmed(list.boardWidth.fraction));

    // The angles at both ends, measured on the trapezoid as drawn: at the long side's corners
    // between the long side and the end cut, at the short side's between the height line and
    // the end cut, which is the cut's angle from square.
    const double longCorner = degrees(std::atan2(W, overhang));
    const double radius = std::min({ 0.5, 0.4 * W, 0.3 * L });
    page.setPen(angleColour, 0.35);
    draw.arc(longLeft, radius, 0, longCorner);
    draw.arc(longRight, radius, 180 - longCorner, 180);
    draw.arc(shortLeft, radius, 180 + longCorner, 270);
    draw.arc(shortRight, radius, 270, 360 - longCorner);

    page.setPen(Qt::black, 0.5);
    const QString longAngle = list.longSideAngle;
    const QSizeF longAngleSize = draw.measure(longAngle);
    // Inside the corner, just above the long side, clear of the arc and of the end cut, where
    // there is room; below the corner otherwise.
    const double labelTop = labelGap + longAngleSize.height();
    const double x = std::max(radius, labelTop / std::tan(radians(longCorner))) + labelGap;
    const bool inside = L / 2 > x + longAngleSize.width() + labelGap && W > 2 * labelTop;
    if (inside) {
        draw.label(QPointF(x, W - labelGap), Qt::AlignLeft | Qt::AlignBottom, longAngle);
        draw.label(QPointF(L - x, W - labelGap), Qt::AlignRight | Qt::AlignBottom, longAngle);
    } else {
        draw.label(
            longLeft + QPointF(-labelGap, labelGap), Qt::AlignRight | Qt::AlignTop, longAngle);
        draw.label(
            longRight + QPointF(labelGap, labelGap), Qt::AlignLeft | Qt::AlignTop, longAngle);
    }
    // Above the short side's ends, outside the segment.
    draw.label(shortLeft + QPointF(-labelGap, -labelGap), Qt::AlignRight | Qt::AlignBottom,
        list.shortSideAngle);
    draw.label(shortRight + QPointF(labelGap, -labelGap), Qt::AlignLeft | Qt::AlignBottom,
        list.shortSideAngle);

    // The outline last, over everything else.
    page.setPen(outlineColour, 0.5);
    draw.polygon(corners);
}

} // namespace orvane
