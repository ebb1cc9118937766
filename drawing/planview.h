#pragma once

// The ring plan view: the finished ring's inner and outer circle, a boundary line for every joint
// and the outline of the glued-up polygon of segments, to scale.

#include "core/ring.h"

#include <optional>

namespace orvane {

class DrawingSurface;

// Clears `surface` and draws the ring in its current scale, the ring's centre at half the scale's
// width and half its top. The circles show the diameters of `inputs`; for a count that makes no
// ring (`ring` empty) they are all that is drawn.
void drawPlanView(
    DrawingSurface &surface, const RingInputs &inputs, const std::optional<Ring> &ring);

} // namespace orvane
