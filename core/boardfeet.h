#pragma once

// The lumber a ring takes, in board feet (144 cubic inches each).

#include <optional>
#include <string>

namespace orvane {

struct Ring;

// The volume of all the blanks of the ring: each is a trapezoid with the segment's long and short
// side as its parallel edges and the board width as its height, `thickness` thick. Nothing when
// the thickness is missing or negative, or the result is not a finite number.
std::optional<double> boardFeet(const Ring &ring, std::optional<double> thickness);

// The estimate as its caption shows it ("####.####"), or the empty text when there is none.
std::string boardFeetCaption(std::optional<double> estimate);

} // namespace orvane
