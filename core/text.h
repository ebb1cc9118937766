#pragma once

// The one rule for blanks in typed texts: a space or a tab.

#include <string>
#include <string_view>

namespace orvane {

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

} // namespace orvane
