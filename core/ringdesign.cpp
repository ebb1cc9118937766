#include "core/ringdesign.h"

#include "core/vessel.h"

namespace orvane {

RingDesign defaultRing()
{
    RingDesign ring;
    ring.name = ringDefaults::name;
    ring.inputs = RingInputs { ringDefaults::segmentCount, ringDefaults::outerDiameter,
        ringDefaults::innerDiameter, ringDefaults::fudge };
    ring.thickness = ringDefaults::thickness;
    ring.kerf = ringDefaults::kerf;
    return ring;
}

RingDesign ringOf(const RingInputs &inputs, std::optional<double> thickness, double kerf)
{
    RingDesign ring;
    ring.inputs = inputs;
    ring.thickness = thickness;
    ring.kerf = kerf;
    return ring;
}

const std::string &segmentWood(const RingDesign &ring, std::size_t index)
{
    return ring.pattern.empty() ? ring.wood : ring.pattern[index % ring.pattern.size()];
}

std::string woodText(const RingDesign &ring)
{
    if (ring.pattern.empty())
        return ring.wood;
    std::string text;
    for (const std::string &wood : ring.pattern) {
        if (!text.empty())
            text += patternJoin;
        text += wood;
    }
    return text;
}

std::string_view fieldName(RingField field)
{
    switch (field) {
    case RingField::name: return "name";
    case RingField::segments: return "segments";
    case RingField::outer: return "outer";
    case RingField::inner: return "inner";
    case RingField::fudge: return "fudge";
    case RingField::thickness: return "thickness";
    case RingField::kerf: return "kerf";
    case RingField::wood: return "wood";
    }
    return {};
}

std::string_view fieldAllowed(RingField field)
{
    switch (field) {
    case RingField::name: return nameAllowed;
    case RingField::wood: return woodAllowed;
    case RingField::segments: return segmentCountAllowed;
    case RingField::outer:
    case RingField::thickness: return positiveLengthAllowed;
    case RingField::inner: return innerAllowed;
    case RingField::fudge:
    case RingField::kerf: return nonNegativeLengthAllowed;
    }
    return {};
}

bool isTextField(RingField field)
{
    return field == RingField::name || field == RingField::wood;
}

std::string defaultRingName(std::size_t place)
{
    return "Ring " + std::to_string(place);
}

} // namespace orvane
