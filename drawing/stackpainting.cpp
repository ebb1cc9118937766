#include "drawing/stackpainting.h"

#include "core/cutlist.h"
#include "drawing/conversions.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace orvane {

namespace {

// One ring as drawn, in inches: its band of height and its radii, the fudge's around them.
struct Band
{
    std::size_t ring = 0;
    double bottom = 0;
    double top = 0;
    double inner = 0; // finished radii
    double outer = 0;
    double blankInner = 0; // with the fudge
    double blankOuter = 0;
    QColor tone;
};

bool finite(double value)
{
    return std::isfinite(value);
}

std::vector<Band> bandsOf(const VesselResults &vessel, const std::vector<Wood> &colours)
{
    std::vector<Band> bands;
    bands.reserve(vessel.rings.size());
    for (std::size_t i = 0; i < vessel.rings.size() && i < vessel.bottoms.size(); ++i) {
        const RingDesign &design = vessel.rings[i].design;
        const double thickness = design.thickness.value_or(0);
        const double inner = std::max(0.0, design.inputs.innerDiameter / 2);
        const double outer = design.inputs.outerDiameter / 2;
        const double fudge = finite(design.inputs.fudge) ? std::max(0.0, design.inputs.fudge) : 0.0;
        Band band { i, vessel.bottoms[i], vessel.bottoms[i] + thickness, inner, outer,
            std::max(0.0, inner - fudge), outer + fudge, ringTone(design, colours) };
        if (!(thickness > 0) || !finite(band.bottom) || !finite(band.top) || !finite(inner)
            || !finite(band.blankOuter) || !(outer > inner))
            continue;
        bands.push_back(band);
    }
    return bands;
}

// Where the picture goes in the target, leaving room for the dimensions right of it and below
// it: the scale, and the point of the axis at the foot in the target's coordinates.
struct StackLayout
{
    std::vector<Band> bands;
    double scale = 0; // target units per inch
    QPointF foot; // the axis at the foot
    double halfWidth = 0; // inches, the widest blank's radius
    double height = 0; // inches, to the top of the highest ring
    double lineHeight = 0;

    bool drawn() const { return scale > 0 && finite(scale); }
    double x(double radius) const { return foot.x() + radius * scale; }
    double y(double above) const { return foot.y() - above * scale; }
    // One side of a band: the right from `inner` to `outer`, the left mirrored.
    QRectF side(double from, double to, double bottom, double top, bool right) const
    {
        const double left = right ? x(from) : x(-to);
        return { left, y(top), (to - from) * scale, (top - bottom) * scale };
    }
};

StackLayout layOut(const QRectF &target, const VesselResults &vessel, double lineHeight,
    const std::vector<Wood> &colours = {})
{
    StackLayout layout;
    layout.bands = bandsOf(vessel, colours);
    layout.lineHeight = lineHeight;
    for (const Band &band : layout.bands) {
        layout.halfWidth = std::max(layout.halfWidth, band.blankOuter);
        layout.height = std::max(layout.height, band.top);
    }
    // Room for the dimensions: the height's right of the picture, the diameter's below it.
    const double gap = lineHeight / 2;
    const double rightBand = gap + 1.6 * lineHeight;
    const double bottomBand = gap + 1.8 * lineHeight;
    const double width = target.width() - gap - rightBand;
    const double height = target.height() - gap - bottomBand;
    if (layout.bands.empty() || !(width > 0) || !(height > 0))
        return layout;
    layout.scale = std::min(width / (2 * layout.halfWidth), height / layout.height);
    if (!layout.drawn())
        return layout;
    const double drawnWidth = 2 * layout.halfWidth * layout.scale;
    const double drawnHeight = layout.height * layout.scale;
    const double left = target.left() + (target.width() - drawnWidth - rightBand) / 2;
    const double top = target.top() + (target.height() - drawnHeight - bottomBand) / 2;
    layout.foot = QPointF(left + layout.halfWidth * layout.scale, top + drawnHeight);
    return layout;
}

// The painter's scale from its coordinates to the device's pixels, vertically.
double deviceScale(const QPainter &painter)
{
    const QTransform &t = painter.transform();
    const double scale = std::hypot(t.m12(), t.m22());
    return scale > 0 ? scale : 1;
}

// Text drawn at the device's own resolution, so that it keeps the size of the painter's font
// whatever scale the painter has, placed by its edges at an anchor of the painter's coordinates.
void drawText(QPainter &painter, QPointF anchor, Qt::Alignment alignment, const QString &text,
    double rotation = 0)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    QPointF corner(0, 0);
    if (alignment & Qt::AlignHCenter)
        corner.rx() = -size.width() / 2;
    else if (alignment & Qt::AlignRight)
        corner.rx() = -size.width();
    if (alignment & Qt::AlignVCenter)
        corner.ry() = -size.height() / 2;
    else if (alignment & Qt::AlignBottom)
        corner.ry() = -size.height();
    const QPointF at = painter.transform().map(anchor);
    painter.save();
    painter.resetTransform();
    painter.translate(at);
    painter.rotate(rotation);
    painter.drawText(QRectF(corner, size), Qt::AlignCenter, text);
    painter.restore();
}

