#pragma once

// Lengths as a woodworker measures them: whole inches and the nearest sixteenth.

#include <string>

namespace orvane {

// A whole number as the fraction texts show it: its digits, after a blank when it is zero or
// positive and after "-" when it is negative. 5 gives " 5", -3 gives "-3".
std::string numberText(double whole);

// `value` to the nearest sixteenth of an inch, reduced, with a mark saying which way it was
// rounded: "+" when rounded down, "-" when rounded up, nothing when exact. 5.3 gives
// " 5  5/ 16-", 5.5 " 5  1/ 2", 6.0 " 6  0/ 2" and 5.97, which rounds to a whole inch, " 6 -".
// A value that is not finite gives the empty text.
std::string fractionText(double value);

// `value` as a decimal to five places, as the decimal captions show it: 5.3 gives "5.30000".
std::string decimalText(double value);

} // namespace orvane
