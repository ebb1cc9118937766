#pragma once

// Zooming and centring the ring plan view: each changes the view's scale, after which the whole
// recalculation redraws the ring in it.

namespace orvane {

class DrawingSurface;

namespace navigation {

// Clears the view and widens its span by 5 units each way: the drawing gets smaller.
void zoomOut(DrawingSurface &view);

// Whether one more step in keeps a span of the view above zero; past that the view would turn
// inside out.
bool canZoomIn(const DrawingSurface &view);

// Clears the view and narrows its span by 5 units each way, when `canZoomIn` allows it; false
// when it does not, and the view is left as it was.
bool zoomIn(DrawingSurface &view);

// Sets the standard scale: 84 units across and down, the ring centre in the middle.
void center(DrawingSurface &view);

} // namespace navigation

} // namespace orvane
