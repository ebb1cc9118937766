#pragma once

// The geometry of a ring glued up from identical wedge-shaped segments.

#include "core/formstate.h"

#include <string>

namespace orvane {

// The program's value of pi. Every angle computation uses it instead of a full-precision value.
inline constexpr double programPi = 3.141593;

// The four ring inputs as read from their boxes: segment count, outer and inner diameter and the
// fudge factor, in inches.
struct RingInputs
{
    double numsegs = 0;
    double outerdiam = 0;
    double innerdiam = 0;
    double fudge = 0;
};

// Whether a segment count can be computed at all: the count divides a full turn, so it may not be
// 0, and the per-boundary tables hold 30 boundaries. Negative counts make no ring either.
bool countComputable(double numsegs);

// Computes the ring into the record: the plan view's centre (from the plan view's scale width and
// top), its boundary lines and corners, and the segment's angles and lengths. For a count that
// cannot be computed the record's lengths and angles become NaN, so that nothing shows a value
// left from an earlier count.
void computeRing(FormState &state, const RingInputs &inputs, float scaleWidth, float scaleTop);

// The miter-angle captions. `shortangle` stands under the heading "Long Side" and shows
// 90 - 180 / n for two or more segments; `longangle` stands under "Short Side" and shows 180 / n.
// Both are empty for a count that cannot be computed.
std::string shortAngleCaption(double numsegs);
std::string longAngleCaption(double numsegs);

} // namespace orvane
