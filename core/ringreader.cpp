#include "core/ringreader.h"

#include "core/reading.h"
#include "core/ringresult.h"
#include "core/text.h"

#include <cmath>

namespace orvane {

namespace {

FieldReading refused(std::string_view written, std::string_view why, std::string_view allowed)
{
    FieldReading reading;
    reading.problem = '"';
    reading.problem += written;
    reading.problem += '"';
    reading.problem += why;
    reading.problem += allowed;
    return reading;
}

bool inRange(RingField field, double value)
{
    switch (field) {
    case RingField::segments:
        return std::floor(value) == value && value >= 3 && value <= largestSegmentCount;
    case RingField::outer:
    case RingField::thickness: return value > 0;
    default: return value >= 0;
    }
}

} // namespace

FieldReading readRingField(RingField field, std::string_view text, DecimalMark mark)
{
    if (field == RingField::segments) {
        // A count is digits alone: no blanks inside it, as in no length.
        const std::string_view digits = trimmed(text);
        const auto count = digits.find_first_of(" \t\r\n") == std::string_view::npos
            ? wholeNumber(digits)
            : std::nullopt;
        if (!count || !inRange(field, *count))
            return refused(text, notAllowed, segmentCountAllowed);
        return FieldReading { *count, {} };
    }
    const auto length = readLength(text, mark);
    if (!length)
        return refused(text, notALength, whyNotALength(text, mark));
    return checkRingField(field, *length, text);
}

WoodReading readWoodField(std::string_view text)
{
    WoodReading reading;
    if (text.find('+') == std::string_view::npos) {
        reading.wood = trimmed(text);
        return reading;
    }
    for (std::string_view rest = text;;) {
        const std::size_t plus = rest.find('+');
        const std::string_view name = trimmed(rest.substr(0, plus));
        if (name.empty()) {
            reading.pattern.clear();
            reading.problem = refused(text, notAllowed, woodAllowed).problem;
            return reading;
        }
        reading.pattern.emplace_back(name);
        if (plus == std::string_view::npos)
            return reading;
        rest.remove_prefix(plus + 1);
    }
}

FieldReading checkRingField(RingField field, double value, std::string_view written)
{
    if (!std::isfinite(value) || !inRange(field, value))
        return refused(written, notAllowed, fieldAllowed(field));
    return FieldReading { value, {} };
}

RingReader::RingReader(RingDesign start)
    : ring(std::move(start))
{ }

void RingReader::text(RingField field, std::string_view value, DecimalMark mark)
{
    if (field == RingField::name)
        ring.name = value;
    else if (field == RingField::wood)
        takeWoods(readWoodField(value));
    else
        take(field, readRingField(field, value, mark));
}

void RingReader::number(RingField field, double value, std::string_view written)
{
    take(field, checkRingField(field, value, written));
}

void RingReader::missing(RingField field)
{
    problems.push_back({ field, std::string(missingValue) + std::string(fieldAllowed(field)) });
}

void RingReader::refuse(RingField field, std::string why)
{
    problems.push_back({ field, std::move(why) });
}

void RingReader::takeWoods(WoodReading reading)
{
    if (!reading.problem.empty()) {
        problems.push_back({ RingField::wood, std::move(reading.problem) });
        return;
    }
    ring.wood = std::move(reading.wood);
    ring.pattern = std::move(reading.pattern);
}

void RingReader::take(RingField field, const FieldReading &reading)
{
    if (!reading.problem.empty()) {
        problems.push_back({ field, reading.problem });
        return;
    }
    switch (field) {
    case RingField::segments: ring.inputs.segmentCount = reading.value; break;
    case RingField::outer: ring.inputs.outerDiameter = reading.value; break;
    case RingField::inner: ring.inputs.innerDiameter = reading.value; break;
    case RingField::fudge: ring.inputs.fudge = reading.value; break;
    case RingField::thickness: ring.thickness = reading.value; break;
    case RingField::kerf: ring.kerf = reading.value; break;
    case RingField::name:
    case RingField::wood: break;
    }
}

RingReader::Reading RingReader::finish() const
{
    if (!problems.empty())
        return { ring, problems };
    return { ring, computeRingResult(ring).problems };
}

} // namespace orvane