QString lengthText(double inches, Units units)
{
    if (units == Units::millimetres)
        return shown(millimetresText(inches)) + QStringLiteral(" mm");
    return shown(inputInchesText(inches)) + QStringLiteral(" in");
}

QPen inkPen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

// A dimension line between two points with an arrowhead at each end.
void dimensionLine(QPainter &painter, QPointF from, QPointF to, double arrow)
{
    painter.drawLine(QLineF(from, to));
    const QLineF line(from, to);
    if (line.length() < 2.5 * arrow)
        return;
    const QPointF along = (to - from) / line.length() * arrow;
    const QPointF across(-along.y() / 3, along.x() / 3);
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF { from, from + along + across, from + along - across });
    painter.drawPolygon(QPolygonF { to, to - along + across, to - along - across });
    painter.setBrush(Qt::NoBrush);
}

void paintBands(QPainter &painter, const StackLayout &layout, std::optional<std::size_t> selected)
{
    painter.setPen(Qt::NoPen);
    for (const Band &band : layout.bands) {
        for (const bool right : { false, true }) {
            painter.fillRect(
                layout.side(band.blankInner, band.blankOuter, band.bottom, band.top, right),
                fudgeTone(band.tone));
        }
    }
    painter.setPen(inkPen(stackColours::ink, layout.lineHeight / 16));
    for (const Band &band : layout.bands) {
        painter.setBrush(band.ring == selected ? stackColours::selected : band.tone);
        for (const bool right : { false, true })
            painter.drawRect(layout.side(band.inner, band.outer, band.bottom, band.top, right));
    }
    painter.setBrush(Qt::NoBrush);
}

// Both rings of a joint too narrow to glue outlined, and the joint itself drawn across them.
void paintNarrowJoints(QPainter &painter, const StackLayout &layout, const VesselResults &vessel)
{
    const auto bandOf = [&layout](std::size_t ring) -> const Band * {
        const auto found = std::find_if(layout.bands.begin(), layout.bands.end(),
            [ring](const Band &band) { return band.ring == ring; });
        return found == layout.bands.end() ? nullptr : &*found;
    };
    painter.setPen(inkPen(stackColours::narrowJoint, layout.lineHeight / 7));
    for (const NarrowJoint &joint : vessel.narrowJoints) {
        const Band *lower = bandOf(joint.lower);
        const Band *upper = bandOf(joint.lower + 1);
        for (const Band *band : { lower, upper }) {
            if (band == nullptr)
                continue;
            for (const bool right : { false, true })
                painter.drawRect(
                    layout.side(band->inner, band->outer, band->bottom, band->top, right));
        }
        if (lower == nullptr || upper == nullptr)
            continue;
        const double inner = std::min(lower->inner, upper->inner);
        const double outer = std::max(lower->outer, upper->outer);
        const double y = layout.y(lower->top);
        for (const double sign : { -1.0, 1.0 })
            painter.drawLine(QLineF(layout.x(sign * inner), y, layout.x(sign * outer), y));
    }
}

void paintAxis(QPainter &painter, const StackLayout &layout)
{
    painter.setPen(inkPen(stackColours::ink, layout.lineHeight / 20, Qt::DashDotLine));
    const double overhang = layout.lineHeight / 3;
    painter.drawLine(QLineF(
        layout.x(0), layout.y(0) + overhang, layout.x(0), layout.y(layout.height) - overhang));
}

