#pragma once

// A vessel: the rings of one piece, from its foot up, with the project's name, units and kerf.

#include "core/cutlist.h"
#include "core/profile.h"
#include "core/ringdesign.h"
#include "core/wall.h"
#include "core/woods.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The unit a project shows and writes its lengths in; the values themselves are always inches.
enum class Units
{
    inches,
    millimetres
};

struct Vessel
{
    std::string name;
    Units units = Units::inches;
    double kerf = defaultKerf; // inches; the kerf a ring takes unless it has its own
    std::vector<RingDesign> rings; // the bottom ring first

    // The outside of the piece; when it has one, the rings' diameters follow from it.
    std::vector<ProfilePoint> profile {};
    double wall = defaultWallThickness; // the wall's thickness, inches
    std::optional<double> floor {}; // the height of the solid floor, inches; none: the wall's
    double pad = ringDefaults::fudge; // the fudge of a ring without its own, inches
    double flatten = 0; // the height a ring loses when its faces are flattened, inches

    // The project's own woods and colours, which win over the settings' and the common woods'
    // for this project (see woodColour); a wood its rings name need not be listed.
    std::vector<Wood> woods {};

    double floorHeight() const { return floor.value_or(wall); }
};

// The name a ring has when none is given: "Ring N", N its place from the bottom, from 1.
std::string defaultRingName(std::size_t place);

} // namespace orvane
