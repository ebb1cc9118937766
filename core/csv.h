#pragma once

// Comma-separated values as RFC 4180 writes them, and as spreadsheets in many European locales
// write them, with semicolons between the fields: read into records, and fields written.

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
    char separator = ','; // ',' or ';'
};

// The records of `text`. Fields are separated by the separator and records by line breaks (CRLF,
// LF or a CR alone). The separator is the first comma or semicolon outside quotes in the header
// row, the first record; a comma when it has neither. A field in double quotes may hold
// separators, line breaks and quotes written twice; blanks before its opening and after its
// closing quote are ignored, anything else after the closing quote is a problem, and so is a
// quote left open at the end of the text. A quote inside a field that does not start with one is
// an ordinary character (10" bowl). Blank lines and lines starting with "#" are skipped, and so is
// a UTF-8 byte order mark at the start. A text that is not UTF-8 after it is read as
// Windows-1252: the fields are always UTF-8.
CsvText readCsv(std::string_view text);

// `text` as one field of a record that `separator` separates: in double quotes, with each quote
// written twice, when it holds the separator, a quote or a line break, starts or ends with a
// blank, or starts with "#"; as it is otherwise.
std::string csvField(std::string_view text, char separator = ',');

// Problems in a text's quoting.
inline constexpr std::string_view csvUnclosedQuote
    = "a quoted field is not closed: a field in double quotes ends with a double quote";
inline constexpr std::string_view csvTextAfterQuote
    = "text after the closing quote of a field: a field in double quotes ends at its quote, "
      "and a quote inside it is written twice";

} // namespace orvane
