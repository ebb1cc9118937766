// The project file's writer: one key a line, one ring a line, lengths in the vessel's units.

#include "core/jsontext.h"
#include "core/length.h"
#include "core/projectfile.h"

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

std::string ringText(const RingSpec &ring, Units units)
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
        case RingField::outer: add(field, lengthText(ring.inputs.outerDiameter, units)); break;
        case RingField::inner: add(field, lengthText(ring.inputs.innerDiameter, units)); break;
        case RingField::fudge: add(field, lengthText(ring.inputs.fudge, units)); break;
        case RingField::thickness:
            if (ring.thickness)
                add(field, lengthText(*ring.thickness, units));
            break;
        case RingField::kerf: add(field, lengthText(ring.kerf, units)); break;
        case RingField::wood:
            if (!ring.wood.empty())
                add(field, jsonString(ring.wood));
            break;
        }
    }
    return text + '}';
}

} // namespace

std::string writeProjectFile(const Vessel &vessel)
{
    std::string text = "{\n";
    text += "  \"format\": " + jsonString(projectFileFormat) + ",\n";
    text += "  \"version\": " + std::to_string(projectFileVersion) + ",\n";
    text += "  \"name\": " + jsonString(vessel.name) + ",\n";
    text += "  \"units\": ";
    text += vessel.units == Units::millimetres ? "\"mm\"" : "\"in\"";
    text += ",\n";
    text += "  \"kerf\": " + lengthText(vessel.kerf, vessel.units) + ",\n";
    text += "  \"rings\": [";
    for (std::size_t i = 0; i < vessel.rings.size(); ++i) {
        text += i == 0 ? "\n    " : ",\n    ";
        text += ringText(vessel.rings[i], vessel.units);
    }
    text += vessel.rings.empty() ? "]\n" : "\n  ]\n";
    text += "}\n";
    return text;
}

} // namespace orvane
