#include "core/jsontext.h"

#include "core/text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvane {

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

} // namespace orvane
