#pragma once

// What the woodworker prepares at the saw: the strip of board the segments are cut from, and
// lengths in millimetres.

namespace orvane {

struct Ring;

inline constexpr double millimetresPerInch = 25.4;

// The shortest strip of the board width from which all the ring's segments can be cut with the
// strip turned over between cuts: n (L + S) / 2 for the segments laid alternately, (L - S) / 2 for
// the two waste triangles at the ends, and k / cos(180° / n) of the strip for each of the n - 1
// cuts between two segments, `kerf` (k) being measured square to the blade. In inches.
double stripLength(const Ring &ring, double kerf);

} // namespace orvane
