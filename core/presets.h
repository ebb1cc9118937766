#pragma once

// Vessels to start from: a bowl, a vase, a hollow form and a box, each a profile with its wall,
// floor and pad, and rings from the foot to the rim that cut as they are, with no check firing.

#include "core/vessel.h"

#include <array>
#include <string_view>

namespace orvane {

enum class Preset
{
    bowl,
    vase,
    hollowForm,
    box
};
inline constexpr std::array allPresets { Preset::bowl, Preset::vase, Preset::hollowForm,
    Preset::box };

// The preset's name, which its vessel also has: "Bowl", "Vase", "Hollow Form", "Box".
std::string_view presetName(Preset preset);

// The preset's vessel, in inches with the common kerf. Its rings take their diameters from the
// profile and their fudge from the pad.
Vessel presetVessel(Preset preset);

} // namespace orvane
