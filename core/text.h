#pragma once

// The rules the readers of typed texts share (project files, lengths, the command line's values):
// what a blank is, trimming, case, and the character encodings files come in.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// A blank is a space or a tab. A line break is not: it ends a line of a file.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// `text` without the blanks around it.
std::string_view trimmed(std::string_view text);

// `text` with the ASCII letters A to Z in lower case; every other byte as it is.
std::string lowered(std::string_view text);

// The length of the UTF-8 character that starts `text`, or 0 when it does not start with one:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t utf8Length(std::string_view text);

// Whether the whole of `text` is UTF-8 by the rule of utf8Length.
bool validUtf8(std::string_view text);

// `text` read as Windows-1252, the encoding Western European spreadsheets save in, written in
// UTF-8.
std::string utf8FromWindows1252(std::string_view text);

} // namespace orvane
