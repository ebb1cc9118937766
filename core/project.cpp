#include "core/project.h"

#include "core/boardfeet.h"
#include "core/csv.h"
#include "core/cutlist.h"
#include "core/length.h"
#include "core/reading.h"

#include <cmath>

namespace orvane {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    result += text;
    result += '"';
    return result;
}

FieldReading refused(std::string_view text, std::string_view why, std::string_view allowed)
{
    FieldReading reading;
    reading.problem = quoted(text);
    reading.problem += why;
    reading.problem += allowed;
    return reading;
}

FieldReading readCount(std::string_view text)
{
    const auto count = wholeNumber(text);
    if (!count || std::floor(*count) != *count || *count < 3 || *count > largestSegmentCount)
        return refused(text, notAllowed, segmentCountAllowed);
    return FieldReading { *count, {} };
}

bool inRange(RingField field, double value)
{
    switch (field) {
    case RingField::outer:
    case RingField::thickness: return value > 0;
    default: return value >= 0;
    }
}

bool required(RingField field)
{
    return field == RingField::name || field == RingField::segments || field == RingField::outer
        || field == RingField::inner;
}

void setValue(RingSpec &ring, RingField field, double value)
{
    switch (field) {
    case RingField::segments: ring.inputs.segmentCount = value; break;
    case RingField::outer: ring.inputs.outerDiameter = value; break;
    case RingField::inner: ring.inputs.innerDiameter = value; break;
    case RingField::fudge: ring.inputs.fudge = value; break;
    case RingField::thickness: ring.thickness = value; break;
    case RingField::kerf: ring.kerf = value; break;
    case RingField::name: break;
    }
}

std::string located(std::string_view fileName, int line)
{
    std::string text(fileName);
    text += ':';
    text += std::to_string(line);
    text += ": ";
    return text;
}

std::string inColumn(RingField field)
{
    std::string text(columnPrefix);
    text += fieldName(field);
    text += "': ";
    return text;
}

// The columns a header names, in its order; nothing for a column that is not a ring's field.
struct Header
{
    std::vector<std::optional<RingField>> columns;
    bool sound = true;
};

Header readHeader(const CsvRecord &record, std::string_view fileName, Project &project)
{
    Header header;
    std::array<bool, allRingFields.size()> named {};
    for (const std::string &cell : record.fields) {
        const std::string name = lowered(trimmed(cell));
        std::optional<RingField> column;
        for (const RingField field : allRingFields) {
            if (name == fieldName(field))
                column = field;
        }
        if (!column) {
            project.problems.push_back(located(fileName, record.line) + std::string(unknownColumn)
                + std::string(trimmed(cell)) + std::string(knownColumns));
            header.sound = false;
        } else if (named[static_cast<std::size_t>(*column)]) {
            project.problems.push_back(located(fileName, record.line) + std::string(columnPrefix)
                + std::string(fieldName(*column)) + std::string(repeatedColumn));
            header.sound = false;
        } else {
            named[static_cast<std::size_t>(*column)] = true;
        }
        header.columns.push_back(column);
    }
    for (const RingField field : allRingFields) {
        if (required(field) && !named[static_cast<std::size_t>(field)]) {
            project.problems.push_back(located(fileName, record.line) + std::string(missingColumn)
                + std::string(fieldName(field)) + std::string(requiredColumns));
            header.sound = false;
        }
    }
    return header;
}

// One ring from its record; adds a message for each problem.
void readRing(
    const CsvRecord &record, const Header &header, std::string_view fileName, Project &project)
{
    const std::string here = located(fileName, record.line);
    if (record.fields.size() > header.columns.size()) {
        project.problems.push_back(here + std::to_string(record.fields.size())
            + std::string(tooManyCells) + std::to_string(header.columns.size())
            + std::string(columnsWord));
        return;
    }
    std::array<std::string_view, allRingFields.size()> cells {};
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        if (header.columns[i])
            cells[static_cast<std::size_t>(*header.columns[i])] = trimmed(record.fields[i]);
    }

    RingSpec ring = defaultRing();
    ring.line = record.line;
    bool sound = true;
    for (const RingField field : allRingFields) {
        const std::string_view cell = cells[static_cast<std::size_t>(field)];
        if (cell.empty()) {
            if (required(field)) {
                project.problems.push_back(here + inColumn(field) + std::string(missingValue)
                    + std::string(fieldAllowed(field)));
                sound = false;
            }
            continue;
        }
        if (field == RingField::name) {
            ring.name = cell;
            continue;
        }
        const FieldReading reading = readRingField(field, cell);
        if (!reading.problem.empty()) {
            project.problems.push_back(here + inColumn(field) + reading.problem);
            sound = false;
        } else {
            setValue(ring, field, reading.value);
        }
    }
    if (!sound)
        return;
    if (const auto problem = checkRing(ring)) {
        project.problems.push_back(here
            + (problem->field ? inColumn(*problem->field) : std::string {}) + problem->message);
        return;
    }
    project.rings.push_back(std::move(ring));
}

} // namespace

