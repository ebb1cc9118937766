#pragma once

// Comma-separated values as RFC 4180 writes them, read into records.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One record: its fields and the line of the text it starts on, counted from 1.
struct CsvRecord
{
    std::vector<std::string> fields;
    int line = 0;
};

// What went wrong reading a text, and on which line.
struct CsvProblem
{
    int line = 0;
    std::string message;
};

struct CsvText
{
    std::vector<CsvRecord> records;
    std::optional<CsvProblem> problem; // when set, the records are incomplete
};

// The records of `text`. Fields are separated by commas and records by line breaks (CRLF, LF or
// a CR alone). A field in double quotes may hold commas, line breaks and quotes written twice;
// blanks before its opening and after its closing quote are ignored, anything else after the
// closing quote is a problem, and so is a quote left open at the end of the text. A quote inside
// a field that does not start with one is an ordinary character (10" bowl). Blank lines and
// lines starting with "#" are skipped, and so is a UTF-8 byte order mark at the start.
CsvText readCsv(std::string_view text);

// A field as `readCsv` reads it back: quoted when it holds a comma, a quote, a line break, blanks
// at either end or starts with "#", quotes inside written twice.
std::string csvField(std::string_view text);

// Problems in a text's quoting.
inline constexpr std::string_view csvUnclosedQuote
    = "a quoted field is not closed: a field in double quotes ends with a double quote";
inline constexpr std::string_view csvTextAfterQuote
    = "text after the closing quote of a field: a field in double quotes ends at its quote, "
      "and a quote inside it is written twice";

} // namespace orvane
