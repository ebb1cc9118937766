#include "core/length.h"

#include "core/cutlist.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

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
constexpr int tenthMillimetresPerInch = 254;

// A metric length in inches: the decimal `wholeDigits`.`fractionDigits` times 10 to the power
// `shift`, in millimetres, divided by 25.4 exactly, and rounded once to the nearest double, so that
// 19.05 mm is exactly 0.75 in and a length reads the same whatever its number of digits.
std::optional<double> metricInches(
    std::string_view wholeDigits, std::string_view fractionDigits, int shift)
{
    std::string digits(wholeDigits);
    digits += fractionDigits;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    digits.erase(0, first);
    // mm / 25.4 = digits * 10^(shift - fraction digits) * 10 / 254, 254 being the tenths of a
    // millimetre in an inch. The long division by 254 goes on until it is exact or has 40
    // significant digits, beyond which a last digit 1 stands for a remainder: the quotient then
    // lies strictly between the same neighbouring doubles as the exact one, and rounds as it does.
    long long scale
        = static_cast<long long>(shift) - static_cast<long long>(fractionDigits.size()) + 1;
    std::string quotient;
    int remainder = 0;
    std::size_t used = 0;
    constexpr std::size_t significantDigits = 40;
    while (used < digits.size() || remainder != 0) {
        if (used < digits.size()) {
            remainder = remainder * 10 + (digits[used++] - '0');
        } else {
            remainder *= 10;
            --scale;
        }
        const int digit = remainder / tenthMillimetresPerInch;
        remainder %= tenthMillimetresPerInch;
        if (!quotient.empty() || digit != 0)
            quotient += static_cast<char>('0' + digit);
        if (quotient.size() == significantDigits) {
            scale += static_cast<long long>(digits.size() - used);
            if (remainder != 0 || digits.find_first_not_of('0', used) != std::string::npos) {
                quotient += '1';
                --scale;
            }
            break;
        }
    }
    const std::string text = quotient + 'e' + std::to_string(scale);
    double inches = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), inches);
    if (error != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return inches;
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

std::optional<double> millimetresInInches(std::string_view number)
{
    Cursor cursor(number);
    const bool negative = cursor.take('-');
    if (!negative)
        cursor.take('+');
    const std::string_view whole = cursor.digits();
    std::string_view fraction;
    if (cursor.take('.'))
        fraction = cursor.digits();
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    // An exponent beyond this makes any number of digits a text can hold infinite or zero; ten
    // times it stays within an int.
    constexpr int widestShift = 100'000'000;
    int shift = 0;
    if (cursor.take('e') || cursor.take('E')) {
        const bool down = cursor.take('-');
        if (!down)
            cursor.take('+');
        const std::string_view exponent = cursor.digits();
        if (exponent.empty())
            return std::nullopt;
        for (const char digit : exponent)
            shift = std::min(shift * 10 + (digit - '0'), widestShift);
        shift = down ? -shift : shift;
    }
    if (!cursor.rest().empty())
        return std::nullopt;
    const auto nonZero = [](char c) { return c != '0'; };
    if (std::none_of(whole.begin(), whole.end(), nonZero)
        && std::none_of(fraction.begin(), fraction.end(), nonZero))
        return negative ? -0.0 : 0.0;
    const auto inches = metricInches(whole, fraction, shift);
    if (!inches || !std::isfinite(*inches))
        return std::nullopt;
    return negative ? -*inches : *inches;
}

std::string shortestMillimetres(double inches)
{
    if (!std::isfinite(inches))
        return {};
    constexpr double largest = std::numeric_limits<double>::max();
    const double product = std::clamp(inches * millimetresPerInch, -largest, largest);
    const auto readsBack
        = [&](const std::string &text) { return millimetresInInches(text) == inches; };
    std::array<char, 40> buffer {};
    const auto shortest = [&](double value) {
        return std::string(
            buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
    };
    for (int digits = 1; digits <= 17; ++digits) {
        // The product to `digits` significant digits, "-1.905e+01", as a whole number of units
        // of its last digit and the power of ten of that digit.
        const std::string rounded(buffer.data(),
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), product,
                std::chars_format::scientific, digits - 1)
                .ptr);
        const auto e = rounded.find('e');
        std::string mantissa = rounded.substr(0, e);
        std::erase(mantissa, '.');
        const bool negative = mantissa.starts_with('-');
        const long long units = std::stoll(negative ? mantissa.substr(1) : mantissa);
        const int power = std::stoi(rounded.substr(e + 1)) - (digits - 1);
        // The product is a few units in its last place from the exact millimetres: with more
        // digits than that holds, the decimal nearest the exact millimetres may be a few units of
        // its last digit away from the product's.
        const int reach = digits < 15 ? 0 : 8;
        for (int step = 0; step <= 2 * reach; ++step) {
            const long long candidate = units + (step % 2 == 0 ? step / 2 : -(step + 1) / 2);
            if (candidate <= 0)
                continue;
            const std::string text
                = (negative ? "-" : "") + std::to_string(candidate) + 'e' + std::to_string(power);
            if (!readsBack(text))
                continue;
            // "19.05" rather than "1905e-2", where the shortest form of its double reads back
            // the same; else the decimal as it is.
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            const std::string plain = shortest(value);
            return readsBack(plain) ? plain : text;
        }
    }
    return shortest(product);
}

} // namespace orvane
