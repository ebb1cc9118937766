#pragma once

// Woods and their colours: the common turning woods ready to use, a project's own list, and the
// colour every picture of a ring gives a wood by its name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A wood as a project lists it: its name (never holding a '+', which joins the woods of a
// pattern) and the colour it is drawn in, "#rrggbb".
struct Wood
{
    std::string name;
    std::string colour;

    friend bool operator==(const Wood &, const Wood &) = default;
};

// The common turning woods with their colours, from the palest to the darkest.
const std::vector<Wood> &commonWoods();

// A colour's red, green and blue, 0 to 255 each.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// Whether `text` is a colour as a project keeps one: '#' and six hexadecimal digits, of either
// case.
bool isColour(std::string_view text);
// The colour of such a text; none for any other text.
std::optional<Rgb> colourValue(std::string_view text);
// A colour as "#rrggbb", lower case.
std::string colourText(Rgb colour);

// The colour a wood is drawn in: the project's own colour for it, else the common wood's of that
// name, else a tone worked out from the name alone, the same on every run and every machine.
// Names are matched exactly first, then ignoring the case of Latin letters.
std::string woodColour(std::string_view name, const std::vector<Wood> &projectWoods);

// The colour of the segments of a ring that names no wood.
inline constexpr std::string_view noWoodColour = "#d6c7a8";

// Whether `name` may name a wood: not blank, no blanks around it, and no '+'.
bool isWoodName(std::string_view name);

} // namespace orvane
