#pragma once

// Project files: a vessel saved as JSON, lengths in the file's own units so that a file read and
// written again keeps every number digit for digit.
//
//   {"format": "orvane-vessel", "version": 1, "name": "Vase", "units": "in", "kerf": 0.125,
//    "rings": [{"name": "Foot", "segments": 8, "outer": 6, "inner": 4.25, "fudge": 0.125,
//               "thickness": 0.75, "kerf": 0.125, "wood": "Maple"}]}

#include "core/vessel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr std::string_view projectFileFormat = "orvane-vessel";
// The newest version of the format this program reads. It writes the oldest version that holds
// the vessel: version 2 adds the profile, "wall", "floor", "pad" and "flatten", and lets a ring
// of a vessel with a profile leave out the diameters the profile gives it; version 3 adds the
// project's "woods" with their colours, and a ring's "pattern" and "rotation":
//
//   "woods": [{"name": "Maple", "colour": "#e9d7b0"}, {"name": "Walnut", "colour": "#5b3d2a"}],
//   "rings": [{"segments": 12, "outer": 10, "inner": 8, "pattern": ["Maple", "Walnut"],
//              "rotation": 15}]
//
// In version 3 every wood a ring names is listed under "woods", and no name holds a '+'. In the
// older versions a ring's "wood" is read as it is typed: "Maple + Walnut" is a pattern.
inline constexpr int projectFileVersion = 3;
inline constexpr std::string_view projectFileExtension = ".orvane";

// The vessel of a project file's `text`, or every problem of it and no vessel. Each message starts
// with `fileName`: "vase.orvane:3:14: not JSON: ..." with the line and column for a text that is
// not JSON, else "vase.orvane: ring 2 (Belly): key 'inner': ..." naming the ring and the key. A
// vessel without a name takes the file's base name without its extension.
struct ProjectFileReading
{
    std::optional<Vessel> vessel;
    std::vector<std::string> problems;
};
ProjectFileReading readProjectFile(std::string_view text, std::string_view fileName);

// The oldest version of the format that holds the vessel.
int projectFileVersionOf(const Vessel &vessel);

// The woods a project file of the vessel lists: the project's own, then every other wood its rings
// name, with the colour woodColour() gives it.
std::vector<Wood> listedWoods(const Vessel &vessel);

// The vessel as a project file in its own units: one key a line and one ring a line, the keys in
// the order above, ending with a line break. A ring's wood is left out when it has none.
std::string writeProjectFile(const Vessel &vessel);

// Whether `text` is to be read as a project file rather than a CSV: after a byte order mark and
// blanks, it opens a JSON object.
bool looksLikeProjectFile(std::string_view text);

// Parts of the messages.
inline constexpr std::string_view notJson = "not JSON: ";
inline constexpr std::string_view notAVessel
    = "not an Orvane vessel: a project file is a JSON object such as {\"format\": "
      "\"orvane-vessel\", \"version\": 1, \"rings\": []}";
inline constexpr std::string_view keyPrefix = "key '";
inline constexpr std::string_view ringPrefix = "ring ";
inline constexpr std::string_view formatAllowed = "\"orvane-vessel\", the format of a vessel";
inline constexpr std::string_view versionAllowed = "the format's version, a whole number from 1";
inline constexpr std::string_view madeByNewer = ", made by a newer Orvane: this one reads up to ";
inline constexpr std::string_view vesselNameAllowed = "the vessel's name, any text";
inline constexpr std::string_view unitsAllowed = "\"in\" or \"mm\"";
inline constexpr std::string_view ringsAllowed = "the vessel's rings, a list from its foot up";
inline constexpr std::string_view ringAllowed
    = "a ring, an object such as {\"segments\": 12, \"outer\": 10, \"inner\": 7.5}";
inline constexpr std::string_view unknownKey = "unknown: the keys of ";
inline constexpr std::string_view repeatedKey = ": each key once";
inline constexpr std::string_view profileAllowed
    = "the vessel's outside, a list of points such as {\"r\": 3, \"h\": 0, \"corner\": true} "
      "from the bottom up";
inline constexpr std::string_view pointAllowed
    = "a point, an object such as {\"r\": 3, \"h\": 0, \"corner\": true}";
inline constexpr std::string_view pointLengthAllowed = "a length of 0 or more";
inline constexpr std::string_view cornerAllowed = "whether the point is a corner";
inline constexpr std::string_view woodsAllowed
    = "the project's woods, a list such as [{\"name\": \"Maple\", \"colour\": \"#e9d7b0\"}]";
inline constexpr std::string_view woodEntryAllowed
    = "a wood, an object such as {\"name\": \"Maple\", \"colour\": \"#e9d7b0\"}";
inline constexpr std::string_view woodNameAllowed
    = "a wood's name: not blank, no blanks around it, and no '+'";
inline constexpr std::string_view ringWoodAllowed
    = "one wood's name, without '+': a ring of several woods lists them under 'pattern'";
inline constexpr std::string_view colourAllowed
    = "a colour, # and six hexadecimal digits such as \"#e9d7b0\"";
inline constexpr std::string_view listedTwice = " is listed twice: each wood once";
inline constexpr std::string_view patternAllowed
    = "the woods around the ring from segment 1, a list of names such as [\"Maple\", "
      "\"Walnut\"]";
inline constexpr std::string_view rotationAllowed
    = "the degrees counter-clockwise from the +x axis to segment 1's first joint";
inline constexpr std::string_view woodAndPattern
    = "given with 'wood': a ring has one wood or a pattern, not both";
inline constexpr std::string_view notListed
    = " is not one of the project's woods: every wood a ring names is listed under 'woods'";
inline constexpr std::string_view inInches = ", written as a number of inches";
inline constexpr std::string_view inMillimetres = ", written as a number of millimetres";

} // namespace orvane
