#pragma once

// A drawing surface realised with a QPainter: maps the user scale onto the painter's area and
// draws there, antialiased and at floating-point positions. The drawing surface is a virtual
// base, so that a realisation can also take on an interface that extends it.

#include "drawing/surface.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>

class QPainter;

class PainterSurface : public virtual DrawingSurface
{
public:
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, QRgb colour, float start, float end) override;
    void print(const QString &text) override;

    // Where the scale puts a point, in the painter's coordinates.
    QPointF toDevice(double x, double y) const;

protected:
    // The painter to draw with, its pen and font already set; and the size of the area it
    // draws on, in its own coordinates.
    virtual QPainter &painter() = 0;
    virtual QSizeF area() const = 0;
    // Called after every drawing operation.
    virtual void drawn() { }

    void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) override;

private:
    // Figures placed farther out than this, in the painter's coordinates, are not drawn.
    double reachLimit() const;
    bool withinReach(QPointF p) const;
    void strokePath(const class QPainterPath &path, std::optional<QRgb> colour);
};
