#pragma once

// A surface that draws as a picture box does, through the drawing module's scale mapping, but on
// a painter that draws on nothing and notes every point it is handed: the ends of lines, the
// points and control points of paths, the corners of rectangles and where text goes. Tests use it
// to see that a drawing gives the painter nothing that is not a number and nothing far outside
// the picture.

#include "drawing/surface.h"

#include <QList>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <memory>
#include <optional>

class QPainterPath;
class WatchingDevice;

namespace orvane {
class ScaleMapping;
} // namespace orvane

class WatchedSurface : public orvane::DrawingSurface
{
public:
    // A surface of `size` pixels, as a picture box of that size.
    explicit WatchedSurface(QSize size);
    ~WatchedSurface() override;

    void clear() override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, QRgb colour, float start, float end) override;
    void print(const QString &text) override;

    // Every point handed to the painter since the surface was made, in the painter's coordinates.
    QList<QPointF> points();

protected:
    void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) override;

private:
    orvane::ScaleMapping mapping() const;
    QPainter &painter();
    void stroke(const std::optional<QPainterPath> &path, std::optional<QRgb> colour);

    QSize size;
    std::unique_ptr<WatchingDevice> device;
    std::optional<QPainter> activePainter;
};
