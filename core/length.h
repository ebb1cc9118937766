#pragma once

// Lengths as a woodworker writes them: in inches, millimetres or centimetres, inches also as a
// fraction.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// What may stand between the whole part of a decimal and its decimals.
enum class DecimalMark
{
    point, // "10.5" only, a comma is no part of a length: the command line, comma-separated files
    comma, // "10,5" or "10.5", not both in one length: files separated by semicolons
};

// The length `text` stands for, in inches: a number and an optional unit, "in" or '"' (inches, the
// unit when none is given), "mm" or "cm", in any case and with or without blanks before it. The
// number is a decimal ("10", "10.5", ".25", "5."; with the comma mark also "10,5", ",25"); in
// inches it may also be a fraction ("3/4") or a whole number and a fraction ("10 1/2", "10-1/2").
// A leading "-" makes the length negative, a leading "+" changes nothing; blanks around the whole
// text are allowed. Exponents ("1e3") are not lengths. Nothing when the text is not a length:
// empty, another word or unit, anything after the unit, a fraction over zero, a value too large
// for a double, or, with the comma mark, a text holding both a comma and a point.
std::optional<double> readLength(std::string_view text, DecimalMark mark = DecimalMark::point);

// A number of millimetres written as JSON writes numbers, with an optional sign, point and
// exponent ("150", "-3.175", "1.5e2"), in inches, converted exactly as a length typed in
// millimetres is, so that 19.05 mm is 3/4 inch from every source. Nothing when the text is not
// such a number or its value is beyond the range of a double.
std::optional<double> millimetresInInches(std::string_view number);

// A length in inches as the shortest number of millimetres that `millimetresInInches` reads back
// as exactly the same inches: 150 mm read and written again is "150", not "150.00000000000003",
// and 3/4 inch is "19.05". The nearest when no number reads back exactly; the empty text for a
// value that is not finite.
std::string shortestMillimetres(double inches);

// What a length may look like, for the messages that refuse one.
inline constexpr std::string_view lengthForms
    = "a number with an optional unit in, \", mm or cm (inches when none is given); inches also "
      "as a fraction such as 3/4, 10 1/2 or 10-1/2";
inline constexpr std::string_view oneDecimalMark
    = "a length has one decimal mark: a comma or a point, not both";

// Why `text`, which readLength refuses, is not a length: oneDecimalMark for a text holding both
// marks where a comma may be one, lengthForms otherwise.
std::string_view whyNotALength(std::string_view text, DecimalMark mark = DecimalMark::point);

} // namespace orvane