void paintDimensions(
    QPainter &painter, const StackLayout &layout, const VesselResults &vessel, Units units)
{
    const double line = layout.lineHeight;
    const double gap = line / 2;
    const double arrow = line / 2.5;
    painter.setPen(inkPen(stackColours::ink, line / 20));

    // The height, right of the widest blank, from the foot to the top.
    const double right = layout.x(layout.halfWidth) + gap + 0.4 * line;
    const QPointF foot(right, layout.y(0));
    const QPointF top(right, layout.y(layout.height));
    const Band &lowest = layout.bands.front();
    const auto highest = std::max_element(layout.bands.begin(), layout.bands.end(),
        [](const Band &a, const Band &b) { return a.top < b.top; });
    painter.drawLine(QLineF(layout.x(lowest.outer) + gap / 2, foot.y(), right + gap / 2, foot.y()));
    painter.drawLine(QLineF(layout.x(highest->outer) + gap / 2, top.y(), right + gap / 2, top.y()));
    dimensionLine(painter, foot, top, arrow);
    if (finite(vessel.height)) {
        drawText(painter, QPointF(right + 0.2 * line, (foot.y() + top.y()) / 2),
            Qt::AlignHCenter | Qt::AlignTop, lengthText(vessel.height, units), -90);
    }

    // The widest finished diameter, below the foot, from the widest ring's bottom corners.
    const auto widest = std::max_element(layout.bands.begin(), layout.bands.end(),
        [](const Band &a, const Band &b) { return a.outer < b.outer; });
    const double below = layout.y(0) + gap + 0.4 * line;
    for (const double sign : { -1.0, 1.0 }) {
        painter.drawLine(QLineF(layout.x(sign * widest->outer), layout.y(widest->bottom) + gap / 2,
            layout.x(sign * widest->outer), below + gap / 2));
    }
    dimensionLine(painter, QPointF(layout.x(-widest->outer), below),
        QPointF(layout.x(widest->outer), below), arrow);
    if (finite(vessel.widestDiameter)) {
        drawText(painter, QPointF(layout.x(0), below + 0.2 * line), Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("Ø ") + lengthText(vessel.widestDiameter, units));
    }
}

} // namespace

QColor woodTone(std::string_view wood, const std::vector<Wood> &colours)
{
    return QColor(QString::fromStdString(woodColour(wood, colours)));
}

QColor ringTone(const RingDesign &ring, const std::vector<Wood> &colours)
{
    return woodTone(segmentWood(ring, 0), colours);
}

QColor fudgeTone(const QColor &tone)
{
    const auto pale = [](int channel) { return channel + (255 - channel) * 2 / 3; };
    return QColor(pale(tone.red()), pale(tone.green()), pale(tone.blue()));
}

QColor woodTone(std::size_t woodIndex)
{
    static const std::array tones { QColor(226, 196, 142), QColor(128, 86, 58),
        QColor(204, 128, 84), QColor(176, 140, 84), QColor(240, 222, 184), QColor(96, 66, 50),
        QColor(186, 102, 70), QColor(150, 128, 88) };
    return tones[woodIndex % tones.size()];
}

QColor fudgeTone(std::size_t woodIndex)
{
    return fudgeTone(woodTone(woodIndex));
}

void paintStack(QPainter &painter, const QRectF &target, const VesselResults &vessel,
    std::optional<std::size_t> selectedRing, Units units, const std::vector<Wood> &colours)
{
    const double lineHeight
        = QFontMetricsF(painter.font(), painter.device()).lineSpacing() / deviceScale(painter);
    const StackLayout layout = layOut(target, vessel, lineHeight, colours);
    if (!layout.drawn())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBands(painter, layout, selectedRing);
    paintNarrowJoints(painter, layout, vessel);
    paintAxis(painter, layout);
    paintDimensions(painter, layout, vessel, units);
    painter.restore();
}

std::optional<std::size_t> stackRingAt(
    const QRectF &target, const VesselResults &vessel, const QFontMetricsF &metrics, QPointF point)
{
    const StackLayout layout = layOut(target, vessel, metrics.lineSpacing());
    if (!layout.drawn())
        return std::nullopt;
    for (const Band &band : layout.bands) {
        for (const bool right : { false, true }) {
            if (layout.side(band.blankInner, band.blankOuter, band.bottom, band.top, right)
                    .contains(point))
                return band.ring;
        }
    }
    return std::nullopt;
}

} // namespace orvane
