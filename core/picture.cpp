#include "core/picture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace orvane {

namespace {

struct PictureShape
{
    std::string prefix;
    std::string suffix;
    int leadingZeros = 0; // "0" placeholders before the point
    int requiredDecimals = 0; // decimals up to the last "0" after the point
    int maxDecimals = 0; // all placeholders after the point
    bool hasPoint = false;
};

bool isPlaceholder(char c)
{
    return c == '#' || c == '0' || c == '.';
}

PictureShape readPicture(std::string_view picture)
{
    PictureShape shape;
    const auto first = picture.find_first_of("#0.");
    if (first == std::string_view::npos) {
        shape.prefix = picture;
        return shape;
    }
    std::size_t end = first;
    while (end < picture.size() && isPlaceholder(picture[end]))
        ++end;
    shape.prefix = picture.substr(0, first);
    shape.suffix = picture.substr(end);
    for (std::size_t i = first; i < end; ++i) {
        const char c = picture[i];
        if (c == '.') {
            shape.hasPoint = true;
        } else if (!shape.hasPoint) {
            shape.leadingZeros += c == '0' ? 1 : 0;
        } else {
            ++shape.maxDecimals;
            if (c == '0')
                shape.requiredDecimals = shape.maxDecimals;
        }
    }
    return shape;
}

// The exact decimal expansion of a finite, non-negative double as whole digits and fraction
// digits, with at least `minDecimals` fraction digits.
void exactDigits(double magnitude, int minDecimals, std::string &whole, std::string &fraction)
{
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    // A double carries 53 bits, so its lowest bit is worth 2^(exponent - 53); that many binary
    // places need as many decimal places to be written out exactly.
    const int exactDecimals = std::clamp(53 - exponent, 0, 1100);
    const int decimals = std::max(exactDecimals, minDecimals);
    // A double has at most 309 whole digits; the picture says how many decimals follow them.
    std::string buffer(static_cast<std::size_t>(decimals) + 320, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
        std::chars_format::fixed, decimals);
    const std::string_view text(
        buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto point = text.find('.');
    whole = text.substr(0, point);
    fraction = point == std::string_view::npos ? std::string_view {} : text.substr(point + 1);
}

// Adds one to a string of decimal digits; returns true when it carries out of the leftmost digit.
bool increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

} // namespace

std::string formatPicture(double value, std::string_view picture)
{
    if (!std::isfinite(value))
        return {};
    const PictureShape shape = readPicture(picture);

    std::string whole;
    std::string fraction;
    exactDigits(std::fabs(value), shape.maxDecimals + 1, whole, fraction);

    // Round half away from zero at the picture's last decimal.
    const bool roundUp = fraction[static_cast<std::size_t>(shape.maxDecimals)] >= '5';
    fraction.resize(static_cast<std::size_t>(shape.maxDecimals));
    if (roundUp && increment(fraction) && increment(whole))
        whole.insert(whole.begin(), '1');

    // The whole part loses its leading zeros, then gets back as many as the picture asks for.
    const auto significant = whole.find_first_not_of('0');
    whole = significant == std::string::npos ? std::string {} : whole.substr(significant);
    if (static_cast<int>(whole.size()) < shape.leadingZeros)
        whole.insert(0, static_cast<std::size_t>(shape.leadingZeros) - whole.size(), '0');

    // Trailing zeros go, except those the picture always shows.
    std::size_t keep = fraction.size();
    while (keep > static_cast<std::size_t>(shape.requiredDecimals) && fraction[keep - 1] == '0')
        --keep;
    fraction.resize(keep);

    const bool allZero = whole.find_first_not_of('0') == std::string::npos
        && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = shape.prefix;
    if (value < 0 && !allZero)
        text += '-';
    text += whole;
    if (shape.hasPoint)
        text += '.';
    text += fraction;
    text += shape.suffix;
    return text;
}

double fifteenDigits(double value)
{
    if (!std::isfinite(value))
        return value;
    std::array<char, 64> buffer {};
    const auto written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    double carried = value;
    std::from_chars(buffer.data(), written.ptr, carried);
    return carried;
}

} // namespace orvane
