#pragma once

// Format pictures: how every number on the window and on the report is shown.

#include <string>
#include <string_view>

namespace orvane {

// Shows `value` through a picture such as "###.00000" or "##.0####°". In the picture "#" is a digit
// shown only where significant (no leading zero before the point, no trailing zero after it), "0"
// a digit that is always shown and "." the decimal point, always shown when the picture has one.
// Any other character is copied. The value is rounded half away from zero to the picture's number
// of decimals, and the whole part shows all its digits however few placeholders stand for it.
// A value that is not finite shows as the empty text.
std::string formatPicture(double value, std::string_view picture);

// The pictures the program uses.
inline constexpr std::string_view anglePicture = "##.0####°"; // miter angle captions
inline constexpr std::string_view decimalPicture = "###.00000"; // lengths to five places
inline constexpr std::string_view boardFeetPicture = "####.####"; // board feet
inline constexpr std::string_view detailAnglePicture = "##.####°"; // angles in the detail view
inline constexpr std::string_view reportAnglePicture = "##.#####°"; // angles on the report

// `value` carried at 15 significant digits: turned into decimal text and read back.
double fifteenDigits(double value);

} // namespace orvane
