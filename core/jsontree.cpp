#include "core/jsontree.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>
#include <utility>

namespace orvane {

namespace {

using Kind = JsonValue::Kind;

// Walks the text for the parser, counting the lines it passes, so that each value the parser
// reports can be given the line it is on.
class CountingIterator
{
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char *;
    using reference = const char &;

    CountingIterator(const char *start, int *lineCount)
        : at(start)
        , line(lineCount)
    { }
    reference operator*() const { return *at; }
    CountingIterator &operator++()
    {
        if (*at == '\n')
            ++*line;
        ++at;
        return *this;
    }
    CountingIterator operator++(int)
    {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator &other) const { return at == other.at; }

private:
    const char *at;
    int *line;
};

// Builds the tree from the parser's events.
class TreeBuilder
{
public:
    using json = nlohmann::json;

    TreeBuilder(std::string_view source, const int &lineCount)
        : text(source)
        , line(lineCount)
    { }

    bool null() { return scalar(Kind::null, "null"); }
    bool boolean(bool value) { return scalar(Kind::boolean, value ? "true" : "false"); }
    bool number_integer(json::number_integer_t value)
    {
        return number(static_cast<double>(value), std::to_string(value));
    }
    bool number_unsigned(json::number_unsigned_t value)
    {
        return number(static_cast<double>(value), std::to_string(value));
    }
    bool number_float(json::number_float_t value, const json::string_t &written)
    {
        return number(value, written);
    }
    bool string(json::string_t &value) { return scalar(Kind::string, std::move(value)); }
    bool binary(json::binary_t &) { return true; } // never in a JSON text
    bool key(json::string_t &name)
    {
        pendingKey = std::move(name);
        return true;
    }
    bool start_object(std::size_t) { return open(Kind::object); }
    bool end_object() { return close(); }
    bool start_array(std::size_t) { return open(Kind::array); }
    bool end_array() { return close(); }
    bool parse_error(
        std::size_t position, const std::string &, const nlohmann::detail::exception &ex)
    {
        error = syntaxError(position, ex.what());
        return false;
    }

    JsonTree tree() &&
    {
        if (error)
            return { std::nullopt, std::move(error) };
        return { std::move(root), std::nullopt };
    }

private:
    JsonValue fresh(Kind kind)
    {
        JsonValue value;
        value.kind = kind;
        value.key = std::move(pendingKey);
        pendingKey.clear();
        value.line = line;
        return value;
    }

    void add(JsonValue value)
    {
        if (nesting.empty())
            root = std::move(value);
        else
            nesting.back().members.push_back(std::move(value));
    }

    bool scalar(Kind kind, std::string written)
    {
        if (skippedLevels == 0) {
            JsonValue value = fresh(kind);
            value.text = std::move(written);
            add(std::move(value));
        }
        return true;
    }

    bool number(double value, std::string written)
    {
        if (skippedLevels == 0) {
            JsonValue node = fresh(Kind::number);
            node.number = value;
            node.text = std::move(written);
            add(std::move(node));
        }
        return true;
    }

    bool open(Kind kind)
    {
        if (skippedLevels > 0) {
            ++skippedLevels;
        } else if (nesting.size() == deepestJsonNesting) {
            add(fresh(kind));
            skippedLevels = 1;
        } else {
            nesting.push_back(fresh(kind));
        }
        return true;
    }

    bool close()
    {
        if (skippedLevels > 0) {
            --skippedLevels;
            return true;
        }
        JsonValue value = std::move(nesting.back());
        nesting.pop_back();
        add(std::move(value));
        return true;
    }

    // The parser's message without its own prefixes ("[json.exception.parse_error.101] parse
    // error at line 1, column 2: "), placed at the byte the parser stopped on.
    JsonSyntaxError syntaxError(std::size_t position, std::string_view message) const
    {
        if (const auto bracket = message.find("] "); bracket != std::string_view::npos)
            message.remove_prefix(bracket + 2);
        if (message.starts_with("parse error")) {
            if (const auto colon = message.find(": "); colon != std::string_view::npos)
                message.remove_prefix(colon + 2);
        }
        // The parser counts the byte it stopped on as read; at the end of the text, one beyond.
        const std::size_t stop = std::min(position > 0 ? position - 1 : 0, text.size());
        const std::string_view before = text.substr(0, stop);
        const std::size_t lineStart
            = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
        return { 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n')),
            1 + static_cast<int>(stop - lineStart), std::string(message) };
    }

    std::string_view text;
    const int &line;
    std::vector<JsonValue> nesting; // the objects and lists being read, the outermost first
    std::size_t skippedLevels = 0; // how deep the parser is below the deepest level kept
    std::string pendingKey;
    std::optional<JsonValue> root;
    std::optional<JsonSyntaxError> error;
};

} // namespace

JsonTree readJsonTree(std::string_view text)
{
    int line = 1;
    TreeBuilder builder(text, line);
    const CountingIterator first(text.data(), &line);
    const CountingIterator last(text.data() + text.size(), &line);
    nlohmann::json::sax_parse(first, last, &builder);
    return std::move(builder).tree();
}

} // namespace orvane
