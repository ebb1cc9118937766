#pragma once

// The results of rings as the command line writes them: one record per ring, and the record
// written as a readable table, as comma-separated values or as JSON.

#include "core/project.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

// A length of the results: the full-precision number in inches, the window's sixteenth-inch
// caption with the blanks around it taken off, and millimetres.
struct LengthResult
{
    double inches = 0;
    std::string fraction;
    double millimetres = 0;
};

// Everything the command line tells of one ring. The angles are the two miter angles the window
// shows under "Long Side" and "Short Side", in degrees; the lengths and the board feet are the
// numbers the window's captions are made from.
struct RingResults
{
    RingSpec ring;
    double longSideAngle = 0;
    double shortSideAngle = 0;
    LengthResult longSide;
    LengthResult shortSide;
    LengthResult boardWidth;
    double boardFeet = 0;
    LengthResult stripLength; // the strip the segments are cut from, with the saw's kerf
};

// The results of `ring`, or nothing for a ring that checkRing refuses.
std::optional<RingResults> ringResults(const RingSpec &ring);

// The fields of a record, in the order the csv columns and the json members have them.
inline constexpr std::array<std::string_view, 22> resultFields { "name", "segments", "outer_in",
    "inner_in", "fudge_in", "thickness_in", "kerf_in", "long_side_angle_deg",
    "short_side_angle_deg", "long_side_in", "long_side_fraction", "long_side_mm", "short_side_in",
    "short_side_fraction", "short_side_mm", "board_width_in", "board_width_fraction",
    "board_width_mm", "board_feet", "strip_length_in", "strip_length_fraction", "strip_length_mm" };
using ResultValue = std::variant<double, std::string>;
std::array<ResultValue, resultFields.size()> resultValues(const RingResults &results);

// The rings as text to read: a block per ring with the window's captions.
std::string resultsText(const std::vector<RingResults> &rings);
// The rings as comma-separated values: a header row of the field names, then a row per ring.
std::string resultsCsv(const std::vector<RingResults> &rings);
// The rings as one JSON object: {"rings": [...], "total_board_feet": X,
// "total_strip_length_in": Y}.
std::string resultsJson(const std::vector<RingResults> &rings);

// A number written as the shortest text that reads back as the same double ("0.25", "1e-05"); the
// empty text for a value that is not finite.
std::string shortestNumber(double value);
// A JSON string: quoted, with quotes, backslashes and control characters escaped, and every byte
// that is not part of a UTF-8 character replaced by U+FFFD.
std::string jsonString(std::string_view text);
// A csv field: quoted when it holds a comma, a quote, a line break, blanks at either end or
// starts with "#", quotes inside written twice.
std::string csvField(std::string_view text);

// The texts of the table.
inline constexpr std::string_view projectNameLabel = "Project Name: ";
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
inline constexpr std::string_view boardFeetLabel = "Board feet of lumber";
inline constexpr std::string_view totalBoardFeetLabel = "Board feet of all rings";
inline constexpr std::string_view totalStripLabel = "Strip length of all rings, in.";

} // namespace orvane
