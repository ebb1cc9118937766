#include "core/woods.h"

#include "core/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orvane {

namespace {

const Wood *named(const std::vector<Wood> &woods, std::string_view name)
{
    auto found = std::find_if(
        woods.begin(), woods.end(), [name](const Wood &wood) { return wood.name == name; });
    if (found == woods.end()) {
        found = std::find_if(woods.begin(), woods.end(),
            [name](const Wood &wood) { return lowered(wood.name) == lowered(name); });
    }
    return found == woods.end() ? nullptr : &*found;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// A brown to amber tone for a wood the program does not know: hue, saturation and lightness
// from a hash of the name (FNV-1a, the same everywhere, unlike std::hash), in the range of
// real woods so that no unknown wood is drawn green or blue.
Rgb toneOf(std::string_view name)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : lowered(name)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    const double hue = 15 + hash % 35; // degrees
    const double saturation = 0.30 + (hash >> 8) % 30 / 100.0;
    const double lightness = 0.35 + (hash >> 16) % 40 / 100.0;
    const double chroma = (1 - std::abs(2 * lightness - 1)) * saturation;
    const double second = chroma * (1 - std::abs(std::fmod(hue / 60, 2) - 1));
    const double base = lightness - chroma / 2;
    // Hues below 60°: red leads, green follows.
    const auto channel
        = [base](double value) { return static_cast<int>(std::lround((value + base) * 255)); };
    return { channel(chroma), channel(second), channel(0) };
}

} // namespace

const std::vector<Wood> &commonWoods()
{
    static const std::vector<Wood> woods {
        { "Holly", "#f3eee2" },
        { "Maple", "#e9d7b0" },
        { "Birch", "#e4cfa1" },
        { "Ash", "#dcc59a" },
        { "Yellowheart", "#e3c04a" },
        { "Beech", "#d8b48a" },
        { "Oak", "#c9a572" },
        { "Cherry", "#b9744d" },
        { "Padauk", "#c2451f" },
        { "Mahogany", "#8e4a35" },
        { "Purpleheart", "#6e3457" },
        { "Walnut", "#5b3d2a" },
        { "Bloodwood", "#8c2019" },
        { "Wenge", "#3d2b22" },
        { "Ebony", "#221c19" },
    };
    return woods;
}

bool isColour(std::string_view text)
{
    return colourValue(text).has_value();
}

std::optional<Rgb> colourValue(std::string_view text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    int channels[3] {};
    for (std::size_t i = 0; i < 3; ++i) {
        const int high = hexDigit(text[1 + 2 * i]);
        const int low = hexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return Rgb { channels[0], channels[1], channels[2] };
}

std::string colourText(Rgb colour)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : { colour.red, colour.green, colour.blue }) {
        const int clamped = std::clamp(channel, 0, 255);
        text += digits[clamped / 16];
        text += digits[clamped % 16];
    }
    return text;
}

std::string woodColour(std::string_view name, const std::vector<Wood> &projectWoods)
{
    if (trimmed(name).empty())
        return std::string(noWoodColour);
    for (const std::vector<Wood> *woods : { &projectWoods, &commonWoods() }) {
        const Wood *wood = named(*woods, name);
        if (wood && isColour(wood->colour))
            return wood->colour;
    }
    return colourText(toneOf(name));
}

bool isWoodName(std::string_view name)
{
    return !name.empty() && trimmed(name) == name && name.find('+') == std::string_view::npos;
}

} // namespace orvane
