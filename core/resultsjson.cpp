// The results as one JSON object.

#include "core/jsontext.h"
#include "core/lumber.h"
#include "core/results.h"

namespace orvane {

namespace {

void jsonNumber(std::string &out, double value)
{
    const std::string text = shortestNumber(value);
    out += text.empty() ? "null" : text;
}

} // namespace

std::string resultsJson(const std::vector<RingResult> &rings)
{
    std::string out = "{\n  \"rings\": [";
    bool firstRing = true;
    for (const RingResult &result : rings) {
        out += firstRing ? "\n    {" : ",\n    {";
        firstRing = false;
        const auto values = resultValues(result);
        for (std::size_t i = 0; i < values.size(); ++i) {
            out += i == 0 ? "\n      " : ",\n      ";
            out += jsonString(resultFields[i]);
            out += ": ";
            if (const auto *text = std::get_if<std::string>(&values[i]))
                out += jsonString(*text);
            else if (const auto *number = std::get_if<double>(&values[i]))
                jsonNumber(out, *number);
            else
                out += "null";
        }
        out += "\n    }";
    }
    const ResultTotals totals = resultTotals(rings);
    out += rings.empty() ? "],\n" : "\n  ],\n";
    out += "  \"total_board_feet\": ";
    jsonNumber(out, totals.boardFeet);
    out += ",\n  \"total_strip_length_in\": ";
    jsonNumber(out, totals.stripLength);
    out += ",\n  \"woods\": [";
    const std::vector<WoodTotal> woods = lumberPerWood(rings);
    for (std::size_t i = 0; i < woods.size(); ++i) {
        out += i == 0 ? "\n    {\"wood\": " : ",\n    {\"wood\": ";
        out += jsonString(woods[i].wood);
        out += ", \"segments\": " + std::to_string(woods[i].segments);
        out += ", \"strip_length_in\": ";
        jsonNumber(out, woods[i].stripLength);
        out += ", \"board_feet\": ";
        jsonNumber(out, woods[i].boardFeet);
        out += '}';
    }
    out += woods.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

} // namespace orvane
