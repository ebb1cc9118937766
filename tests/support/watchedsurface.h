#pragma once

// A picture-box surface whose painter draws on nothing but notes every point it is handed: the
// ends of lines, the points and control points of paths, the corners of rectangles and where text
// goes. Tests use it to see that a drawing gives the painter nothing that is not a number and
// nothing far outside the picture.

#include "drawing/paintersurface.h"

#include <QList>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <memory>
#include <optional>

class WatchingDevice;

class WatchedSurface : public PainterSurface
{
public:
    // A surface of `size` pixels, as a picture box of that size.
    explicit WatchedSurface(QSize size);
    ~WatchedSurface() override;

    void clear() override;

    // Every point handed to the painter since the surface was made, in the painter's coordinates.
    QList<QPointF> points();

protected:
    QPainter &painter() override;
    QSizeF area() const override;

private:
    QSize size_;
    std::unique_ptr<WatchingDevice> device_;
    std::optional<QPainter> painter_;
};
