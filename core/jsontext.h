#pragma once

// Numbers and strings as JSON writes them.

#include <string>
#include <string_view>

namespace orvane {

// A number written as the shortest text that reads back as the same double ("0.25", "1e-05"); the
// empty text for a value that is not finite.
std::string shortestNumber(double value);
// A JSON string: quoted, with quotes, backslashes and control characters escaped, and every byte
// that is not part of a UTF-8 character replaced by U+FFFD.
std::string jsonString(std::string_view text);

} // namespace orvane
