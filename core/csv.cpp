#include "core/csv.h"

namespace orvane {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

class CsvReader
{
public:
    explicit CsvReader(std::string_view source)
        : text(source)
    { }

    CsvText read()
    {
        CsvText result;
        if (text.starts_with("\xEF\xBB\xBF"))
            position = 3;
        while (position < text.size()) {
            if (skipLine())
                continue;
            CsvRecord record;
            record.line = line;
            if (!readRecord(record.fields, result.problem))
                return result;
            result.records.push_back(std::move(record));
        }
        return result;
    }

private:
    std::string_view text;
    std::size_t position = 0;
    int line = 1;

    char peek() const { return position < text.size() ? text[position] : '\0'; }
    bool atEnd() const { return position >= text.size(); }
    bool atLineBreak() const { return peek() == '\n' || peek() == '\r'; }

    // Moves past a line break at the position: CRLF, LF or CR.
    void takeLineBreak()
    {
        if (peek() == '\r')
            ++position;
        if (peek() == '\n')
            ++position;
        ++line;
    }

    // Moves past a blank line or a comment; false at the start of a record.
    bool skipLine()
    {
        std::size_t end = position;
        while (end < text.size() && isBlank(text[end]))
            ++end;
        const bool blank = end == text.size() || text[end] == '\n' || text[end] == '\r';
        if (!blank && text[position] != '#')
            return false;
        while (!atEnd() && !atLineBreak())
            ++position;
        if (!atEnd())
            takeLineBreak();
        return true;
    }

    bool readRecord(std::vector<std::string> &fields, std::optional<CsvProblem> &problem)
    {
        for (;;) {
            std::string field;
            if (!readField(field, problem))
                return false;
            fields.push_back(std::move(field));
            if (peek() == ',') {
                ++position;
                continue;
            }
            if (!atEnd())
                takeLineBreak();
            return true;
        }
    }

    // One field, up to the comma or line break after it.
    bool readField(std::string &field, std::optional<CsvProblem> &problem)
    {
        std::size_t start = position;
        while (start < text.size() && isBlank(text[start]))
            ++start;
        if (start < text.size() && text[start] == '"') {
            position = start + 1;
            return readQuoted(field, problem);
        }
        while (!atEnd() && peek() != ',' && !atLineBreak())
            field += text[position++];
        return true;
    }

    bool readQuoted(std::string &field, std::optional<CsvProblem> &problem)
    {
        const int firstLine = line;
        for (;;) {
            if (atEnd()) {
                problem = CsvProblem { firstLine, std::string(csvUnclosedQuote) };
                return false;
            }
            const char c = text[position];
            if (c == '"') {
                ++position;
                if (peek() != '"')
                    break;
            } else if (c == '\r' || c == '\n') {
                // A line break inside quotes is kept as it is written, and still counts as a line.
                if (c == '\r' && position + 1 < text.size() && text[position + 1] == '\n') {
                    field += '\r';
                    ++position;
                }
                field += text[position++];
                ++line;
                continue;
            }
            field += c;
            ++position;
        }
        while (isBlank(peek()))
            ++position;
        if (!atEnd() && peek() != ',' && !atLineBreak()) {
            problem = CsvProblem { line, std::string(csvTextAfterQuote) };
            return false;
        }
        return true;
    }
};

} // namespace

CsvText readCsv(std::string_view text)
{
    return CsvReader(text).read();
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
