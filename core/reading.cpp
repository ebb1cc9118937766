#include "core/reading.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// What the readers of the calculator window's boxes pass over: spaces and tabs, and also the line
// breaks a text pasted into a box may carry. Wider on purpose than the blanks of the readers of
// files and the command line (core/text.h), where a line break ends a line.
bool skippedInBox(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number of the form [+-] digits [. digits] [(e|E) [+-] digits] at the start of `s`, which
// holds no blanks. Returns how many characters it takes (0 when no digit comes before the
// exponent) and whether the value is negative.
struct Scan
{
    std::size_t length = 0;
    std::size_t mantissaStart = 0;
    std::size_t mantissaEnd = 0;
    bool negative = false;
};

Scan scanNumber(std::string_view s)
{
    Scan scan;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        scan.negative = s[i] == '-';
        ++i;
    }
    scan.mantissaStart = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return Scan {};
    scan.mantissaEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    scan.length = i;
    return scan;
}

// Converts a scanned number. A value beyond the range of a double becomes an infinity or zero,
// as its size says.
double convert(std::string_view s, const Scan &scan)
{
    const char *first = s.data() + scan.mantissaStart;
    const char *last = s.data() + scan.length;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal order of the first significant
        // digit, plus the exponent, tells which.
        long order = 0;
        long integerDigits = 0;
        bool inFraction = false;
        for (std::size_t k = scan.mantissaStart; k < scan.mantissaEnd; ++k) {
            const char c = s[k];
            if (c == '.') {
                inFraction = true;
            } else if (c != '0') {
                break;
            } else if (inFraction) {
                --order;
            } else {
                ++integerDigits;
            }
        }
        for (std::size_t k = scan.mantissaStart; k < scan.mantissaEnd && s[k] != '.'; ++k)
            ++order;
        order -= integerDigits; // leading zeros of the whole part do not count
        long exponent = 0;
        bool negativeExponent = false;
        for (std::size_t k = scan.mantissaEnd + 1; k < scan.length; ++k) {
            if (s[k] == '-')
                negativeExponent = true;
            else if (isDigit(s[k]) && exponent < 1'000'000'000L)
                exponent = exponent * 10 + (s[k] - '0');
        }
        if (negativeExponent)
            exponent = -exponent;
        value = order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return scan.negative ? -value : value;
}

} // namespace

double leadingNumber(std::string_view text)
{
    // Blanks count for nothing, so gather the characters that can belong to a number first.
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (skippedInBox(c))
            continue;
        if (!isDigit(c) && c != '.' && c != '+' && c != '-' && c != 'e' && c != 'E')
            break;
        compact.push_back(c);
    }
    const Scan scan = scanNumber(compact);
    return scan.length == 0 ? 0.0 : convert(compact, scan);
}

std::optional<double> wholeNumber(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && skippedInBox(text[first]))
        ++first;
    while (last > first && skippedInBox(text[last - 1]))
        --last;
    const std::string_view trimmed = text.substr(first, last - first);
    const Scan scan = scanNumber(trimmed);
    if (scan.length == 0 || scan.length != trimmed.size())
        return std::nullopt;
    return convert(trimmed, scan);
}

std::string shortestDecimal(double value)
{
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

} // namespace orvane
