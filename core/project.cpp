#include "core/project.h"

#include "core/csv.h"
#include "core/ringreader.h"
#include "core/text.h"

namespace orvane {

namespace {

bool required(RingField field)
{
    return field == RingField::name || field == RingField::segments || field == RingField::outer
        || field == RingField::inner;
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
void readRing(const CsvRecord &record, const Header &header, DecimalMark mark,
    std::string_view fileName, Project &project)
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

    RingDesign start = defaultRing();
    start.line = record.line;
    RingReader reader(std::move(start));
    for (const RingField field : allRingFields) {
        const std::string_view cell = cells[static_cast<std::size_t>(field)];
        if (!cell.empty())
            reader.text(field, cell, mark);
        else if (required(field))
            reader.missing(field);
    }
    RingReader::Reading reading = reader.finish();
    for (const RingProblem &problem : reading.problems) {
        project.problems.push_back(
            here + (problem.field ? inColumn(*problem.field) : std::string {}) + problem.message);
    }
    if (reading.problems.empty())
        project.rings.push_back(std::move(reading.ring));
}

} // namespace

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
    // Spreadsheets that separate cells with semicolons write decimal commas.
    const DecimalMark mark = csv.separator == ';' ? DecimalMark::comma : DecimalMark::point;
    for (std::size_t i = 1; i < csv.records.size(); ++i)
        readRing(csv.records[i], header, mark, fileName, project);
    if (!project.problems.empty())
        project.rings.clear();
    return project;
}

} // namespace orvane
