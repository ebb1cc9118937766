// The project file's writer: one key a line, one ring a line, lengths in the vessel's units.

#include "core/jsontext.h"
#include "core/length.h"
#include "core/projectfile.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// A number as the file writes it: no sign on a zero, null for what is not a number.
std::string numberText(double value)
{
    if (!std::isfinite(value))
        return "null";
    return shortestNumber(value == 0 ? 0.0 : value);
}

std::string lengthText(double inches, Units units)
{
    if (units == Units::millimetres && std::isfinite(inches) && inches != 0)
        return shortestMillimetres(inches);
    return numberText(inches);
}

std::string patternText(const std::vector<std::string> &pattern)
{
    std::string text = "[";
    for (const std::string &wood : pattern)
        text += (text.size() > 1 ? ", " : "") + jsonString(wood);
    return text + ']';
}

// With a profile, a ring's diameters are written only where typed, and its fudge only where its
// own.
std::string ringText(const RingDesign &ring, Units units, bool profiled)
{
    std::string text;
    const auto add = [&](RingField field, const std::string &value) {
        text += text.empty() ? "{\"" : ", \"";
        text += fieldName(field);
        text += "\": ";
        text += value;
    };
    for (const RingField field : allRingFields) {
        switch (field) {
        case RingField::name: add(field, jsonString(ring.name)); break;
        case RingField::segments: add(field, numberText(ring.inputs.segmentCount)); break;
        case RingField::outer:
            if (!profiled || ring.outerLocked)
                add(field, lengthText(ring.inputs.outerDiameter, units));
            break;
        case RingField::inner:
            if (!profiled || ring.innerLocked)
                add(field, lengthText(ring.inputs.innerDiameter, units));
            break;
        case RingField::fudge:
            if (!profiled || ring.ownFudge)
                add(field, lengthText(ring.inputs.fudge, units));
            break;
        case RingField::thickness:
            if (ring.thickness)
                add(field, lengthText(*ring.thickness, units));
            break;
        case RingField::kerf: add(field, lengthText(ring.kerf, units)); break;
        case RingField::wood:
            if (!ring.pattern.empty())
                text += ", \"pattern\": " + patternText(ring.pattern);
            else if (!ring.wood.empty())
                add(field, jsonString(ring.wood));
            break;
        }
    }
    if (ring.rotation)
        text += ", \"rotation\": " + numberText(*ring.rotation);
    return text + '}';
}

std::string woodsText(const std::vector<Wood> &woods)
{
    std::string text = "[";
    for (std::size_t i = 0; i < woods.size(); ++i) {
        text += i == 0 ? "\n    " : ",\n    ";
        text += "{\"name\": " + jsonString(woods[i].name)
            + ", \"colour\": " + jsonString(woods[i].colour) + '}';
    }
    return text + (woods.empty() ? "]" : "\n  ]");
}

std::string profileText(const std::vector<ProfilePoint> &profile, Units units)
{
    std::string text = "[";
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const ProfilePoint &point = profile[i];
        text += i == 0 ? "\n    " : ",\n    ";
        text += "{\"r\": " + lengthText(point.r, units) + ", \"h\": " + lengthText(point.h, units);
        if (point.corner)
            text += ", \"corner\": true";
        text += '}';
    }
    return text + (profile.empty() ? "]" : "\n  ]");
}

} // namespace

std::vector<Wood> listedWoods(const Vessel &vessel)
{
    std::vector<Wood> woods;
    const auto list = [&woods, &vessel](const std::string &name, const std::string &colour) {
        // A name the file cannot hold, or one listed already, is not listed again.
        if (!isWoodName(name) || std::any_of(woods.begin(), woods.end(), [&name](const Wood &wood) {
                return wood.name == name;
            }))
            return;
        woods.push_back({ name, isColour(colour) ? colour : woodColour(name, vessel.woods) });
    };
    for (const Wood &wood : vessel.woods)
        list(wood.name, wood.colour);
    for (const RingDesign &ring : vessel.rings) {
        for (const std::string &name :
            ring.pattern.empty() ? std::vector { ring.wood } : ring.pattern)
            list(name, {});
    }
    return woods;
}

int projectFileVersionOf(const Vessel &vessel)
{
    const bool third = !vessel.woods.empty()
        || std::any_of(vessel.rings.begin(), vessel.rings.end(), [](const RingDesign &ring) {
               return !ring.pattern.empty() || ring.rotation.has_value();
           });
    if (third)
        return 3;
    const Vessel plain;
    const bool second = !vessel.profile.empty() || vessel.wall != plain.wall || vessel.floor
        || vessel.pad != plain.pad || vessel.flatten != plain.flatten;
    return second ? 2 : 1;
}

std::string writeProjectFile(const Vessel &vessel)
{
    const int version = projectFileVersionOf(vessel);
    const bool profiled = !vessel.profile.empty();
    std::string text = "{\n";
    text += "  \"format\": " + jsonString(projectFileFormat) + ",\n";
    text += "  \"version\": " + std::to_string(version) + ",\n";
    text += "  \"name\": " + jsonString(vessel.name) + ",\n";
    text += "  \"units\": ";
    text += vessel.units == Units::millimetres ? "\"mm\"" : "\"in\"";
    text += ",\n";
    text += "  \"kerf\": " + lengthText(vessel.kerf, vessel.units) + ",\n";
    if (version >= 2) {
        if (profiled)
            text += "  \"profile\": " + profileText(vessel.profile, vessel.units) + ",\n";
        text += "  \"wall\": " + lengthText(vessel.wall, vessel.units) + ",\n";
        if (vessel.floor)
            text += "  \"floor\": " + lengthText(*vessel.floor, vessel.units) + ",\n";
        text += "  \"pad\": " + lengthText(vessel.pad, vessel.units) + ",\n";
        text += "  \"flatten\": " + lengthText(vessel.flatten, vessel.units) + ",\n";
    }
    if (version >= 3)
        text += "  \"woods\": " + woodsText(listedWoods(vessel)) + ",\n";
    text += "  \"rings\": [";
    for (std::size_t i = 0; i < vessel.rings.size(); ++i) {
        text += i == 0 ? "\n    " : ",\n    ";
        text += ringText(vessel.rings[i], vessel.units, profiled);
    }
    text += vessel.rings.empty() ? "]\n" : "\n  ]\n";
    text += "}\n";
    return text;
}

} // namespace orvane
