#pragma once

// Project CSV files: a header row naming the columns, then one ring a row.

#include "core/ringdesign.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The rings of a project file's `text`, or what is wrong with it, one message per problem, each
// starting with `fileName` and the line: "vase.csv:4: column 'outer': ...".
struct Project
{
    std::vector<RingDesign> rings;
    std::vector<std::string> problems;
};
Project readProject(std::string_view text, std::string_view fileName);

// Parts of the messages.
inline constexpr std::string_view columnPrefix = "column '";
inline constexpr std::string_view emptyProject
    = "no header row: the first line names the columns, name, segments, outer and inner, and "
      "may add fudge, thickness, kerf and wood";
inline constexpr std::string_view noRings = "no rings: after the header row, each line is a ring";
inline constexpr std::string_view unknownColumn = "unknown column '";
inline constexpr std::string_view knownColumns
    = "'; the columns are name, segments, outer, inner, fudge, thickness, kerf and wood";
inline constexpr std::string_view missingColumn = "no column '";
inline constexpr std::string_view requiredColumns
    = "': the header must name the columns name, segments, outer and inner";
inline constexpr std::string_view repeatedColumn = "' is named twice: each column once";
inline constexpr std::string_view tooManyCells = " cells, but the header names ";
inline constexpr std::string_view columnsWord = " columns";

} // namespace orvane
