#include "drawing/navigation.h"

#include "drawing/surface.h"

namespace orvane::navigation {

namespace {
constexpr float step = 5;
} // namespace

void zoomOut(DrawingSurface &view)
{
    view.clear();
    view.setScaleTop(view.scaleTop() + step);
    view.setScaleHeight(view.scaleHeight() - step);
    view.setScaleWidth(view.scaleWidth() + step);
}

bool canZoomIn(const DrawingSurface &view)
{
    return view.scaleWidth() - step > 0 && view.scaleHeight() + step < 0;
}

bool zoomIn(DrawingSurface &view)
{
    if (!canZoomIn(view))
        return false;
    view.clear();
    view.setScaleTop(view.scaleTop() - step);
    view.setScaleHeight(view.scaleHeight() + step);
    view.setScaleWidth(view.scaleWidth() - step);
    return true;
}

void center(DrawingSurface &view)
{
    view.setScaleTop(84);
    view.setScaleHeight(-84);
    view.setScaleWidth(84);
    view.setScaleLeft(0);
}

} // namespace orvane::navigation
