#pragma once

// Sixteenth-inch fraction texts read back as the lengths they show, for checks that compare them
// with the lengths they were made from: the fuzz targets, and the tests of the fractions and of
// every ring. Standard C++ only, as the fuzz build has no Qt.

#include <optional>
#include <string>

namespace fractionreader {

// A fraction text read back: the length it shows and the mark it carries.
struct ReadFraction
{
    double shown = 0;
    std::string mark;
};

// Reads " 14  3/ 4+" as 14.75 and "+", " 6 -" as 6 and "-", "-3  11/ 16+" as -2.3125 and "+".
// Nothing for a text of another form, or a fraction that is not reduced, not below one or not
// over 2, 4, 8 or 16 (a zero fraction is written 0/2).
inline std::optional<ReadFraction> readFraction(const std::string &text)
{
    std::size_t at = 0;
    const auto signedNumber = [&]() -> std::optional<long long> {
        if (at >= text.size() || (text[at] != ' ' && text[at] != '-'))
            return std::nullopt;
        const bool negative = text[at++] == '-';
        const std::size_t first = at;
        long long value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - first < 18)
            value = value * 10 + (text[at++] - '0');
        if (at == first)
            return std::nullopt;
        return negative ? -value : value;
    };
    const auto whole = signedNumber();
    if (!whole || at >= text.size() || text[at++] != ' ')
        return std::nullopt;
    ReadFraction read { double(*whole), {} };
    if (at < text.size() && text[at] == ' ') {
        const auto numerator = signedNumber();
        if (!numerator || at >= text.size() || text[at++] != '/')
            return std::nullopt;
        const auto denominator = signedNumber();
        if (!denominator || *numerator < 0 || *numerator >= *denominator)
            return std::nullopt;
        if (*denominator != 2 && *denominator != 4 && *denominator != 8 && *denominator != 16)
            return std::nullopt;
        const bool reduced = *numerator == 0 ? *denominator == 2 : *numerator % 2 == 1;
        if (!reduced)
            return std::nullopt;
        read.shown += double(*numerator) / double(*denominator);
    }
    read.mark = text.substr(at);
    if (read.mark != "" && read.mark != "+" && read.mark != "-")
        return std::nullopt;
    return read;
}

} // namespace fractionreader
