#include "core/length.h"

#include "core/cutlist.h"
#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace orvane {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool holdsBothMarks(std::string_view text, DecimalMark mark)
{
    return mark == DecimalMark::comma && text.find(',') != std::string_view::npos
        && text.find('.') != std::string_view::npos;
}

// Reads a text as it is given, character by character.
class Cursor
{
public:
    explicit Cursor(std::string_view source)
        : text(source)
    { }
    // The character at the cursor; NUL at the end.
    char peek() const { return position < text.size() ? text[position] : '\0'; }
    bool take(char c)
    {
        if (peek() != c)
            return false;
        ++position;
        return true;
    }
    std::string_view digits()
    {
        const std::size_t start = position;
        while (isDigit(peek()))
            ++position;
        return text.substr(start, position - start);
    }
    std::size_t skipBlanks()
    {
        const std::size_t start = position;
        while (isBlank(peek()))
            ++position;
        return position - start;
    }
    std::size_t at() const { return position; }
    void moveTo(std::size_t to) { position = to; }
    std::string_view rest() const { return text.substr(position); }

private:
    std::string_view text;
    std::size_t position = 0;
};

// Decimal digits as a double; nothing when they are too many for one. `shift` moves the decimal
// point right.
std::optional<double> decimal(
    std::string_view wholeDigits, std::string_view fractionDigits, int shift = 0)
{
    std::string text(wholeDigits.empty() ? "0" : wholeDigits);
    text += '.';
    text += fractionDigits;
    text += 'e';
    text += std::to_string(shift);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

static_assert(millimetresPerInch == 25.4);
constexpr std::uint64_t tenthMillimetresPerInch = 254;

// Whole numbers below 2^53 are exact in a double.
constexpr std::uint64_t exactLimit = std::uint64_t { 1 } << 53;

// `value` times ten `times` times, when the product stays exact in a double.
std::optional<std::uint64_t> timesTen(std::uint64_t value, int times)
{
    for (int i = 0; i < times; ++i) {
        if (value > exactLimit / 10)
            return std::nullopt;
        value *= 10;
    }
    return value;
}

// A metric length in inches: the decimal `wholeDigits`.`fractionDigits` times 10 to the power
// `shift`, in millimetres, divided by 25.4. Written as one exact whole number divided by another,
// digits times a power of ten over 254 times a power of ten, the division is the only rounding,
// so 19.05 mm is exactly 0.75 in. Too many digits for that are divided as a double.
std::optional<double> metricInches(
    std::string_view wholeDigits, std::string_view fractionDigits, int shift)
{
    std::string digits(wholeDigits);
    digits += fractionDigits;
    int exponent = shift - static_cast<int>(fractionDigits.size());
    while (!digits.empty() && digits.back() == '0' && exponent < 0) {
        digits.pop_back();
        ++exponent;
    }
    const auto first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? std::string("0") : digits.substr(first);
    // mm / 25.4 = digits * 10^exponent * 10 / 254, 254 being the tenths of a millimetre in an
    // inch.
    ++exponent;
    if (digits.size() <= 15) {
        const std::uint64_t whole = std::stoull(digits);
        const auto numerator = timesTen(whole, std::max(exponent, 0));
        const auto denominator = timesTen(tenthMillimetresPerInch, std::max(-exponent, 0));
        if (numerator && denominator && *numerator < exactLimit && *denominator < exactLimit)
            return static_cast<double>(*numerator) / static_cast<double>(*denominator);
    }
    const auto mm = decimal(wholeDigits, fractionDigits, shift);
    if (!mm)
        return std::nullopt;
    return *mm / millimetresPerInch;
}

enum class Unit
{
    inches,
    millimetres,
    centimetres
};

// The unit at the cursor and what follows it: nothing more may. No unit is inches.
std::optional<Unit> readUnit(Cursor &cursor)
{
    const std::string unit = lowered(trimmed(cursor.rest()));
    if (unit.empty() || unit == "in" || unit == "\"")
        return Unit::inches;
    if (unit == "mm")
        return Unit::millimetres;
    if (unit == "cm")
        return Unit::centimetres;
    return std::nullopt;
}

// "numerator/denominator" at the cursor, both whole numbers; the cursor moves past it only when
// it is there.
struct Fraction
{
    std::string_view numerator;
    std::string_view denominator;
};
std::optional<Fraction> readFraction(Cursor &cursor)
{
    const std::size_t start = cursor.at();
    Fraction fraction;
    fraction.numerator = cursor.digits();
    if (!fraction.numerator.empty() && cursor.take('/')) {
        fraction.denominator = cursor.digits();
        if (!fraction.denominator.empty())
            return fraction;
    }
    cursor.moveTo(start);
    return std::nullopt;
}

std::optional<double> fractionValue(const Fraction &fraction)
{
    const auto numerator = decimal(fraction.numerator, {});
    const auto denominator = decimal(fraction.denominator, {});
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;
    return *numerator / *denominator;
}

// The magnitude of an inch length written with a fraction: "3/4", "10 1/2" or "10-1/2". The
// cursor stands at the first digit; nothing when there is no fraction there.
std::optional<double> readFractionalInches(Cursor &cursor)
{
    const std::size_t start = cursor.at();
    if (const auto alone = readFraction(cursor))
        return fractionValue(*alone);
    const std::string_view whole = cursor.digits();
    if (!whole.empty() && (cursor.take('-') || cursor.skipBlanks() > 0)) {
        if (const auto part = readFraction(cursor)) {
            const auto wholeValue = decimal(whole, {});
            const auto partValue = fractionValue(*part);
            if (!wholeValue || !partValue)
                return std::nullopt;
            return *wholeValue + *partValue;
        }
    }
    cursor.moveTo(start);
    return std::nullopt;
}

} // namespace

std::optional<double> readLength(std::string_view text, DecimalMark mark)
{
    if (holdsBothMarks(text, mark))
        return std::nullopt;
    Cursor cursor(text);
    cursor.skipBlanks();
    const bool negative = cursor.take('-');
    if (!negative)
        cursor.take('+');

    // A fraction is tried first, so that "10 1/2" is not read as 10 followed by something else.
    // Only inches are written with fractions.
    const std::size_t numberStart = cursor.at();
    if (const auto inches = readFractionalInches(cursor)) {
        const auto unit = readUnit(cursor);
        if (unit != Unit::inches || !std::isfinite(*inches))
            return std::nullopt;
        return negative ? -*inches : *inches;
    }
    cursor.moveTo(numberStart);
    // A fraction that failed (a zero denominator) must not be read as a decimal and a unit.
    if (cursor.rest().find('/') != std::string_view::npos)
        return std::nullopt;

    const std::string_view whole = cursor.digits();
    std::string_view fraction;
    const bool marked = cursor.take('.') || (mark == DecimalMark::comma && cursor.take(','));
    if (marked)
        fraction = cursor.digits();
    if (whole.empty() && fraction.empty())
        return std::nullopt;

    const auto unit = readUnit(cursor);
    if (!unit)
        return std::nullopt;
    std::optional<double> inches;
    switch (*unit) {
    case Unit::inches: inches = decimal(whole, fraction); break;
    case Unit::millimetres: inches = metricInches(whole, fraction, 0); break;
    case Unit::centimetres: inches = metricInches(whole, fraction, 1); break;
    }
    if (!inches || !std::isfinite(*inches))
        return std::nullopt;
    return negative ? -*inches : *inches;
}

std::string_view whyNotALength(std::string_view text, DecimalMark mark)
{
    return holdsBothMarks(text, mark) ? oneDecimalMark : lengthForms;
}

} // namespace orvane
