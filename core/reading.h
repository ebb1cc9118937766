#pragma once

// How the program turns the texts of its input boxes into numbers.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The value of the longest leading part of `text` that reads as a decimal number, or 0 when
// there is none. Blanks are skipped wherever they stand: spaces, tabs and, by the boxes' own
// rule, line feeds and carriage returns, which a pasted text may carry. "." is the decimal point,
// a sign and an exponent ("e" or "E") are allowed: "12abc" reads 12, ".25" 0.25, " 1 2" 12 and
// "" 0. A value too large for a double reads as an infinity.
double leadingNumber(std::string_view text);

// The whole text read as one number: blanks around it, as leadingNumber counts them, are
// allowed; anything else that does not belong to the number makes it no number at all ("", "x",
// "." and "1x" give nothing).
std::optional<double> wholeNumber(std::string_view text);

// The shortest exact decimal form of `value`, with "." as the point, a leading zero before it and
// no trailing zeros: 36 gives "36", 30.25 "30.25", 0.5 "0.5".
std::string shortestDecimal(double value);

} // namespace orvane
