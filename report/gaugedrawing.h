#pragma once

// The profile gauge's drawing: the vessel's half-section at full size, to cut out along the
// outside and hold against the turned piece. The outside curve from the foot to the rim, the
// axis and the base line it stands on, a tick across the curve at every joint between two rings,
// the heights and radii of the foot, the joints and the rim written beside it, and each ring's
// name in its band.
//
// The drawing is measured in inches, x the radius from the axis and y growing down the page:
// a point of the profile (r, h) is at (r, -h), the base line at y = 0.

#include "core/profile.h"
#include "core/vessel.h"

#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <vector>

namespace orvane {

class TemplatePainter;

// The band of heights one ring covers, from its bottom to its top (inches), with its name.
struct GaugeBand
{
    QString name;
    double bottom = 0;
    double top = 0;
};

// What the gauge shows of a vessel with a usable profile.
struct GaugeDrawing
{
    QString projectName;
    Units units = Units::inches;
    std::vector<ProfilePiece> curve; // the outside, from the foot up
    QList<GaugeBand> bands; // the rings below the rim, from the foot up
};

// The gauge of `vessel`, whose profile must be usable (see gaugeProblem).
GaugeDrawing gaugeDrawing(const Vessel &vessel);

// The outside curve in the drawing's inches: lines where it is straight, and where it is curved
// the cubic of each piece exactly, as a Bézier curve.
QPainterPath outsidePath(const std::vector<ProfilePiece> &curve);

// The largest radius of the curve.
double widestRadius(const std::vector<ProfilePiece> &curve);

// The heights of the joints between the rings (the tops of all bands but one at the rim).
QList<double> jointHeights(const GaugeDrawing &gauge);

// What the drawing takes, its labels included, in inches.
QRectF gaugeBounds(const GaugeDrawing &gauge);

// Draws the gauge on `page`; `toPage` takes inches of the drawing to points of the page and must
// scale by exactly 72, or the gauge is not full size.
void drawGauge(TemplatePainter &page, const QTransform &toPage, const GaugeDrawing &gauge);

// A length as the gauge writes it, with its unit: "2.25 in" to a thousandth, "57.2 mm".
QString gaugeLength(double inches, Units units);

} // namespace orvane
