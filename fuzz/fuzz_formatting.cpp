// The formatters on any number, NaN, infinities and subnormals included, and on any picture.
// Numbers that are not finite show as nothing. Otherwise each caption reads back within half its
// last place, a fraction text within half a sixteenth with the mark that says which way it went,
// and a board-feet estimate is a finite number or none.

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/ring.h"
#include "fuzz/check.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <string>

namespace {

double anyDouble(FuzzedDataProvider &data)
{
    return std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>());
}

// A caption through one of the program's pictures: `decimals` places at most, the sign only on a
// number that does not round to zero, no zero before the point.
void checkPicture(double value, std::string_view picture, int decimals)
{
    std::string text = orvane::formatPicture(value, picture);
    if (!std::isfinite(value)) {
        fuzz::check(text.empty(), "a number that is not finite shows", text);
        return;
    }
    const std::string degree = "\xc2\xb0";
    if (picture.ends_with(degree)) {
        fuzz::check(text.ends_with(degree), "no degree sign", text);
        text.resize(text.size() - degree.size());
    }
    const auto point = text.find('.');
    fuzz::check(point != std::string::npos, "no point", text);
    fuzz::check(int(text.size() - point - 1) <= decimals, "too many decimals", text);
    const std::size_t start = text.starts_with('-') ? 1 : 0;
    const std::string whole = text.substr(start, point - start);
    fuzz::check(!whole.starts_with('0'), "a zero before the point", text);
    if (text.starts_with('-'))
        fuzz::check(text.find_first_of("123456789") != std::string::npos, "minus zero", text);

    // The text holds the value rounded to its places; reading it back rounds once more.
    const double read = std::strtod(text.c_str(), nullptr);
    const double place = std::pow(10.0, -decimals);
    const double ulp = std::nextafter(std::fabs(value), std::numeric_limits<double>::infinity())
        - std::fabs(value);
    fuzz::check(
        std::fabs(read - value) <= 0.5 * place * (1 + 1e-9) + ulp, "does not read back", text);
}

void checkFraction(double value)
{
    const std::string text = orvane::fractionText(value);
    if (!std::isfinite(value)) {
        fuzz::check(text.empty(), "a length that is not finite shows", text);
        return;
    }
    fuzz::check(!fuzz::showsNonsense(text), "shows no number", text);
    if (std::fabs(value) >= 1e15) // beyond what the reader below takes in
        return;
    const auto read = fuzz::readFraction(text);
    fuzz::check(read.has_value(), "unreadable fraction", text);
    fuzz::check(std::fabs(read->shown - value) <= 1.0 / 32, "more than 1/32 away", text);
    const std::string mark = read->shown < value ? "+" : read->shown > value ? "-" : "";
    fuzz::check(read->mark == mark, "wrong mark", text);
}

void checkFifteenDigits(double value)
{
    const double carried = orvane::fifteenDigits(value);
    if (std::isnan(value)) {
        fuzz::check(std::isnan(carried), "NaN carried as a number");
        return;
    }
    fuzz::check(std::fabs(carried - value) <= 1e-14 * std::fabs(value) || carried == value,
        "fifteen digits changed the value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const double value = anyDouble(data);
    // The estimate reads a ring's sides, board width and count: any numbers at all.
    orvane::Ring ring;
    ring.longSide = anyDouble(data);
    ring.shortSide = anyDouble(data);
    ring.boardWidth = anyDouble(data);
    ring.segmentCount = anyDouble(data);
    const bool thicknessGiven = data.ConsumeBool();
    const double thickness = anyDouble(data);
    const std::string picture = data.ConsumeRemainingBytesAsString();

    // Any picture at all: nothing to check but that it goes through.
    const std::string anyText = orvane::formatPicture(value, picture);
    if (!std::isfinite(value))
        fuzz::check(anyText.empty(), "a number that is not finite shows", anyText);

    checkPicture(value, orvane::decimalPicture, 5);
    checkPicture(value, orvane::anglePicture, 5);
    checkPicture(value, orvane::boardFeetPicture, 4);
    checkPicture(value, orvane::detailAnglePicture, 4);
    checkPicture(value, orvane::reportAnglePicture, 5);
    checkFraction(value);
    checkFifteenDigits(value);
    if (std::isfinite(value)) {
        const std::string whole = orvane::numberText(std::floor(value));
        fuzz::check(std::strtod(whole.c_str(), nullptr) == std::floor(value),
            "whole number does not read back", whole);
    }

    const auto estimate
        = orvane::boardFeet(ring, thicknessGiven ? std::optional(thickness) : std::nullopt);
    if (estimate)
        fuzz::check(std::isfinite(*estimate), "an estimate that is not finite");
    const std::string caption = orvane::boardFeetCaption(estimate);
    fuzz::check(!fuzz::showsNonsense(caption), "board feet show no number", caption);
    fuzz::check(caption.empty() == !estimate, "an estimate without a caption", caption);
    return 0;
}
