#pragma once

// What the woodworker prepares at the saw: the strip of board the segments are cut from, and
// lengths in millimetres.

#include <string>

namespace orvane {

struct Ring;

inline constexpr double millimetresPerInch = 25.4;

// The saw's kerf assumed unless told otherwise: an eighth of an inch.
inline constexpr double defaultKerf = 0.125;

// The shortest strip of the board width from which all the ring's segments can be cut with the
// strip turned over between cuts: n (L + S) / 2 for the segments laid alternately, (L - S) / 2 for
// the two waste triangles at the ends, and k / cos(180° / n) of the strip for each of the n - 1
// cuts between two segments, `kerf` (k) being measured square to the blade. In inches.
double stripLength(const Ring &ring, double kerf);
// The strip for `segments` of the ring's segments alone (those of one wood): the same formula
// with their count in place of n, the ring's own angle and sides.
double stripLength(const Ring &ring, double kerf, double segments);

// A length in inches as millimetres to a tenth, without the unit: 2.81347 gives "71.5".
std::string millimetresText(double inches);

// An input length in inches as the user would have typed it: whole numbers and quarter inches as
// they are, a length converted from millimetres to five places ("5.90551").
std::string inputInchesText(double inches);

} // namespace orvane