RingSpec defaultRing()
{
    RingSpec ring;
    ring.name = ringDefaults::name;
    ring.inputs = RingInputs { ringDefaults::segmentCount, ringDefaults::outerDiameter,
        ringDefaults::innerDiameter, ringDefaults::fudge };
    ring.thickness = ringDefaults::thickness;
    ring.kerf = ringDefaults::kerf;
    return ring;
}

std::string_view fieldName(RingField field)
{
    switch (field) {
    case RingField::name: return "name";
    case RingField::segments: return "segments";
    case RingField::outer: return "outer";
    case RingField::inner: return "inner";
    case RingField::fudge: return "fudge";
    case RingField::thickness: return "thickness";
    case RingField::kerf: return "kerf";
    }
    return {};
}

std::string_view fieldAllowed(RingField field)
{
    switch (field) {
    case RingField::name: return nameAllowed;
    case RingField::segments: return segmentCountAllowed;
    case RingField::outer:
    case RingField::thickness: return positiveLengthAllowed;
    case RingField::inner: return innerAllowed;
    case RingField::fudge:
    case RingField::kerf: return nonNegativeLengthAllowed;
    }
    return {};
}

FieldReading readRingField(RingField field, std::string_view text)
{
    if (field == RingField::segments)
        return readCount(text);
    const auto length = readLength(text);
    if (!length)
        return refused(text, notALength, lengthForms);
    if (!inRange(field, *length))
        return refused(text, notAllowed, fieldAllowed(field));
    return FieldReading { *length, {} };
}

std::optional<RingProblem> checkRing(const RingSpec &ring)
{
    if (!(ring.inputs.innerDiameter < ring.inputs.outerDiameter)) {
        std::string message = shortestDecimal(ring.inputs.innerDiameter);
        message += inchesUnit;
        message += notAllowed;
        message += innerAllowed;
        message += outerDiameterIs;
        message += shortestDecimal(ring.inputs.outerDiameter);
        message += inchesUnit;
        message += ')';
        return RingProblem { RingField::inner, message };
    }
    const auto computed = computeRing(ring.inputs);
    if (!computed)
        return RingProblem { RingField::segments, std::string(segmentCountAllowed) };
    const auto feet = boardFeet(*computed, ring.thickness);
    if (!feet || !std::isfinite(stripLength(*computed, ring.kerf))
        || !std::isfinite(computed->longSide) || !std::isfinite(computed->shortSide)
        || !std::isfinite(computed->boardWidth)) {
        return RingProblem { std::nullopt, std::string(tooLarge) };
    }
    return std::nullopt;
}

Project readProject(std::string_view text, std::string_view fileName)
{
    Project project;
    const CsvText csv = readCsv(text);
    if (csv.problem) {
        project.problems.push_back(located(fileName, csv.problem->line) + csv.problem->message);
        return project;
    }
    if (csv.records.empty()) {
        project.problems.push_back(std::string(fileName) + ": " + std::string(emptyProject));
        return project;
    }
    const Header header = readHeader(csv.records.front(), fileName, project);
    if (!header.sound)
        return project;
    if (csv.records.size() == 1) {
        project.problems.push_back(std::string(fileName) + ": " + std::string(noRings));
        return project;
    }
    project.rings.reserve(csv.records.size() - 1);
    for (std::size_t i = 1; i < csv.records.size(); ++i)
        readRing(csv.records[i], header, fileName, project);
    if (!project.problems.empty())
        project.rings.clear();
    return project;
}

} // namespace orvane
