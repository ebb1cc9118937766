#pragma once

// A ring to compute as the user gives it: a name, the four ring inputs, the board thickness, the
// saw's kerf and the wood, and the names under which the command line, project files and the
// vessel's table know each of them.

#include "core/cutlist.h"
#include "core/ring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One ring to compute. Lengths in inches.
struct RingDesign
{
    std::string name;
    RingInputs inputs;
    std::optional<double> thickness; // none when the calculator's box holds no number
    double kerf = 0;
    // The woods around the ring: one `wood` for every segment (empty when not given), or a
    // `pattern` of woods repeated from segment 1 and cut off at the last segment, never longer
    // than the count. A ring has one or the other: `wood` stays empty beside a pattern. Segments
    // are numbered counter-clockwise seen from above.
    std::string wood;
    std::vector<std::string> pattern;
    // Where the joints stand: degrees counter-clockwise seen from above, from the +x axis to
    // segment 1's first joint; none for the default, which turns the joints farthest from those
    // of the ring below (see core/joints.h).
    std::optional<double> rotation;
    int line = 0; // where a project file gives the ring; 0 for the command line's ring
    // In a vessel with a profile: whether the diameters were typed, and kept whatever the profile
    // makes, and whether the ring has a fudge of its own rather than the vessel's pad.
    bool outerLocked = false;
    bool innerLocked = false;
    bool ownFudge = false;
};

// The values the calculator window starts with, which a ring has unless it is given others, and
// the kerf of a common saw blade; with the texts the window's boxes start with, each the number
// beside it.
namespace ringDefaults {
inline constexpr std::string_view name = "Segmented Circle ";
inline constexpr double segmentCount = 6;
inline constexpr std::string_view segmentCountText = "6";
inline constexpr double outerDiameter = 36;
inline constexpr std::string_view outerDiameterText = "36";
inline constexpr double innerDiameter = 30;
inline constexpr std::string_view innerDiameterText = "30";
inline constexpr double fudge = 0.25;
inline constexpr std::string_view fudgeText = ".25";
inline constexpr double thickness = 0.75;
inline constexpr std::string_view thicknessText = "0.75";
inline constexpr double kerf = defaultKerf;
} // namespace ringDefaults
RingDesign defaultRing();
// A ring of `inputs` with no name.
RingDesign ringOf(
    const RingInputs &inputs, std::optional<double> thickness, double kerf = defaultKerf);

// The wood of the segment at `index`, segment 1 at 0: the pattern's wood there, the pattern
// repeated, or the ring's one wood. A disc is all of the wood of its segment 1.
const std::string &segmentWood(const RingDesign &ring, std::size_t index);
// The ring's woods as they are typed: the pattern's names joined by " + ", or the one wood.
std::string woodText(const RingDesign &ring);
inline constexpr std::string_view patternJoin = " + ";

// The values of a ring, named as the project file's columns and the command line's options are.
enum class RingField
{
    name,
    segments,
    outer,
    inner,
    fudge,
    thickness,
    kerf,
    wood
};
inline constexpr std::array allRingFields { RingField::name, RingField::segments, RingField::outer,
    RingField::inner, RingField::fudge, RingField::thickness, RingField::kerf, RingField::wood };
std::string_view fieldName(RingField field);
// What the field may hold, as the messages that refuse a value say it.
std::string_view fieldAllowed(RingField field);
// Whether the field is text (a name) rather than a number.
bool isTextField(RingField field);

// What is wrong with a ring: the field to blame (none when no one value is) and why.
struct RingProblem
{
    std::optional<RingField> field;
    std::string message;
};

// Parts of the messages.
inline constexpr std::string_view segmentCountAllowed = "a whole number from 3 to 100";
static_assert(largestSegmentCount == 100, "the count's message names the largest count");
inline constexpr std::string_view positiveLengthAllowed = "a length more than 0";
inline constexpr std::string_view innerAllowed
    = "a length below the outer diameter and at least twice the fudge";
inline constexpr std::string_view nonNegativeLengthAllowed = "a length of 0 or more";
inline constexpr std::string_view nameAllowed = "the ring's name, any text";
inline constexpr std::string_view woodAllowed
    = "the ring's wood, or the woods around it from segment 1 joined by + (Maple + Walnut), "
      "each named";
// "a pattern of 3 woods is not allowed: at most one wood for each of the ring's 2 segments"
inline constexpr std::string_view patternOf = "a pattern of ";
inline constexpr std::string_view patternTooLong
    = " woods is not allowed: at most one wood for each of the ring's ";
inline constexpr std::string_view segmentsWord = " segments";
inline constexpr std::string_view notALength = " is not a length: ";
inline constexpr std::string_view notAllowed = " is not allowed: ";
inline constexpr std::string_view missingValue = "missing: ";
inline constexpr std::string_view inchesUnit = " in";
inline constexpr std::string_view outerDiameterIs = " (the outer diameter is ";
inline constexpr std::string_view innerBelowOuter = "a length below the outer diameter";
inline constexpr std::string_view innerTwiceFudge
    = "the inner diameter must be at least twice the fudge, or the short side would be below "
      "zero";
inline constexpr std::string_view fudgeIs = " (the fudge is ";
inline constexpr std::string_view tooLarge
    = "the ring is too large: its results are beyond the range of a number; smaller lengths are "
      "allowed";

} // namespace orvane
