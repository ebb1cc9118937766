#pragma once

// Rings as the command line and project files give them: a name, the four ring inputs, the board
// thickness and the saw's kerf, each read from text and checked.

#include "core/cutlist.h"
#include "core/ring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One ring to compute. Lengths in inches.
struct RingSpec
{
    std::string name;
    RingInputs inputs;
    double thickness = 0;
    double kerf = 0;
    int line = 0; // where a project file gives the ring; 0 for the command line's ring
};

// The values the window starts with, which a ring has unless it is given others, and the kerf
// of a common saw blade.
namespace ringDefaults {
inline constexpr std::string_view name = "Segmented Circle ";
inline constexpr double segmentCount = 6;
inline constexpr double outerDiameter = 36;
inline constexpr double innerDiameter = 30;
inline constexpr double fudge = 0.25;
inline constexpr double thickness = 0.75;
inline constexpr double kerf = defaultKerf;
} // namespace ringDefaults
RingSpec defaultRing();

// The values of a ring, named as the project file's columns and the command line's options are.
enum class RingField
{
    name,
    segments,
    outer,
    inner,
    fudge,
    thickness,
    kerf
};
inline constexpr std::array allRingFields { RingField::name, RingField::segments, RingField::outer,
    RingField::inner, RingField::fudge, RingField::thickness, RingField::kerf };
std::string_view fieldName(RingField field);
// What the field may hold, as the messages that refuse a value say it.
std::string_view fieldAllowed(RingField field);

// One value read from its text: the value, or why the text is not allowed (the text quoted,
// then what is allowed).
struct FieldReading
{
    double value = 0;
    std::string problem;
};
FieldReading readRingField(RingField field, std::string_view text);

// The problem of a ring whose values are each allowed but not together: an inner diameter not
// below the outer one, or results too large for a number. The field to blame and why; nothing
// for a sound ring.
struct RingProblem
{
    std::optional<RingField> field; // none when no one value is to blame
    std::string message;
};
std::optional<RingProblem> checkRing(const RingSpec &ring);

// The rings of a project file's `text`, or what is wrong with it, one message per problem, each
// starting with `fileName` and the line: "vase.csv:4: column 'outer': ...".
struct Project
{
    std::vector<RingSpec> rings;
    std::vector<std::string> problems;
};
Project readProject(std::string_view text, std::string_view fileName);

// Parts of the messages.
inline constexpr std::string_view segmentCountAllowed = "a whole number from 3 to 30";
static_assert(largestSegmentCount == 30, "the count's message names the largest count");
inline constexpr std::string_view positiveLengthAllowed = "a length more than 0";
inline constexpr std::string_view innerAllowed = "a length of 0 or more, below the outer diameter";
inline constexpr std::string_view nonNegativeLengthAllowed = "a length of 0 or more";
inline constexpr std::string_view nameAllowed = "the ring's name, any text";
inline constexpr std::string_view notALength = " is not a length: ";
inline constexpr std::string_view notAllowed = " is not allowed: ";
inline constexpr std::string_view missingValue = "missing: ";
inline constexpr std::string_view inchesUnit = " in";
inline constexpr std::string_view outerDiameterIs = " (the outer diameter is ";
inline constexpr std::string_view tooLarge
    = "the ring is too large: its results are beyond the range of a number; smaller lengths are "
      "allowed";
inline constexpr std::string_view columnPrefix = "column '";
inline constexpr std::string_view emptyProject
    = "no header row: the first line names the columns, name, segments, outer and inner, and "
      "may add fudge, thickness and kerf";
inline constexpr std::string_view noRings = "no rings: after the header row, each line is a ring";
inline constexpr std::string_view unknownColumn = "unknown column '";
inline constexpr std::string_view knownColumns
    = "'; the columns are name, segments, outer, inner, fudge, thickness and kerf";
inline constexpr std::string_view missingColumn = "no column '";
inline constexpr std::string_view requiredColumns
    = "': the header must name the columns name, segments, outer and inner";
inline constexpr std::string_view repeatedColumn = "' is named twice: each column once";
inline constexpr std::string_view tooManyCells = " cells, but the header names ";
inline constexpr std::string_view columnsWord = " columns";

} // namespace orvane
