#include "core/presets.h"

#include <initializer_list>

namespace orvane {

namespace {

// Rings of one board thickness, from the foot up: their segment counts and woods.
struct RingRow
{
    double segments;
    const char *wood;
};

// Every ring is `thickness` high, and the rings add up to the rim's height: the top ring ends
// at the rim. The foot is a disc under the floor; the top ring is named for the rim.
Vessel vesselOf(Preset preset, std::initializer_list<ProfilePoint> profile, double wall,
    double floor, double thickness, std::initializer_list<RingRow> rings)
{
    Vessel vessel;
    vessel.name = presetName(preset);
    vessel.profile = profile;
    vessel.wall = wall;
    vessel.floor = floor;
    for (const RingRow &row : rings) {
        RingDesign ring = defaultRing();
        ring.name = defaultRingName(vessel.rings.size() + 1);
        ring.inputs.segmentCount = row.segments;
        ring.thickness = thickness;
        ring.kerf = vessel.kerf;
        ring.wood = row.wood;
        vessel.rings.push_back(ring);
    }
    vessel.rings.front().name = "Foot";
    vessel.rings.back().name = "Rim";
    return vessel;
}

ProfilePoint corner(double r, double h)
{
    return { r, h, true };
}

ProfilePoint smooth(double r, double h)
{
    return { r, h, false };
}

} // namespace

std::string_view presetName(Preset preset)
{
    switch (preset) {
    case Preset::bowl: return "Bowl";
    case Preset::vase: return "Vase";
    case Preset::hollowForm: return "Hollow Form";
    case Preset::box: return "Box";
    }
    return {};
}

Vessel presetVessel(Preset preset)
{
    switch (preset) {
    case Preset::bowl:
        // An open bowl 11 in across and 3 3/4 in high on a 4 in foot.
        return vesselOf(preset,
            { corner(2, 0), smooth(3.25, 0.75), smooth(4.5, 1.75), smooth(5.25, 3),
                corner(5.5, 3.75) },
            0.3125, 0.375, 0.75,
            { { 8, "Walnut" }, { 12, "Maple" }, { 16, "Cherry" }, { 16, "Maple" },
                { 16, "Walnut" } });
    case Preset::vase:
        // A vase 7 1/2 in high: a round belly, a neck and a lip that flares.
        return vesselOf(preset,
            { corner(1.75, 0), smooth(2.5, 1), smooth(3.25, 2.5), smooth(3, 4.5),
                smooth(1.75, 6.25), smooth(1.5, 7), corner(1.75, 7.5) },
            0.3125, 0.375, 0.75,
            { { 8, "Walnut" }, { 12, "Maple" }, { 12, "Cherry" }, { 16, "Maple" }, { 16, "Cherry" },
                { 16, "Maple" }, { 12, "Cherry" }, { 12, "Maple" }, { 8, "Walnut" },
                { 8, "Walnut" } });
    case Preset::hollowForm:
        // A closed round form with a short collar: its opening takes a hand.
        return vesselOf(preset,
            { corner(1.5, 0), smooth(2.5, 1), smooth(3.75, 3), smooth(3.5, 4.5), smooth(2.25, 5.75),
                smooth(1.5, 6.25), corner(1.5, 6.75) },
            0.3125, 0.375, 0.75,
            { { 8, "Maple" }, { 12, "Maple" }, { 16, "Walnut" }, { 16, "Maple" }, { 16, "Walnut" },
                { 16, "Maple" }, { 12, "Walnut" }, { 8, "Maple" }, { 8, "Maple" } });
    case Preset::box:
        // A straight-sided box 6 in across and 3 in high, its lid turned separately.
        return vesselOf(preset, { corner(3, 0), corner(3, 3) }, 0.375, 0.375, 0.75,
            { { 12, "Cherry" }, { 12, "Cherry" }, { 12, "Maple" }, { 12, "Cherry" } });
    }
    return {};
}

} // namespace orvane
