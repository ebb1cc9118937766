// The reader of lengths on any text at all, with either decimal mark. A length is finite, and the
// shortest decimal form of it reads back as the same length with either mark. A text without a
// comma reads the same with both marks; one with commas and no point reads with the comma mark as
// it reads with the point mark when each comma is a point.

#include "core/length.h"
#include "core/reading.h"
#include "fuzz/check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace {

using orvane::DecimalMark;

std::string shown(const std::optional<double> &length)
{
    return length ? orvane::shortestDecimal(*length) : std::string("no length");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto withPoint = orvane::readLength(text, DecimalMark::point);
    const auto withComma = orvane::readLength(text, DecimalMark::comma);

    for (const auto &length : { withPoint, withComma }) {
        if (!length)
            continue;
        fuzz::check(std::isfinite(*length), "a length that is not finite");
        const std::string shortest = orvane::shortestDecimal(*length);
        for (const DecimalMark mark : { DecimalMark::point, DecimalMark::comma }) {
            fuzz::check(orvane::readLength(shortest, mark) == length,
                "the shortest form does not read back", shortest);
        }
    }

    const bool hasComma = text.find(',') != std::string_view::npos;
    const bool hasPoint = text.find('.') != std::string_view::npos;
    if (!hasComma) {
        fuzz::check(withPoint == withComma, "a text without a comma reads otherwise with its mark",
            shown(withPoint) + " / " + shown(withComma));
    } else if (!hasPoint) {
        std::string pointed(text);
        std::replace(pointed.begin(), pointed.end(), ',', '.');
        const auto asPoint = orvane::readLength(pointed, DecimalMark::point);
        fuzz::check(asPoint == withComma, "a decimal comma reads otherwise than a point",
            shown(asPoint) + " / " + shown(withComma));
    }
    return 0;
}
