#pragma once

// The results of rings as the command line writes them: one record per ring, written as a
// readable table, as comma-separated values or as JSON. Every record is made from the ring's one
// result.

#include "core/ringresult.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

// The fields of a record, in the order the csv columns and the json members have them.
inline constexpr std::array<std::string_view, 28> resultFields { "name", "segments", "outer_in",
    "inner_in", "fudge_in", "thickness_in", "kerf_in", "long_side_angle_deg",
    "short_side_angle_deg", "long_side_in", "long_side_fraction", "long_side_mm", "short_side_in",
    "short_side_fraction", "short_side_mm", "board_width_in", "board_width_fraction",
    "board_width_mm", "board_feet", "strip_length_in", "strip_length_fraction", "strip_length_mm",
    "wood", "kind", "bottom_in", "top_in", "blank_side_in", "rotation_deg" };
// A value of a record: a number at full precision, a text, or nothing (empty in csv, null in
// json): a disc's segment fields and rotation, a ring's blank side. The wood is the ring's woods
// as typed ("Maple + Walnut" for a pattern); the rotation where its joints stand in the vessel.
using ResultValue = std::variant<double, std::string, std::monostate>;
// The record of a sound ring (one without problems). Its place in the stack is the result's
// bottom and top (see computeVessel).
std::array<ResultValue, resultFields.size()> resultValues(const RingResult &result);

// The rings as text to read: a block per ring with the window's captions; for more than one
// ring, or one of several woods, the totals and the lumber per wood after them.
std::string resultsText(const std::vector<RingResult> &rings);
// The rings as comma-separated values: a header row of the field names, then a row per ring.
std::string resultsCsv(const std::vector<RingResult> &rings);
// The rings as one JSON object: {"rings": [...], "total_board_feet": X,
// "total_strip_length_in": Y, "woods": [{"wood": "Maple", "segments": 40, "strip_length_in": Z,
// "board_feet": W}, ...]}, the woods as lumberPerWood() lists them.
std::string resultsJson(const std::vector<RingResult> &rings);

// The board feet and the strip length of all the rings.
struct ResultTotals
{
    double boardFeet = 0;
    double stripLength = 0;
};
ResultTotals resultTotals(const std::vector<RingResult> &rings);

// The texts of the table.
inline constexpr std::string_view projectNameLabel = "Project Name: ";
inline constexpr std::string_view woodLabel = "Wood: ";
inline constexpr std::string_view segmentsLabel = "# of Segments";
inline constexpr std::string_view outerLabel = "Outer Diameter, in.";
inline constexpr std::string_view innerLabel = "Inner Diameter, in.";
inline constexpr std::string_view fudgeLabel = "Fudge Factor, in.";
inline constexpr std::string_view thicknessLabel = "Board thickness, in.";
inline constexpr std::string_view kerfLabel = "Saw kerf, in.";
inline constexpr std::string_view fractionHeading = "Approx. Fraction";
inline constexpr std::string_view decimalHeading = "Decimal Value";
inline constexpr std::string_view millimetresHeading = "mm";
inline constexpr std::string_view longSideLabel = "Long side Length, in.";
inline constexpr std::string_view shortSideLabel = "Short side Length, in.";
inline constexpr std::string_view boardWidthLabel = "Board width, in.";
inline constexpr std::string_view stripLengthLabel = "Strip length, in.";
inline constexpr std::string_view longAngleHeading = "Long Side";
inline constexpr std::string_view shortAngleHeading = "Short Side";
inline constexpr std::string_view miterAngleLabel = "Miter angle,°";
inline constexpr std::string_view discBlankLabel = "Disc blank, square, in.";
inline constexpr std::string_view boardFeetLabel = "Board feet of lumber";
inline constexpr std::string_view totalBoardFeetLabel = "Board feet of all rings";
inline constexpr std::string_view totalStripLabel = "Strip length of all rings, in.";
inline constexpr std::string_view lumberPerWoodLabel = "Lumber per wood";
inline constexpr std::string_view woodSegmentsHeading = "Segments";
inline constexpr std::string_view woodStripHeading = "Strip length, in.";
inline constexpr std::string_view woodBoardFeetHeading = "Board feet";
inline constexpr std::string_view noWoodLabel = "(no wood given)";

} // namespace orvane
