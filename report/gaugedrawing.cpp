#include "report/gaugedrawing.h"

#include "core/cutlist.h"
#include "core/reading.h"
#include "core/stacking.h"
#include "drawing/conversions.h"
#include "report/templatepainter.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProfileGauge", text);
}

// Distances of the drawing, in inches.
constexpr double axisBeyond = 0.25; // the axis runs on below the base line and above the rim
constexpr double axisLabelRoom = 0.2;
constexpr double leftRoom = 0.3; // left of the axis: the base line's start and the axis label
constexpr double labelGap = 0.4; // from the widest point of the curve to the labels
constexpr double labelRoom = 2.1; // the labels' column
constexpr double tickReach = 0.15; // a joint's tick, on each side of the curve
constexpr double labelPoints = 8;
// Labels nearer each other than this, in inches, would run into each other: the later is left out.
constexpr double labelSpacing = 11 / pointsPerInch;

const QColor guideColour(120, 120, 120);

QPointF at(double r, double h)
{
    return { r, -h };
}

double rimOf(const GaugeDrawing &gauge)
{
    return gauge.curve.empty() ? 0 : gauge.curve.back().to.h;
}

double labelColumn(const GaugeDrawing &gauge)
{
    return widestRadius(gauge.curve) + labelGap;
}

// The labels beside the drawing, kept apart: those placed first win.
class Labels
{
public:
    Labels(TemplatePainter &target, const QTransform &transform, double column)
        : page(target)
        , toPage(transform)
        , x(column)
    { }

    void add(double h, const QString &text, bool bold = false)
    {
        const bool crowded = std::any_of(placed.cbegin(), placed.cend(),
            [h](double other) { return std::abs(other - h) < labelSpacing; });
        if (crowded)
            return;
        placed.append(h);
        page.setPen(Qt::black, 0.5);
        page.setFont(labelPoints, bold);
        page.text(toPage.map(at(x, h)), Qt::AlignLeft | Qt::AlignVCenter,
            page.elided(text, labelRoom * pointsPerInch));
    }

private:
    TemplatePainter &page;
    const QTransform &toPage;
    double x;
    QList<double> placed;
};

} // namespace

GaugeDrawing gaugeDrawing(const Vessel &vessel)
{
    GaugeDrawing gauge;
    gauge.projectName = shown(vessel.name).simplified();
    gauge.units = vessel.units;
    gauge.curve = outsideCurve(vessel.profile);
    for (const StackedRing &ring : stackRings(vessel).rings) {
        if (!(ring.top > ring.bottom))
            continue;
        const QString name = shown(ring.design.name).simplified();
        gauge.bands.append({ name.isEmpty() ? shown(defaultRingName(ring.place + 1)) : name,
            ring.bottom, ring.top });
    }
    return gauge;
}

QPainterPath outsidePath(const std::vector<ProfilePiece> &curve)
{
    QPainterPath path;
    if (curve.empty())
        return path;
    path.moveTo(at(curve.front().from.r, curve.front().from.h));
    for (const ProfilePiece &piece : curve) {
        const QPointF end = at(piece.to.r, piece.to.h);
        if (!piece.curved) {
            path.lineTo(end);
            continue;
        }
        // The cubic Hermite piece of r over h is the Bézier curve whose inner control points lie
        // a third of the way along the tangents at its ends, h moving evenly.
        const double third = (piece.to.h - piece.from.h) / 3;
        path.cubicTo(at(piece.from.r + third * piece.slopeFrom, piece.from.h + third),
            at(piece.to.r - third * piece.slopeTo, piece.to.h - third), end);
    }
    return path;
}

double widestRadius(const std::vector<ProfilePiece> &curve)
{
    // The curve never overshoots its points: its widest place is one of them.
    double radius = 0;
    for (const ProfilePiece &piece : curve)
        radius = std::max({ radius, piece.from.r, piece.to.r });
    return radius;
}

QList<double> jointHeights(const GaugeDrawing &gauge)
{
    const double rim = rimOf(gauge);
    QList<double> heights;
    for (const GaugeBand &band : gauge.bands) {
        if (band.top < rim)
            heights.append(band.top);
    }
    return heights;
}

QRectF gaugeBounds(const GaugeDrawing &gauge)
{
    const double top = -(rimOf(gauge) + axisBeyond + axisLabelRoom);
    const double right = labelColumn(gauge) + labelRoom;
    return QRectF(QPointF(-leftRoom, top), QPointF(right, axisBeyond));
}

void drawGauge(TemplatePainter &page, const QTransform &toPage, const GaugeDrawing &gauge)
{
    if (gauge.curve.empty())
        return;
    QPainter &painter = page.painter();
    const double rim = rimOf(gauge);
    const double column = labelColumn(gauge);
    const auto line = [&](double r1, double h1, double r2, double h2) {
        painter.drawLine(toPage.map(QLineF(at(r1, h1), at(r2, h2))));
    };
    const auto radius = [&](double h) { return outsideRadius(gauge.curve, h); };
    const auto length = [&](double inches) { return gaugeLength(inches, gauge.units); };

    // The axis the piece turns on, the base line it stands on, the rim's height and the joints.
    page.setPen(Qt::black, 0.35, Qt::DashDotLine);
    line(0, -axisBeyond, 0, rim + axisBeyond);
    page.setFont(labelPoints);
    page.text(toPage.map(at(0, rim + axisBeyond)), Qt::AlignHCenter | Qt::AlignBottom, tr("Axis"));
    page.setPen(Qt::black, 0.35);
    line(-leftRoom, 0, column - 0.05, 0);
    page.setPen(guideColour, 0.35, Qt::DashLine);
    line(0, rim, column - 0.05, rim);
    const QList<double> joints = jointHeights(gauge);
    page.setPen(guideColour, 0.35, Qt::DotLine);
    for (const double h : joints)
        line(0, h, column - 0.05, h);
    page.setPen(Qt::black, 0.5);
    for (const double h : joints)
        line(radius(h) - tickReach, h, radius(h) + tickReach, h);

    page.setPen(Qt::black, 0.5);
    painter.drawPath(toPage.map(outsidePath(gauge.curve)));

    Labels labels(page, toPage, column);
    // The rim is the lip's outer edge, the last point; the base's radius is the foot's outer edge.
    const double rimRadius = gauge.curve.back().to.r;
    labels.add(rim, tr("Rim: h %1, r %2").arg(length(rim), length(rimRadius)), true);
    labels.add(0, tr("Base: h 0, r %1").arg(length(radius(0))), true);
    for (const double h : joints)
        labels.add(h, tr("h %1, r %2").arg(length(h), length(radius(h))));
    for (const GaugeBand &band : gauge.bands)
        labels.add((band.bottom + band.top) / 2, band.name);
}

QString gaugeLength(double inches, Units units)
{
    if (units == Units::millimetres)
        return shown(millimetresText(inches)) + tr(" mm");
    return shown(shortestDecimal(std::round(inches * 1000) / 1000)) + tr(" in");
}

} // namespace orvane
