#pragma once

// Drawing a surface's figures with a QPainter: where the surface's user scale puts them on the
// painter's area, as paths the surface then strokes in its own pen. The picture boxes of the window
// and the printed page both draw this way.

#include "drawing/surface.h"

#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

#include <optional>

class QPainter;

namespace orvane {

class ScaleMapping
{
public:
    // `surface` gives the user scale and the text position; `area` is the size of the painter's
    // drawing area in its own coordinates.
    ScaleMapping(const DrawingSurface &surface, QSizeF area);

    // Where the scale puts a point, in the painter's coordinates.
    QPointF toDevice(double x, double y) const;

    // A line, clipped to the neighbourhood of the area; nothing when none of it is left or a point
    // is not a finite number.
    std::optional<QPainterPath> line(float x1, float y1, float x2, float y2) const;

    // An arc counter-clockwise as seen from `start` to `end` (radians), its radius measured in x
    // units; nothing when it lies beyond reach or is not made of finite numbers.
    std::optional<QPainterPath> arc(float x, float y, float radius, float start, float end) const;

    // Draws `text` with its top-left corner at the surface's text position, when that lies within
    // reach; returns the height of a line of text in scale units down the surface.
    float print(QPainter &painter, const QString &text) const;

private:
    double reachLimit() const;
    bool withinReach(QPointF p) const;

    const DrawingSurface &surface;
    QSizeF area;
};

// Strokes `path` with the painter's pen, in `colour` where one is given.
void strokeFigure(QPainter &painter, const QPainterPath &path, std::optional<QRgb> colour);

} // namespace orvane
