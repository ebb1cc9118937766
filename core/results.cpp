#include "core/results.h"

#include "core/angles.h"
#include "core/boardfeet.h"
#include "core/cutlist.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvane {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

LengthResult lengthResult(double inches)
{
    return LengthResult { inches, std::string(trimmed(fractionText(inches))),
        inches * millimetresPerInch };
}

// The width of a text on a terminal: its UTF-8 characters, each one column wide.
std::size_t columns(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

void padded(std::string &out, std::string_view text, std::size_t width)
{
    out += text;
    const std::size_t used = columns(text);
    if (used < width)
        out.append(width - used, ' ');
}

constexpr std::size_t labelWidth = 32;
constexpr std::size_t fractionWidth = 18;
constexpr std::size_t decimalWidth = 15;

void countLine(std::string &out, std::string_view label, double value)
{
    padded(out, label, labelWidth);
    out += inputInchesText(value);
    out += '\n';
}

// An input length in inches and, in the millimetres column, in millimetres.
void inputLine(std::string &out, std::string_view label, double inches)
{
    padded(out, label, labelWidth);
    padded(out, inputInchesText(inches), fractionWidth + decimalWidth);
    out += millimetresText(inches);
    out += '\n';
}

void lengthLine(std::string &out, std::string_view label, double inches)
{
    padded(out, label, labelWidth);
    padded(out, fractionText(inches), fractionWidth);
    padded(out, decimalText(inches), decimalWidth);
    out += millimetresText(inches);
    out += '\n';
}

void ringText(std::string &out, const RingResults &results)
{
    const RingSpec &ring = results.ring;
    out += projectNameLabel;
    out += ring.name;
    out += '\n';
    countLine(out, segmentsLabel, ring.inputs.segmentCount);
    inputLine(out, outerLabel, ring.inputs.outerDiameter);
    inputLine(out, innerLabel, ring.inputs.innerDiameter);
    inputLine(out, fudgeLabel, ring.inputs.fudge);
    inputLine(out, thicknessLabel, ring.thickness);
    inputLine(out, kerfLabel, ring.kerf);
    out += '\n';

    padded(out, {}, labelWidth);
    padded(out, fractionHeading, fractionWidth);
    padded(out, decimalHeading, decimalWidth);
    out += millimetresHeading;
    out += '\n';
    lengthLine(out, longSideLabel, results.longSide.inches);
    lengthLine(out, shortSideLabel, results.shortSide.inches);
    lengthLine(out, boardWidthLabel, results.boardWidth.inches);
    lengthLine(out, stripLengthLabel, results.stripLength.inches);
    out += '\n';

    padded(out, {}, labelWidth);
    padded(out, longAngleHeading, fractionWidth);
    out += shortAngleHeading;
    out += '\n';
    padded(out, miterAngleLabel, labelWidth);
    padded(out, angleText(results.longSideAngle, anglePicture), fractionWidth);
    out += angleText(results.shortSideAngle, anglePicture);
    out += '\n';
    padded(out, boardFeetLabel, labelWidth);
    out += boardFeetCaption(results.boardFeet);
    out += '\n';
}

void jsonNumber(std::string &out, double value)
{
    const std::string text = shortestNumber(value);
    out += text.empty() ? "null" : text;
}

// The length of the UTF-8 character that starts `text`, or 0 when it does not start with one:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    // Only the second byte has a narrower range; the others are any continuation byte.
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::optional<RingResults> ringResults(const RingSpec &ring)
{
    if (checkRing(ring))
        return std::nullopt;
    const auto computed = computeRing(ring.inputs);
    const auto angles = miterAngles(ring.inputs.segmentCount);
    if (!computed || !angles)
        return std::nullopt;
    const auto feet = boardFeet(*computed, ring.thickness);
    if (!feet)
        return std::nullopt;
    RingResults results;
    results.ring = ring;
    results.longSideAngle = angles->longSide;
    results.shortSideAngle = angles->shortSide;
    results.longSide = lengthResult(computed->longSide);
    results.shortSide = lengthResult(computed->shortSide);
    results.boardWidth = lengthResult(computed->boardWidth);
    results.boardFeet = *feet;
    results.stripLength = lengthResult(stripLength(*computed, ring.kerf));
    return results;
}

std::array<ResultValue, resultFields.size()> resultValues(const RingResults &results)
{
    const RingSpec &ring = results.ring;
    return {
        ring.name,
        ring.inputs.segmentCount,
        ring.inputs.outerDiameter,
        ring.inputs.innerDiameter,
        ring.inputs.fudge,
        ring.thickness,
        ring.kerf,
        results.longSideAngle,
        results.shortSideAngle,
        results.longSide.inches,
        results.longSide.fraction,
        results.longSide.millimetres,
        results.shortSide.inches,
        results.shortSide.fraction,
        results.shortSide.millimetres,
        results.boardWidth.inches,
        results.boardWidth.fraction,
        results.boardWidth.millimetres,
        results.boardFeet,
        results.stripLength.inches,
        results.stripLength.fraction,
        results.stripLength.millimetres,
    };
}

std::string resultsText(const std::vector<RingResults> &rings)
{
    std::string out;
    double totalFeet = 0;
    double totalStrip = 0;
    for (const RingResults &results : rings) {
        if (!out.empty())
            out += '\n';
        ringText(out, results);
        totalFeet += results.boardFeet;
        totalStrip += results.stripLength.inches;
    }
    if (rings.size() > 1) {
        out += '\n';
        padded(out, totalBoardFeetLabel, labelWidth);
        out += boardFeetCaption(totalFeet);
        out += '\n';
        padded(out, totalStripLabel, labelWidth);
        out += decimalText(totalStrip);
        out += '\n';
    }
    return out;
}

std::string resultsCsv(const std::vector<RingResults> &rings)
{
    std::string out;
    for (std::size_t i = 0; i < resultFields.size(); ++i) {
        out += i == 0 ? "" : ",";
        out += resultFields[i];
    }
    out += '\n';
    for (const RingResults &results : rings) {
        bool first = true;
        for (const ResultValue &value : resultValues(results)) {
            out += first ? "" : ",";
            first = false;
            if (const auto *text = std::get_if<std::string>(&value))
                out += csvField(*text);
            else
                out += shortestNumber(std::get<double>(value));
        }
        out += '\n';
    }
    return out;
}

std::string resultsJson(const std::vector<RingResults> &rings)
{
    std::string out = "{\n  \"rings\": [";
    double totalFeet = 0;
    double totalStrip = 0;
    bool firstRing = true;
    for (const RingResults &results : rings) {
        out += firstRing ? "\n    {" : ",\n    {";
        firstRing = false;
        const auto values = resultValues(results);
        for (std::size_t i = 0; i < values.size(); ++i) {
            out += i == 0 ? "\n      " : ",\n      ";
            out += jsonString(resultFields[i]);
            out += ": ";
            if (const auto *text = std::get_if<std::string>(&values[i]))
                out += jsonString(*text);
            else
                jsonNumber(out, std::get<double>(values[i]));
        }
        out += "\n    }";
        totalFeet += results.boardFeet;
        totalStrip += results.stripLength.inches;
    }
    out += rings.empty() ? "],\n" : "\n  ],\n";
    out += "  \"total_board_feet\": ";
    jsonNumber(out, totalFeet);
    out += ",\n  \"total_strip_length_in\": ";
    jsonNumber(out, totalStrip);
    out += "\n}\n";
    return out;
}

std::string shortestNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    std::array<char, 32> buffer {};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

std::string jsonString(std::string_view text)
{
    static constexpr std::string_view hex = "0123456789abcdef";
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            } else if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (const std::size_t length = utf8Length(text.substr(i))) {
                out += text.substr(i, length);
                i += length;
                continue;
            } else {
                out += "\\ufffd";
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string csvField(std::string_view text)
{
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos
        || (!text.empty()
            && (text.front() == ' ' || text.front() == '\t' || text.back() == ' '
                || text.back() == '\t' || text.front() == '#'));
    if (!quote)
        return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace orvane
