#pragma once

// The segment detail view: one segment as it is laid out on the board, long side at the bottom,
// with its two angles marked and labelled.

#include "core/formstate.h"

class DrawingSurface;

// The ratio of the detail view's width to its height, which keeps its scale square.
inline constexpr double detailAspect = 1.702899;

// Clears `surface` and draws the segment whose lengths `state` holds, storing the drawing's six
// points in `state`. Lengths that are not finite leave the surface empty.
void drawSegmentDetail(DrawingSurface &surface, orvane::FormState &state);
