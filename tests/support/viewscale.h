#pragma once

// The user scale of a drawing surface, in the single precision the surface keeps it: set on a
// surface, read back and compared exactly.

#include "drawing/surface.h"

#include <QByteArray>
#include <QMetaType>

struct ViewScale
{
    float left = 0;
    float top = 0;
    float width = 1;
    float height = 1;
    bool operator==(const ViewScale &) const = default;
};

Q_DECLARE_METATYPE(ViewScale)

// The plan view's scale at start and after "Center".
inline constexpr ViewScale startScale { 0, 50, 92.7f, -92.7f };
inline constexpr ViewScale centredScale { 0, 84, 84, -84 };

inline void setScale(orvane::DrawingSurface &surface, const ViewScale &scale)
{
    surface.setScaleLeft(scale.left);
    surface.setScaleTop(scale.top);
    surface.setScaleWidth(scale.width);
    surface.setScaleHeight(scale.height);
}

inline ViewScale scaleOf(const orvane::DrawingSurface &surface)
{
    return { surface.scaleLeft(), surface.scaleTop(), surface.scaleWidth(), surface.scaleHeight() };
}

// "left, top, width, height", for failure messages.
inline QByteArray describe(const ViewScale &s)
{
    return QByteArray::number(s.left) + ", " + QByteArray::number(s.top) + ", "
        + QByteArray::number(s.width) + ", " + QByteArray::number(s.height);
}
