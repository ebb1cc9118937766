#pragma once

// The ring plan view: the finished ring's inner and outer circle, a boundary line for every joint
// and the outline of the glued-up polygon of segments, to scale.

#include "core/formstate.h"
#include "core/ring.h"

class DrawingSurface;

// Draws the ring that `computeRing` put into `state` on a cleared `surface`, in the surface's
// current scale. For a count that makes no ring only the two circles are drawn.
void drawPlanView(
    DrawingSurface &surface, const orvane::FormState &state, const orvane::RingInputs &inputs);
