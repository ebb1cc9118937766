#include "core/csv.h"

#include "core/text.h"

namespace orvane {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

class CsvReader
{
public:
    explicit CsvReader(std::string_view source)
        : text(source)
    { }

    CsvText read()
    {
        CsvText result;
        while (position < text.size()) {
            if (skipLine())
                continue;
            CsvRecord record;
            record.line = line;
            const bool complete = readRecord(record.fields, result.problem);
            // The header row decides the separator; without one in it, fields are not split
            // at semicolons.
            if (separator == undecided)
                separator = ',';
            if (!complete)
                break;
            result.records.push_back(std::move(record));
        }
        result.separator = separator == undecided ? ',' : separator;
        return result;
    }

private:
    static constexpr char undecided = '\0';

    std::string_view text;
    std::size_t position = 0;
    int line = 1;
    char separator = undecided;

    // Until the separator is decided, the first comma or semicolon is one.
    bool atSeparator() const
    {
        const char c = peek();
        return separator == undecided ? c == ',' || c == ';' : c == separator;
    }

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
            if (atSeparator()) {
                separator = peek();
                ++position;
                continue;
            }
            if (!atEnd())
                takeLineBreak();
            return true;
        }
    }

    // One field, up to the separator or line break after it.
    bool readField(std::string &field, std::optional<CsvProblem> &problem)
    {
        std::size_t start = position;
        while (start < text.size() && isBlank(text[start]))
            ++start;
        if (start < text.size() && text[start] == '"') {
            position = start + 1;
            return readQuoted(field, problem);
        }
        while (!atEnd() && !atSeparator() && !atLineBreak())
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
        if (!atEnd() && !atSeparator() && !atLineBreak()) {
            problem = CsvProblem { line, std::string(csvTextAfterQuote) };
            return false;
        }
        return true;
    }
};

} // namespace

CsvText readCsv(std::string_view text)
{
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    if (validUtf8(text))
        return CsvReader(text).read();
    const std::string utf8 = utf8FromWindows1252(text);
    return CsvReader(utf8).read();
}

std::string csvField(std::string_view text, char separator)
{
    const bool quote = text.find_first_of("\"\r\n") != std::string_view::npos
        || text.find(separator) != std::string_view::npos
        || (!text.empty()
            && (isBlank(text.front()) || isBlank(text.back()) || text.front() == '#'));
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
