#pragma once

// A JSON text read into a tree that keeps what a strict reader of a file needs: every key of an
// object in its order, a repeated one too, each number as it is written, and the line each object
// and list opens on.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct JsonValue
{
    enum class Kind
    {
        null,
        boolean,
        number,
        string,
        object,
        array
    };
    Kind kind = Kind::null;
    std::string key; // the key it is given under in an object; empty in a list
    double number = 0; // a number's value
    std::string text; // a string's value; a number, true, false or null as written ("7.50")
    int line = 1; // an object's or a list's: the line of its opening bracket
    std::vector<JsonValue> members; // an object's members or a list's items, in order
};

// Objects and lists nested deeper than this are kept without their contents: no file of the
// program nests that deep, and the tree's own depth stays bounded whatever the text.
inline constexpr std::size_t deepestJsonNesting = 8;

// Where and why a text is not JSON. The column counts bytes, from 1.
struct JsonSyntaxError
{
    int line = 1;
    int column = 1;
    std::string message;
};

struct JsonTree
{
    std::optional<JsonValue> root; // none when the text is not JSON
    std::optional<JsonSyntaxError> error;
};

// The one JSON value of `text`, which may start with a UTF-8 byte order mark.
JsonTree readJsonTree(std::string_view text);

} // namespace orvane
