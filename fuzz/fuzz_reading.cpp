// The readers of the input boxes on any text at all. A number is never NaN; a text that is a whole
// number reads the same both ways and as the C library reads it; the shortest decimal form of a
// number reads back as that number.

#include "core/reading.h"
#include "fuzz/check.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// "36", "30.25", "0.5", "-0.75": digits, a point only with digits after it that do not end in 0,
// and a zero before the point when there is no whole part.
bool isShortestForm(const std::string &text)
{
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t wholeStart = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    const std::size_t wholeDigits = at - wholeStart;
    if (wholeDigits == 0 || (wholeDigits > 1 && text[wholeStart] == '0'))
        return false;
    if (at == text.size())
        return true;
    if (text[at++] != '.' || at == text.size() || text.back() == '0')
        return false;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const double leading = orvane::leadingNumber(text);
    fuzz::check(!std::isnan(leading), "leading number is NaN");

    if (const auto whole = orvane::wholeNumber(text)) {
        fuzz::check(!std::isnan(*whole), "whole number is NaN");
        fuzz::check(*whole == leading, "whole and leading number differ");
        const std::string number = trimmed(text);
        char *end = nullptr;
        const double library = std::strtod(number.c_str(), &end);
        fuzz::check(end == number.c_str() + number.size(), "not a number to strtod", number);
        // Below the normal range the C library keeps what a subnormal can hold; the reader may
        // give 0 there.
        if (std::fabs(library) >= DBL_MIN)
            fuzz::check(*whole == library, "reads otherwise than strtod", number);
        else
            fuzz::check(std::fabs(*whole) < DBL_MIN, "reads otherwise than strtod", number);
    }

    if (std::isfinite(leading)) {
        const std::string shortest = orvane::shortestDecimal(leading);
        fuzz::check(isShortestForm(shortest), "not in shortest form", shortest);
        fuzz::check(
            std::strtod(shortest.c_str(), nullptr) == leading, "does not read back", shortest);
    }
    return 0;
}
