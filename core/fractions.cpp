#include "core/fractions.h"

#include "core/picture.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvane {

std::string numberText(double whole)
{
    std::array<char, 400> digits {};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(),
        std::fabs(whole), std::chars_format::fixed, 0);
    std::string text(whole < 0 ? "-" : " ");
    text.append(digits.data(), written.ptr);
    return text;
}

std::string fractionText(double value)
{
    if (!std::isfinite(value))
        return {};

    // The whole part is the floor, so the fraction is never negative and the whole part carries
    // the sign: -2.3 is -3 and 11/16.
    const double whole = std::floor(value);
    const double sixteenths = std::fabs(value - whole) / 0.0625; // exact: a power of two
    double wholeSixteenths = std::floor(sixteenths);
    double remainder = sixteenths - wholeSixteenths;
    // Just below zero, value - whole is 1 + value, which a double cannot always hold: it can round
    // onto a sixteenth, or onto the half between two, and round the length the wrong way. There the
    // sixteenths are counted down from the whole inch instead, from -16 * value, which is exact.
    if (value < 0 && value > -1) {
        const double below = -16 * value;
        const double whole16ths = std::floor(below);
        const double over = below - whole16ths; // exact, and so is 1 - over where it matters
        wholeSixteenths = over == 0 ? 16 - whole16ths : 15 - whole16ths;
        remainder = over == 0 ? 0 : 1 - over;
    }

    std::string mark;
    if (remainder >= 0.5) {
        wholeSixteenths += 1; // exactly half a sixteenth rounds up
        mark = "-";
    } else if (remainder != 0) {
        mark = "+";
    }

    // Reduce an even numerator by the largest of 8, 4 and 2 that divides it; 0 reduces to 0/2.
    int numerator = static_cast<int>(wholeSixteenths);
    int denominator = 16;
    if (numerator % 2 == 0) {
        int divisor = 2;
        for (const int k : { 14, 12, 10, 8, 6, 4, 2 }) {
            if (numerator % k == 0 && 16 % k == 0) {
                divisor = k;
                break;
            }
        }
        numerator /= divisor;
        denominator = 16 / divisor;
    }
    // Sixteen sixteenths: only rounding up gets here, so the mark is "-".
    if (numerator == denominator)
        return numberText(whole + 1) + " " + mark;
    return numberText(whole) + " " + numberText(numerator) + "/" + numberText(denominator) + mark;
}

std::string decimalText(double value)
{
    return formatPicture(value, decimalPicture);
}

} // namespace orvane
