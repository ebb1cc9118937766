#include "drawing/profilepainting.h"

#include "core/profile.h"
#include "core/wall.h"
#include "drawing/stackpainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane {

namespace {

// One ring's band as drawn, in inches; a disc reaches the axis.
struct Band
{
    std::size_t ring = 0;
    double bottom = 0;
    double top = 0;
    double inner = 0;
    double outer = 0;
    bool disc = false;
    QColor tone;
};

std::vector<Band> bandsOf(const VesselResults &results, const std::vector<Wood> &colours = {})
{
    std::vector<Band> bands;
    for (std::size_t i = 0; i < results.rings.size(); ++i) {
        const RingResult &ring = results.rings[i];
        const RingInputs &inputs = ring.design.inputs;
        const bool disc = ring.kind == RingKind::disc;
        Band band { i, ring.bottom, ring.top, disc ? 0 : std::max(0.0, inputs.innerDiameter / 2),
            inputs.outerDiameter / 2, disc, ringTone(ring.design, colours) };
        if (!std::isfinite(band.bottom) || !std::isfinite(band.top) || !std::isfinite(band.inner)
            || !std::isfinite(band.outer) || !(band.top > band.bottom)
            || !(band.outer > band.inner))
            continue;
        bands.push_back(band);
    }
    return bands;
}

bool usableProfile(const Vessel &vessel)
{
    return !vessel.profile.empty() && profileProblems(vessel.profile).empty() && vessel.wall > 0
        && std::isfinite(vessel.wall) && std::isfinite(vessel.floorHeight());
}

// The painter's scale from its coordinates to the device's pixels, vertically.
double deviceScale(const QPainter &painter)
{
    const QTransform &t = painter.transform();
    const double scale = std::hypot(t.m12(), t.m22());
    return scale > 0 ? scale : 1;
}

QPen inkPen(double width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(stackColours::ink, width, style, Qt::FlatCap, Qt::RoundJoin);
}

// The outside curve through the frame, from the first point to the rim. A curved piece is a cubic
// in h with r cubic in h too: exactly a cubic Bézier, its control points a third of the way along
// each end's tangent.
void addOutside(QPainterPath &path, const ProfileFrame &frame, const VesselWall &wall)
{
    for (const ProfilePiece &piece : wall.outside()) {
        if (!piece.curved || piece.flat()) {
            path.lineTo(frame.toTarget(piece.to));
            continue;
        }
        const double third = (piece.to.h - piece.from.h) / 3;
        path.cubicTo(frame.toTarget(piece.from.r + piece.slopeFrom * third, piece.from.h + third),
            frame.toTarget(piece.to.r - piece.slopeTo * third, piece.to.h - third),
            frame.toTarget(piece.to));
    }
}

// The inside from the floor up to the rim, in inches (x is r, y is h), sampled at `samples`
// heights and at every height where it may bend sharply: each point's height and a wall
// thickness above and below it. Where the inside has closed it runs along the axis.
std::vector<QPointF> insideLine(const Vessel &vessel, const VesselWall &wall, int samples)
{
    const double floor = std::min(wall.floor(), wall.rim());
    const double rim = wall.rim();
    std::vector<double> heights;
    for (int i = 0; i <= samples; ++i)
        heights.push_back(floor + (rim - floor) * i / samples);
    for (const ProfilePoint &point : vessel.profile) {
        for (const double h : { point.h - wall.thickness(), point.h, point.h + wall.thickness() })
            if (h > floor && h < rim)
                heights.push_back(h);
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    std::vector<QPointF> line { QPointF(0, floor) };
    for (const double h : heights)
        line.emplace_back(std::max(0.0, wall.insideRadius(h)), h);
    return line;
}

struct Picture
{
    QPainterPath wall; // the wall and the floor, closed
    QPainterPath outside; // the outside curve alone
    QPainterPath inside; // the floor's top and the inside
};

Picture wallPicture(const Vessel &vessel, const ProfileFrame &frame, double pixelsPerUnit)
{
    Picture picture;
    const VesselWall wall(vessel.profile, vessel.wall, vessel.floorHeight());
    picture.outside.moveTo(frame.toTarget(vessel.profile.front()));
    addOutside(picture.outside, frame, wall);

    const double drawnHeight = (wall.rim() - std::min(wall.floor(), wall.rim())) * frame.scale();
    const int samples = static_cast<int>(std::clamp(drawnHeight * pixelsPerUnit, 32.0, 4000.0));
    const std::vector<QPointF> inside = insideLine(vessel, wall, samples);
    picture.inside.moveTo(frame.toTarget(inside.front().x(), inside.front().y()));
    for (const QPointF &point : inside)
        picture.inside.lineTo(frame.toTarget(point.x(), point.y()));

    picture.wall.moveTo(frame.toTarget(0, 0));
    picture.wall.lineTo(frame.toTarget(vessel.profile.front()));
    addOutside(picture.wall, frame, wall);
    for (auto point = inside.rbegin(); point != inside.rend(); ++point)
        picture.wall.lineTo(frame.toTarget(point->x(), point->y()));
    picture.wall.closeSubpath();
    return picture;
}

QRectF bandRect(const ProfileFrame &frame, const Band &band)
{
    return QRectF(frame.toTarget(band.inner, band.top), frame.toTarget(band.outer, band.bottom))
        .normalized();
}

} // namespace

ProfileExtent profileExtent(const Vessel &vessel, const VesselResults &results)
{
    ProfileExtent extent;
    for (const ProfilePoint &point : vessel.profile) {
        if (std::isfinite(point.r) && std::isfinite(point.h)) {
            extent.radius = std::max(extent.radius, point.r);
            extent.height = std::max(extent.height, point.h);
        }
    }
    for (const Band &band : bandsOf(results)) {
        extent.radius = std::max(extent.radius, band.outer);
        extent.height = std::max(extent.height, band.top);
    }
    return extent;
}

ProfileFrame::ProfileFrame(const QRectF &target, const ProfileExtent &extent, double margin)
{
    const double width = target.width() - 2 * margin;
    const double height = target.height() - 2 * margin;
    if (!(width > 0) || !(height > 0) || !(extent.radius > 0) || !(extent.height > 0))
        return;
    unitsPerInch = std::min(width / extent.radius, height / extent.height);
    const double left = target.left() + (target.width() - extent.radius * unitsPerInch) / 2;
    const double bottom = target.bottom() - (target.height() - extent.height * unitsPerInch) / 2;
    origin = QPointF(left, bottom);
}

bool ProfileFrame::drawn() const
{
    return unitsPerInch > 0 && std::isfinite(unitsPerInch);
}

QPointF ProfileFrame::toTarget(double r, double h) const
{
    return { origin.x() + r * unitsPerInch, origin.y() - h * unitsPerInch };
}

QPointF ProfileFrame::toInches(QPointF target) const
{
    return { (target.x() - origin.x()) / unitsPerInch, (origin.y() - target.y()) / unitsPerInch };
}

ProfileFrame fitProfile(
    const QRectF &target, const Vessel &vessel, const VesselResults &results, double margin)
{
    return ProfileFrame(target, profileExtent(vessel, results), margin);
}

void paintProfile(QPainter &painter, const ProfileFrame &frame, const Vessel &vessel,
    const VesselResults &results, std::optional<std::size_t> selectedRing,
    const std::vector<Wood> &colours)
{
    if (!frame.drawn())
        return;
    const double lineHeight
        = QFontMetricsF(painter.font(), painter.device()).lineSpacing() / deviceScale(painter);
    const std::vector<Band> bands = bandsOf(results, colours.empty() ? vessel.woods : colours);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    for (const Band &band : bands) {
        painter.fillRect(bandRect(frame, band),
            band.ring == selectedRing ? profileColours::selectedBand : fudgeTone(band.tone));
    }
    const bool walled = usableProfile(vessel);
    if (walled) {
        const Picture picture = wallPicture(vessel, frame, deviceScale(painter));
        painter.fillPath(picture.wall, profileColours::bareWall);
        for (const Band &band : bands) {
            painter.save();
            painter.setClipRect(bandRect(frame, band), Qt::IntersectClip);
            painter.fillPath(
                picture.wall, band.ring == selectedRing ? stackColours::selected : band.tone);
            painter.restore();
        }
        painter.strokePath(picture.wall, inkPen(lineHeight / 16));
        painter.strokePath(picture.inside, inkPen(lineHeight / 12));
        painter.strokePath(picture.outside, inkPen(lineHeight / 7));
    }

    painter.setPen(inkPen(lineHeight / 20));
    painter.setBrush(Qt::NoBrush);
    for (const Band &band : bands) {
        const QRectF rect = bandRect(frame, band);
        painter.drawRect(rect);
        if (band.disc) {
            painter.drawLine(rect.topLeft(), rect.bottomRight());
            painter.drawLine(rect.bottomLeft(), rect.topRight());
        }
    }

    const ProfileExtent extent = profileExtent(vessel, results);
    const double overhang = lineHeight / 3;
    painter.setPen(inkPen(lineHeight / 20, Qt::DashDotLine));
    painter.drawLine(frame.toTarget(0, 0) + QPointF(0, overhang),
        frame.toTarget(0, extent.height) - QPointF(0, overhang));
    painter.restore();
}

std::optional<std::size_t> profileRingAt(
    const ProfileFrame &frame, const VesselResults &results, QPointF point)
{
    if (!frame.drawn())
        return std::nullopt;
    for (const Band &band : bandsOf(results)) {
        if (bandRect(frame, band).contains(point))
            return band.ring;
    }
    return std::nullopt;
}

} // namespace orvane
