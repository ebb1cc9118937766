#pragma once

// The segment detail view: one segment as it is laid out on the board, long side at the bottom,
// with its two angles marked and labelled.

#include "core/ring.h"

#include <optional>

namespace orvane {

class DrawingSurface;

// The ratio of the detail view's width to its height, which keeps its scale square.
inline constexpr double detailAspect = 1.702899;

// Clears `surface`, sets its scale to the segment and draws it. Nothing is drawn for a count that
// makes no ring or lengths that are not finite.
void drawSegmentDetail(DrawingSurface &surface, const std::optional<Ring> &ring);

} // namespace orvane
